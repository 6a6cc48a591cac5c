// quagmore-hint-bench PACK_DIR: what a hint costs, and that it costs a frame
// nothing.
//
// 1. A hint from the start of every level of a pack (data/levels, the shipped
//    levels; data/bonus, the bonus campaign), and from halfway through its
//    solution (after half its pushes), within the game's budget: time,
//    positions searched and kept, and the memory of the search's tables.
// 2. Frames of the game while the solver's thread searches a board too large
//    for its budget: the time each frame's own work takes (step, the hint's
//    shell, the picture), against the same frames with the solver idle.
#include "app/app.h"
#include "format/level_pack.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "game/render.h"
#include "platform/headless/headless.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const int FRAMES = 150;                       // 2.5 s at 60 Hz
const auto FRAME_PERIOD = std::chrono::microseconds(16667);
const double MS_PER_SECOND = 1000;
const double BYTES_PER_MIB = 1024.0 * 1024.0;

// Land everywhere, 26 piles, and the exit behind a wide moat: far more
// positions than a second can search.
const char* const OPEN_BOARD[BOARD_SIZE] = {
    "@...........", ".o.o.o.o.o..", "............", "..o.o.o.o.o.",
    "............", ".o.o.o.o.o..", "............", "..o.o.o~~~~~",
    "...........~", ".o.o.o.~~~~~", "........~~E~", "..o.o.o~~~~~",
};

void PrintSolve(const char* what, int level, const SolverResult& result)
{
    const char* outcome = result.outcome == SOLVER_SOLVED       ? "solved"
                          : result.outcome == SOLVER_UNSOLVABLE ? "no way"
                                                                : "undecided";
    std::printf("%-6s %5d  %-9s %6d %10.1f %9ld %9ld %8.1f\n", what, level, outcome, result.pushes,
                result.seconds * MS_PER_SECOND, result.statesSearched, result.statesKept,
                static_cast<double>(result.peakBytes) / BYTES_PER_MIB);
}

// The moves of a solution up to (not including) the push that is the
// (count + 1)-th.
std::string MovesBeforePush(SolverPosition position, const std::string& moves, int count)
{
    std::string played;
    int pushes = 0;
    for (char move : moves) {
        SolverStepResult step = SolverStep(position, move);
        if (step == SOLVER_PUSHED_LAND || step == SOLVER_PUSHED_WATER) {
            if (pushes == count)
                return played;
            ++pushes;
        }
        played += move;
    }
    return played;
}

bool SolvePack(const std::string& packDir)
{
    std::vector<std::string> paths;
    std::string why;
    if (!LevelPackList(packDir, paths, why)) {
        std::fprintf(stderr, "quagmore-hint-bench: %s: %s\n", packDir.c_str(), why.c_str());
        return false;
    }
    std::printf("from   level  outcome   pushes  time (ms)  searched      kept  MiB\n");
    const SolverBudget budget = AppGameSolverBudget();
    for (size_t index = 0; index < paths.size(); ++index) {
        const int level = static_cast<int>(index) + 1;
        const std::string& path = paths[index];
        LevelFile file;
        SolverPosition start;
        if (!LevelReadPlayable(path, file, why) || !SolverPositionFromLevel(file, start)) {
            std::fprintf(stderr, "quagmore-hint-bench: can't read %s: %s\n", path.c_str(), why.c_str());
            return false;
        }
        SolverResult first = SolverSolve(start, budget);
        PrintSolve("start", level, first);
        if (first.outcome != SOLVER_SOLVED)
            continue;
        SolverPosition middle = start;
        bool reached = false;
        int pushes = 0;
        SolverReplay(middle, MovesBeforePush(start, first.moves, first.pushes / 2), reached, pushes);
        PrintSolve("middle", level, SolverSolve(middle, budget));
    }
    return true;
}

struct FrameTimes {
    std::vector<double> ms;
    double Median()
    {
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    double Max() const { return *std::max_element(ms.begin(), ms.end()); }
    int Over(double limit) const
    {
        return static_cast<int>(std::count_if(ms.begin(), ms.end(), [limit](double t) { return t > limit; }));
    }
};

// Runs frames at 60 Hz, timing each frame's own work.
FrameTimes RunFrames(bool askHint, int* answeredAt)
{
    FrameTimes times;
    Clock::time_point next = Clock::now();
    for (int frame = 0; frame < FRAMES; ++frame) {
        if (askHint && frame == 0)
            Game.hint.hintDue = 1;
        Clock::time_point began = Clock::now();
        GameEffects effects;
        GameStep(Game, GameInput(), ClockNow(), AppLevelStore(), effects);
        AppHintFrame();
        GameRender(Game, Sprites, MainDisplay.back);
        times.ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - began).count());
        if (askHint && *answeredAt < 0 && (Game.hint.shown || Game.hint.note != HINT_NOTE_NONE || Game.hint.stuck))
            *answeredAt = frame;
        next += FRAME_PERIOD;
        std::this_thread::sleep_until(next);
    }
    return times;
}

void LoadOpenBoard()
{
    Game = GameModel();
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int column = 0; column < BOARD_SIZE; ++column) {
            int32_t code = LevelCodeFromChar(OPEN_BOARD[row][column]);
            if (code == TILE_START) {
                code = TILE_LAND;
                Game.playerX = column * CELL_SIZE;
                Game.playerY = row * CELL_SIZE;
            }
            Game.board[column][row] = code;
        }
}

bool TimeFrames()
{
    HeadlessReset();
    const std::string home = std::filesystem::temp_directory_path() / "quagmore-hint-bench";
    std::filesystem::create_directories(home);
    PlatformSetDirectories("", home);
    if (!std::filesystem::exists(PlatformGameDataDir() + "/pieces.bmp")) {
        std::fprintf(stderr, "quagmore-hint-bench: no tile sheet in %s\n", PlatformGameDataDir().c_str());
        return false;
    }
    GameStartup();
    AppHintSetup(SOLVER_WORKER_THREAD, AppGameSolverBudget(), nullptr);
    LoadOpenBoard();
    int unused = -1;
    FrameTimes idle = RunFrames(false, &unused);
    LoadOpenBoard();
    int answeredAt = -1;
    FrameTimes busy = RunFrames(true, &answeredAt);
    std::printf("\n%d frames at 60 Hz, each frame's own work (ms):\n", FRAMES);
    std::printf("solver idle:      median %.3f  max %.3f  over 2 ms: %d\n", idle.Median(), idle.Max(), idle.Over(2));
    std::printf("solver searching: median %.3f  max %.3f  over 2 ms: %d  (answer in frame %d: %s)\n",
                busy.Median(), busy.Max(), busy.Over(2), answeredAt,
                Game.hint.note == HINT_NOTE_NOT_FOUND ? "no hint found" : Game.hint.shown ? "a hint" : "other");
    AppHintStop();
    GameShutdown();
    std::filesystem::remove_all(home);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quagmore-hint-bench PACK_DIR (a pack of levels: data/levels, data/bonus)\n");
        return 2;
    }
    return SolvePack(argv[1]) && TimeFrames() ? 0 : 1;
}
