// Which land frame a cell shows, by the water and solid sides around it.
#include "game/board.h"
#include "game/render.h"

#include <gtest/gtest.h>

namespace {

const int MID = 5;

void FillBoard(int32_t tile)
{
    for (auto& column : Board)
        for (int32_t& cell : column)
            cell = tile;
}

// Sets the four neighbours of (MID, MID) from one character each: 'W' water,
// 'S' land, 'P' pile, 'E' exit, and returns the cell's shore frame.
int32_t FrameWithNeighbours(const char* leftRightUpDown)
{
    auto tile = [](char c) {
        switch (c) {
        case 'S':
            return static_cast<int32_t>(TILE_LAND);
        case 'P':
            return static_cast<int32_t>(TILE_PILE);
        case 'E':
            return static_cast<int32_t>(TILE_EXIT);
        default:
            return static_cast<int32_t>(TILE_WATER);
        }
    };
    FillBoard(TILE_LAND);
    Board[MID][MID] = TILE_LAND;
    Board[MID - 1][MID] = tile(leftRightUpDown[0]);
    Board[MID + 1][MID] = tile(leftRightUpDown[1]);
    Board[MID][MID - 1] = tile(leftRightUpDown[2]);
    Board[MID][MID + 1] = tile(leftRightUpDown[3]);
    return ShoreFrame(MID, MID);
}

struct ShoreCase {
    const char* neighbours;  // left, right, up, down
    int32_t frame;
};

TEST(ShoreFrame, EachRuleInOrder)
{
    const ShoreCase cases[] = {
        {"SSWW", 14}, {"PPWW", 14},  // east-west strip; piles are solid
        {"WWSS", 13}, {"WWPP", 13},  // north-south strip
        {"WWWW", 12},                // lone island
        {"SWWW", 12}, {"WWSW", 11}, {"WSWW", 10}, {"WWWS", 9},
        {"SWWS", 8},  {"SWSW", 7},  {"WSSW", 6},  {"WSWS", 5},
        {"SSSW", 1},  {"SWSS", 2},  {"SSWS", 3},  {"WSSS", 4},
        {"SSSS", 0},  {"PPPP", 0},
        // An exit is neither water nor solid: it breaks the strips...
        {"SEWW", 1}, {"WWES", 2},
        // ...and counts as no water for the others.
        {"EEEE", 0},  {"EWEW", 7},
    };
    for (const ShoreCase& shore : cases)
        EXPECT_EQ(FrameWithNeighbours(shore.neighbours), shore.frame) << shore.neighbours;
}

TEST(ShoreFrame, ReadsOnlyTheNeighbours)
{
    FillBoard(TILE_WATER);
    for (int32_t tile : {TILE_WATER, TILE_LAND, TILE_PILE, TILE_EXIT, TILE_START}) {
        Board[MID][MID] = tile;
        EXPECT_EQ(ShoreFrame(MID, MID), 12) << tile;
    }
}

TEST(ShoreFrame, BoardEdgeIsSolidOnlyForTheStrips)
{
    FillBoard(TILE_WATER);
    // Column 0, land to the right, water above and below: an east-west strip.
    Board[0][MID] = TILE_LAND;
    Board[1][MID] = TILE_LAND;
    EXPECT_EQ(ShoreFrame(0, MID), 14);
    // Row 0, land right and below, water left: the edge above is no water.
    FillBoard(TILE_WATER);
    Board[MID + 1][0] = TILE_LAND;
    Board[MID][1] = TILE_LAND;
    EXPECT_EQ(ShoreFrame(MID, 0), 4);
    // Row 11 with water left and right: a north-south strip ending at the edge.
    FillBoard(TILE_WATER);
    Board[MID][10] = TILE_LAND;
    EXPECT_EQ(ShoreFrame(MID, 11), 13);
    // Corner cells: the two edges are no water.
    FillBoard(TILE_WATER);
    EXPECT_EQ(ShoreFrame(0, 0), 7);
    EXPECT_EQ(ShoreFrame(11, 0), 6);
    EXPECT_EQ(ShoreFrame(0, 11), 8);
    EXPECT_EQ(ShoreFrame(11, 11), 5);
    // Column 0 with water everywhere around: three water sides, rule 12.
    EXPECT_EQ(ShoreFrame(0, MID), 12);
    // Column 11: left, up and down water.
    EXPECT_EQ(ShoreFrame(11, MID), 10);
}

TEST(ShoreFrame, StripEnds)
{
    FillBoard(TILE_WATER);
    for (int column = 3; column <= 6; ++column)
        Board[column][MID] = TILE_LAND;
    EXPECT_EQ(ShoreFrame(3, MID), 10);
    EXPECT_EQ(ShoreFrame(4, MID), 14);
    EXPECT_EQ(ShoreFrame(6, MID), 12);
    FillBoard(TILE_WATER);
    for (int row = 3; row <= 6; ++row)
        Board[MID][row] = TILE_LAND;
    EXPECT_EQ(ShoreFrame(MID, 3), 9);
    EXPECT_EQ(ShoreFrame(MID, 4), 13);
    EXPECT_EQ(ShoreFrame(MID, 6), 11);
}

} // namespace
