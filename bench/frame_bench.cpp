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
#include "support/temp_dir.h"
#include "support/tile_sheet.h"

#include "app/app.h"
#include "engine/clock.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/play.h"
#include "game/render.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"
#include "tools/level/level_map.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
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

// The moving parts of a sprite, restored before every timed frame.
struct SpriteMotion {
    int32_t x, y, frameIndex, animSlot, animTicks, animStep;
};

SpriteMotion MotionOf(const BOB& bob)
{
    return {bob.x, bob.y, bob.frameIndex, bob.animSlot, bob.animTicks, bob.animStep};
}

void RestoreMotion(BOB& bob, const SpriteMotion& motion)
{
    bob.x = motion.x;
    bob.y = motion.y;
    bob.frameIndex = motion.frameIndex;
    bob.animSlot = motion.animSlot;
    bob.animTicks = motion.animTicks;
    bob.animStep = motion.animStep;
}

// Everything a frame changes, so that every timed frame starts the same.
struct FrameStart {
    int32_t board[BOARD_SIZE][BOARD_SIZE];
    GameStateRecord state;
    SpriteMotion player, pile, exit, sparkle, land;
};

FrameStart Capture()
{
    FrameStart start;
    std::memcpy(start.board, Board, sizeof Board);
    start.state = GameState;
    start.player = MotionOf(PlayerSprite);
    start.pile = MotionOf(PileSprite);
    start.exit = MotionOf(ExitSprite);
    start.sparkle = MotionOf(SparkleSprite);
    start.land = MotionOf(LandSprite);
    return start;
}

void Restore(const FrameStart& start)
{
    std::memcpy(Board, start.board, sizeof Board);
    GameState = start.state;
    RestoreMotion(PlayerSprite, start.player);
    RestoreMotion(PileSprite, start.pile);
    RestoreMotion(ExitSprite, start.exit);
    RestoreMotion(SparkleSprite, start.sparkle);
    RestoreMotion(LandSprite, start.land);
}

// Starts the game once: the build's generated tile sheet when there is one,
// else a flat-colour test sheet.
void StartGameOnce()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    HeadlessReset();
    // The benchmark's own home (progress file, test sheet), removed at exit.
    static TempDir bench("quagmore-bench");
    const std::string& home = bench.path;
    PlatformSetDirectories("", home);
    std::string data = PlatformGameDataDir();
    if (!std::filesystem::exists(data + "/pieces.bmp")) {
        data = home + "/data";
        std::filesystem::create_directories(data);
        WriteTestTileSheet(data + "/pieces.bmp");
        PlatformSetDirectories(data, home);
    }
    GameStartup();
    HeadlessSetClock(BENCH_CLOCK_MS);
}

void LoadBusyBoard()
{
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int column = 0; column < BOARD_SIZE; ++column)
            Board[column][row] = LevelCodeFromChar(BUSY_BOARD[row][column]);
}

// The sparkle in the middle of a showing.
void ShowSparkle()
{
    GameState.newSparkle = 0;
    GameState.sparkleColumn = SPARKLE_COLUMN;
    GameState.sparkleRow = SPARKLE_ROW;
    GameState.sparkleTime = ClockNow() - 3000;
    SparkleSprite.animTicks = 0;
    SparkleSprite.animStep = 3;
    SparkleSprite.frameIndex = 3;
}

void SetUpBusyFrame()
{
    StartGameOnce();
    GameState = GameStateRecord();
    GameState.currentLevel = 5;
    LoadBusyBoard();
    // Frame 5 of a push to the right: the pile left its cell, which is land.
    Board[PUSHER_COLUMN + 1][PUSHER_ROW] = TILE_LAND;
    GameState.direction = DIRECTION_RIGHT;
    GameState.moving = 1;
    GameState.pushing = 1;
    GameState.stepX = PLAYER_STEP;
    BobSetAnimation(&PlayerSprite, 1);
    PlayerSprite.x = PUSHER_COLUMN * CELL_SIZE + PUSH_FRAME_OFFSET;
    PlayerSprite.y = PUSHER_ROW * CELL_SIZE;
    ShowSparkle();
    GameState.completionTime = ClockNow();
}

void SetUpSequenceFrame()
{
    StartGameOnce();
    GameState = GameStateRecord();
    GameState.currentLevel = 5;
    WriteSavedLevel(5);
    LoadBusyBoard();
    GameState.levelComplete = 1;
    GameState.resetLevel = 4;
    GameState.completionTime = ClockNow() - 1500;   // the banner shows
    ExitSprite.frameIndex = 1;
    PlayerSprite.x = EXIT_COLUMN * CELL_SIZE + 3;
    PlayerSprite.y = EXIT_ROW * CELL_SIZE + 3;
    ShowSparkle();
}

int CountTiles(int32_t tile)
{
    int count = 0;
    for (const auto& column : Board)
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
    return pieces * BANNER_DRAWN_SIZE * BANNER_DRAWN_SIZE;
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
        PlayFrameBody();
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
    FrameStart start = Capture();
    TimeFrames(state, bytes, [&start](long) { Restore(start); });
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
    FrameStart start = Capture();
    TimeFrames(state, bytes, [&start](long frame) {
        Restore(start);
        GameState.drawnWidth = CELL_SIZE - static_cast<int32_t>(frame % SHRINK_SIZES);
        GameState.drawnHeight = GameState.drawnWidth;
        GameState.landRiseWidth = static_cast<int32_t>(frame % RISE_WIDTHS);
    });
}

void BannerFrame(benchmark::State& state)
{
    SetUpSequenceFrame();
    GameState.playerGone = 1;
    GameState.landRiseWidth = CELL_SIZE;
    GameState.drawnWidth = 35;
    GameState.drawnHeight = 35;
    Board[EXIT_COLUMN][EXIT_ROW] = TILE_LAND;
    ExitSprite.x = EXIT_COLUMN * CELL_SIZE;
    ExitSprite.y = EXIT_ROW * CELL_SIZE;
    long bytes = (BoardPixels() + BannerPixels() + CELL_PIXELS) * BYTES_PER_PIXEL;   // + covering land
    FrameStart start = Capture();
    TimeFrames(state, bytes, [&start](long) { Restore(start); });
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
