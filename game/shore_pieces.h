// What a cell's shore needs beyond its land frame: the land frames are
// chosen from the four neighbours, so a few shapes (the island, and water
// sides the rules let fall through beside an exit) and every inside corner
// are drawn with pieces of their own.
#pragma once

#include "game/board.h"

#include <cstdint>

// The shore of one cell drawn as land: the sides that face water (SIDE_*
// bits), whether its land frame leaves some of them out, and its inside
// corners as bits 1 << SheetCorner (two land-like neighbours at a right angle
// with water between them on the diagonal). Land, piles and exits are
// land-like.
struct ShorePieces {
    uint32_t waterSides;
    bool landFrameShort;
    uint32_t corners;
};

ShorePieces ShorePiecesOf(const GameBoard& board, int32_t column, int32_t row);
// Where corner piece k (a SheetCorner) lies in its cell.
void ShoreCornerOrigin(int32_t corner, int32_t* x, int32_t* y);
// Whether a pile at picture position (x, y) lies at least half over water.
// Aligned, it has just landed on its cell: land there is the water it filled.
bool ShorePileOverWater(const GameBoard& board, int32_t x, int32_t y);
