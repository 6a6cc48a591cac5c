// The land frame of a cell, chosen by which of its sides face water.
#include "game/render.h"

#include "game/board.h"
#include "game/shore_pieces.h"

namespace {

enum : uint32_t {
    SIDE_LEFT = SHORE_SIDE_LEFT,
    SIDE_RIGHT = SHORE_SIDE_RIGHT,
    SIDE_UP = SHORE_SIDE_UP,
    SIDE_DOWN = SHORE_SIDE_DOWN,
};

// A rule holds when every side in solid is solid and every side in water is
// water. The first rule that holds gives the frame, whose picture shows
// shores on the rule's water sides.
struct ShoreRule {
    int32_t frame;
    uint32_t solid;
    uint32_t water;
};

const ShoreRule SHORE_RULES[] = {
    {14, SIDE_LEFT | SIDE_RIGHT, SIDE_UP | SIDE_DOWN},     // east-west strip
    {13, SIDE_UP | SIDE_DOWN, SIDE_LEFT | SIDE_RIGHT},     // north-south strip
    {12, 0, SIDE_UP | SIDE_DOWN | SIDE_RIGHT},
    {11, 0, SIDE_LEFT | SIDE_DOWN | SIDE_RIGHT},
    {10, 0, SIDE_LEFT | SIDE_UP | SIDE_DOWN},
    {9, 0, SIDE_LEFT | SIDE_UP | SIDE_RIGHT},
    {8, 0, SIDE_RIGHT | SIDE_UP},
    {7, 0, SIDE_RIGHT | SIDE_DOWN},
    {6, 0, SIDE_LEFT | SIDE_DOWN},
    {5, 0, SIDE_LEFT | SIDE_UP},
    {1, 0, SIDE_DOWN},
    {2, 0, SIDE_RIGHT},
    {3, 0, SIDE_UP},
    {4, 0, SIDE_LEFT},
};

const int32_t NO_SHORE_FRAME = 0;

// Sorts one neighbour into the water and solid sets. The board's edge is
// solid and never water; an exit (or any other code) is neither.
void ClassifySide(const BoardCells& board, int32_t column, int32_t row, uint32_t side, uint32_t& water,
                  uint32_t& solid)
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

int32_t ShoreFrameOn(const BoardCells& board, int32_t column, int32_t row)
{
    uint32_t water = 0;
    uint32_t solid = 0;
    ClassifySide(board, column - 1, row, SIDE_LEFT, water, solid);
    ClassifySide(board, column + 1, row, SIDE_RIGHT, water, solid);
    ClassifySide(board, column, row - 1, SIDE_UP, water, solid);
    ClassifySide(board, column, row + 1, SIDE_DOWN, water, solid);
    for (const ShoreRule& rule : SHORE_RULES)
        if ((solid & rule.solid) == rule.solid && (water & rule.water) == rule.water)
            return rule.frame;
    return NO_SHORE_FRAME;
}

int32_t ShoreFrame(int32_t column, int32_t row)
{
    return ShoreFrameOn(Board, column, row);
}

uint32_t ShoreFrameWaterSides(int32_t frame)
{
    for (const ShoreRule& rule : SHORE_RULES)
        if (rule.frame == frame)
            return rule.water;
    return 0;
}
