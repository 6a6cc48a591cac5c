// Drawing of the shore pieces of a cell over the layers: the land again by
// its true water sides where its land frame shows fewer, the ground of an
// exit, the inside corners, and the land that rises over the exit.
#include "game/render.h"

#include "game/board.h"
#include "game/shore_pieces.h"
#include "game/sprites.h"

#include "engine/bob.h"
#include "engine/display.h"

namespace {

// Draws the sprite's frame at (dx, dy) in the cell, the whole cell squeezed
// to width from its left edge.
void DrawFrameAt(BOB* sprite, int32_t frame, int32_t column, int32_t row, int32_t dx, int32_t dy, int32_t width)
{
    sprite->frameIndex = frame;
    BobSetPosition(sprite, column * CELL_SIZE + dx * width / CELL_SIZE, row * CELL_SIZE + dy);
    if (width == CELL_SIZE)
        BobDraw(sprite, MainDisplay.backSurface);
    else
        BobDrawScaled(sprite, sprite->width * width / CELL_SIZE, sprite->height, MainDisplay.backSurface);
}

void DrawCell(BOB* sprite, int32_t frame, int32_t column, int32_t row, int32_t width)
{
    DrawFrameAt(sprite, frame, column, row, 0, 0, width);
}

// Each corner piece covers only the square at its corner.
void DrawCorners(uint32_t corners, int32_t column, int32_t row, int32_t width)
{
    for (int32_t corner = 0; corner < SHORE_CORNERS; ++corner)
        if (corners & (1u << corner)) {
            int32_t x = 0;
            int32_t y = 0;
            ShoreCornerOrigin(corner, &x, &y);
            DrawFrameAt(&CornerSprite, corner, column, row, x, y, width);
        }
}

// The cell's land by its water sides, with its inside corners.
void DrawGround(const ShorePieces& pieces, int32_t column, int32_t row, int32_t width)
{
    DrawCell(&ShoreSprite, static_cast<int32_t>(pieces.waterSides), column, row, width);
    DrawCorners(pieces.corners, column, row, width);
}

} // namespace

void DrawShorePieces(int32_t column, int32_t row)
{
    const ShorePieces pieces = ShorePiecesOf(Board, column, row);
    if (pieces.landFrameShort) {
        // The land frame's grass reaches where water belongs: water first.
        DrawCell(&WaterSprite, 0, column, row, CELL_SIZE);
        DrawGround(pieces, column, row, CELL_SIZE);
        return;
    }
    DrawCorners(pieces.corners, column, row, CELL_SIZE);
}

void DrawExitGround(int32_t column, int32_t row)
{
    DrawGround(ShorePiecesOf(Board, column, row), column, row, CELL_SIZE);
}

void DrawRisenLand(int32_t column, int32_t row, int32_t width)
{
    if (width > 0 && BoardHasCell(column, row))
        DrawGround(ShorePiecesOf(Board, column, row), column, row, width);
}
