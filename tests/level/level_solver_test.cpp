// The cell-level rules, the solver's choice of solution, and dead ends.
#include "tests/level/level_test_boards.h"

namespace {

int Cell(int column, int row)
{
    return LevelByteIndex(column, row);
}

bool Solvable(const SolverPosition& position)
{
    const SolverResult result = SolverSolve(position);
    EXPECT_TRUE(result.complete);
    return result.solved;
}

} // namespace

TEST(SolverRules, WalkPushAndFill)
{
    SolverPosition p = TestPosition({"@.o~.~"});
    EXPECT_EQ(SolverStep(p, 'R'), SOLVER_WALKED);
    EXPECT_EQ(p.player, Cell(1, 0));
    EXPECT_EQ(SolverStep(p, 'R'), SOLVER_PUSHED_WATER);   // the pile fills the water and is gone
    EXPECT_EQ(p.player, Cell(2, 0));
    EXPECT_EQ(p.cells[Cell(2, 0)], TILE_LAND);
    EXPECT_EQ(p.cells[Cell(3, 0)], TILE_LAND);
    EXPECT_EQ(SolverStep(p, 'R'), SOLVER_WALKED);
    EXPECT_EQ(SolverStep(p, 'R'), SOLVER_WALKED);
    EXPECT_EQ(SolverStep(p, 'R'), SOLVER_BLOCKED);        // water
    EXPECT_EQ(p.player, Cell(4, 0));
    EXPECT_EQ(SolverStep(p, 'U'), SOLVER_BLOCKED);        // the top edge
    EXPECT_EQ(SolverStep(p, 'x'), SOLVER_BLOCKED);

    SolverPosition along = TestPosition({"", ".", "@", "o", ".", "~"});
    EXPECT_EQ(SolverStep(along, 'D'), SOLVER_PUSHED_LAND);   // the pile moves on along land
    EXPECT_EQ(along.cells[Cell(0, 3)], TILE_LAND);
    EXPECT_EQ(along.cells[Cell(0, 4)], TILE_PILE);
    EXPECT_EQ(SolverStep(along, 'D'), SOLVER_PUSHED_WATER);
    EXPECT_EQ(along.cells[Cell(0, 5)], TILE_LAND);
    EXPECT_EQ(SolverStep(along, 'U'), SOLVER_WALKED);
    EXPECT_EQ(SolverStep(along, 'U'), SOLVER_WALKED);
    EXPECT_EQ(SolverStep(along, 'U'), SOLVER_WALKED);
    EXPECT_EQ(along.player, Cell(0, 1));
}

TEST(SolverRules, PilesStopAtPilesExitsAndTheEdge)
{
    for (const char* row : {"@oo.", "@oE.", "@o.o"}) {
        SolverPosition p = TestPosition({row});
        const SolverStepResult first = SolverStep(p, 'R');
        if (std::string(row) == "@o.o") {
            EXPECT_EQ(first, SOLVER_PUSHED_LAND);
            EXPECT_EQ(SolverStep(p, 'R'), SOLVER_BLOCKED) << row;   // now pile against pile
            EXPECT_EQ(p.player, Cell(1, 0));
        } else {
            EXPECT_EQ(first, SOLVER_BLOCKED) << row;
            EXPECT_EQ(p.player, Cell(0, 0));
            EXPECT_EQ(p.cells[Cell(1, 0)], TILE_PILE);
        }
    }
    // A pile on the edge can't be pushed off the board, in any of the four directions.
    SolverPosition left = TestPosition({"o@"});
    EXPECT_EQ(SolverStep(left, 'L'), SOLVER_BLOCKED);
    SolverPosition right = TestPosition({"~~~~~~~~~~@o"});
    EXPECT_EQ(SolverStep(right, 'R'), SOLVER_BLOCKED);
    SolverPosition up = TestPosition({"o", "@"});
    EXPECT_EQ(SolverStep(up, 'U'), SOLVER_BLOCKED);
    SolverPosition down = TestPosition({"", "", "", "", "", "", "", "", "", "", "@", "o"});
    EXPECT_EQ(SolverStep(down, 'D'), SOLVER_BLOCKED);
    EXPECT_EQ(down.player, Cell(0, 10));

    SolverPosition exit = TestPosition({"@E"});
    EXPECT_EQ(SolverStep(exit, 'R'), SOLVER_REACHED_EXIT);
    EXPECT_EQ(exit.player, Cell(1, 0));
}

TEST(SolverRules, StartIsLandAndTheLastStartWins)
{
    SolverPosition p = TestPosition({"@", "", "", "", "", "~~~~~@"});
    EXPECT_EQ(p.player, Cell(5, 5));
    EXPECT_EQ(p.cells[Cell(0, 0)], TILE_LAND);
    EXPECT_EQ(p.cells[Cell(5, 5)], TILE_LAND);

    LevelFile odd = TestBoard({"@."});
    odd.bytes[Cell(1, 0)] = 200;   // an unknown byte is water in play
    SolverPosition q;
    ASSERT_TRUE(SolverPositionFromLevel(odd, q));
    EXPECT_EQ(q.cells[Cell(1, 0)], TILE_WATER);

    LevelFile none = TestBoard({"..E"});
    EXPECT_FALSE(SolverPositionFromLevel(none, q));
}

