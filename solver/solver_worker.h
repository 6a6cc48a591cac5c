// A solver that works beside the caller: one question at a time, the latest
// wins. The game asks on every change of position and reads the answer when
// it comes, so no frame ever waits for a search. A thread of its own does the
// searching; the inline kind answers at once instead, for the simulator and the
// tests, whose frames must come out the same on every machine.
#pragma once

#include "solver/solver.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

enum SolverWorkerKind { SOLVER_WORKER_THREAD, SOLVER_WORKER_INLINE };

// A question and its answer carry the number Ask gave, so an answer to a
// position that has changed since can be told apart.
struct SolverAnswer {
    uint64_t id = 0;
    SolverResult result;
};

class SolverWorker {
public:
    explicit SolverWorker(SolverWorkerKind kind);
    ~SolverWorker();   // cancels the search under way and waits for the thread
    SolverWorker(const SolverWorker&) = delete;
    SolverWorker& operator=(const SolverWorker&) = delete;

    // Asks for a solve of `start`. A question not yet answered is dropped and
    // a search under way is cancelled. Returns the question's number (never 0).
    uint64_t Ask(const SolverPosition& start, const SolverBudget& budget);
    // Drops the question not yet answered, if any; its answer never comes.
    void Cancel();
    // The answer to the latest question, once, when it has come.
    std::optional<SolverAnswer> Take();
    // True while a question waits for its answer.
    bool Busy() const;

private:
    void Run();

    SolverWorkerKind kind_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    uint64_t lastId_ = 0;                 // the latest question
    std::optional<SolverPosition> start_; // a question the thread has not begun
    SolverBudget budget_;
    uint64_t runningId_ = 0;              // the question being searched, 0 when none
    std::optional<SolverAnswer> answer_;  // an answer not yet taken
    std::atomic<bool> cancel_{false};     // stops the search under way
    bool quit_ = false;
    std::thread thread_;
};
