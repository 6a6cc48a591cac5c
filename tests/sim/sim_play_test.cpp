// Walking, blocked moves, pushes and the arrow priority, frame by frame.
// A step is 10 frames of 5 pixels; decisions are taken on aligned frames only.
#include "sim_harness.h"

namespace {

const int CELL = 50;
const int STEP = 5;

struct Direction {
    const char* key;
    int number;     // the game's direction number
    int dx, dy;
};

const Direction LEFT = {"left", 1, -1, 0};
const Direction UP = {"up", 2, 0, -1};
const Direction RIGHT = {"right", 3, 1, 0};
const Direction DOWN = {"down", 4, 0, 1};

std::string Pair(int x, int y)
{
    return std::to_string(x) + " " + std::to_string(y);
}

} // namespace

TEST_F(SimTest, WalksTenFramesPerCellInEachDirection)
{
    WriteLevel("level1.dat", LevelMap({"@.", ".."}, 2, 2));
    SimResult run = Run(R"(
        hold right
        run 1
        print state     # first frame of the step to the right
        run 9
        print state     # aligned on (3, 2)
        hold down       # the next step starts at once
        run 1
        print state
        run 9
        hold left
        run 10          # to (2, 3)
        print state
        hold up
        run 1
        print state
        run 9
        hold
        run 1
        print state     # back on (2, 2), standing, the last walking frame kept
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    // Walking frames from each cell's first frame: right 3, 2; down 7, 6; left 1, 0; up 5, 4.
    EXPECT_EQ(run.StatesOf("direction moving stepx stepy playerx playery playerframe frame"),
              (Lines{"3 1 5 0 105 100 3 1", "3 1 5 0 150 100 2 10", "4 1 0 5 150 105 7 11", "1 1 -5 0 100 150 0 30",
                     "2 1 0 -5 100 145 5 31", "0 0 0 0 100 100 4 41"}));
}

TEST_F(SimTest, BlockedMovesLeaveThePlayerStanding)
{
    struct Case {
        const char* what;
        Lines piece;
        int column, row;
        Direction direction;
        int startColumn, startRow;
    };
    const Case cases[] = {
        {"left edge", {"@."}, 0, 0, LEFT, 0, 0},
        {"top edge", {"@", "."}, 0, 0, UP, 0, 0},
        {"right edge", {".@"}, 10, 3, RIGHT, 11, 3},
        {"bottom edge", {".", "@"}, 3, 10, DOWN, 3, 11},
        {"water", {".@~."}, 4, 4, RIGHT, 5, 4},
        {"pile against a pile", {"@oo."}, 2, 2, RIGHT, 2, 2},
        {"pile against the exit", {"Eo@"}, 2, 2, LEFT, 4, 2},
        {"pile against the right edge", {"@o"}, 10, 2, RIGHT, 10, 2},
        {"pile in column 0 pushed left", {"o@."}, 0, 2, LEFT, 1, 2},
        {"pile in row 0 pushed up", {"o", "@"}, 2, 0, UP, 2, 1},
        {"pile in row 11 pushed down", {"@", "o"}, 2, 10, DOWN, 2, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Lines map = LevelMap(c.piece, c.column, c.row);
        WriteLevel("level1.dat", map);
        SimResult run = Run(std::string("hold ") + c.direction.key + "\nrun 3\nprint state\nprint board\n");
        ASSERT_EQ(run.code, 0) << run.err;
        // Turned but not moved: the walking picture shows nothing of it yet.
        EXPECT_EQ(run.StatesOf("direction moving pushing playerframe playerx playery"),
                  Lines{std::to_string(c.direction.number) + " 0 0 0 " + Pair(c.startColumn * CELL, c.startRow * CELL)});
        EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(map)});
    }
}

