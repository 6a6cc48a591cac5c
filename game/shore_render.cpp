// Drawing of the shore pieces of a cell over the layers: the land again by
// its true water sides where its land frame shows fewer, the ground of an
// exit, the inside corners, and the land that rises over the exit.
#include "game/render.h"

#include "game/shore_pieces.h"
#include "game/sprites.h"

#include "format/sheet_layout.h"

namespace {

// Draws the sprite's frame at (dx, dy) in the cell, the whole cell squeezed
// to width from its left edge.
void DrawFrameAt(BOB* sprite, int32_t frame, int32_t column, int32_t row, int32_t dx, int32_t dy, int32_t width,
                 Picture& dest)
{
    const int32_t x = column * CELL_SIZE + dx * width / CELL_SIZE;
    const int32_t y = row * CELL_SIZE + dy;
    if (width == CELL_SIZE)
        BobDraw(sprite, frame, x, y, dest);
    else
        BobDrawScaled(sprite, frame, x, y, sprite->width * width / CELL_SIZE, sprite->height, dest);
}

// Each corner piece covers only the square at its corner.
void DrawCorners(GameSprites& sprites, uint32_t corners, int32_t column, int32_t row, int32_t width,
                 Picture& dest)
{
    for (int32_t corner = 0; corner < SHEET_CORNERS; ++corner)
        if (corners & (1u << corner)) {
            int32_t x = 0;
            int32_t y = 0;
            ShoreCornerOrigin(corner, &x, &y);
            DrawFrameAt(&sprites.corner, corner, column, row, x, y, width, dest);
        }
}

// The cell's land by its water sides, with its inside corners.
void DrawGround(GameSprites& sprites, const ShorePieces& pieces, int32_t column, int32_t row, int32_t width,
                Picture& dest)
{
    DrawFrameAt(&sprites.shore, static_cast<int32_t>(pieces.waterSides), column, row, 0, 0, width, dest);
    DrawCorners(sprites, pieces.corners, column, row, width, dest);
}

} // namespace

void DrawShorePieces(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, Picture& dest)
{
    const ShorePieces pieces = ShorePiecesOf(board, column, row);
    if (pieces.landFrameShort) {
        // The land frame's grass reaches where water belongs: water first.
        BobDraw(&sprites.water, 0, column * CELL_SIZE, row * CELL_SIZE, dest);
        DrawGround(sprites, pieces, column, row, CELL_SIZE, dest);
        return;
    }
    DrawCorners(sprites, pieces.corners, column, row, CELL_SIZE, dest);
}

void DrawExitGround(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, Picture& dest)
{
    DrawGround(sprites, ShorePiecesOf(board, column, row), column, row, CELL_SIZE, dest);
}

void DrawRisenLand(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, int32_t width,
                   Picture& dest)
{
    if (width > 0 && BoardHasCell(column, row))
        DrawGround(sprites, ShorePiecesOf(board, column, row), column, row, width, dest);
}
