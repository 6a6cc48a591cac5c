// The solver beside the game: after every step the shell hands the solver the
// question the rules found due and writes the answers back into the model as
// they come. A frame never waits for a search.
#include "app/app.h"

#include "game/hint.h"

#include <limits>
#include <memory>

namespace {

// The game's budget, for the hints, the dead-end check and the editor's
// verdict alike. A position the search holds takes about 100 bytes of its
// tables (a 64-byte node, its index slot and its queue entry), so 2 million
// positions stay within 256 MiB; the second keeps a slow machine from waiting
// long for an answer it would then not show. Shipped levels take a few
// thousand positions at most.
const long GAME_SOLVER_STATES = 2'000'000;
const size_t GAME_SOLVER_BYTES = size_t{256} << 20;
const double GAME_SOLVER_SECONDS = 1.0;

struct HintShell {
    SolverWorkerKind kind = SOLVER_WORKER_THREAD;
    SolverBudget budget = AppGameSolverBudget();
    AppHintReport report = nullptr;
    std::unique_ptr<SolverWorker> worker;   // made at the first question
    GameHintAsked asked;                    // the latest question
    uint64_t askedId = 0;
};

HintShell Shell;

void Report(GameHintEvent event)
{
    if (Shell.report == nullptr)
        return;
    if (event == HINT_EVENT_SHOWN)
        Shell.report("hint " + HintText(Game.hint));
    else if (event == HINT_EVENT_STUCK)
        Shell.report("stuck");
}

} // namespace

SolverBudget AppGameSolverBudget()
{
    SolverBudget budget;
    budget.maxStates = GAME_SOLVER_STATES;
    budget.maxBytes = GAME_SOLVER_BYTES;
    budget.maxSeconds = GAME_SOLVER_SECONDS;
    return budget;
}

SolverBudget AppExactSolverBudget()
{
    SolverBudget budget = AppGameSolverBudget();
    budget.maxSeconds = std::numeric_limits<double>::infinity();
    return budget;
}

void AppHintSetup(SolverWorkerKind kind, const SolverBudget& budget, AppHintReport report)
{
    Shell.worker.reset();
    Shell.kind = kind;
    Shell.budget = budget;
    Shell.report = report;
    Shell.askedId = 0;
}

void AppHintFrame()
{
    if (Shell.worker != nullptr) {
        std::optional<SolverAnswer> answer = Shell.worker->Take();
        if (answer && answer->id == Shell.askedId)
            Report(HintTakeAnswer(Game, Shell.asked, answer->result));
    }
    GameHintAsked asked = HintTakeQuestion(Game);
    if (asked.question == HINT_QUESTION_NONE)
        return;
    if (Shell.worker == nullptr)
        Shell.worker = std::make_unique<SolverWorker>(Shell.kind);
    // H pressed again while its search runs: let that search go on.
    if (Shell.worker->Busy() && asked.question == Shell.asked.question &&
        asked.positionCount == Shell.asked.positionCount && asked.resetCount == Shell.asked.resetCount)
        return;
    Shell.asked = asked;
    Shell.askedId = Shell.worker->Ask(asked.position, Shell.budget);
}

void AppHintStop()
{
    Shell.worker.reset();
}