// A push: the pile's cell is land from the first frame, the pile is drawn one
// cell ahead of the player, lands in the tenth frame and the eleventh frame
// decides again: onto the new land, or pushing the pile on from the land.
TEST_F(SimTest, PushesLandInTheTenthFrame)
{
    struct Case {
        const char* what;
        Lines piece;
        int column, row;      // where the piece goes
        Direction direction;
        int startColumn, startRow;
        bool intoWater;
    };
    const Case cases[] = {
        {"right into water", {"@o~."}, 3, 5, RIGHT, 3, 5, true},
        {"left into water at the push bound", {"~o@"}, 0, 8, LEFT, 2, 8, true},
        {"up into water", {"~", "o", "@"}, 5, 0, UP, 5, 2, true},
        {"down onto land", {"@", "o", ".", "."}, 8, 1, DOWN, 8, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Lines map = LevelMap(c.piece, c.column, c.row);
        WriteLevel("level1.dat", map);
        const Direction& d = c.direction;
        const int pileColumn = c.startColumn + d.dx, pileRow = c.startRow + d.dy;
        const int targetColumn = pileColumn + d.dx, targetRow = pileRow + d.dy;
        SimResult run = Run(std::string("hold ") + d.key + R"(
            run 1
            print state
            print board
            run 8
            print state
            print board
            run 1
            print state
            print board
            run 1
            print state
            print board
        )");
        ASSERT_EQ(run.code, 0) << run.err;
        ASSERT_EQ(run.states.size(), 4u);
        ASSERT_EQ(run.boards.size(), 4u);

        const Lines pushed = With(StartedMap(map), {{pileColumn, pileRow, '.'}});
        const Lines landed = With(pushed, {{targetColumn, targetRow, c.intoWater ? '.' : 'o'}});
        // Frames 1, 9 and 10: the player and the pile move 5 pixels a frame; the board waits for frame 10.
        for (int i = 0; i < 3; ++i) {
            const int k = i == 0 ? 1 : 8 + i;
            EXPECT_EQ(run.states[i]("pushing moving playerx playery pilex piley"),
                      "1 1 " + Pair(c.startColumn * CELL + d.dx * STEP * k, c.startRow * CELL + d.dy * STEP * k) + " " +
                          Pair(pileColumn * CELL + d.dx * STEP * k, pileRow * CELL + d.dy * STEP * k))
                << "frame " << k;
            EXPECT_EQ(run.boards[i], k < 10 ? pushed : landed) << "frame " << k;
        }
        EXPECT_EQ(run.EventsOf("sound splash"), c.intoWater ? Lines{"10 sound splash.wav"} : Lines{});
        // Frame 11: on over the new land, or the pile on the land is pushed again.
        const std::string player = Pair(pileColumn * CELL + d.dx * STEP, pileRow * CELL + d.dy * STEP);
        EXPECT_EQ(run.states[3]("pushing moving playerx playery"), (c.intoWater ? "0 1 " : "1 1 ") + player);
        if (!c.intoWater) {
            EXPECT_EQ(run.states[3]("pilex piley"), Pair(targetColumn * CELL + d.dx * STEP, targetRow * CELL + d.dy * STEP));
        }
        EXPECT_EQ(run.boards[3], With(pushed, {{targetColumn, targetRow, '.'}}));
    }
}

TEST_F(SimTest, ArrowPriorityIsDownRightUpLeft)
{
    // A 3 x 3 island with the start in the middle, (5, 5).
    WriteLevel("level1.dat", LevelMap({"...", ".@.", "..."}, 4, 4));
    SimResult run = Run(R"(
        hold left down
        run 1
        print state     # down wins over left
        run 9
        hold left up
        run 1
        print state     # up wins over left
        run 9
        hold up right
        run 1
        print state     # right wins over up
        run 9
        hold left up right down
        run 1
        print state     # down wins over all
        run 9
        hold left down  # at (6, 6): down is water, left is land
        run 2
        print state     # the winner is chosen first: the player stands
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.StatesOf("direction moving playerx playery"),
              (Lines{"4 1 250 255", "2 1 250 295", "3 1 255 250", "4 1 300 255", "4 0 300 300"}));
}
