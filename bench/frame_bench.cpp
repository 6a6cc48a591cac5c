// Times one play frame over the headless platform, composed but not
// presented, and the floor no drawing can beat: a memcpy of as many bytes as
// the frame's blits cover. Each frame case reports its time as a ratio to
// that floor, measured in the same run.
//
// Cases:
//   BusyFrame      most cells land with varied shores, six piles, a pile in
//                  transit, the sparkle showing
//   SequenceFrame  the level-complete sequence while the player shrinks and
//                  the land rises (both change size every frame) and the
//                  banner shows
//   BannerFrame    the rest of the sequence: land risen, player gone, banner
#include "app/app.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "format/level_format.h"
#include "game/anim.h"
#include "game/play.h"
#include "game/render.h"
#include "platform/headless/headless.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

namespace {

const int BYTES_PER_PIXEL = 4;
const int CELL_PIXELS = CELL_SIZE * CELL_SIZE;
const uint32_t BENCH_CLOCK_MS = 100000;

// The level files' text form, row 0 first: '~' water, '.' land, 'o' pile, 'E' exit.
// The player pushes the pile at (5, 6) right into the water at (6, 6).
const char* const BUSY_BOARD[BOARD_SIZE] = {
    "............", ".~~..~...~o.", "..~..o..~~..", ".....~......",
    ".o..~~~..o..", "......~.....", ".~...o~..~..", ".~.......~..",
    "...o..~~....", ".~~.....o..~", "......~....E", ".~~~.......~",
};
const int PUSHER_COLUMN = 4;
const int PUSHER_ROW = 6;
const int PUSH_FRAME_OFFSET = 20;   // pixels into the step
const int EXIT_COLUMN = 11;
const int EXIT_ROW = 10;
const int SPARKLE_COLUMN = 2;
const int SPARKLE_ROW = 1;

const int SHRINK_SIZES = 15;       // drawn 49 down to 35
const int RISE_WIDTHS = 51;        // drawn 0 to 50

// The benchmark's own home (progress file), removed at exit.
struct BenchHome {
    std::string path;
    BenchHome()
    {
        char pattern[] = "/tmp/quagmore-bench-XXXXXX";
        if (mkdtemp(pattern) != nullptr)
            path = pattern;
    }
    ~BenchHome()
    {
        if (!path.empty())
            std::filesystem::remove_all(path);
    }
};

// Starts the game once over the build's data: its generated tile sheet.
void StartGameOnce()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    HeadlessReset();
    static BenchHome home;
    PlatformSetDirectories("", home.path);
    if (!std::filesystem::exists(PlatformGameDataDir() + "/pieces.bmp")) {
        std::fprintf(stderr, "quagmore-bench: no tile sheet in %s: build the game's data first\n",
                     PlatformGameDataDir().c_str());
        std::exit(1);
    }
    GameStartup();
    HeadlessSetClock(BENCH_CLOCK_MS);
}

// One frame as the shell runs it, without the presentation: the step, its
// effects and the picture.
void RunFrame()
{
    GameEffects effects;
    GameStep(Game, GameInput(), ClockNow(), AppLevelStore(), effects);
    AppApplyEffects(effects);
    GameRender(Game, Sprites, MainDisplay.back);
}

void LoadBusyBoard()
{
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int column = 0; column < BOARD_SIZE; ++column)
            Game.board[column][row] = LevelCodeFromChar(BUSY_BOARD[row][column]);
}

// The sparkle in the middle of a showing.
void ShowSparkle()
{
    Game.newSparkle = 0;
    Game.sparkleColumn = SPARKLE_COLUMN;
    Game.sparkleRow = SPARKLE_ROW;
    Game.sparkleTime = ClockNow() - 3000;
    Game.sparkle.ticks = 0;
    Game.sparkle.step = 3;
    Game.sparkle.frame = 3;
}

void SetUpBusyFrame()
{
    StartGameOnce();
    Game = GameModel();
    Game.currentLevel = 5;
    LoadBusyBoard();
    // Frame 5 of a push to the right: the pile left its cell, which is land.
    Game.board[PUSHER_COLUMN + 1][PUSHER_ROW] = TILE_LAND;
    Game.direction = DIRECTION_RIGHT;
    Game.moving = 1;
    Game.pushing = 1;
    Game.stepX = PLAYER_STEP;
    AnimSelect(Game.walk, 1);
    Game.playerX = PUSHER_COLUMN * CELL_SIZE + PUSH_FRAME_OFFSET;
    Game.playerY = PUSHER_ROW * CELL_SIZE;
    ShowSparkle();
    Game.completionTime = ClockNow();
}

void SetUpSequenceFrame()
{
    StartGameOnce();
    Game = GameModel();
    Game.currentLevel = 5;
    WriteSavedLevel(5);
    LoadBusyBoard();
    Game.levelComplete = 1;
    Game.resetLevel = 4;
    Game.completionTime = ClockNow() - 1500;   // the banner shows
    Game.exitFrame = 1;
    Game.playerX = EXIT_COLUMN * CELL_SIZE + 3;
    Game.playerY = EXIT_ROW * CELL_SIZE + 3;
    ShowSparkle();
}

