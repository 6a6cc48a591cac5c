// The solver beside the caller: the game asks on every change of position
// and reads the answer when it comes, one question at a time, the latest
// winning (solver/latest_worker.h).
#pragma once

#include "solver/latest_worker.h"
#include "solver/solver.h"

// A solve of `start` within `budget`.
struct SolverQuestion {
    SolverPosition start;
    SolverBudget budget;
};

SolverResult SolverAnswerQuestion(const SolverQuestion& question, const std::atomic<bool>* cancel);

class SolverWorker : public LatestWorker<SolverQuestion, SolverResult> {
public:
    explicit SolverWorker(SolverWorkerKind kind) : LatestWorker(kind, SolverAnswerQuestion) {}
    uint64_t Ask(const SolverPosition& start, const SolverBudget& budget) { return LatestWorker::Ask({start, budget}); }
};

using SolverAnswer = SolverWorker::Answer;
