// Undo: the history of steps, taking one back, a held undo key, and a restart
// that can itself be taken back.
#include "game/undo.h"

#include "game/editor.h"
#include "game/hint.h"
#include "game/play.h"
#include "game/watch.h"

#include <algorithm>
#include <utility>

namespace {

// A held key takes the next step back after this pause, then one every
// interval: about eight a second.
const uint32_t UNDO_REPEAT_DELAY_MS = 300;
const uint32_t UNDO_REPEAT_INTERVAL_MS = 125;

// Whether two positions show the same board with the player on the same spot.
bool SamePosition(const GameUndoStep& a, const GameUndoStep& b)
{
    return a.playerX == b.playerX && a.playerY == b.playerY &&
           std::equal(&a.board[0][0], &a.board[0][0] + LEVEL_TILE_BYTES, &b.board[0][0]);
}

} // namespace

GameUndoStep UndoCapture(const GameModel& model)
{
    GameUndoStep step;
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            step.board[column][row] = static_cast<uint8_t>(model.board[column][row]);
    step.playerX = model.playerX;
    step.playerY = model.playerY;
    step.pileX = model.pileX;
    step.pileY = model.pileY;
    step.walk = model.walk;
    step.moves = model.moves;
    step.pushes = model.pushes;
    return step;
}

void UndoRestore(GameModel& model, const GameUndoStep& step)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            model.board[column][row] = step.board[column][row];
    model.playerX = step.playerX;
    model.playerY = step.playerY;
    model.pileX = step.pileX;
    model.pileY = step.pileY;
    model.walk = step.walk;
    model.moves = step.moves;
    model.pushes = step.pushes;
    if (step.path.size() == static_cast<size_t>(step.moves))
        model.path = step.path;
    else
        model.path.resize(static_cast<size_t>(step.moves));
    model.direction = DIRECTION_NONE;
    model.moving = 0;
    model.pushing = 0;
    model.stepX = 0;
    model.stepY = 0;
}

bool UndoKeyFires(GameModel& model, bool down, uint32_t now)
{
    if (!down) {
        model.undoHeld = 0;
        return false;
    }
    if (!model.undoHeld) {
        model.undoHeld = 1;
        model.undoRepeatAt = now + UNDO_REPEAT_DELAY_MS;
        return true;
    }
    // The clock wraps: the difference decides.
    if (static_cast<int32_t>(now - model.undoRepeatAt) < 0)
        return false;
    // Steps keep to the interval whatever the frame rate; after a stall
    // (a box was open) the count starts again from now.
    model.undoRepeatAt += UNDO_REPEAT_INTERVAL_MS;
    if (static_cast<int32_t>(now - model.undoRepeatAt) >= 0)
        model.undoRepeatAt = now + UNDO_REPEAT_INTERVAL_MS;
    return true;
}

bool UndoTakeBack(GameModel& model)
{
    if (model.undo.empty())
        return false;
    bool boardChanged = !std::equal(&model.board[0][0], &model.board[0][0] + LEVEL_TILE_BYTES,
                                    &model.undo.back().board[0][0]);
    UndoRestore(model, model.undo.back());
    model.undo.pop_back();
    HintUndone(model, boardChanged);
    return true;
}

void GameRestartLevel(GameModel& model, GameLevelStore& store, GameEffects& effects)
{
    // During a watch the level is given back from its start, as a key does.
    if (WatchPlaying(model)) {
        WatchStop(model, WATCH_END_STOPPED);
        return;
    }
    bool keep = !model.editor && !model.levelComplete;
    bool midStep = !PlayerAligned(model);
    GameUndoStep before = UndoCapture(model);
    const GameEditorBoard editorBefore = EditorBoardOf(model);
    before.path = model.path;
    std::vector<GameUndoStep> history = std::move(model.undo);
    GameResetLevel(model, store, effects);
    // In the editor the reset is a load of the level's board.
    EditorKeepIfChanged(model, editorBefore);
    if (!keep)
        return;
    model.undo = std::move(history);
    // In the middle of a step, the step's own entry already holds where it
    // began, and now the moves before it as well; a restart on the start
    // position (R held) adds nothing.
    if (midStep && !model.undo.empty())
        model.undo.back().path = before.path.substr(0, static_cast<size_t>(model.undo.back().moves));
    else if (!midStep && !SamePosition(before, UndoCapture(model)))
        model.undo.push_back(before);
}
