// The tile sheet's layout: which row holds which pictures, how many frames
// each has, the banner's pieces and their places in the picture, and the
// shore rules that pick a land frame by the water around a cell. The game
// draws with it, the asset tool paints by it, and the tests check both by it.
#pragma once

#include <cstdint>

// Cells of sheetCell x sheetCell pixels on a (cell + 1) pitch, each after a
// one-pixel grid line.
enum { SHEET_CELL = 50, SHEET_PITCH = SHEET_CELL + 1, SHEET_COLUMNS = 16, SHEET_ROWS = 6 };
enum { SHEET_WIDTH = 1 + SHEET_PITCH * SHEET_COLUMNS, SHEET_HEIGHT = 1 + SHEET_PITCH * SHEET_ROWS };

// Rows of the sheet. The sparkle shares the water's row: water is its frame 0.
enum SheetRow : int32_t {
    SHEET_ROW_WATER = 0,
    SHEET_ROW_SPARKLE = 0,
    SHEET_ROW_PLAYER = 1,
    SHEET_ROW_LAND = 2,
    SHEET_ROW_BANNER = 3,
    SHEET_ROW_PILE = 4,
    SHEET_ROW_EXIT = 5,
};

enum {
    SHEET_WATER_FRAMES = 1,
    SHEET_SPARKLE_FRAMES = 9,
    SHEET_PLAYER_FRAMES = 8,
    SHEET_LAND_FRAMES = 16,
    SHEET_BANNER_PIECES = 7,
    SHEET_PILE_FRAMES = 1,
    SHEET_EXIT_FRAMES = 2,
};

// Land without shores: the land that rises over a solved exit.
enum { SHEET_COVERING_LAND_FRAME = 0 };

// The banner pieces in their row: W, E, L, D, O, N and "!".
enum SheetBannerPiece : int32_t {
    BANNER_W = 0, BANNER_E = 1, BANNER_L = 2, BANNER_D = 3, BANNER_O = 4, BANNER_N = 5, BANNER_MARK = 6,
};

// A banner piece and the picture pixel of its top-left corner.
struct SheetBannerPlace {
    int32_t piece;
    int32_t x;
    int32_t y;
};

// "WELL" over "DONE!": the L and the E are drawn twice, each piece at twice
// the cell's size.
enum { SHEET_BANNER_DRAWN_SIZE = 2 * SHEET_CELL, SHEET_BANNER_PLACE_COUNT = 9 };
inline constexpr SheetBannerPlace SHEET_BANNER_LAYOUT[SHEET_BANNER_PLACE_COUNT] = {
    {BANNER_W, 124, 190}, {BANNER_E, 222, 190}, {BANNER_L, 296, 190}, {BANNER_L, 370, 190},
    {BANNER_D, 98, 290},  {BANNER_O, 176, 290}, {BANNER_N, 266, 290}, {BANNER_E, 356, 290},
    {BANNER_MARK, 438, 290},
};

// Sides of a cell.
enum : uint32_t { SIDE_LEFT = 1, SIDE_TOP = 2, SIDE_RIGHT = 4, SIDE_BOTTOM = 8 };

// A shore rule holds when every side in solid is solid and every side in
// water is water; the first rule that holds gives the land frame, and the
// frame's picture shows shore on exactly its water sides. The board's edge is
// solid; an exit is neither solid nor water.
struct SheetShoreRule {
    int32_t frame;
    uint32_t solid;
    uint32_t water;
};

enum { SHEET_SHORE_RULES = 14, SHEET_INLAND_FRAME = 0, SHEET_FLOWER_FRAME = 15 };
inline constexpr SheetShoreRule SHEET_SHORE_RULE_TABLE[SHEET_SHORE_RULES] = {
    {14, SIDE_LEFT | SIDE_RIGHT, SIDE_TOP | SIDE_BOTTOM},   // east-west strip
    {13, SIDE_TOP | SIDE_BOTTOM, SIDE_LEFT | SIDE_RIGHT},   // north-south strip
    {12, 0, SIDE_TOP | SIDE_BOTTOM | SIDE_RIGHT},           // island, or the right end of a strip
    {11, 0, SIDE_LEFT | SIDE_BOTTOM | SIDE_RIGHT},          // bottom end of a north-south strip
    {10, 0, SIDE_LEFT | SIDE_TOP | SIDE_BOTTOM},            // left end of an east-west strip
    {9, 0, SIDE_LEFT | SIDE_TOP | SIDE_RIGHT},              // top end of a north-south strip
    {8, 0, SIDE_RIGHT | SIDE_TOP},
    {7, 0, SIDE_RIGHT | SIDE_BOTTOM},
    {6, 0, SIDE_LEFT | SIDE_BOTTOM},
    {5, 0, SIDE_LEFT | SIDE_TOP},
    {1, 0, SIDE_BOTTOM},
    {2, 0, SIDE_RIGHT},
    {3, 0, SIDE_TOP},
    {4, 0, SIDE_LEFT},
};

// The land frame for the water and solid sides around a cell.
inline constexpr int32_t SheetShoreFrame(uint32_t water, uint32_t solid)
{
    for (const SheetShoreRule& rule : SHEET_SHORE_RULE_TABLE)
        if ((solid & rule.solid) == rule.solid && (water & rule.water) == rule.water)
            return rule.frame;
    return SHEET_INLAND_FRAME;
}

// The sides on which a land frame's picture shows shore.
inline constexpr uint32_t SheetShoreWaterSides(int32_t frame)
{
    for (const SheetShoreRule& rule : SHEET_SHORE_RULE_TABLE)
        if (rule.frame == frame)
            return rule.water;
    return 0;
}
