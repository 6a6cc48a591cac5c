// The level editor. Presses are noted by the window procedure between frames
// and applied here, one per button and frame, each followed by a short pause.
#include "game/editor.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"

#include "engine/bob.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "engine/input.h"

MouseClickRecord MouseClick;

namespace {

const int32_t PICTURE_SIZE = BOARD_SIZE * CELL_SIZE;

// The cell under a picture pixel; false when the pixel lies off the board.
bool CellUnderPointer(int32_t x, int32_t y, int32_t& column, int32_t& row)
{
    if (x < 0 || y < 0 || x >= PICTURE_SIZE || y >= PICTURE_SIZE)
        return false;
    column = x / CELL_SIZE;
    row = y / CELL_SIZE;
    return true;
}

// Left button: land becomes water, anything else land.
int32_t LeftPressResult(int32_t code)
{
    return code == TILE_LAND ? TILE_WATER : TILE_LAND;
}

// Right button: land, pile, exit, start and back to land; others stay.
int32_t RightPressResult(int32_t code)
{
    switch (code) {
    case TILE_LAND:
        return TILE_PILE;
    case TILE_PILE:
        return TILE_EXIT;
    case TILE_EXIT:
        return TILE_START;
    case TILE_START:
        return TILE_LAND;
    default:
        return code;
    }
}

void ApplyPress(int32_t (*result)(int32_t))
{
    ClockMark();
    int32_t column = 0;
    int32_t row = 0;
    if (CellUnderPointer(MouseClick.x, MouseClick.y, column, row))
        Board[column][row] = result(Board[column][row]);
    ClockWaitSinceMark(EDITOR_CLICK_PAUSE_MS);
}

void SaveBoardToLevelFile()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            LevelBuffer[LevelByteIndex(column, row)] = static_cast<int8_t>(Board[column][row]);
    WriteLevelFile();
}

// The raw copy: start cells stay start cells and any byte comes through.
void LoadBoardFromLevelFile()
{
    LoadLevelFile(EDITOR_LEVEL);
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            Board[column][row] = LevelBuffer[LevelByteIndex(column, row)];
}

void DrawEditorSprite(BOB* sprite, int32_t x, int32_t y)
{
    BobSetPosition(sprite, x, y);
    BobDraw(sprite, MainDisplay.backSurface);
}

// Land shows whatever frame the last play frame left in LandSprite; no
// shores, sparkle or animation here.
void DrawEditorBoard()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            int32_t x = column * CELL_SIZE;
            int32_t y = row * CELL_SIZE;
            int32_t code = Board[column][row];
            DrawEditorSprite(&WaterSprite, x, y);
            BOB* onLand = nullptr;
            switch (code) {
            case TILE_LAND:
                break;
            case TILE_PILE:
                onLand = &PileSprite;
                break;
            case TILE_EXIT:
                onLand = &ExitSprite;
                break;
            case TILE_START:
                onLand = &PlayerSprite;
                break;
            default:
                continue;
            }
            DrawEditorSprite(&LandSprite, x, y);
            if (onLand != nullptr)
                DrawEditorSprite(onLand, x, y);
        }
}

} // namespace

void RecordLeftClick(int32_t x, int32_t y)
{
    MouseClick.leftPending = 1;
    MouseClick.x = x;
    MouseClick.y = y;
}

void RecordRightClick(int32_t x, int32_t y)
{
    MouseClick.rightPending = 1;
    MouseClick.x = x;
    MouseClick.y = y;
}

void EditorFrame()
{
    KeyboardPoll();
    if (KeyState[DIK_S] != 0)
        SaveBoardToLevelFile();
    if (KeyState[DIK_L] != 0)
        LoadBoardFromLevelFile();
    if (KeyAsyncDown(VK_RETURN)) {
        ResetLevel();
        GameState.editor = 0;
    }
    if (GameState.clearBoard) {
        ClearBoard();
        GameState.clearBoard = 0;
    }
    if (MouseClick.leftPending) {
        ApplyPress(LeftPressResult);
        MouseClick.leftPending = 0;
    }
    if (MouseClick.rightPending) {
        ApplyPress(RightPressResult);
        MouseClick.rightPending = 0;
    }
    DrawEditorBoard();
    DisplayPresent();
}
