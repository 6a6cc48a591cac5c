// Editor presses: the cell under the pointer, presses off the board, the
// pause after each press, and how the window procedure passes them on.
#include "game_fixture.h"

#include "app/app.h"
#include "engine/clock.h"
#include "game/board.h"
#include "game/editor.h"
#include "game/game_state.h"

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

} // namespace
