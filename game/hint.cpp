// Hints and the dead-end warning: questions due, answers written back.
#include "game/hint.h"

#include "game/play.h"

namespace {

struct HintDirectionName {
    char move;
    GameDirection direction;
};

const HintDirectionName HINT_DIRECTIONS[] = {
    {SOLVER_LEFT, DIRECTION_LEFT},
    {SOLVER_UP, DIRECTION_UP},
    {SOLVER_RIGHT, DIRECTION_RIGHT},
    {SOLVER_DOWN, DIRECTION_DOWN},
};

GameDirection DirectionOfMove(char move)
{
    for (const HintDirectionName& name : HINT_DIRECTIONS)
        if (name.move == move)
            return name.direction;
    return DIRECTION_NONE;
}

char MoveOfDirection(int32_t direction)
{
    for (const HintDirectionName& name : HINT_DIRECTIONS)
        if (name.direction == direction)
            return name.move;
    return '?';
}

// The first push of a solution: the pile's cell and the way it goes. False when
// the solution walks to the exit without one.
bool FirstPush(SolverPosition position, const std::string& moves, GameHint& hint)
{
    for (char move : moves) {
        SolverStepResult step = SolverStep(position, move);
        if (step == SOLVER_PUSHED_LAND || step == SOLVER_PUSHED_WATER) {
            // The player now stands where the pile stood.
            hint.column = position.player / BOARD_SIZE;
            hint.row = position.player % BOARD_SIZE;
            hint.direction = DirectionOfMove(move);
            return true;
        }
    }
    return false;
}

void ClearShown(GameHint& hint)
{
    hint.shown = 0;
    hint.note = HINT_NOTE_NONE;
}

} // namespace

bool HintPositionOf(const GameModel& model, SolverPosition& position)
{
    if (model.editor || model.levelComplete || !PlayerAligned(model))
        return false;
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            position.cells[LevelByteIndex(column, row)] = static_cast<uint8_t>(model.board[column][row]);
    position.player = LevelByteIndex(PlayerColumn(model), PlayerRow(model));
    return true;
}

GameHintAsked HintTakeQuestion(GameModel& model)
{
    GameHint& hint = model.hint;
    GameHintAsked asked;
    if ((!hint.hintDue && !hint.checkDue) || !HintPositionOf(model, asked.position))
        return asked;
    asked.question = hint.hintDue ? HINT_QUESTION_NEXT_PUSH : HINT_QUESTION_CHECK;
    asked.positionCount = hint.positionCount;
    asked.resetCount = hint.resetCount;
    hint.hintDue = 0;
    hint.checkDue = 0;
    return asked;
}

GameHintEvent HintTakeAnswer(GameModel& model, const GameHintAsked& asked, const SolverResult& result)
{
    GameHint& hint = model.hint;
    // Since an undo, a restart or a level start, nothing said before holds.
    if (model.editor || model.levelComplete || asked.resetCount != hint.resetCount)
        return HINT_EVENT_NONE;
    if (result.outcome == SOLVER_UNSOLVABLE) {
        // Every position the player has reached since by steps is lost too:
        // no step wins a lost position back.
        if (hint.stuck)
            return HINT_EVENT_NONE;
        hint.stuck = 1;
        ClearShown(hint);
        return HINT_EVENT_STUCK;
    }
    // A hint is for the very position it was asked in.
    if (asked.question != HINT_QUESTION_NEXT_PUSH || asked.positionCount != hint.positionCount)
        return HINT_EVENT_NONE;
    ClearShown(hint);
    if (result.outcome == SOLVER_UNDECIDED) {
        hint.note = HINT_NOTE_NOT_FOUND;
        return HINT_EVENT_NONE;
    }
    if (!FirstPush(asked.position, result.moves, hint)) {
        hint.note = HINT_NOTE_WALK;
        return HINT_EVENT_NONE;
    }
    hint.shown = 1;
    return HINT_EVENT_SHOWN;
}

std::string HintText(const GameHint& hint)
{
    return std::to_string(hint.column) + " " + std::to_string(hint.row) + " " + MoveOfDirection(hint.direction);
}

void HintKey(GameModel& model, bool down)
{
    GameHint& hint = model.hint;
    // A lost position shows its warning already, and a shown hint is the answer.
    if (down && !hint.keyHeld && !model.editor && !model.levelComplete && !hint.stuck && !hint.shown)
        hint.hintDue = 1;
    hint.keyHeld = down;
}

void HintStepBegun(GameModel& model)
{
    GameHint& hint = model.hint;
    ++hint.positionCount;
    ClearShown(hint);
    if (model.pushing && !hint.stuck)
        hint.checkDue = 1;
}

void HintUndone(GameModel& model, bool boardChanged)
{
    GameHint& hint = model.hint;
    ++hint.positionCount;
    hint.hintDue = 0;
    ClearShown(hint);
    if (!boardChanged)
        return;
    ++hint.resetCount;
    hint.stuck = 0;
    // A position some push led to is checked again; the level's start is not.
    hint.checkDue = model.pushes > 0;
}

void HintReset(GameModel& model)
{
    GameHint& hint = model.hint;
    ++hint.positionCount;
    ++hint.resetCount;
    hint.hintDue = 0;
    hint.checkDue = 0;
    hint.stuck = 0;
    ClearShown(hint);
}