TEST(SolverSolve, FewestPushesFirstThenFewestMoves)
{
    // Straight on takes 5 moves and 2 pushes; round below takes 9 moves and 1 push.
    const SolverPosition start = TestPosition({
        "@o~o~E",
        ".~~~~.",
        "..o~..",
    });
    const SolverResult result = SolverSolve(start);
    ASSERT_TRUE(result.solved);
    EXPECT_EQ(result.moves, "DDRRRRRUU");
    EXPECT_EQ(result.pushes, 1);

    // With the detour closed the two-push way is the answer.
    const SolverResult direct = SolverSolve(TestPosition({"@o~o~E", ".~~~~~", "..o~.."}));
    ASSERT_TRUE(direct.solved);
    EXPECT_EQ(direct.moves, "RRRRR");
    EXPECT_EQ(direct.pushes, 2);

    // Among one-push solutions the shorter walk wins: the near pile, not the far one.
    const std::vector<std::string> twoWays = {
        "~~~~~~~",
        ".o~E~o.",
        "..@~~~.",
        "~~.....",
    };
    const SolverResult near = SolverSolve(TestPosition(twoWays));
    ASSERT_TRUE(near.solved);
    EXPECT_EQ(near.moves, "LLURRR");
    EXPECT_EQ(near.pushes, 1);
    SolverPosition replay = TestPosition(twoWays);
    bool reached = false;
    int pushes = 0;
    EXPECT_EQ(SolverReplay(replay, near.moves, reached, pushes), static_cast<int>(near.moves.size()));
    EXPECT_TRUE(reached);
    EXPECT_EQ(pushes, 1);
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
        EXPECT_FALSE(result.solved) << rows[0];
        EXPECT_TRUE(result.complete) << rows[0];
        EXPECT_GT(result.statesSearched, 0);
    }
    SolverLimits tight;
    tight.maxStates = 3;
    const SolverResult cut = SolverSolve(TestPosition({"@.....", ".o..o.", "......", ".o..o.", "......",
                                                       "", "", "", "", "", "", "~~~~~~~~~~~E"}),
                                         tight);
    EXPECT_FALSE(cut.solved);
    EXPECT_FALSE(cut.complete);
}

TEST(SolverDeadEnds, FindsTheWastedPile)
{
    // Pushing the pile down fills the wrong water and leaves nothing for the gap.
    const SolverPosition start = TestPosition({
        "~..~~",
        "~@o~E",
        "~.~~~",
    });
    const SolverResult solution = SolverSolve(start);
    ASSERT_TRUE(solution.solved);
    EXPECT_EQ(solution.moves, "RRR");

    const SolverDeadEnds report = SolverFindDeadEnds(start);
    ASSERT_TRUE(report.complete);
    EXPECT_GT(report.dead, 0);
    EXPECT_EQ(report.example, "URD");

    SolverPosition dead = start;
    bool reached = false;
    int pushes = 0;
    SolverReplay(dead, report.example, reached, pushes);
    EXPECT_FALSE(Solvable(dead));
    SolverPosition before = start;
    SolverReplay(before, report.example.substr(0, report.example.size() - 1), reached, pushes);
    EXPECT_TRUE(Solvable(before));
}

TEST(SolverDeadEnds, CountsPositionsByBoardAndRegion)
{
    // Before the push the player stands alone; after it the exit is in reach.
    const SolverDeadEnds report = SolverFindDeadEnds(TestPosition({"@o~E"}));
    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.reachable, 2);
    EXPECT_EQ(report.dead, 0);
    EXPECT_EQ(report.deadBoards, 0);
    EXPECT_TRUE(report.example.empty());

    const SolverDeadEnds hopeless = SolverFindDeadEnds(TestPosition({"@.~E"}));
    EXPECT_EQ(hopeless.reachable, 1);
    EXPECT_EQ(hopeless.dead, 1);
    EXPECT_EQ(hopeless.example, "");   // the start itself is dead: no play leads into it

    // Two piles: either can be pushed first, and walking between pushes makes no new node.
    const SolverDeadEnds two = SolverFindDeadEnds(TestPosition({"~~~~~~", ".o.o~E", "@....~"}));
    ASSERT_TRUE(two.complete);
    EXPECT_GT(two.dead, 0);
    SolverPosition dead = TestPosition({"~~~~~~", ".o.o~E", "@....~"});
    bool reached = false;
    int pushes = 0;
    SolverReplay(dead, two.example, reached, pushes);
    EXPECT_FALSE(SolverSolve(dead).solved) << two.example;
}
