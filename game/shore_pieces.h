// What a cell's shore needs beyond its land frame: the land frames are
// chosen from the four neighbours, so a few shapes (the island, and water
// sides the rules let fall through beside an exit) and every inside corner
// are drawn with pieces of their own.
#pragma once

#include "game/board.h"

#include <cstdint>

using BoardCells = int32_t[BOARD_SIZE][BOARD_SIZE];

// The sides of a cell, as bits of a mask of water sides.
enum : uint32_t { SHORE_SIDE_LEFT = 1, SHORE_SIDE_RIGHT = 2, SHORE_SIDE_UP = 4, SHORE_SIDE_DOWN = 8 };
enum { SHORE_SIDE_MASKS = 16, SHORE_ALL_SIDES = 15 };

// The inside corners of a cell, as bits; their pictures come in this order.
enum : uint32_t {
    SHORE_CORNER_TOP_LEFT = 1,
    SHORE_CORNER_TOP_RIGHT = 2,
    SHORE_CORNER_BOTTOM_RIGHT = 4,
    SHORE_CORNER_BOTTOM_LEFT = 8,
};
enum { SHORE_CORNERS = 4 };
// A corner piece covers a square this size at its corner of the cell.
constexpr int32_t SHORE_CORNER_SIZE = 12;

// The shore of one cell drawn as land: the sides that face water, whether
// its land frame leaves some of them out, and its inside corners (two
// land-like neighbours at a right angle with water between them on the
// diagonal). Land, piles and exits are land-like.
struct ShorePieces {
    uint32_t waterSides;
    bool landFrameShort;
    uint32_t corners;
};

ShorePieces ShorePiecesOf(const BoardCells& board, int32_t column, int32_t row);
// Where corner piece k (0 to 3, in the order of the bits) lies in its cell.
void ShoreCornerOrigin(int32_t corner, int32_t* x, int32_t* y);
// The land frame whose picture has exactly these water sides, or -1 when no
// land frame has them (all four: the island).
int32_t ShoreFrameShowing(uint32_t waterSides);
// The water sides a land frame's picture shows.
uint32_t ShoreFrameWaterSides(int32_t frame);
// The land frame of a cell of the given board, by the rules of ShoreFrame.
int32_t ShoreFrameOn(const BoardCells& board, int32_t column, int32_t row);
