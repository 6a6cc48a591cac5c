// Work beside the caller: one question at a time, the latest wins. The game
// asks and reads the answer when it has come, so no frame ever waits for a
// search. A thread of its own does the work; the inline kind answers at once
// instead, for the simulator and the tests, whose frames must come out the
// same on every machine. The solver's searches and the generator's runs both
// go through it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

enum SolverWorkerKind { SOLVER_WORKER_THREAD, SOLVER_WORKER_INLINE };

template <typename Question, typename Result>
class LatestWorker {
public:
    // Answers a question; once `cancel` holds true it should stop soon.
    using Work = Result (*)(const Question& question, const std::atomic<bool>* cancel);

    // A question and its answer carry the number Ask gave, so an answer to a
    // question that has been replaced since can be told apart.
    struct Answer {
        uint64_t id = 0;
        Result result{};
    };

    LatestWorker(SolverWorkerKind kind, Work work) : kind_(kind), work_(work)
    {
        if (kind_ == SOLVER_WORKER_THREAD)
            thread_ = std::thread([this] { Run(); });
    }

    // Cancels the work under way and waits for the thread.
    ~LatestWorker()
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

    LatestWorker(const LatestWorker&) = delete;
    LatestWorker& operator=(const LatestWorker&) = delete;

    // Asks a question. One not yet answered is dropped and work under way is
    // cancelled. Returns the question's number (never 0).
    uint64_t Ask(const Question& question)
    {
        if (kind_ == SOLVER_WORKER_INLINE) {
            Answer answer;
            answer.id = ++lastId_;
            answer.result = work_(question, nullptr);
            std::lock_guard<std::mutex> lock(mutex_);
            answer_ = std::move(answer);
            return answer_->id;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        const uint64_t id = ++lastId_;
        question_ = question;
        answer_.reset();
        if (runningId_ != 0)
            cancel_ = true;
        wake_.notify_all();
        return id;
    }

    // Drops the question not yet answered, if any; its answer never comes.
    void Cancel()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++lastId_;
        question_.reset();
        answer_.reset();
        if (runningId_ != 0)
            cancel_ = true;
    }

    // The answer to the latest question, once, when it has come.
    std::optional<Answer> Take()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::optional<Answer> answer;
        answer.swap(answer_);
        return answer;
    }

    // True while a question waits for its answer.
    bool Busy() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return question_.has_value() || runningId_ != 0;
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quit_ || question_.has_value(); });
            if (quit_)
                return;
            const Question question = std::move(*question_);
            const uint64_t id = lastId_;
            question_.reset();
            runningId_ = id;
            cancel_ = false;
            lock.unlock();
            Result result = work_(question, &cancel_);
            lock.lock();
            runningId_ = 0;
            // An answer to a question since replaced or dropped is thrown away.
            if (id == lastId_ && !quit_)
                answer_ = Answer{id, std::move(result)};
        }
    }

    SolverWorkerKind kind_;
    Work work_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    uint64_t lastId_ = 0;                  // the latest question
    std::optional<Question> question_;     // a question the thread has not begun
    uint64_t runningId_ = 0;               // the question being worked on, 0 when none
    std::optional<Answer> answer_;         // an answer not yet taken
    std::atomic<bool> cancel_{false};      // stops the work under way
    bool quit_ = false;
    std::thread thread_;
};
