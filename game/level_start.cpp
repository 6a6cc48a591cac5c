// Starting and restarting a level: the board is rebuilt from the level file.
#include "game/editor.h"
#include "game/hint.h"
#include "game/play_test.h"
#include "game/step.h"
#include "game/watch.h"

namespace {

// The one message for a level file that can't be opened.
const char* const FILE_OPEN_FAILED = "INVALID_HANDLE_VALUE";
const int32_t FULL_PLAYER_SIZE = CELL_SIZE;
const int32_t FIRST_LEVEL = 1;

// Onto a cleared board: land, piles and exits come over from the level's
// bytes, start cells become land with the player on the last one scanned,
// and every other cell stays water.
void CopyLevelToBoard(GameModel& model, const int8_t* bytes)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            int32_t code = bytes[LevelByteIndex(column, row)];
            if (code == TILE_LAND || code == TILE_PILE || code == TILE_EXIT) {
                model.board[column][row] = code;
            } else if (code == TILE_START) {
                model.board[column][row] = TILE_LAND;
                model.playerX = column * CELL_SIZE;
                model.playerY = row * CELL_SIZE;
            }
        }
}

} // namespace

void GameEffects::Add(GameEffectKind kind, int32_t value, const char* text)
{
    // A step makes a handful of effects; the array has room for many more.
    if (count < GAME_EFFECTS_MAX)
        items[count++] = GameEffect{kind, value, text};
}

void GameStartLevel(GameModel& model, GameLevelStore& store, GameEffects& effects)
{
    effects.Add(EFFECT_LEVEL_STARTED, model.currentLevel);
    effects.Add(EFFECT_LEVELS_OPEN, FIRST_LEVEL);
    // A shorter file fills only the first bytes; the rest keep what they held.
    if (!store.LevelRead(model.currentLevel, model.levelBuffer, LEVEL_FILE_SIZE))
        effects.Add(EFFECT_MESSAGE, 0, FILE_OPEN_FAILED);
    model.resetLevel = model.currentLevel;
    GameStartBoard(model, model.levelBuffer);
}

void GameStartBoard(GameModel& model, const int8_t* bytes)
{
    model.landRiseWidth = 0;
    model.playerGone = 0;
    model.drawnWidth = FULL_PLAYER_SIZE;
    model.drawnHeight = FULL_PLAYER_SIZE;
    model.levelComplete = 0;
    model.allFinished = 0;

    BoardClear(model.board);
    CopyLevelToBoard(model, bytes);
    model.exitFrame = 0;
    model.walk.frame = 0;
    model.moves = 0;
    model.pushes = 0;
    model.path.clear();
    model.undo.clear();
    HintReset(model);
    WatchLevelStarted(model);
}

void GameResetLevel(GameModel& model, GameLevelStore& store, GameEffects& effects)
{
    // A play-test restarts the board as drawn.
    if (model.edit.playTest) {
        PlayTestRestart(model);
        return;
    }
    model.currentLevel = static_cast<uint8_t>(model.resetLevel);
    GameStartLevel(model, store, effects);
}

void GameChooseLevel(GameModel& model, int32_t level, GameLevelStore& store, GameEffects& effects)
{
    // A level chosen during a play-test is played for real; in the editor it
    // is a load that undo can take back.
    model.edit.playTest = 0;
    const GameEditorBoard before = EditorBoardOf(model);
    model.currentLevel = static_cast<uint8_t>(level);
    GameStartLevel(model, store, effects);
    EditorKeepIfChanged(model, before);
}
