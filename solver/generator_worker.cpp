// The generator beside the caller: a thread that takes the latest request,
// makes its levels, and leaves them for the caller to take.
#include "solver/generator_worker.h"

GeneratorWorker::GeneratorWorker(SolverWorkerKind kind) : kind_(kind)
{
    if (kind_ == SOLVER_WORKER_THREAD)
        thread_ = std::thread([this] { Run(); });
}

GeneratorWorker::~GeneratorWorker()
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

uint64_t GeneratorWorker::Ask(const GeneratorOptions& options)
{
    if (kind_ == SOLVER_WORKER_INLINE) {
        GeneratorAnswer answer;
        answer.id = ++lastId_;
        answer.levels = GeneratorRun(options);
        std::lock_guard<std::mutex> lock(mutex_);
        answer_ = std::move(answer);
        return answer_->id;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    const uint64_t id = ++lastId_;
    options_ = options;
    answer_.reset();
    if (runningId_ != 0)
        cancel_ = true;
    wake_.notify_all();
    return id;
}

void GeneratorWorker::Cancel()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ++lastId_;
    options_.reset();
    answer_.reset();
    if (runningId_ != 0)
        cancel_ = true;
}

std::optional<GeneratorAnswer> GeneratorWorker::Take()
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<GeneratorAnswer> answer;
    answer.swap(answer_);
    return answer;
}

bool GeneratorWorker::Busy() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return options_.has_value() || runningId_ != 0;
}

void GeneratorWorker::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || options_.has_value(); });
        if (quit_)
            return;
        const GeneratorOptions options = *options_;
        const uint64_t id = lastId_;
        options_.reset();
        runningId_ = id;
        cancel_ = false;
        lock.unlock();
        std::vector<GeneratedLevel> levels = GeneratorRun(options, &cancel_);
        lock.lock();
        runningId_ = 0;
        // Levels for a request since replaced or dropped are thrown away.
        if (id == lastId_ && !quit_)
            answer_ = GeneratorAnswer{id, std::move(levels)};
    }
}