int CountTiles(int32_t tile)
{
    int count = 0;
    for (const auto& column : Game.board)
        count += static_cast<int>(std::count(std::begin(column), std::end(column), tile));
    return count;
}

// Pixels the layers' blits cover on the current board: water everywhere,
// land, piles with their land, exits, and the sparkle.
long BoardPixels()
{
    long cells = BOARD_SIZE * BOARD_SIZE + CountTiles(TILE_LAND) + 2L * CountTiles(TILE_PILE) + CountTiles(TILE_EXIT);
    return (cells + 1) * CELL_PIXELS;
}

long BannerPixels()
{
    const int pieces = 9;
    return pieces * SHEET_BANNER_DRAWN_SIZE * SHEET_BANNER_DRAWN_SIZE;
}

// CPU time of this thread, so that other work on the machine does not count.
double ThreadNanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// CPU nanoseconds of one memcpy of the given size: the best of several batches.
double FloorNanoseconds(size_t bytes)
{
    std::vector<uint8_t> source(bytes, 0x5A);
    std::vector<uint8_t> target(bytes, 0);
    const int batches = 15;
    const int copies = 40;
    double best = 1e300;
    for (int batch = 0; batch < batches; ++batch) {
        double begin = ThreadNanoseconds();
        for (int copy = 0; copy < copies; ++copy) {
            std::memcpy(target.data(), source.data(), bytes);
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
        }
        best = std::min(best, (ThreadNanoseconds() - begin) / copies);
    }
    return best;
}

// Times frames in CPU time next to the library's own timing, so the ratio to
// the floor can be reported as counters.
template <typename PrepareFrame>
void TimeFrames(benchmark::State& state, long bytes, PrepareFrame prepare)
{
    long frames = 0;
    double begin = ThreadNanoseconds();
    for (auto _ : state) {
        prepare(frames);
        RunFrame();
        benchmark::ClobberMemory();
        ++frames;
    }
    double frameNs = (ThreadNanoseconds() - begin) / static_cast<double>(frames);
    double floorNs = FloorNanoseconds(static_cast<size_t>(bytes));
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["frame_us"] = frameNs / 1000.0;
    state.counters["floor_us"] = floorNs / 1000.0;
    state.counters["ratio"] = frameNs / floorNs;
}

void BusyFrame(benchmark::State& state)
{
    SetUpBusyFrame();
    long bytes = (BoardPixels() + 2L * CELL_PIXELS) * BYTES_PER_PIXEL;   // + pile in transit, player
    const GameModel start = Game;
    TimeFrames(state, bytes, [&start](long) { Game = start; });
}

void SequenceFrame(benchmark::State& state)
{
    SetUpSequenceFrame();
    // The player and the land change size in every frame, as they do in play.
    long pixels = 0;
    for (int frame = 0; frame < SHRINK_SIZES * RISE_WIDTHS; ++frame) {
        int drawn = CELL_SIZE - 1 - frame % SHRINK_SIZES;
        pixels += static_cast<long>(drawn) * drawn + static_cast<long>(frame % RISE_WIDTHS) * CELL_SIZE;
    }
    pixels /= SHRINK_SIZES * RISE_WIDTHS;
    long bytes = (BoardPixels() + BannerPixels() + pixels) * BYTES_PER_PIXEL;
    const GameModel start = Game;
    TimeFrames(state, bytes, [&start](long frame) {
        Game = start;
        Game.drawnWidth = CELL_SIZE - static_cast<int32_t>(frame % SHRINK_SIZES);
        Game.drawnHeight = Game.drawnWidth;
        Game.landRiseWidth = static_cast<int32_t>(frame % RISE_WIDTHS);
    });
}

void BannerFrame(benchmark::State& state)
{
    SetUpSequenceFrame();
    Game.playerGone = 1;
    Game.landRiseWidth = CELL_SIZE;
    Game.drawnWidth = 35;
    Game.drawnHeight = 35;
    Game.board[EXIT_COLUMN][EXIT_ROW] = TILE_LAND;
    Game.exitX = EXIT_COLUMN * CELL_SIZE;
    Game.exitY = EXIT_ROW * CELL_SIZE;
    long bytes = (BoardPixels() + BannerPixels() + CELL_PIXELS) * BYTES_PER_PIXEL;   // + covering land
    const GameModel start = Game;
    TimeFrames(state, bytes, [&start](long) { Game = start; });
}

void MemcpyFloor(benchmark::State& state)
{
    size_t bytes = static_cast<size_t>(state.range(0));
    std::vector<uint8_t> source(bytes, 0x5A);
    std::vector<uint8_t> target(bytes, 0);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

} // namespace

BENCHMARK(BusyFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(SequenceFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BannerFrame)->Unit(benchmark::kMicrosecond);
// The floor at the size of a frame of water and land, for reference.
BENCHMARK(MemcpyFloor)->Arg(BOARD_SIZE * BOARD_SIZE * 2 * CELL_PIXELS * BYTES_PER_PIXEL)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
