// The shore pieces of a cell, read from the board alone.
#include "game/shore_pieces.h"

#include "game/render.h"

namespace {

// An inside corner: the two neighbours beside it and the diagonal one.
struct CornerNeighbours {
    uint32_t corner;
    int32_t dx;
    int32_t dy;
};

const CornerNeighbours CORNER_NEIGHBOURS[SHORE_CORNERS] = {
    {SHORE_CORNER_TOP_LEFT, -1, -1},
    {SHORE_CORNER_TOP_RIGHT, 1, -1},
    {SHORE_CORNER_BOTTOM_RIGHT, 1, 1},
    {SHORE_CORNER_BOTTOM_LEFT, -1, 1},
};

bool IsWater(const BoardCells& board, int32_t column, int32_t row)
{
    return BoardHasCell(column, row) && board[column][row] == TILE_WATER;
}

bool IsLandLike(const BoardCells& board, int32_t column, int32_t row)
{
    if (!BoardHasCell(column, row))
        return false;
    int32_t code = board[column][row];
    return code == TILE_LAND || code == TILE_PILE || code == TILE_EXIT;
}

// A side of a cell: its bit and the neighbour across it.
struct Side {
    uint32_t side;
    int32_t dx;
    int32_t dy;
};

const Side SIDES[] = {
    {SHORE_SIDE_LEFT, -1, 0},
    {SHORE_SIDE_RIGHT, 1, 0},
    {SHORE_SIDE_UP, 0, -1},
    {SHORE_SIDE_DOWN, 0, 1},
};

uint32_t WaterSides(const BoardCells& board, int32_t column, int32_t row)
{
    uint32_t sides = 0;
    for (const Side& at : SIDES)
        if (IsWater(board, column + at.dx, row + at.dy))
            sides |= at.side;
    return sides;
}

} // namespace

void ShoreCornerOrigin(int32_t corner, int32_t* x, int32_t* y)
{
    const CornerNeighbours& at = CORNER_NEIGHBOURS[corner];
    *x = at.dx < 0 ? 0 : CELL_SIZE - SHORE_CORNER_SIZE;
    *y = at.dy < 0 ? 0 : CELL_SIZE - SHORE_CORNER_SIZE;
}

int32_t ShoreFrameShowing(uint32_t waterSides)
{
    for (int32_t frame = 0; frame < LAND_FRAMES; ++frame)
        if (ShoreFrameWaterSides(frame) == waterSides)
            return frame;
    return -1;
}

ShorePieces ShorePiecesOf(const BoardCells& board, int32_t column, int32_t row)
{
    ShorePieces pieces = {WaterSides(board, column, row), false, 0};
    // A land frame never shows a shore where there is no water, only fewer.
    pieces.landFrameShort = ShoreFrameWaterSides(ShoreFrameOn(board, column, row)) != pieces.waterSides;
    for (const CornerNeighbours& at : CORNER_NEIGHBOURS)
        if (IsLandLike(board, column + at.dx, row) && IsLandLike(board, column, row + at.dy) &&
            IsWater(board, column + at.dx, row + at.dy))
            pieces.corners |= at.corner;
    return pieces;
}
