// Which land frame a cell shows, by the water and solid sides around it.
#include "game_fixture.h"


#include <vector>

namespace {

const int MID = 5;

GameBoard board;

void FillBoard(int32_t tile)
{
    for (auto& column : board)
        for (int32_t& cell : column)
            cell = tile;
}

int32_t TileOf(char c)
{
    return c == 'S' ? TILE_LAND : c == 'P' ? TILE_PILE : c == 'E' ? TILE_EXIT : TILE_WATER;
}

TEST(ShoreFrame, EachRuleInOrder)
{
    struct {
        const char* neighbours;  // left, right, up, down: 'W' water, 'S' land, 'P' pile, 'E' exit
        int32_t frame;
    } const cases[] = {
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
    for (const auto& shore : cases) {
        FillBoard(TILE_LAND);
        board[MID - 1][MID] = TileOf(shore.neighbours[0]);
        board[MID + 1][MID] = TileOf(shore.neighbours[1]);
        board[MID][MID - 1] = TileOf(shore.neighbours[2]);
        board[MID][MID + 1] = TileOf(shore.neighbours[3]);
        // The cell's own code does not matter.
        for (int32_t own : {TILE_LAND, TILE_WATER, TILE_EXIT}) {
            board[MID][MID] = own;
            EXPECT_EQ(ShoreFrame(board, MID, MID), shore.frame) << shore.neighbours << " on " << own;
        }
    }
}

TEST(ShoreFrame, BoardEdgeIsSolidNeverWater)
{
    struct {
        int column, row;
        std::vector<std::pair<int, int>> land;   // on an all-water board
        int32_t frame;
    } const cases[] = {
        {0, MID, {{1, MID}}, 14},                   // land right, edge left: east-west strip
        {MID, 11, {{MID, 10}}, 13},                 // north-south strip ending at the edge
        {MID, 0, {{MID + 1, 0}, {MID, 1}}, 4},      // the edge above is no water
        {0, 0, {}, 7}, {11, 0, {}, 6}, {0, 11, {}, 8}, {11, 11, {}, 5},
        {0, MID, {}, 12}, {11, MID, {}, 10},
    };
    for (const auto& c : cases) {
        FillBoard(TILE_WATER);
        for (const auto& [column, row] : c.land)
            board[column][row] = TILE_LAND;
        EXPECT_EQ(ShoreFrame(board, c.column, c.row), c.frame) << c.column << "," << c.row;
    }
}

} // namespace
