// The play-test: the editor's board played as drawn. It starts as a level
// does, from the drawn codes, with nothing read or written; the level being
// played, the progress and the level menu stay as they were.
#include "game/play_test.h"

#include "game/editor.h"
#include "game/play.h"

#include <algorithm>

namespace {

bool HasStart(const GameEditorBoard& drawn)
{
    return std::find(&drawn.board[0][0], &drawn.board[0][0] + LEVEL_TILE_BYTES, int32_t{TILE_START}) !=
           &drawn.board[0][0] + LEVEL_TILE_BYTES;
}

} // namespace

void PlayTestRestart(GameModel& model)
{
    int8_t bytes[LEVEL_TILE_BYTES] = {};
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            bytes[LevelByteIndex(column, row)] = static_cast<int8_t>(model.edit.drawn.board[column][row]);
    GameStartBoard(model, bytes);
}

bool PlayTestStart(GameModel& model)
{
    const GameEditorBoard drawn = EditorBoardOf(model);
    if (!HasStart(drawn))
        return false;
    model.edit.drawn = drawn;
    model.edit.drawnExitFrame = model.exitFrame;
    model.edit.drawnWalk = model.walk;
    model.edit.playTest = 1;
    model.editor = 0;
    PlayStandStill(model);
    PlayTestRestart(model);
    return true;
}

void PlayTestReturn(GameModel& model)
{
    model.edit.playTest = 0;
    model.editor = 1;
    model.clearBoard = 0;
    std::copy(&model.edit.drawn.board[0][0], &model.edit.drawn.board[0][0] + LEVEL_TILE_BYTES, &model.board[0][0]);
    model.exitFrame = model.edit.drawnExitFrame;
    model.walk = model.edit.drawnWalk;
    PlayStandStill(model);
    model.levelComplete = 0;
    model.undo.clear();
    EditorLay(model);
}
