// The tile sheet, the icon and the preview board.
#include "assets_shapes.h"

#include "format/level_format.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace assets;

namespace {

constexpr uint8_t GRID_GREY = 72;
constexpr float ICON_CORNER = 9.0f;
constexpr float ICON_PLAYER_SCALE = 0.86f;
constexpr int BANNER_PIECE_SIZE = SHEET_BANNER_DRAWN_SIZE;

// Sheet pixel where cell `index` (a column or a row) starts, past its grid line.
int CellOrigin(int index)
{
    return 1 + ASSETS_PITCH * index;
}

void RenderCell(AssetsImage& sheet, int column, int row, const AssetsShader& shader)
{
    AssetsRenderShader(sheet, CellOrigin(column), CellOrigin(row), ASSETS_CELL, shader);
}

bool IconAt(float x, float y, AssetsColor* out)
{
    // The player, a little smaller, standing on an island.
    const float px = (x - 25.0f) / ICON_PLAYER_SCALE + 25.0f, py = (y - 27.0f) / ICON_PLAYER_SCALE + 25.0f;
    if (AssetsPlayer(6)(px, py, out)) return true;
    const float island = SdBox(x, y, 5.0f, 8.0f, 45.0f, 46.0f, 15.0f);
    if (island < 0) {
        if (island < -5.0f) return Set(out, GRASS_MID);
        if (island < -3.8f) return Set(out, GRASS_DARK);
        return Set(out, x + y < 50.0f ? SAND_LIGHT : SAND_DARK);
    }
    if (island < 1.2f) return Set(out, SHORE_EDGE);
    return AssetsWater(x, y, out);
}

// Cuts the corners of a square icon round. Each pixel's alpha is the share of
// it inside the rounded square, found from its distance to the edge, so the
// corners are smooth at every size; colours are kept, so a desktop that
// scales the icon blends no dark fringe into the edge.
void RoundIconCorners(AssetsImage& icon)
{
    const float pixelsPerUnit = static_cast<float>(icon.width) / ASSETS_CELL;
    for (int py = 0; py < icon.height; ++py) {
        for (int px = 0; px < icon.width; ++px) {
            const float x = (static_cast<float>(px) + 0.5f) / pixelsPerUnit;
            const float y = (static_cast<float>(py) + 0.5f) / pixelsPerUnit;
            const float outside = SdBox(x, y, 0, 0, ASSETS_CELL, ASSETS_CELL, ICON_CORNER) * pixelsPerUnit;
            const float coverage = std::clamp(0.5f - outside, 0.0f, 1.0f);
            icon.rgba[(static_cast<size_t>(py) * icon.width + px) * 4 + 3] =
                static_cast<uint8_t>(std::lround(coverage * 255.0f));
        }
    }
}

// Board codes of the preview; the player stands on land.
constexpr char WATER = LEVEL_CHAR_WATER, LAND = LEVEL_CHAR_LAND, PILE = LEVEL_CHAR_PILE, EXIT = LEVEL_CHAR_EXIT,
               PLAYER = LEVEL_CHAR_START;
constexpr int BOARD_CELLS = BOARD_SIZE;

using Board = std::array<const char*, BOARD_CELLS>;

bool OnBoard(int c, int r)
{
    return c >= 0 && r >= 0 && c < BOARD_CELLS && r < BOARD_CELLS;
}

bool IsWater(const Board& b, int c, int r)
{
    return OnBoard(c, r) && b[r][c] == WATER;
}

bool IsSolid(const Board& b, int c, int r)
{
    if (!OnBoard(c, r)) return true;
    return b[r][c] == LAND || b[r][c] == PILE || b[r][c] == PLAYER;
}

// The game's choice of land frame from the four neighbours.
int ShoreFrame(const Board& b, int c, int r)
{
    unsigned water = 0, solid = 0;
    const struct {
        int dc, dr;
        unsigned side;
    } sides[] = {{-1, 0, SIDE_LEFT}, {1, 0, SIDE_RIGHT}, {0, -1, SIDE_TOP}, {0, 1, SIDE_BOTTOM}};
    for (const auto& s : sides) {
        if (IsWater(b, c + s.dc, r + s.dr)) water |= s.side;
        if (IsSolid(b, c + s.dc, r + s.dr)) solid |= s.side;
    }
    return SheetShoreFrame(water, solid);
}

// Draws sheet cell (column, row) on board cell (c, r), colour keyed.
void DrawSheetCell(AssetsImage& board, const AssetsImage& sheet, int column, int row, int c, int r)
{
    AssetsBlitScaled(board, c * ASSETS_CELL, r * ASSETS_CELL, ASSETS_CELL, ASSETS_CELL, sheet, CellOrigin(column),
                     CellOrigin(row), ASSETS_CELL, ASSETS_CELL);
}

}  // namespace

