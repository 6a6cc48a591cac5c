// The generator beside the caller: one request at a time, the latest wins.
// The game asks for the level of the day and reads it when it has come, so
// no frame waits for it. A thread of its own does the work; the inline kind
// (SOLVER_WORKER_INLINE) answers at once instead, for the simulator and the
// tests, whose frames must come out the same on every machine.
#pragma once

#include "solver/generator.h"
#include "solver/solver_worker.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// A request and its answer carry the number Ask gave.
struct GeneratorAnswer {
    uint64_t id = 0;
    std::vector<GeneratedLevel> levels;
};

class GeneratorWorker {
public:
    explicit GeneratorWorker(SolverWorkerKind kind);
    ~GeneratorWorker();   // cancels the run under way and waits for the thread
    GeneratorWorker(const GeneratorWorker&) = delete;
    GeneratorWorker& operator=(const GeneratorWorker&) = delete;

    // Asks for GeneratorRun(options). A request not yet answered is dropped
    // and a run under way is cancelled. Returns the request's number (never 0).
    uint64_t Ask(const GeneratorOptions& options);
    // Drops the request not yet answered, if any; its answer never comes.
    void Cancel();
    // The answer to the latest request, once, when it has come.
    std::optional<GeneratorAnswer> Take();
    // True while a request waits for its answer.
    bool Busy() const;

private:
    void Run();

    SolverWorkerKind kind_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    uint64_t lastId_ = 0;                       // the latest request
    std::optional<GeneratorOptions> options_;   // a request the thread has not begun
    uint64_t runningId_ = 0;                    // the request being worked on, 0 when none
    std::optional<GeneratorAnswer> answer_;     // an answer not yet taken
    std::atomic<bool> cancel_{false};           // stops the run under way
    bool quit_ = false;
    std::thread thread_;
};
