// The editor's verdict: the board is judged as play would start it, from the
// last start cell in column order (the others are land then).
#include "app/editor_verdict.h"

#include "app/app.h"

#include "game/step.h"

#include "platform/platform.h"
#include "solver/solver_worker.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

const char* const VERDICT_SOLVING = "Solving...";
const char* const VERDICT_NO_START = "No start";
const char* const VERDICT_NO_EXIT = "No exit";
const char* const VERDICT_NO_SOLUTION = "No solution";
const char* const VERDICT_TOO_LARGE = "Too large to decide";
const char* const VERDICT_TRACE = "verdict";

struct Verdict {
    SolverWorkerKind kind = SOLVER_WORKER_THREAD;
    std::optional<SolverBudget> inlineBudget;   // the inline kind's; the exact budget when none
    std::unique_ptr<SolverWorker> worker;
    std::optional<GameEditorBoard> judged;  // the board the verdict is about
    uint64_t question = 0;                   // its question, 0 when none is open
    std::string text;
    std::string traced;                      // the verdict last shown
};

Verdict State;

std::string Count(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string TextOf(const SolverResult& result)
{
    switch (result.outcome) {
    case SOLVER_SOLVED:
        return "Solvable: " + Count(result.pushes, "push", "pushes") + ", " +
               Count(static_cast<int>(result.moves.size()), "move", "moves");
    case SOLVER_UNSOLVABLE:
        return VERDICT_NO_SOLUTION;
    case SOLVER_UNDECIDED:
        break;
    }
    return VERDICT_TOO_LARGE;
}

SolverWorker& Worker()
{
    if (!State.worker)
        State.worker = std::make_unique<SolverWorker>(State.kind);
    return *State.worker;
}

void Forget()
{
    if (State.question != 0)
        Worker().Cancel();
    State.question = 0;
    State.judged.reset();
    State.text.clear();
    State.traced.clear();
}

void Judge(const GameEditorBoard& board)
{
    if (State.question != 0)
        Worker().Cancel();
    State.question = 0;
    State.judged = board;
    LevelFile level;
    level.bytes.resize(LEVEL_TILE_BYTES);
    bool exit = false;
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            level.bytes[LevelByteIndex(column, row)] = static_cast<uint8_t>(board.board[column][row]);
            exit = exit || board.board[column][row] == TILE_EXIT;
        }
    SolverPosition start;
    if (!SolverPositionFromLevel(level, start)) {
        State.text = VERDICT_NO_START;
        return;
    }
    if (!exit) {
        State.text = VERDICT_NO_EXIT;
        return;
    }
    // The same budget as the hints: within a second in the game; without a
    // clock in the simulator, so a script decides alike on every machine.
    const SolverBudget budget = State.kind == SOLVER_WORKER_INLINE ? State.inlineBudget.value_or(AppExactSolverBudget())
                                                                   : AppGameSolverBudget();
    State.text = VERDICT_SOLVING;
    State.question = Worker().Ask(start, budget);
}

} // namespace

void EditorVerdictUseInline()
{
    State.kind = SOLVER_WORKER_INLINE;
    State.inlineBudget.reset();
    State.worker.reset();
}

void EditorVerdictUseInlineWithin(const SolverBudget& budget)
{
    EditorVerdictUseInline();
    State.inlineBudget = budget;
}

void EditorVerdictAsk(const GameModel& model)
{
    if (!model.editor || !EditorBoardTouched(model)) {
        Forget();
        return;
    }
    GameEditorBoard board;
    std::copy(&model.board[0][0], &model.board[0][0] + LEVEL_TILE_BYTES, &board.board[0][0]);
    if (!State.judged || !(*State.judged == board))
        Judge(board);
}

std::string EditorVerdictText()
{
    if (State.question != 0) {
        std::optional<SolverAnswer> answer = Worker().Take();
        if (answer && answer->id == State.question) {
            State.question = 0;
            State.text = TextOf(answer->result);
        }
    }
    if (!State.text.empty() && State.text != State.traced) {
        State.traced = State.text;
        PlatformTraceText(VERDICT_TRACE, State.text);
    }
    return State.text;
}

void EditorVerdictStop()
{
    Forget();
    State.worker.reset();
}
