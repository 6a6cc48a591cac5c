// The play picture, checked on the back surface: every cell of the test
// sheet has a colour of its own, so a pixel names the frame drawn there.
#include "game_fixture.h"

#include <utility>

namespace {

const uint32_t WATER = TestCellColour(0, 0);
const uint32_t PILE = TestCellColour(0, 4);
const uint32_t ISLAND = TestCellColour(2, 4);

uint32_t LandFrame(int frame)
{
    return TestCellColour(frame, 2);
}

using RenderTest = GameFixture;

TEST_F(RenderTest, LayersFollowTheBoard)
{
    // Water, with land at (1..3, 1), land pile land at (5..7, 3) and an exit at (2, 5).
    FillBoard(TILE_WATER);
    Board[1][1] = Board[2][1] = Board[3][1] = Board[5][3] = Board[7][3] = TILE_LAND;
    Board[6][3] = TILE_PILE;
    Board[2][5] = TILE_EXIT;
    PlacePlayer(11, 11);
    HideSparkle();
    PlayFrame();

    const std::pair<std::pair<int, int>, uint32_t> cells[] = {
        {{1, 1}, LandFrame(10)}, {{2, 1}, LandFrame(14)}, {{7, 3}, LandFrame(12)},
        {{6, 3}, PILE},                       // the pile stands on the land of its own shore...
        {{2, 5}, ISLAND},                     // the exit stands on an island of its own
        {{11, 11}, TestCellColour(0, 1)},     // the player over everything
    };
    for (const auto& [cell, colour] : cells)
        EXPECT_EQ(CellPixel(cell.first, cell.second), colour) << cell.first << "," << cell.second;
    EXPECT_EQ(Pixel(2 * CELL_SIZE + 25, 5 * CELL_SIZE + 25), TestCellColour(TEST_EXIT_COLUMN, TEST_EXIT_ROW));
    // ...which its transparent half shows.
    EXPECT_EQ(Pixel(6 * CELL_SIZE + 40, 3 * CELL_SIZE + 25), LandFrame(14));
    for (int column = 0; column < BOARD_SIZE; ++column)
        for (int row = 0; row < BOARD_SIZE; ++row)
            if (Board[column][row] == TILE_WATER && !(column == 11 && row == 11)) {
                EXPECT_EQ(CellPixel(column, row), WATER) << column << "," << row;
                EXPECT_EQ(Pixel(column * CELL_SIZE + 49, row * CELL_SIZE + 49), WATER);
            }
    // The land sprite keeps the frame of the last pile drawn.
    EXPECT_EQ(LandSprite.frameIndex, 14);
}

// Over the land frames: a lone cell redrawn as the island, a cell whose
// frame falls through beside an exit redrawn with both its shores, and the
// inside corners of a pile cell between the land and the pile.
TEST_F(RenderTest, ShorePiecesCompleteTheLandFrames)
{
    FillBoard(TILE_WATER);
    Board[9][1] = TILE_LAND;
    Board[8][5] = Board[9][5] = TILE_LAND;
    Board[10][5] = TILE_EXIT;
    Board[5][7] = Board[7][7] = Board[6][8] = TILE_LAND;
    Board[6][7] = TILE_PILE;
    PlacePlayer(0, 11);
    HideSparkle();
    PlayFrame();

    EXPECT_EQ(CellPixel(9, 1), ISLAND);
    EXPECT_EQ(CellPixel(9, 5), LandFrame(14));
    EXPECT_EQ(LandSprite.frameIndex, 3);   // the pile's own frame: water above
    const int x = 6 * CELL_SIZE, y = 7 * CELL_SIZE, far = CELL_SIZE - 3;
    EXPECT_EQ(Pixel(x + 2, y + far), PILE);
    EXPECT_EQ(Pixel(x + far, y + far), TestCellColour(TEST_CORNER_COLUMN + 2, TEST_CORNER_ROW));
    EXPECT_EQ(Pixel(x + far, y + 2), LandFrame(3));   // land above it: no corner
}

// The sparkle's animation runs on across showings: on the only water cell, a
// long first showing, three single-frame showings of frame 7, then a long one
// again, each after more than two seconds hidden.
TEST_F(RenderTest, SparkleWaitsForWaterAndRunsOnAcrossShowings)
{
    FillBoard(TILE_LAND);
    PlacePlayer(0, 0);
    PlayFrame();
    PlayFrame();
    EXPECT_EQ(GameState.newSparkle, 1);   // no water: no cell yet
    Board[7][4] = TILE_WATER;
    // The sparkle frames shown, one string per showing, and the hidden runs.
    std::vector<std::vector<int>> showings;
    std::vector<int> gaps = {0};
    for (int frame = 0; frame < 760; ++frame) {
        PlayFrame();
        const uint32_t colour = CellPixel(7, 4);
        if (colour == WATER) {
            ++gaps.back();
            continue;
        }
        if (gaps.back() > 0 || showings.empty())
            showings.emplace_back(), gaps.push_back(0);
        int shown = 0;
        while (shown < TEST_SHEET_COLUMNS && TestCellColour(shown, 0) != colour)
            ++shown;
        showings.back().push_back(shown);
    }
    std::vector<int> longShowing;
    for (int frame = 1; frame <= 6; ++frame)
        longShowing.insert(longShowing.end(), 4, frame);
    longShowing.push_back(7);
    EXPECT_EQ(showings, (std::vector<std::vector<int>>{longShowing, {7}, {7}, {7}, longShowing}));
    // 2000 ms hidden at 60 frames a second; the long showing starts with 8
    // frames of frame 0, which look like water.
    ASSERT_GE(gaps.size(), 5u);
    EXPECT_GE(gaps[0], 120);
    EXPECT_GE(gaps[1], 120);
    EXPECT_GE(gaps[4], 128);
}

} // namespace
