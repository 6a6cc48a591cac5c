// The cell-level rules, the solver's choice of solution, and dead ends.
#include "random_boards.h"
#include "level_test_boards.h"

#include "solver/solver_worker.h"

#include <atomic>
#include <chrono>
#include <thread>

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
    EXPECT_NE(result.outcome, SOLVER_UNDECIDED);
    return !reached && result.outcome == SOLVER_UNSOLVABLE;
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
        ASSERT_EQ(result.outcome, SOLVER_SOLVED) << board.moves;
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
        EXPECT_EQ(result.outcome, SOLVER_UNSOLVABLE) << rows.back();
        EXPECT_GT(result.statesSearched, 0);
    }
    // A search forgets the positions the last one found lost: pushed in, the
    // pile leaves the same packed board on both, lost with the exit out in
    // the water and won with it beside the filled cell.
    const std::vector<std::string> far = {"@o~.", "", "", "", "", "", "", "", "", "", "", "~~~~~~~~~~~E"};
    std::vector<std::string> near = far;
    near[0] = "@o~E";
    near[11] = "~~~~~~~~~~~.";
    EXPECT_EQ(SolverSolve(TestPosition(far)).outcome, SOLVER_UNSOLVABLE);
    EXPECT_EQ(SolverSolve(TestPosition(near)).moves, "RRR");
    SolverBudget tight;
    tight.maxStates = 3;
    const SolverResult cut = SolverSolve(
        TestPosition({"@.....", ".o..o.", "......", ".o..o.", "......", "~~~~~~", "~~~~~E"}), tight);
    EXPECT_EQ(cut.outcome, SOLVER_UNDECIDED);
    EXPECT_EQ(cut.stop, SOLVER_STOP_STATES);
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

// The bound on pushes: positions it calls lost, and what it counts.
TEST(SolverBound, LostPositionsAndTheWaterStillToFill)
{
    const struct {
        std::vector<std::string> rows;
        int bound;
    } boards[] = {
        {{"@o~E"}, 1},
        {{"@o.o~~E"}, 3},   // the far water takes the far pile four pushes: 3 at least
        {{"@.~E", ".o.~"}, 2},         // the pile is two pushes from either cell beside the exit
        {{"@.E"}, 0},                  // the exit is in reach already
        {{"@.~E"}, SOLVER_HOPELESS},   // no pile at all
        {{"o@~E"}, SOLVER_HOPELESS},   // a pile in a corner never moves
        {{"@oo~E"}, SOLVER_HOPELESS},  // two piles on the edge hold each other
        {{".Eo@", "...~", "E..~"}, SOLVER_HOPELESS},   // a pile against an exit on the edge
        // One pile for two cells of water.
        {{"@o~~E"}, SOLVER_HOPELESS},
        {{"@.....", ".o....", "......", "~~~~~~", "~~~~~~", "~~~~~E"}, SOLVER_HOPELESS},
    };
    for (const auto& board : boards)
        EXPECT_EQ(SolverPushesAtLeast(TestPosition(board.rows)), board.bound) << board.rows[0];
}

// On many small random boards and positions played into from them: a position
// called lost can't be won, the bound never exceeds the fewest pushes, and the
// informed search finds solutions of the same pushes and moves as the
// exhaustive one.
TEST(SolverBound, NeverLosesAWinnablePosition)
{
    int lost = 0;
    int solved = 0;
    for (uint64_t seed = 1; seed <= 300; ++seed) {
        RandomSequence random(seed * 7919);
        const RandomBoardShape shape{4 + random.Below(3), 3 + random.Below(3), 1 + random.Below(5), 30 + random.Below(40)};
        SolverPosition position = RandomBoard(seed, shape);
        for (int play = 0; play < 6; ++play) {
            SCOPED_TRACE(LevelTextFormat([&] {
                LevelFile file = LevelFileBlank();
                std::copy(position.cells.begin(), position.cells.end(), file.bytes.begin());
                file.bytes[position.player] = TILE_START;
                return file;
            }()));
            const SolverResult exhaustive = SolverSolve(position, {}, nullptr, SOLVER_EXHAUSTIVE);
            ASSERT_NE(exhaustive.outcome, SOLVER_UNDECIDED);
            const int bound = SolverPushesAtLeast(position);
            if (bound == SOLVER_HOPELESS) {
                EXPECT_EQ(exhaustive.outcome, SOLVER_UNSOLVABLE);
                ++lost;
            } else if (exhaustive.outcome == SOLVER_SOLVED) {
                EXPECT_LE(bound, exhaustive.pushes);
                ++solved;
            }
            const SolverResult informed = SolverSolve(position);
            EXPECT_EQ(informed.outcome, exhaustive.outcome);
            EXPECT_EQ(informed.pushes, exhaustive.pushes);
            EXPECT_EQ(informed.moves.size(), exhaustive.moves.size());
            EXPECT_LE(informed.statesKept, exhaustive.statesKept);
            if (informed.outcome == SOLVER_SOLVED) {
                SolverPosition replay = position;
                bool reached = false;
                int pushes = 0;
                SolverReplay(replay, informed.moves, reached, pushes);
                EXPECT_TRUE(reached);
                EXPECT_EQ(pushes, informed.pushes);
            }
            // On to a position a few random steps further, short of the exit.
            for (int step = 0; step < 4; ++step) {
                SolverPosition next = position;
                if (SolverStep(next, "LURD"[random.Below(4)]) != SOLVER_REACHED_EXIT)
                    position = next;
            }
        }
    }
    // Enough of both kinds for the comparison to mean something.
    EXPECT_GT(lost, 100);
    EXPECT_GT(solved, 1000);
}

