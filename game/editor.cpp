// The level editor. Presses are kept in the model between frames and applied
// here, one per button and frame, each followed by a short pause.
#include "game/editor.h"

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
    if (CellUnderPointer(model.press.x, model.press.y, column, row))
        model.board[column][row] = result(model.board[column][row]);
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
    if (!store.LevelRead(EDITOR_LEVEL, model.levelBuffer, LEVEL_FILE_SIZE))
        effects.Add(EFFECT_MESSAGE, 0, FILE_OPEN_FAILED);
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            model.board[column][row] = model.levelBuffer[LevelByteIndex(column, row)];
}

// The editor lays piles, exits and the player on their cells; each keeps the
// position of the last cell it was laid on, as it does in play.
void LayEditorBoard(GameModel& model)
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
}

} // namespace

void GamePressRecord(GameModel& model, GameButton button, int32_t x, int32_t y)
{
    if (button == BUTTON_LEFT)
        model.press.leftPending = 1;
    else
        model.press.rightPending = 1;
    model.press.x = x;
    model.press.y = y;
}

void EditorStep(GameModel& model, const GameInput& input, GameLevelStore& store, GameEffects& effects)
{
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
    LayEditorBoard(model);
    model.view.kind = VIEW_EDITOR;
}