AssetsImage AssetsDrawSheet()
{
    AssetsImage sheet = AssetsImageMake(ASSETS_SHEET_WIDTH, ASSETS_SHEET_HEIGHT);
    // Grid lines everywhere first; the cells are drawn over them, and cells
    // that hold no frame stay black.
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x) {
            const bool line = x % ASSETS_PITCH == 0 || y % ASSETS_PITCH == 0;
            const uint8_t v = line ? GRID_GREY : 0;
            AssetsImageSet(sheet, x, y, v, v, v, 255);
        }
    RenderCell(sheet, 0, ASSETS_ROW_WATER, AssetsWater);
    for (int f = 1; f < ASSETS_SPARKLE_FRAMES; ++f) RenderCell(sheet, f, ASSETS_ROW_WATER, AssetsSparkle(f));
    for (int f = 0; f < ASSETS_PLAYER_FRAMES; ++f) RenderCell(sheet, f, ASSETS_ROW_PLAYER, AssetsPlayer(f));
    for (int f = 0; f < ASSETS_LAND_FRAMES; ++f) RenderCell(sheet, f, ASSETS_ROW_LAND, AssetsLand(f));
    for (int p = 0; p < ASSETS_BANNER_PIECES; ++p) RenderCell(sheet, p, ASSETS_ROW_BANNER, AssetsBannerPiece(p));
    RenderCell(sheet, 0, ASSETS_ROW_PILE, AssetsPile);
    for (int f = 0; f < ASSETS_EXIT_FRAMES; ++f) RenderCell(sheet, f, ASSETS_ROW_EXIT, AssetsExit(f));
    // Transparent cells are stored as black with full alpha in the sheet.
    for (size_t i = 3; i < sheet.rgba.size(); i += 4) sheet.rgba[i] = 255;
    return sheet;
}

AssetsImage AssetsDrawIcon(int size, bool rounded)
{
    AssetsImage icon = AssetsImageMake(size, size);
    AssetsRenderShader(icon, 0, 0, size, IconAt);
    if (rounded) RoundIconCorners(icon);
    return icon;
}

AssetsImage AssetsDrawPreview(const AssetsImage& sheet)
{
    static const Board board = {
        "~~~~~~~~~~~~",
        "~..o..~~~.~~",
        "~.~~~.~~~.~.",
        "~.~.~.~~...~",
        "~..@.o~.~~~~",
        "~~~~~~~~~~.~",
        "~.~~....~.~~",
        "~.~~.oo.~~~~",
        "~...~~~~~.E.",
        "~~~~~~~~~~.~",
        ".......~~~~~",
        "..o.~~~~~~~~",
    };
    constexpr int SIZE = BOARD_CELLS * ASSETS_CELL;
    AssetsImage img = AssetsImageMake(SIZE, SIZE);
    for (int c = 0; c < BOARD_CELLS; ++c)
        for (int r = 0; r < BOARD_CELLS; ++r) DrawSheetCell(img, sheet, 0, ASSETS_ROW_WATER, c, r);
    DrawSheetCell(img, sheet, 4, ASSETS_ROW_WATER, 8, 1);   // a sparkle at its peak
    for (int c = 0; c < BOARD_CELLS; ++c) {
        for (int r = 0; r < BOARD_CELLS; ++r) {
            const char t = board[r][c];
            if (t == LAND || t == PILE || t == PLAYER)
                DrawSheetCell(img, sheet, ShoreFrame(board, c, r), ASSETS_ROW_LAND, c, r);
            if (t == PILE) DrawSheetCell(img, sheet, 0, ASSETS_ROW_PILE, c, r);
            if (t == EXIT) DrawSheetCell(img, sheet, 0, ASSETS_ROW_EXIT, c, r);
            if (t == PLAYER) DrawSheetCell(img, sheet, 6, ASSETS_ROW_PLAYER, c, r);
        }
    }
    // Players facing the other ways and the lit exit, beside the board's own.
    DrawSheetCell(img, sheet, 0, ASSETS_ROW_PLAYER, 1, 10);
    DrawSheetCell(img, sheet, 3, ASSETS_ROW_PLAYER, 3, 10);
    DrawSheetCell(img, sheet, 4, ASSETS_ROW_PLAYER, 5, 10);
    DrawSheetCell(img, sheet, 1, ASSETS_ROW_EXIT, 11, 0);
    return img;
}

void AssetsDrawBanner(AssetsImage& img, const AssetsImage& sheet)
{
    // The level-complete banner, placed as the game places it.
    for (const SheetBannerPlace& p : SHEET_BANNER_LAYOUT)
        AssetsBlitScaled(img, p.x, p.y, BANNER_PIECE_SIZE, BANNER_PIECE_SIZE, sheet, CellOrigin(p.piece),
                         CellOrigin(ASSETS_ROW_BANNER), ASSETS_CELL, ASSETS_CELL);
}
