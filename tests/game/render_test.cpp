// The play picture, checked on the back surface: every cell of the test
// sheet has a colour of its own, so a pixel names the frame drawn there.
#include "game_fixture.h"
#include "tile_sheet_writer.h"

#include "engine/clock.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/play.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"

#include <utility>

namespace {

const uint32_t WATER = TestCellColour(0, 0);
const uint32_t PILE = TestCellColour(0, 4);

uint32_t LandFrame(int frame)
{
    return TestCellColour(frame, 2);
}

using RenderTest = GameFixture;

TEST_F(RenderTest, LayersFollowTheBoard)
{
    SetBoard({
        "~~~~~~~~~~~~",
        "~...~~~~~~~~",
        "~~~~~~~~~~~~",
        "~~~~~.o.~~~~",
        "~~~~~~~~~~~~",
        "~~E~~~~~~~~~",
        "~~~~~~~~~~~~",
        "~~~~~~~~~~~~",
        "~~~~~~~~~~~~",
        "~~~~~~~~~~~~",
        "~~~~~~~~~~~~",
        "~~~~~~~~~~~~",
    });
    PlacePlayer(11, 11);
    HideSparkle();
    PlayFrame();

    EXPECT_EQ(CellPixel(1, 1), LandFrame(10));
    EXPECT_EQ(CellPixel(2, 1), LandFrame(14));
    EXPECT_EQ(CellPixel(3, 1), LandFrame(12));
    EXPECT_EQ(CellPixel(5, 3), LandFrame(10));
    EXPECT_EQ(CellPixel(7, 3), LandFrame(12));
    // The pile stands on the land of its own shore; its transparent half shows it.
    EXPECT_EQ(CellPixel(6, 3), PILE);
    EXPECT_EQ(Pixel(6 * CELL_SIZE + 40, 3 * CELL_SIZE + 25), LandFrame(14));
    // The exit stands straight on the water, whole.
    EXPECT_EQ(CellPixel(2, 5), TestCellColour(0, 5));
    EXPECT_EQ(CellPixel(11, 11), TestCellColour(0, 1));

    int waterCells = 0;
    for (int column = 0; column < BOARD_SIZE; ++column)
        for (int row = 0; row < BOARD_SIZE; ++row)
            if (Board[column][row] == TILE_WATER && !(column == 11 && row == 11)) {
                EXPECT_EQ(CellPixel(column, row), WATER) << column << "," << row;
                EXPECT_EQ(Pixel(column * CELL_SIZE + 49, row * CELL_SIZE + 49), WATER);
                ++waterCells;
            }
    EXPECT_EQ(waterCells, 144 - 8);
    // The land sprite keeps the frame of the last pile drawn.
    EXPECT_EQ(LandSprite.frameIndex, 14);
}

// The sparkle's animation runs on across showings: a long first showing,
// three single-frame showings of frame 7, then a long one again, each after
// more than two seconds hidden.
TEST_F(RenderTest, SparklePatternOnTheOnlyWaterCell)
{
    BoardText rows(BOARD_SIZE, std::string(BOARD_SIZE, '.'));
    rows[4][7] = '~';
    SetBoard(rows);
    PlacePlayer(0, 0);

    std::vector<std::pair<uint32_t, int>> shown;  // colour and run length
    std::vector<int> gaps;
    int hidden = 0;
    for (int frame = 0; frame < 760; ++frame) {
        PlayFrame();
        uint32_t colour = CellPixel(7, 4);
        if (colour == WATER) {
            ++hidden;
            continue;
        }
        bool afterGap = hidden > 0;
        if (afterGap)
            gaps.push_back(hidden);
        hidden = 0;
        if (!afterGap && !shown.empty() && shown.back().first == colour)
            ++shown.back().second;
        else
            shown.emplace_back(colour, 1);
    }

    std::vector<std::pair<uint32_t, int>> expected;
    auto longShowing = [&expected] {
        for (int frame = 1; frame <= 6; ++frame)
            expected.emplace_back(TestCellColour(frame, 0), 4);
        expected.emplace_back(TestCellColour(7, 0), 1);
    };
    longShowing();
    expected.emplace_back(TestCellColour(7, 0), 1);
    expected.emplace_back(TestCellColour(7, 0), 1);
    expected.emplace_back(TestCellColour(7, 0), 1);
    longShowing();
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(shown[i], expected[i]) << i;
    // 2000 ms hidden at 60 frames a second; the long showing starts with 8
    // frames of frame 0, which look like water.
    ASSERT_GE(gaps.size(), 5u);
    EXPECT_GE(gaps[0], 120);
    EXPECT_GE(gaps[1], 120);
    EXPECT_GE(gaps[4], 128);
}

TEST_F(RenderTest, SparkleWaitsForWater)
{
    SetBoard(BoardText(BOARD_SIZE, std::string(BOARD_SIZE, '.')));
    PlacePlayer(0, 0);
    for (int frame = 0; frame < 3; ++frame)
        PlayFrame();
    EXPECT_EQ(GameState.newSparkle, 1);

    Board[9][2] = TILE_WATER;
    PlayFrame();
    EXPECT_EQ(GameState.newSparkle, 0);
    EXPECT_EQ(GameState.sparkleColumn, 9);
    EXPECT_EQ(GameState.sparkleRow, 2);
}

TEST_F(RenderTest, BannerPiecesAtTheirPlaces)
{
    SetBoard(BoardText(BOARD_SIZE, std::string(BOARD_SIZE, '~')));
    PlacePlayer(0, 0);
    HideSparkle();
    HeadlessSetClock(5000);
    GameState.levelComplete = 1;
    GameState.completionTime = 3500;
    GameState.playerGone = 1;
    GameState.landRiseWidth = CELL_SIZE;
    GameState.currentLevel = 4;
    PlayFrameBody();

    struct Piece {
        int sprite, x, y;
    };
    const Piece pieces[] = {{0, 124, 190}, {1, 222, 190}, {2, 296, 190}, {2, 370, 190}, {3, 98, 290},
                            {4, 176, 290}, {5, 266, 290}, {1, 356, 290}, {6, 438, 290}};
    for (const Piece& piece : pieces) {
        uint32_t colour = TestCellColour(piece.sprite, 3);
        // Later pieces overlap the right edges of earlier ones, never the left.
        EXPECT_EQ(Pixel(piece.x, piece.y), colour) << piece.x;
        EXPECT_EQ(Pixel(piece.x, piece.y + 99), colour) << piece.x;
        EXPECT_NE(Pixel(piece.x, piece.y - 1), colour) << piece.x;
    }
    // 100 x 100: the row ends show where each piece stops.
    EXPECT_EQ(Pixel(469, 240), TestCellColour(2, 3));
    EXPECT_EQ(Pixel(470, 240), WATER);
    EXPECT_EQ(Pixel(537, 389), TestCellColour(6, 3));
    EXPECT_EQ(Pixel(538, 389), WATER);
    EXPECT_EQ(Pixel(123, 240), WATER);
    EXPECT_EQ(Pixel(300, 390), WATER);
}

} // namespace
