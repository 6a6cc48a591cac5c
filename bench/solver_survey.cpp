// quagmore-solver-survey: how many boards the solver decides within one second
// and within its default budget: the shipped levels, 200 random boards of 2 to
// 16 piles left of a moat (fixed seeds), and fourteen piles on open land. Not
// a test: it runs for minutes. Usage:
//   quagmore-solver-survey LEVEL_SOURCE_DIR [--quick | --only NAME...]
// --quick stops at the one-second searches; --only takes the boards named.
// Seconds here are the search's processor time, so that a busy machine does
// not change the answer: a watcher thread cancels a search that has used its
// share, and the wall-clock limit is lifted.
#include "random_boards.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <pthread.h>
#include <thread>
#include <string>
#include <vector>

namespace {

enum { RANDOM_BOARDS = 200, FEWEST_PILES = 2, MOST_PILES = 16 };
constexpr double QUICK_SECONDS = 1;
constexpr double UNLIMITED_SECONDS = 1e9;
constexpr auto WATCH_INTERVAL = std::chrono::milliseconds(5);

struct SurveyBoard {
    std::string name;
    SolverPosition start;
};

std::vector<SurveyBoard> SurveyBoards(const std::string& levelDir)
{
    std::vector<SurveyBoard> boards;
    for (int level = 1; level <= LAST_LEVEL; ++level) {
        const std::string path = levelDir + "/level" + std::to_string(level) + ".txt";
        LevelFile file;
        std::vector<LevelProblem> problems;
        SurveyBoard board{"level" + std::to_string(level), {}};
        if (!LevelLoad(path, file, problems) || !SolverPositionFromLevel(file, board.start)) {
            std::fprintf(stderr, "can't read %s\n", path.c_str());
            continue;
        }
        boards.push_back(board);
    }
    for (int seed = 1; seed <= RANDOM_BOARDS; ++seed) {
        RandomBoardShape shape;
        shape.piles = FEWEST_PILES + seed % (MOST_PILES - FEWEST_PILES + 1);
        shape.waterPercent = 10 + seed % 31;
        shape.moatColumns = 1 + seed % 4;
        boards.push_back({"random" + std::to_string(seed), RandomBoard(static_cast<uint64_t>(seed), shape)});
    }
    boards.push_back({"open-land", OpenLandBoard()});
    return boards;
}

double ThreadSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Solves with the default budget but for time: at most `seconds` of this
// thread's processor time. The result's seconds are processor seconds too.
SolverResult SolveWithin(const SolverPosition& start, double seconds)
{
    clockid_t clock;
    pthread_getcpuclockid(pthread_self(), &clock);
    const double began = ThreadSeconds(clock);
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        while (!done && ThreadSeconds(clock) - began < seconds)
            std::this_thread::sleep_for(WATCH_INTERVAL);
        cancel = true;
    });
    SolverBudget budget;
    budget.maxSeconds = UNLIMITED_SECONDS;
    SolverResult result = SolverSolve(start, budget, &cancel);
    done = true;
    watcher.join();
    result.seconds = ThreadSeconds(clock) - began;
    return result;
}

const char* OutcomeText(SolverOutcome outcome)
{
    switch (outcome) {
    case SOLVER_SOLVED: return "solved";
    case SOLVER_UNSOLVABLE: return "unsolvable";
    case SOLVER_UNDECIDED: break;
    }
    return "undecided";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: quagmore-solver-survey LEVEL_SOURCE_DIR [--quick | --only NAME...]\n");
        return 2;
    }
    const std::vector<std::string> options(argv + 2, argv + argc);
    const bool quickOnly = !options.empty() && options[0] == "--quick";
    const bool some = !options.empty() && options[0] == "--only";
    int quick = 0;
    int decided = 0;
    double longest = 0;
    size_t mostBytes = 0;
    std::vector<SurveyBoard> boards = SurveyBoards(argv[1]);
    if (some)
        std::erase_if(boards, [&](const SurveyBoard& board) {
            return std::find(options.begin() + 1, options.end(), board.name) == options.end();
        });
    for (const SurveyBoard& board : boards) {
        SolverResult result = SolveWithin(board.start, QUICK_SECONDS);
        const bool quickly = result.outcome != SOLVER_UNDECIDED;
        if (!quickly && !quickOnly)
            result = SolveWithin(board.start, SolverBudget().maxSeconds);
        quick += quickly;
        decided += result.outcome != SOLVER_UNDECIDED;
        longest = std::max(longest, result.seconds);
        mostBytes = std::max(mostBytes, result.peakBytes);
        std::printf("%-10s %-10s pushes %3d  kept %8ld  %7.1f MiB  %7.3f s\n", board.name.c_str(),
                    OutcomeText(result.outcome), result.pushes, result.statesKept,
                    static_cast<double>(result.peakBytes) / (1 << 20), result.seconds);
        std::fflush(stdout);
    }
    const double count = static_cast<double>(boards.size());
    std::printf("boards: %zu, decided within %.0f s: %d (%.1f%%)\n", boards.size(), QUICK_SECONDS, quick,
                100 * quick / count);
    if (!quickOnly)
        std::printf("decided within the defaults: %d (%.1f%%)\n", decided, 100 * decided / count);
    std::printf("longest search: %.1f processor seconds, most memory: %.1f MiB\n", longest, static_cast<double>(mostBytes) / (1 << 20));
    return 0;
}
