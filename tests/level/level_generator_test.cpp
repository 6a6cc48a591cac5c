// The generator: what every level of a run holds, checked with the solver
// from outside, the rule of a place, and the dates of the level of the day.
#include "level_test_boards.h"

#include "solver/generator.h"

#include <algorithm>
#include <set>

namespace {

// The level's text turned a quarter to the right.
std::string Turned(const std::string& text)
{
    std::string turned;
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int column = 0; column < BOARD_SIZE; ++column)
            turned += text[static_cast<size_t>((BOARD_SIZE - 1 - column) * (BOARD_SIZE + 1) + row)];
        turned += '\n';
    }
    return turned;
}

std::string Mirrored(const std::string& text)
{
    std::string mirrored;
    for (int row = 0; row < BOARD_SIZE; ++row) {
        const std::string line = text.substr(static_cast<size_t>(row * (BOARD_SIZE + 1)), BOARD_SIZE);
        mirrored += std::string(line.rbegin(), line.rend()) + '\n';
    }
    return mirrored;
}

// The eight texts of a board under the turns and mirrors.
std::set<std::string> Symmetries(const LevelFile& file)
{
    std::set<std::string> all;
    std::string text = LevelTextFormat(file);
    for (int turn = 0; turn < 4; ++turn, text = Turned(text)) {
        all.insert(text);
        all.insert(Mirrored(text));
    }
    return all;
}

GeneratorOptions SmallRun(uint64_t seed)
{
    GeneratorOptions options;
    options.seed = seed;
    options.count = 4;
    options.minPushes = 3;
    options.maxPushes = 8;
    options.maxPiles = 5;
    return options;
}

} // namespace

// Each level of small runs, of rooms and of yards, proven again from outside:
// its fewest pushes, moves and positions as stored and in range, more than walking, every pile needed, no two
// levels alike turned or mirrored; and a second run gives the same levels.
TEST(Generator, EveryLevelOfARunHoldsAndRunsRepeat)
{
    GeneratorOptions yard = SmallRun(3);
    yard.shape = GENERATOR_SHAPE_YARD;
    yard.count = 2;
    yard.maxPushes = 20;
    yard.maxProof = 5000;
    for (const GeneratorOptions& options : {SmallRun(1), SmallRun(2), yard}) {
        const std::vector<GeneratedLevel> levels = GeneratorRun(options);
        ASSERT_EQ(levels.size(), static_cast<size_t>(options.count)) << "seed " << options.seed;
        std::set<std::string> boards;
        for (const GeneratedLevel& level : levels) {
            const std::string text = LevelTextFormat(level.file);
            SCOPED_TRACE(text);
            SolverPosition start;
            ASSERT_TRUE(SolverPositionFromLevel(level.file, start));
            const SolverResult solved = SolverSolve(start);
            ASSERT_EQ(solved.outcome, SOLVER_SOLVED);
            EXPECT_EQ(solved.pushes, level.pushes);
            EXPECT_EQ(solved.statesSearched, level.states);
            EXPECT_LE(level.states, options.maxProof);
            EXPECT_EQ(solved.moves.size(), level.path.size());
            EXPECT_GE(level.pushes, std::max(1, options.minPushes));
            EXPECT_LE(level.pushes, options.maxPushes);
            SolverPosition played = start;
            bool reached = false;
            int pushes = 0;
            SolverReplay(played, level.path, reached, pushes);
            EXPECT_TRUE(reached);
            EXPECT_EQ(pushes, level.pushes);
            EXPECT_GE(level.traps, 0.0);
            EXPECT_LE(level.traps, 1.0);
            int piles = 0;
            for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
                if (start.cells[cell] != TILE_PILE)
                    continue;
                ++piles;
                SolverPosition without = start;
                without.cells[cell] = TILE_LAND;
                EXPECT_EQ(SolverSolve(without).outcome, SOLVER_UNSOLVABLE) << "pile at byte " << cell;
            }
            EXPECT_GE(piles, options.minPiles);
            EXPECT_LE(piles, options.maxPiles);
            for (const std::string& seen : Symmetries(level.file))
                EXPECT_EQ(boards.count(seen), 0u) << "the same board twice:\n" << seen;
            boards.insert(text);
        }
        const std::vector<GeneratedLevel> again = GeneratorRun(options);
        ASSERT_EQ(again.size(), levels.size());
        for (size_t i = 0; i < levels.size(); ++i) {
            EXPECT_EQ(again[i].file.bytes, levels[i].file.bytes);
            EXPECT_EQ(GeneratorSolutionLine(1, again[i]), GeneratorSolutionLine(1, levels[i]));
        }
    }
}

// Levels the tool must refuse: a pile the way does not need, an island out
// of reach, a spit of land the solution never touches, the exit in walking
// reach; and one it takes.
TEST(Generator, RefusesWhatIsNoLevelOfItsOwn)
{
    GeneratorOptions options;
    options.minPushes = 1;
    options.maxPushes = 10;
    const struct {
        std::vector<std::string> rows;
        bool good;
    } cases[] = {
        {{"~~~~~~~~", "~@.o~.E~", "~~~~~~~~"}, true},
        {{"~~~~~~~~", "~@.o~.E~", "~~~~~~~~", "~o.~~~~~"}, false},   // an island with a pile
        {{"~~~~~~~~", "~@.o~.E~", "~~~~~~~~", "~~~~~~..", "~~~~~~.."}, false},
        {{"~~~~~~~~", "~@.o~.E~", "~~.~~~~~"}, false},             // a spit below the way
        {{"~~~~~~~~", "~@.oo~E~", "~~~~~~~~"}, false},             // two piles, one needed
        {{"~~~~~~~~", "~@.o..E~", "~~~~~~~~"}, false},             // no push needed
    };
    for (const auto& c : cases) {
        GeneratedLevel level;
        std::string why;
        EXPECT_EQ(GeneratorMeasure(TestBoard(c.rows), options, &level, &why), c.good) << c.rows[1] << ": " << why;
    }
}

// Dates: good ones give options of their own, of the day's pushes; bad ones a reason.
TEST(Generator, DailyOptionsFromDates)
{
    GeneratorOptions a, b, leap;
    std::string why;
    ASSERT_TRUE(GeneratorDailyOptions("2026-12-07", &a, &why));
    ASSERT_TRUE(GeneratorDailyOptions("2026-12-08", &b, &why));
    ASSERT_TRUE(GeneratorDailyOptions("2024-02-29", &leap, &why));
    EXPECT_NE(a.seed, b.seed);
    EXPECT_EQ(a.count, 1);
    EXPECT_EQ(a.minPushes, GENERATOR_DAILY_MIN_PUSHES);
    EXPECT_EQ(a.maxPushes, GENERATOR_DAILY_MAX_PUSHES);
    for (const char* bad : {"2025-02-29", "2026-13-01", "2026-00-10", "2026-04-31", "2026-1-01", "2026/12/07", "",
                            "20261207xx", "2026-12-0a"}) {
        why.clear();
        EXPECT_FALSE(GeneratorDailyOptions(bad, &a, &why)) << bad;
        EXPECT_FALSE(why.empty()) << bad;
    }
}
