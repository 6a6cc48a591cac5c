// The hint over the picture: a ring around the pile to push, and an arrow on
// the cell it goes to. Both are a warm yellow with a dark edge, so they read
// over water, land and the pile alike.
#include "game/render.h"

#include "game/play.h"

#include <algorithm>

namespace {

// 0xRRGGBB.
const uint32_t HINT_FILL_RGB = 0xFFD640;
const uint32_t HINT_EDGE_RGB = 0x34220E;

enum HintPaint : uint8_t { PAINT_NONE, PAINT_FILL, PAINT_EDGE };

// The arrow, pointing along +u in a cell's own pixels: a shaft and a head.
const int32_t ARROW_SHAFT_FROM = 7;
const int32_t ARROW_SHAFT_TO = 27;
const double ARROW_SHAFT_HALF_WIDTH = 6;
const int32_t ARROW_HEAD_FROM = 24;
const double ARROW_TIP = 43.5;
const double ARROW_HEAD_SLOPE = 0.9;    // half its width per pixel toward the tip
const int32_t ARROW_EDGE_WIDTH = 2;
const double CELL_MIDDLE = (CELL_SIZE - 1) / 2.0;

// The ring: its dark edges and the fill between them, inward from the cell's
// border; its corners are cut off.
const int32_t RING_OUTER_EDGE = 0;
const int32_t RING_FILL_TO = 3;
const int32_t RING_INNER_EDGE = 4;
const int32_t RING_CORNER_CUT = 3;

bool InArrow(int32_t u, int32_t v)
{
    double across = v > CELL_MIDDLE ? v - CELL_MIDDLE : CELL_MIDDLE - v;
    if (u >= ARROW_SHAFT_FROM && u <= ARROW_SHAFT_TO && across <= ARROW_SHAFT_HALF_WIDTH)
        return true;
    return u >= ARROW_HEAD_FROM && u <= ARROW_TIP && across <= (ARROW_TIP - u) * ARROW_HEAD_SLOPE;
}

// A pixel of the cell (x, y) in the arrow's own frame for a push direction.
void ArrowFrame(int32_t direction, int32_t x, int32_t y, int32_t& u, int32_t& v)
{
    const int32_t last = CELL_SIZE - 1;
    switch (direction) {
    case DIRECTION_LEFT: u = last - x; v = y; break;
    case DIRECTION_UP: u = last - y; v = x; break;
    case DIRECTION_DOWN: u = y; v = x; break;
    default: u = x; v = y; break;
    }
}

HintPaint ArrowPaint(int32_t direction, int32_t x, int32_t y)
{
    int32_t u = 0, v = 0;
    ArrowFrame(direction, x, y, u, v);
    if (InArrow(u, v))
        return PAINT_FILL;
    for (int32_t du = -ARROW_EDGE_WIDTH; du <= ARROW_EDGE_WIDTH; ++du)
        for (int32_t dv = -ARROW_EDGE_WIDTH; dv <= ARROW_EDGE_WIDTH; ++dv)
            if (du * du + dv * dv <= ARROW_EDGE_WIDTH * ARROW_EDGE_WIDTH && InArrow(u + du, v + dv))
                return PAINT_EDGE;
    return PAINT_NONE;
}

HintPaint RingPaint(int32_t, int32_t x, int32_t y)
{
    const int32_t last = CELL_SIZE - 1;
    int32_t fromSide = std::min(x, last - x);
    int32_t fromTop = std::min(y, last - y);
    if (fromSide + fromTop < RING_CORNER_CUT)
        return PAINT_NONE;
    int32_t inward = std::min(fromSide, fromTop);
    if (inward == RING_OUTER_EDGE || inward == RING_INNER_EDGE)
        return PAINT_EDGE;
    return inward <= RING_FILL_TO ? PAINT_FILL : PAINT_NONE;
}

// Paints one cell, a row at a time in runs of one paint.
void PaintCell(HintPaint (*paint)(int32_t, int32_t, int32_t), int32_t direction, int32_t column, int32_t row,
               Picture& dest)
{
    if (!BoardHasCell(column, row))
        return;
    for (int32_t y = 0; y < CELL_SIZE; ++y) {
        int32_t runStart = 0;
        HintPaint runPaint = paint(direction, 0, y);
        for (int32_t x = 1; x <= CELL_SIZE; ++x) {
            HintPaint here = x < CELL_SIZE ? paint(direction, x, y) : PAINT_NONE;
            if (here == runPaint && x < CELL_SIZE)
                continue;
            if (runPaint != PAINT_NONE) {
                const PictureRect run = {column * CELL_SIZE + runStart, row * CELL_SIZE + y, x - runStart, 1};
                PictureFill(dest, run, runPaint == PAINT_FILL ? HINT_FILL_RGB : HINT_EDGE_RGB);
            }
            runStart = x;
            runPaint = here;
        }
    }
}

} // namespace

void DrawHint(const GameHint& hint, Picture& dest)
{
    if (!hint.shown)
        return;
    PaintCell(RingPaint, hint.direction, hint.column, hint.row, dest);
    int32_t column = hint.column, row = hint.row;
    switch (hint.direction) {
    case DIRECTION_LEFT: --column; break;
    case DIRECTION_UP: --row; break;
    case DIRECTION_RIGHT: ++column; break;
    case DIRECTION_DOWN: ++row; break;
    default: return;
    }
    PaintCell(ArrowPaint, hint.direction, column, row, dest);
}
