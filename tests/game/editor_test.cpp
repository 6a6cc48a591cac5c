// Editor presses: the cell under the pointer, presses off the board, the
// pause after each press, and how the window procedure passes them on; and
// the editor's picture, drawn with the frames the sprites already hold.
#include "game_fixture.h"

namespace {

using EditorTest = GameFixture;

TEST_F(EditorTest, PressActsOnTheCellUnderThePointer)
{
    GameState.editor = 1;
    GameState.clearBoard = 1;
    Board[2][1] = TILE_LAND;
    // Through the window procedure, which keeps the coordinates' signs.
    MainWndProc(PLATFORM_WM_LBUTTONDOWN, 0, PlatformMakeMouseParam(120, 30));
    uint32_t before = ClockNow();
    EditorFrame();
    EXPECT_GE(ClockNow() - before, static_cast<uint32_t>(EDITOR_CLICK_PAUSE_MS));
    // Cleared first, then the press on column 2, row 0.
    EXPECT_EQ(Board[2][0], TILE_LAND);
    EXPECT_EQ(Board[2][1], TILE_WATER);
    EXPECT_EQ(MouseClick.leftPending, 0);

    // Both buttons before one frame: left first, then right, on the latest position.
    RecordLeftClick(0, 0);
    RecordRightClick(599, 599);
    EditorFrame();
    EXPECT_EQ(Board[0][0], TILE_WATER);
    EXPECT_EQ(Board[11][11], TILE_PILE);   // water to land, then land to pile
    // Right presses go on round exit, start and land.
    for (int32_t tile : {TILE_EXIT, TILE_START, TILE_LAND}) {
        RecordRightClick(599, 599);
        EditorFrame();
        EXPECT_EQ(Board[11][11], tile);
    }

    // Presses off the board change nothing; double clicks are no presses.
    GameState.clearBoard = 1;
    EditorFrame();
    for (const auto& [x, y] : {std::pair{600, 10}, {10, 600}, {-1, 10}, {10, -1}, {32767, 32767}}) {
        MainWndProc(PLATFORM_WM_LBUTTONDOWN, 0, PlatformMakeMouseParam(x, y));
        EditorFrame();
        MainWndProc(PLATFORM_WM_RBUTTONDOWN, 0, PlatformMakeMouseParam(x, y));
        EXPECT_EQ(MouseClick.x, x);
        EXPECT_EQ(MouseClick.y, y);
        EditorFrame();
    }
    MainWndProc(PLATFORM_WM_LBUTTONDBLCLK, 0, PlatformMakeMouseParam(10, 10));
    MainWndProc(PLATFORM_WM_RBUTTONDBLCLK, 0, PlatformMakeMouseParam(10, 10));
    EditorFrame();
    for (const auto& column : Board)
        for (int32_t cell : column)
            ASSERT_EQ(cell, TILE_WATER);
}

TEST_F(EditorTest, DrawsWithTheFramesItFindsAndDrawsTheEnterFrameToo)
{
    Bytes level(LEVEL_FILE_SIZE, TILE_WATER);
    level[LevelByteIndex(0, 5)] = TILE_START;
    level[LevelByteIndex(1, 5)] = level[LevelByteIndex(2, 5)] = TILE_LAND;
    ASSERT_TRUE(WriteFileBytes(dataDir + "/level1.dat", level));
    GameState.currentLevel = 1;
    StartLevel();
    GameState.editor = 1;
    // What the last play frame left behind.
    const int32_t landFrame = 7, exitFrame = 1, playerFrame = 3;
    LandSprite.frameIndex = landFrame;
    ExitSprite.frameIndex = exitFrame;
    PlayerSprite.frameIndex = playerFrame;
    FillBoard(TILE_WATER);
    const int32_t codes[] = {TILE_LAND, TILE_PILE, TILE_EXIT, TILE_START, 19};
    for (int column = 1; column <= 5; ++column)
        Board[column][1] = codes[column - 1];

    EditorFrame();
    const uint32_t land = TestCellColour(landFrame, 2);
    const uint32_t shown[] = {TestCellColour(0, 0), land, TestCellColour(0, 4), land,
                              TestCellColour(playerFrame, 1), TestCellColour(0, 0)};   // an unknown code is water
    for (int column = 0; column <= 5; ++column)
        EXPECT_EQ(CellPixel(column, 1), shown[column]) << column;
    EXPECT_EQ(Pixel(3 * CELL_SIZE + 25, CELL_SIZE + 25), TestCellColour(TEST_EXIT_COLUMN + exitFrame, TEST_EXIT_ROW));
    EXPECT_EQ(Pixel(2 * CELL_SIZE + 40, CELL_SIZE + 2), land);   // under the pile
    // Drawing the start cell moved the player there; no frame was changed.
    EXPECT_EQ(PlayerSprite.x, 4 * CELL_SIZE);
    EXPECT_EQ(PlayerSprite.y, 1 * CELL_SIZE);
    EXPECT_EQ(LandSprite.frameIndex, landFrame);
    EXPECT_EQ(ExitSprite.frameIndex, exitFrame);
    EXPECT_EQ(PlayerSprite.frameIndex, playerFrame);

    // Enter: the level comes back and this frame still draws it the editor's
    // way: the inherited land frame, no shores, no player on its start cell.
    HeadlessSetKey(DIK_RETURN, true);
    EditorFrame();
    EXPECT_EQ(GameState.editor, 0);
    EXPECT_EQ(Board[0][5], TILE_LAND);
    EXPECT_EQ(PlayerSprite.x, 0);
    EXPECT_EQ(PlayerSprite.y, 5 * CELL_SIZE);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(CellPixel(column, 5), land) << column;
    EXPECT_EQ(CellPixel(4, 1), TestCellColour(0, 0));
}

} // namespace
