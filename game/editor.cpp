// The level editor. Presses are kept in the model between frames and applied
// here, one per button and frame, each followed by a short pause. Every
// change of the board (a press, a load) keeps the board before it for undo.
#include "game/editor.h"

#include "game/play.h"
#include "game/play_test.h"
#include "game/undo.h"
#include "game/watch.h"

#include <algorithm>

namespace {

const int32_t PICTURE_SIZE = BOARD_SIZE * CELL_SIZE;
// The one message for a level file that can't be opened or written.
const char* const FILE_OPEN_FAILED = "INVALID_HANDLE_VALUE";

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

void ApplyPress(GameModel& model, int32_t (*result)(int32_t), GameEffects& effects)
{
    int32_t column = 0;
    int32_t row = 0;
    if (CellUnderPointer(model.press.x, model.press.y, column, row)) {
        const GameEditorBoard before = EditorBoardOf(model);
        model.board[column][row] = result(model.board[column][row]);
        EditorKeepIfChanged(model, before);
        model.edit.pressedColumn = column;
        model.edit.pressedRow = row;
        model.edit.pressedFrames = EDITOR_PRESS_HIGHLIGHT_FRAMES;
    }
    effects.Add(EFFECT_PAUSE, EDITOR_CLICK_PAUSE_MS);
}

void SaveBoardToLevelFile(GameModel& model, GameLevelStore& store, GameEffects& effects)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            model.levelBuffer[LevelByteIndex(column, row)] = static_cast<int8_t>(model.board[column][row]);
    if (!store.LevelWrite(model.levelBuffer, LEVEL_FILE_SIZE))
        effects.Add(EFFECT_MESSAGE, 0, FILE_OPEN_FAILED);
}

// The raw copy: start cells stay start cells and any byte comes through.
void LoadBoardFromLevelFile(GameModel& model, GameLevelStore& store, GameEffects& effects)
{
    const GameEditorBoard before = EditorBoardOf(model);
    if (!store.LevelRead(EDITOR_LEVEL, model.levelBuffer, LEVEL_FILE_SIZE))
        effects.Add(EFFECT_MESSAGE, 0, FILE_OPEN_FAILED);
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            model.board[column][row] = model.levelBuffer[LevelByteIndex(column, row)];
    EditorKeepIfChanged(model, before);
}

// A key that acts once per press: true in the frame it goes down.
bool KeyGoesDown(bool down, uint8_t& held)
{
    bool pressed = down && !held;
    held = down;
    return pressed;
}

void TakeBackChange(GameModel& model)
{
    if (model.edit.undo.empty())
        return;
    const GameEditorBoard& last = model.edit.undo.back();
    std::copy(&last.board[0][0], &last.board[0][0] + LEVEL_TILE_BYTES, &model.board[0][0]);
    model.edit.undo.pop_back();
}

} // namespace

void EditorLay(GameModel& model)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            int32_t x = column * CELL_SIZE;
            int32_t y = row * CELL_SIZE;
            switch (model.board[column][row]) {
            case TILE_PILE:
                model.pileX = x;
                model.pileY = y;
                break;
            case TILE_EXIT:
                model.exitX = x;
                model.exitY = y;
                break;
            case TILE_START:
                model.playerX = x;
                model.playerY = y;
                break;
            default:
                break;
            }
        }
    model.view.kind = VIEW_EDITOR;
}

GameEditorBoard EditorBoardOf(const GameModel& model)
{
    GameEditorBoard board;
    std::copy(&model.board[0][0], &model.board[0][0] + LEVEL_TILE_BYTES, &board.board[0][0]);
    return board;
}

void EditorKeepIfChanged(GameModel& model, const GameEditorBoard& before)
{
    if (model.editor && !(EditorBoardOf(model) == before))
        model.edit.undo.push_back(before);
}

bool EditorBoardTouched(const GameModel& model)
{
    return !model.edit.undo.empty();
}

void GamePressRecord(GameModel& model, GameButton button, int32_t x, int32_t y)
{
    // A click stops a watch and is spent on it.
    if (model.watch.phase != WATCH_OFF) {
        WatchStop(model, WATCH_END_STOPPED);
        return;
    }
    if (button == BUTTON_LEFT)
        model.press.leftPending = 1;
    else
        model.press.rightPending = 1;
    model.press.x = x;
    model.press.y = y;
}

void EditorStep(GameModel& model, const GameInput& input, uint32_t now, GameLevelStore& store, GameEffects& effects)
{
    if (model.edit.pressedFrames > 0)
        --model.edit.pressedFrames;
    if (input.save)
        SaveBoardToLevelFile(model, store, effects);
    if (input.load)
        LoadBoardFromLevelFile(model, store, effects);
    if (input.enter) {
        GameResetLevel(model, store, effects);
        model.editor = 0;
    }
    if (model.clearBoard) {
        BoardClear(model.board);
        model.clearBoard = 0;
    }
    if (model.press.leftPending) {
        ApplyPress(model, LeftPressResult, effects);
        model.press.leftPending = 0;
    }
    if (model.press.rightPending) {
        ApplyPress(model, RightPressResult, effects);
        model.press.rightPending = 0;
    }
    // Z takes the changes back one at a time, held as in play.
    if (UndoKeyFires(model, input.undo, now) && model.editor)
        TakeBackChange(model);
    if (KeyGoesDown(input.grid, model.edit.gridHeld))
        model.edit.grid = !model.edit.grid;
    // P plays the board at once: this frame is the play-test's first.
    if (KeyGoesDown(input.play, model.edit.playHeld) && model.editor && PlayTestStart(model)) {
        PlayStep(model, GameInput(), now, store, effects);
        return;
    }
    EditorLay(model);
}
