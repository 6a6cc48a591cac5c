// The solver's work for its worker: one search of the question's start.
#include "solver/solver_worker.h"

SolverResult SolverAnswerQuestion(const SolverQuestion& question, const std::atomic<bool>* cancel)
{
    return SolverSolve(question.start, question.budget, cancel);
}
