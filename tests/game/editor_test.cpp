// Editor presses: the cell under the pointer, presses off the board, the
// pause after each press, and how the window procedure passes them on; and
// the editor's picture, drawn with the frames the sprites already hold.
#include "game_fixture.h"
#include "tile_sheet_writer.h"

#include "app/app.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "game/board.h"
#include "game/editor.h"
#include "game/game_state.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"

namespace {

using EditorTest = GameFixture;

TEST_F(EditorTest, PressActsOnTheCellUnderThePointer)
{
    GameState.editor = 1;
    GameState.clearBoard = 1;
    Board[2][1] = TILE_LAND;
    RecordLeftClick(120, 30);
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
    RecordRightClick(599, 599);
    EditorFrame();
    EXPECT_EQ(Board[11][11], TILE_EXIT);
}

TEST_F(EditorTest, PressOffTheBoardChangesNothing)
{
    GameState.editor = 1;
    GameState.clearBoard = 1;
    EditorFrame();
    const int outside[][2] = {{600, 10}, {10, 600}, {-1, 10}, {10, -1}, {-60, -60}, {32767, 32767}};
    for (const auto& press : outside) {
        RecordLeftClick(press[0], press[1]);
        EditorFrame();
        RecordRightClick(press[0], press[1]);
        EditorFrame();
    }
    for (const auto& column : Board)
        for (int32_t cell : column)
            ASSERT_EQ(cell, TILE_WATER);
}

TEST_F(EditorTest, WindowProcedurePassesSignedCoordinates)
{
    MainWndProc(PLATFORM_WM_LBUTTONDOWN, 0, PlatformMakeMouseParam(-3, 470));
    EXPECT_EQ(MouseClick.leftPending, 1);
    EXPECT_EQ(MouseClick.x, -3);
    EXPECT_EQ(MouseClick.y, 470);
    MainWndProc(PLATFORM_WM_RBUTTONDOWN, 0, PlatformMakeMouseParam(599, -2));
    EXPECT_EQ(MouseClick.rightPending, 1);
    EXPECT_EQ(MouseClick.x, 599);
    EXPECT_EQ(MouseClick.y, -2);
    // A double click is not a press.
    MouseClick = MouseClickRecord();
    MainWndProc(PLATFORM_WM_LBUTTONDBLCLK, 0, PlatformMakeMouseParam(10, 10));
    MainWndProc(PLATFORM_WM_RBUTTONDBLCLK, 0, PlatformMakeMouseParam(10, 10));
    EXPECT_EQ(MouseClick.leftPending, 0);
    EXPECT_EQ(MouseClick.rightPending, 0);
}

TEST_F(EditorTest, DrawsWithTheFramesItFindsAndDrawsTheEnterFrameToo)
{
    WriteLevel(1, {"~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "@..~~~~~~~~~",
                   "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~"});
    GameState.currentLevel = 1;
    StartLevel();
    GameState.editor = 1;
    // What the last play frame left behind.
    const int32_t landFrame = 7, exitFrame = 1, playerFrame = 3;
    LandSprite.frameIndex = landFrame;
    ExitSprite.frameIndex = exitFrame;
    PlayerSprite.frameIndex = playerFrame;
    SetBoard(BoardText(BOARD_SIZE, std::string(BOARD_SIZE, '~')));
    Board[1][1] = TILE_LAND;
    Board[2][1] = TILE_PILE;
    Board[3][1] = TILE_EXIT;
    Board[4][1] = TILE_START;
    Board[5][1] = 19;

    EditorFrame();
    const uint32_t land = TestCellColour(landFrame, 2);
    EXPECT_EQ(CellPixel(1, 1), land);
    EXPECT_EQ(Pixel(2 * CELL_SIZE + 2, CELL_SIZE + 2), TestCellColour(0, 4));
    EXPECT_EQ(Pixel(2 * CELL_SIZE + 40, CELL_SIZE + 2), land);   // under the pile
    EXPECT_EQ(CellPixel(3, 1), TestCellColour(exitFrame, 5));
    EXPECT_EQ(CellPixel(4, 1), TestCellColour(playerFrame, 1));
    EXPECT_EQ(CellPixel(5, 1), TestCellColour(0, 0));           // an unknown code is water
    EXPECT_EQ(CellPixel(0, 0), TestCellColour(0, 0));
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
    HeadlessReleaseAllKeys();
    EXPECT_EQ(GameState.editor, 0);
    EXPECT_EQ(Board[0][5], TILE_LAND);
    EXPECT_EQ(PlayerSprite.x, 0);
    EXPECT_EQ(PlayerSprite.y, 5 * CELL_SIZE);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(CellPixel(column, 5), land) << column;
    EXPECT_EQ(CellPixel(4, 1), TestCellColour(0, 0));
}

} // namespace