// A search that can't end within its budget stops undecided, for each limit,
// and so does a search cancelled from another thread.
TEST(SolverBudget, StopsUndecidedAtEachLimit)
{
    const SolverPosition open = OpenLandBoard();
    SolverBudget seconds;
    seconds.maxSeconds = 0.2;
    SolverBudget bytes;
    bytes.maxBytes = size_t{4} << 20;
    const struct {
        SolverBudget budget;
        SolverStop stop;
    } cases[] = {{seconds, SOLVER_STOP_TIME}, {bytes, SOLVER_STOP_MEMORY}};
    for (const auto& c : cases) {
        const SolverResult result = SolverSolve(open, c.budget, nullptr, SOLVER_EXHAUSTIVE);
        EXPECT_EQ(result.outcome, SOLVER_UNDECIDED);
        EXPECT_EQ(result.stop, c.stop);
        EXPECT_LT(result.seconds, 30);
    }
    EXPECT_LE(SolverSolve(open, bytes, nullptr, SOLVER_EXHAUSTIVE).peakBytes, bytes.maxBytes + (size_t{4} << 20));

    std::atomic<bool> cancel{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel = true;
    });
    const SolverResult cancelled = SolverSolve(open, {}, &cancel, SOLVER_EXHAUSTIVE);
    canceller.join();
    EXPECT_EQ(cancelled.outcome, SOLVER_UNDECIDED);
    EXPECT_EQ(cancelled.stop, SOLVER_STOP_CANCELLED);
    const SolverDeadEnds counted = SolverFindDeadEnds(open, seconds);
    EXPECT_FALSE(counted.complete);
    EXPECT_EQ(counted.stop, SOLVER_STOP_TIME);
}

// The worker answers only the latest question: a long search asked first is
// cancelled by the next question, and its answer never comes; dropping the
// worker in the middle of a search does not wait for the search to end.
TEST(SolverWorker, AnswersTheLatestQuestionOnly)
{
    const SolverPosition small = TestPosition({"@o~o~E", ".~~~~.", "..o~.."});
    SolverBudget endless;
    endless.maxSeconds = 600;
    endless.maxStates = 1L << 40;
    for (SolverWorkerKind kind : {SOLVER_WORKER_THREAD, SOLVER_WORKER_INLINE}) {
        SolverWorker worker(kind);
        if (kind == SOLVER_WORKER_THREAD)
            worker.Ask(OpenLandBoard(), endless);
        const uint64_t id = worker.Ask(small, {});
        std::optional<SolverAnswer> answer;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!(answer = worker.Take()) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->id, id);
        EXPECT_EQ(answer->result.moves, "DDRRRRRUU");
        EXPECT_FALSE(worker.Take().has_value());
        EXPECT_FALSE(worker.Busy());
        // A cancelled question leaves nothing to take.
        worker.Ask(small, {});
        worker.Cancel();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(worker.Take().has_value());
    }
    const auto before = std::chrono::steady_clock::now();
    {
        SolverWorker worker(SOLVER_WORKER_THREAD);
        worker.Ask(OpenLandBoard(), endless);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_TRUE(worker.Busy());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
}
