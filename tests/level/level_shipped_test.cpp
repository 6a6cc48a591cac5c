// The twelve shipped levels: well formed, packed as written, solvable, never
// solvable without a push, and from the third level on holding dead ends.
#include "tools/level/level_map.h"
#include "tools/level/level_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// From this level on every level must hold positions that can no longer be solved.
constexpr int FIRST_LEVEL_WITH_DEAD_ENDS = 3;
constexpr double SOLVE_SECONDS_LIMIT = 1.0;

std::string LevelTextPath(int level)
{
    return std::string(QUAGMORE_LEVEL_SOURCE_DIR) + "/level" + std::to_string(level) + ".txt";
}

std::string PackedPath(int level)
{
    return std::string(QUAGMORE_LEVEL_DATA_DIR) + "/level" + std::to_string(level) + ".dat";
}

LevelFile LoadOrFail(const std::string& path)
{
    LevelFile file;
    std::vector<LevelProblem> problems;
    EXPECT_TRUE(LevelLoad(path, file, problems)) << path;
    for (const LevelProblem& problem : problems)
        ADD_FAILURE() << path << ": " << problem.text;
    return file;
}

class ShippedLevel : public testing::TestWithParam<int> {};

} // namespace

TEST_P(ShippedLevel, IsWellFormedAndPackedAsWritten)
{
    const LevelFile text = LoadOrFail(LevelTextPath(GetParam()));
    EXPECT_TRUE(LevelCheck(text).empty());
    EXPECT_EQ(std::count(text.bytes.begin(), text.bytes.end(), TILE_START), 1);
    EXPECT_EQ(std::count(text.bytes.begin(), text.bytes.begin() + LEVEL_TILE_BYTES, TILE_EXIT), 1);

    const LevelFile packed = LoadOrFail(PackedPath(GetParam()));
    EXPECT_EQ(packed.bytes, text.bytes);
}

TEST_P(ShippedLevel, IsSolvedQuicklyAndNeedsAPush)
{
    SolverPosition start;
    ASSERT_TRUE(SolverPositionFromLevel(LoadOrFail(LevelTextPath(GetParam())), start));
    const SolverResult result = SolverSolve(start);
    ASSERT_TRUE(result.solved);
    EXPECT_LT(result.seconds, SOLVE_SECONDS_LIMIT);
    // The solver minimises pushes, so at least one push means none can do.
    EXPECT_GE(result.pushes, 1);

    SolverPosition play = start;
    bool reached = false;
    int pushes = 0;
    EXPECT_EQ(SolverReplay(play, result.moves, reached, pushes), static_cast<int>(result.moves.size()));
    EXPECT_TRUE(reached);
    EXPECT_EQ(pushes, result.pushes);
}

// The early levels may forgive every move; from this one on, a wrong push loses.
class LaterShippedLevel : public ShippedLevel {};

TEST_P(LaterShippedLevel, HoldsDeadEnds)
{
    SolverPosition start;
    ASSERT_TRUE(SolverPositionFromLevel(LoadOrFail(LevelTextPath(GetParam())), start));
    const SolverDeadEnds report = SolverFindDeadEnds(start);
    ASSERT_TRUE(report.complete);
    EXPECT_GT(report.dead, 0);
    ASSERT_FALSE(report.example.empty());

    // The example really ends in a dead end, one push after a position that wins.
    SolverPosition dead = start;
    bool reached = false;
    int pushes = 0;
    SolverReplay(dead, report.example, reached, pushes);
    EXPECT_FALSE(reached);
    const SolverResult fromDead = SolverSolve(dead);
    EXPECT_TRUE(fromDead.complete);
    EXPECT_FALSE(fromDead.solved);
    SolverPosition before = start;
    SolverReplay(before, report.example.substr(0, report.example.size() - 1), reached, pushes);
    EXPECT_TRUE(SolverSolve(before).solved);
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevel, testing::Range(1, LAST_LEVEL + 1));
INSTANTIATE_TEST_SUITE_P(Levels, LaterShippedLevel, testing::Range(FIRST_LEVEL_WITH_DEAD_ENDS, LAST_LEVEL + 1));

TEST(ShippedLevels, TheLastIsTheHardest)
{
    long mostPushes = 0;
    long lastPushes = 0;
    for (int level = 1; level <= LAST_LEVEL; ++level) {
        SolverPosition start;
        ASSERT_TRUE(SolverPositionFromLevel(LoadOrFail(LevelTextPath(level)), start));
        const SolverResult result = SolverSolve(start);
        ASSERT_TRUE(result.solved) << "level " << level;
        if (level == 1) {
            EXPECT_EQ(result.pushes, 1) << "the first level teaches a single push";
        }
        mostPushes = std::max<long>(mostPushes, result.pushes);
        if (level == LAST_LEVEL)
            lastPushes = result.pushes;
    }
    EXPECT_EQ(lastPushes, mostPushes);
}
