// The solver beside the caller: a thread that takes the latest question,
// searches, and leaves the answer for the caller to take.
#include "solver/solver_worker.h"

SolverWorker::SolverWorker(SolverWorkerKind kind) : kind_(kind)
{
    if (kind_ == SOLVER_WORKER_THREAD)
        thread_ = std::thread([this] { Run(); });
}

SolverWorker::~SolverWorker()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
        cancel_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

uint64_t SolverWorker::Ask(const SolverPosition& start, const SolverBudget& budget)
{
    if (kind_ == SOLVER_WORKER_INLINE) {
        SolverAnswer answer;
        answer.id = ++lastId_;
        answer.result = SolverSolve(start, budget);
        std::lock_guard<std::mutex> lock(mutex_);
        answer_ = answer;
        return answer.id;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    uint64_t id = ++lastId_;
    start_ = start;
    budget_ = budget;
    answer_.reset();
    if (runningId_ != 0)
        cancel_ = true;
    wake_.notify_all();
    return id;
}

void SolverWorker::Cancel()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++lastId_;
    start_.reset();
    answer_.reset();
    if (runningId_ != 0)
        cancel_ = true;
}

std::optional<SolverAnswer> SolverWorker::Take()
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<SolverAnswer> answer;
    answer.swap(answer_);
    return answer;
}

bool SolverWorker::Busy() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return start_.has_value() || runningId_ != 0;
}

void SolverWorker::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || start_.has_value(); });
        if (quit_)
            return;
        SolverPosition start = *start_;
        SolverBudget budget = budget_;
        uint64_t id = lastId_;
        start_.reset();
        runningId_ = id;
        cancel_ = false;
        lock.unlock();
        SolverResult result = SolverSolve(start, budget, &cancel_);
        lock.lock();
        runningId_ = 0;
        // An answer to a question that has since been replaced or dropped is
        // thrown away: the caller's position is no longer the one searched.
        if (id == lastId_ && !quit_)
            answer_ = SolverAnswer{id, result};
    }
}
