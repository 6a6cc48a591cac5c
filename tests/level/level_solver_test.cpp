// The cell-level rules, the solver's choice of solution, and dead ends.
#include "level_test_boards.h"

namespace {

int Cell(int column, int row)
{
    return LevelByteIndex(column, row);
}

// Plays moves from a start; true when the play ends on a board the exit can't be reached from.
bool EndsDead(const SolverPosition& start, const std::string& moves)
{
    SolverPosition p = start;
    bool reached = false;
    int pushes = 0;
    SolverReplay(p, moves, reached, pushes);
    const SolverResult result = SolverSolve(p);
    EXPECT_TRUE(result.complete);
    return !reached && !result.solved;
}

} // namespace

// Each play's step results, and the board it leaves ('@' the player on land).
// Piles move along land, fill water and are gone; they stop at piles, exits
// and every edge of the board.
TEST(SolverRules, StepsAndTheBoardsTheyLeave)
{
    const SolverStepResult W = SOLVER_WALKED, B = SOLVER_BLOCKED, PL = SOLVER_PUSHED_LAND, PW = SOLVER_PUSHED_WATER;
    const struct {
        std::vector<std::string> start;
        std::string moves;
        std::vector<SolverStepResult> results;
        std::vector<std::string> after;   // empty: unchanged
    } plays[] = {
        {{"@.o~.~"}, "RRRRRUx", {W, PW, W, W, B, B, B}, {"....@~"}},
        {{"", ".", "@", "o", ".", "~"}, "DDUUU", {PL, PW, W, W, W}, {"", "@", ".", ".", ".", "."}},
        {{"@o.o"}, "RR", {PL, B}, {".@oo"}},
        {{"@oo."}, "R", {B}, {}},
        {{"@oE."}, "R", {B}, {}},
        {{"o@"}, "L", {B}, {}},
        {{"~~~~~~~~~~@o"}, "R", {B}, {}},
        {{"o", "@"}, "U", {B}, {}},
        {{"", "", "", "", "", "", "", "", "", "", "@", "o"}, "D", {B}, {}},
    };
    for (const auto& play : plays) {
        SCOPED_TRACE(play.start.back() + " " + play.moves);
        SolverPosition p = TestPosition(play.start);
        for (size_t i = 0; i < play.moves.size(); ++i)
            EXPECT_EQ(SolverStep(p, play.moves[i]), play.results[i]) << "move " << i;
        const SolverPosition want = TestPosition(play.after.empty() ? play.start : play.after);
        EXPECT_EQ(p.player, want.player);
        EXPECT_EQ(p.cells, want.cells);
    }
    SolverPosition exit = TestPosition({"@E"});
    EXPECT_EQ(SolverStep(exit, 'R'), SOLVER_REACHED_EXIT);
    EXPECT_EQ(exit.player, Cell(1, 0));
}

// The start is land and the last start wins; an unknown byte is water in play;
// a board without a start has no position.
TEST(SolverRules, PositionFromALevel)
{
    SolverPosition p = TestPosition({"@", "", "", "", "", "~~~~~@"});
    EXPECT_EQ(p.player, Cell(5, 5));
    EXPECT_EQ(p.cells[Cell(0, 0)], TILE_LAND);
    EXPECT_EQ(p.cells[Cell(5, 5)], TILE_LAND);
    LevelFile odd = TestBoard({"@."});
    odd.bytes[Cell(1, 0)] = 200;
    ASSERT_TRUE(SolverPositionFromLevel(odd, p));
    EXPECT_EQ(p.cells[Cell(1, 0)], TILE_WATER);
    EXPECT_FALSE(SolverPositionFromLevel(TestBoard({"..E"}), p));
}

TEST(SolverSolve, FewestPushesFirstThenFewestMoves)
{
    const struct {
        std::vector<std::string> rows;
        const char* moves;
        int pushes;
    } boards[] = {
        // Straight on takes 5 moves and 2 pushes; round below 9 moves and 1 push.
        {{"@o~o~E", ".~~~~.", "..o~.."}, "DDRRRRRUU", 1},
        // With the detour closed the two-push way is the answer.
        {{"@o~o~E", ".~~~~~", "..o~.."}, "RRRRR", 2},
        // Among one-push solutions the shorter walk wins: the near pile, not the far one.
        {{"~~~~~~~", ".o~E~o.", "..@~~~.", "~~....."}, "LLURRR", 1},
    };
    for (const auto& board : boards) {
        const SolverResult result = SolverSolve(TestPosition(board.rows));
        ASSERT_TRUE(result.solved) << board.moves;
        EXPECT_EQ(result.moves, board.moves);
        EXPECT_EQ(result.pushes, board.pushes);
    }
}

TEST(SolverSolve, ReportsUnsolvableBoards)
{
    for (const std::vector<std::string>& rows : std::vector<std::vector<std::string>>{
             {"@.~E"},          // no pile at all
             {"@oo~E"},         // the pile is stuck behind another
             {"o@~E"},          // the only pile can't be pushed off the edge
             {"@o~~E"},         // one pile for two cells of water
             {"~o~", "@.~E"},   // the pile could only go off the board
         }) {
        const SolverResult result = SolverSolve(TestPosition(rows));
        EXPECT_FALSE(result.solved) << rows.back();
        EXPECT_TRUE(result.complete) << rows.back();
        EXPECT_GT(result.statesSearched, 0);
    }
    SolverLimits tight;
    tight.maxStates = 3;
    const SolverResult cut = SolverSolve(
        TestPosition({"@.....", ".o..o.", "......", ".o..o.", "......", "", "", "", "", "", "", "~~~~~~~~~~~E"}), tight);
    EXPECT_FALSE(cut.solved);
    EXPECT_FALSE(cut.complete);
}

// The example play ends dead one push after a position that still wins;
// positions are counted once per board and region of the player.
TEST(SolverDeadEnds, FindsTheWastedPileAndCountsPositions)
{
    // Pushing the pile down fills the wrong water and leaves nothing for the gap.
    const SolverPosition wasted = TestPosition({"~..~~", "~@o~E", "~.~~~"});
    EXPECT_EQ(SolverSolve(wasted).moves, "RRR");
    const SolverDeadEnds report = SolverFindDeadEnds(wasted);
    ASSERT_TRUE(report.complete);
    EXPECT_GT(report.dead, 0);
    EXPECT_EQ(report.example, "URD");
    EXPECT_TRUE(EndsDead(wasted, "URD"));
    EXPECT_FALSE(EndsDead(wasted, "UR"));

    // Before the push the player stands alone, after it the exit is in reach;
    // with no pile the start itself is dead, and no play leads into it.
    const struct {
        std::vector<std::string> rows;
        long reachable, dead;
    } counts[] = {{{"@o~E"}, 2, 0}, {{"@.~E"}, 1, 1}};
    for (const auto& c : counts) {
        const SolverDeadEnds found = SolverFindDeadEnds(TestPosition(c.rows));
        EXPECT_EQ(found.reachable, c.reachable) << c.rows[0];
        EXPECT_EQ(found.dead, c.dead) << c.rows[0];
        EXPECT_EQ(found.deadBoards, c.dead) << c.rows[0];
        EXPECT_EQ(found.example, "") << c.rows[0];
    }

    // Two piles: either can be pushed first.
    const SolverPosition two = TestPosition({"~~~~~~", ".o.o~E", "@....~"});
    const SolverDeadEnds both = SolverFindDeadEnds(two);
    ASSERT_TRUE(both.complete);
    EXPECT_GT(both.dead, 0);
    EXPECT_TRUE(EndsDead(two, both.example)) << both.example;
}
