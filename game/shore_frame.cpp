// The land frame of a cell, chosen by which of its sides face water.
#include "game/render.h"

#include "format/sheet_layout.h"

namespace {

// Sorts one neighbour into the water and solid sets. The board's edge is
// solid and never water; an exit (or any other code) is neither.
void ClassifySide(const GameBoard& board, int32_t column, int32_t row, uint32_t side, uint32_t& water, uint32_t& solid)
{
    if (!BoardHasCell(column, row)) {
        solid |= side;
        return;
    }
    int32_t code = board[column][row];
    if (code == TILE_WATER)
        water |= side;
    else if (code == TILE_LAND || code == TILE_PILE)
        solid |= side;
}

} // namespace

int32_t ShoreFrame(const GameBoard& board, int32_t column, int32_t row)
{
    uint32_t water = 0;
    uint32_t solid = 0;
    ClassifySide(board, column - 1, row, SIDE_LEFT, water, solid);
    ClassifySide(board, column + 1, row, SIDE_RIGHT, water, solid);
    ClassifySide(board, column, row - 1, SIDE_TOP, water, solid);
    ClassifySide(board, column, row + 1, SIDE_BOTTOM, water, solid);
    return SheetShoreFrame(water, solid);
}
