// The twelve shipped levels: well formed, packed as written, solvable, never
// solvable without a push, and from the third level on holding dead ends.
#include "format/level_text.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// From this level on a wrong push must be able to lose the level.
constexpr int FIRST_LEVEL_WITH_DEAD_ENDS = 3;
// Each shipped level is solved holding few positions: quick on any machine,
// however busy, and under the sanitizers.
constexpr long SOLVE_STATES_LIMIT = 50'000;

LevelFile LoadOrFail(const std::string& path)
{
    LevelFile file;
    std::vector<LevelProblem> problems;
    EXPECT_TRUE(LevelLoad(path, file, problems)) << path;
    for (const LevelProblem& problem : problems)
        ADD_FAILURE() << path << ": " << problem.text;
    return file;
}

LevelFile LevelText(int level)
{
    return LoadOrFail(std::string(QUAGMORE_LEVEL_SOURCE_DIR) + "/level" + std::to_string(level) + ".txt");
}

SolverPosition Start(int level)
{
    SolverPosition start;
    EXPECT_TRUE(SolverPositionFromLevel(LevelText(level), start)) << "level " << level;
    return start;
}

// Plays moves from the start: whether they reach the exit, and the pushes made.
bool Replay(SolverPosition& play, const std::string& moves, int* pushes)
{
    bool reached = false;
    EXPECT_EQ(SolverReplay(play, moves, reached, *pushes), static_cast<int>(moves.size()));
    return reached;
}

class ShippedLevel : public testing::TestWithParam<int> {};

} // namespace

TEST_P(ShippedLevel, IsWellFormedSolvableAndNeedsAPush)
{
    const int level = GetParam();
    const LevelFile text = LevelText(level);
    EXPECT_TRUE(LevelCheck(text).empty());
    EXPECT_EQ(std::count(text.bytes.begin(), text.bytes.end(), TILE_START), 1);
    EXPECT_EQ(std::count(text.bytes.begin(), text.bytes.begin() + LEVEL_TILE_BYTES, TILE_EXIT), 1);
    EXPECT_EQ(LoadOrFail(std::string(QUAGMORE_LEVEL_DATA_DIR) + "/level" + std::to_string(level) + ".dat").bytes,
              text.bytes);

    const SolverPosition start = Start(level);
    const SolverResult result = SolverSolve(start);
    ASSERT_EQ(result.outcome, SOLVER_SOLVED);
    EXPECT_LT(result.statesKept, SOLVE_STATES_LIMIT);
    EXPECT_GE(result.pushes, 1);   // the fewest pushes, so none can do
    SolverPosition play = start;
    int pushes = 0;
    EXPECT_TRUE(Replay(play, result.moves, &pushes));
    EXPECT_EQ(pushes, result.pushes);
    if (level < FIRST_LEVEL_WITH_DEAD_ENDS)
        return;

    // A wrong push can lose the level: the example play ends where no solution is left.
    const SolverDeadEnds report = SolverFindDeadEnds(start);
    ASSERT_TRUE(report.complete);
    EXPECT_GT(report.dead, 0);
    ASSERT_FALSE(report.example.empty());
    SolverPosition dead = start;
    EXPECT_FALSE(Replay(dead, report.example, &pushes));
    const SolverResult fromDead = SolverSolve(dead);
    EXPECT_EQ(fromDead.outcome, SOLVER_UNSOLVABLE);
}

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevel, testing::Range(1, LAST_LEVEL + 1));

// The first level teaches a single push; none needs more pushes than the last.
TEST(ShippedLevels, TheLastIsTheHardest)
{
    std::vector<int> pushes;
    for (int level = 1; level <= LAST_LEVEL; ++level)
        pushes.push_back(SolverSolve(Start(level)).pushes);
    EXPECT_EQ(pushes.front(), 1);
    EXPECT_EQ(pushes.back(), *std::max_element(pushes.begin(), pushes.end()));
}
