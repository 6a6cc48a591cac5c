// The shore pieces of a cell, read from the board alone.
#include "game/shore_pieces.h"

#include "game/render.h"

#include "format/sheet_layout.h"

namespace {

// An inside corner: the diagonal neighbour, beside the two neighbours that
// close it.
struct CornerNeighbours {
    int32_t dx;
    int32_t dy;
};

// In SheetCorner order.
const CornerNeighbours CORNER_NEIGHBOURS[SHEET_CORNERS] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};

bool IsWater(const GameBoard& board, int32_t column, int32_t row)
{
    return BoardHasCell(column, row) && board[column][row] == TILE_WATER;
}

bool IsLandLike(const GameBoard& board, int32_t column, int32_t row)
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
    {SIDE_LEFT, -1, 0},
    {SIDE_RIGHT, 1, 0},
    {SIDE_TOP, 0, -1},
    {SIDE_BOTTOM, 0, 1},
};

uint32_t WaterSides(const GameBoard& board, int32_t column, int32_t row)
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
    *x = at.dx < 0 ? 0 : CELL_SIZE - SHEET_CORNER_SIZE;
    *y = at.dy < 0 ? 0 : CELL_SIZE - SHEET_CORNER_SIZE;
}

ShorePieces ShorePiecesOf(const GameBoard& board, int32_t column, int32_t row)
{
    ShorePieces pieces = {WaterSides(board, column, row), false, 0};
    // A land frame never shows a shore where there is no water, only fewer.
    pieces.landFrameShort = SheetShoreWaterSides(ShoreFrame(board, column, row)) != pieces.waterSides;
    for (int32_t corner = 0; corner < SHEET_CORNERS; ++corner) {
        const CornerNeighbours& at = CORNER_NEIGHBOURS[corner];
        if (IsLandLike(board, column + at.dx, row) && IsLandLike(board, column, row + at.dy) &&
            IsWater(board, column + at.dx, row + at.dy))
            pieces.corners |= 1u << corner;
    }
    return pieces;
}

bool ShorePileOverWater(const GameBoard& board, int32_t x, int32_t y)
{
    const int32_t column = x / CELL_SIZE;
    const int32_t row = y / CELL_SIZE;
    const int32_t dx = x % CELL_SIZE;
    const int32_t dy = y % CELL_SIZE;
    if (dx == 0 && dy == 0)
        return BoardHasCell(column, row) && board[column][row] == TILE_LAND;
    // Its area over each of the up to four cells it covers.
    const int32_t widths[2] = {CELL_SIZE - dx, dx};
    const int32_t heights[2] = {CELL_SIZE - dy, dy};
    int32_t wet = 0;
    for (int32_t i = 0; i < 2; ++i)
        for (int32_t j = 0; j < 2; ++j)
            if (IsWater(board, column + i, row + j))
                wet += widths[i] * heights[j];
    return 2 * wet >= CELL_SIZE * CELL_SIZE;
}
