// Walking, blocked moves, pushes and the arrow priority, frame by frame.
// A step is 10 frames of 5 pixels; decisions are taken on aligned frames only.
#include "tests/sim/sim_harness.h"

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
        print state     # back on (2, 2), standing
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.states.size(), 6u);
    // Right: walking animation frames 3, 2, 3, 2 ... from the first frame of each cell.
    EXPECT_EQ(run.states[0]["direction"], 3);
    EXPECT_EQ(run.states[0]["moving"], 1);
    EXPECT_EQ(run.states[0]["stepx"], 5);
    EXPECT_EQ(run.states[0]["playerx"], 105);
    EXPECT_EQ(run.states[0]["playery"], 100);
    EXPECT_EQ(run.states[0]["playerframe"], 3);
    EXPECT_EQ(run.states[1]["playerx"], 150);
    EXPECT_EQ(run.states[1]["playerframe"], 2);
    // Down: frames 7, 6.
    EXPECT_EQ(run.states[2]["direction"], 4);
    EXPECT_EQ(run.states[2]["stepx"], 0);
    EXPECT_EQ(run.states[2]["stepy"], 5);
    EXPECT_EQ(run.states[2]["playery"], 105);
    EXPECT_EQ(run.states[2]["playerframe"], 7);
    // Left: frames 1, 0; ten frames end on 0.
    EXPECT_EQ(run.states[3]["playerx"], 100);
    EXPECT_EQ(run.states[3]["playery"], 150);
    EXPECT_EQ(run.states[3]["playerframe"], 0);
    // Up: frames 5, 4.
    EXPECT_EQ(run.states[4]["direction"], 2);
    EXPECT_EQ(run.states[4]["stepy"], -5);
    EXPECT_EQ(run.states[4]["playery"], 145);
    EXPECT_EQ(run.states[4]["playerframe"], 5);
    // Released on an aligned frame: standing, the last walking frame kept.
    const SimState& stood = run.states[5];
    EXPECT_EQ(stood["playerx"], 100);
    EXPECT_EQ(stood["playery"], 100);
    EXPECT_EQ(stood["direction"], 0);
    EXPECT_EQ(stood["moving"], 0);
    EXPECT_EQ(stood["stepy"], 0);
    EXPECT_EQ(stood["playerframe"], 4);
    EXPECT_EQ(stood["frame"], 41);
}

TEST_F(SimTest, BlockedMovesLeaveThePlayerStanding)
{
    struct Case {
        const char* what;
        Lines piece;
        int column, row;
        Direction direction;
    };
    const Case cases[] = {
        {"left edge", {"@."}, 0, 0, LEFT},
        {"top edge", {"@", "."}, 0, 0, UP},
        {"right edge", {".@"}, 10, 3, RIGHT},
        {"bottom edge", {".", "@"}, 3, 10, DOWN},
        {"water", {".@~."}, 4, 4, RIGHT},
        {"pile against a pile", {"@oo."}, 2, 2, RIGHT},
        {"pile against the exit", {"Eo@"}, 2, 2, LEFT},
        {"pile against the right edge", {"@o"}, 10, 2, RIGHT},
        {"pile in column 0 pushed left", {"o@."}, 0, 2, LEFT},
        {"pile in row 0 pushed up", {"o", "@"}, 2, 0, UP},
        {"pile in row 11 pushed down", {"@", "o"}, 2, 10, DOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Lines map = LevelMap(c.piece, c.column, c.row);
        WriteLevel("level1.dat", map);
        int startX = -1, startY = -1;
        for (int row = 0; row < 12; ++row)
            for (int column = 0; column < 12; ++column)
                if (MapCell(map, column, row) == '@')
                    startX = column * CELL, startY = row * CELL;
        SimResult run = Run(std::string("hold ") + c.direction.key + "\nrun 3\nprint state\nprint board\n");
        ASSERT_EQ(run.code, 0) << run.err;
        ASSERT_EQ(run.states.size(), 1u);
        ASSERT_EQ(run.boards.size(), 1u);
        SimState& s = run.states[0];
        EXPECT_EQ(s["direction"], c.direction.number);
        EXPECT_EQ(s["moving"], 0);
        EXPECT_EQ(s["pushing"], 0);
        EXPECT_EQ(s["playerx"], startX);
        EXPECT_EQ(s["playery"], startY);
        EXPECT_EQ(s["playerframe"], 0);   // turning alone shows nothing
        EXPECT_EQ(run.boards[0], StartedMap(map));
    }
}

// A push: the pile's cell is land from the first frame, the pile is drawn one
// cell ahead of the player, lands in the tenth frame and the eleventh frame
// decides again.
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
            hold
            run 1
            print state
        )");
        ASSERT_EQ(run.code, 0) << run.err;
        ASSERT_EQ(run.states.size(), 4u);
        ASSERT_EQ(run.boards.size(), 3u);

        Lines pushed = StartedMap(map);
        pushed[static_cast<size_t>(pileRow)][static_cast<size_t>(pileColumn)] = '.';
        Lines landed = pushed;
        landed[static_cast<size_t>(targetRow)][static_cast<size_t>(targetColumn)] = c.intoWater ? '.' : 'o';

        // Frames 1 and 9: the player and the pile move 5 pixels a frame, the board waits.
        for (int i : {0, 1}) {
            const int k = i == 0 ? 1 : 9;
            SimState& s = run.states[static_cast<size_t>(i)];
            EXPECT_EQ(s["pushing"], 1) << "frame " << k;
            EXPECT_EQ(s["moving"], 1) << "frame " << k;
            EXPECT_EQ(s["playerx"], c.startColumn * CELL + d.dx * STEP * k) << "frame " << k;
            EXPECT_EQ(s["playery"], c.startRow * CELL + d.dy * STEP * k) << "frame " << k;
            EXPECT_EQ(s["pilex"], pileColumn * CELL + d.dx * STEP * k) << "frame " << k;
            EXPECT_EQ(s["piley"], pileRow * CELL + d.dy * STEP * k) << "frame " << k;
            EXPECT_EQ(run.boards[static_cast<size_t>(i)], pushed) << "frame " << k;
        }
        // Frame 10: the pile is aligned on the target cell and lands.
        EXPECT_EQ(run.states[2]["pilex"], targetColumn * CELL);
        EXPECT_EQ(run.states[2]["piley"], targetRow * CELL);
        EXPECT_EQ(run.states[2]["playerx"], pileColumn * CELL);
        EXPECT_EQ(run.states[2]["playery"], pileRow * CELL);
        EXPECT_EQ(run.boards[2], landed);
        EXPECT_EQ(run.EventsOf("sound splash"), c.intoWater ? Lines{"10 sound splash.wav"} : Lines{});
        // Frame 11: a new decision; with the key released the player stands.
        EXPECT_EQ(run.states[3]["pushing"], 0);
        EXPECT_EQ(run.states[3]["moving"], 0);
        EXPECT_EQ(run.states[3]["playerx"], pileColumn * CELL);
        EXPECT_EQ(run.states[3]["playery"], pileRow * CELL);
    }
}

TEST_F(SimTest, NewLandIsWalkableAndAPileOnLandCanBePushedAgain)
{
    // Right: the pile fills the water at (5, 5) and the player walks on over it.
    WriteLevel("level1.dat", LevelMap({"@o~."}, 3, 5));
    SimResult run = Run(R"(
        hold right
        run 10
        run 1          # frame 11: onto the new land at once
        print state
        print board
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.states.at(0)["pushing"], 0);
    EXPECT_EQ(run.states.at(0)["moving"], 1);
    EXPECT_EQ(run.states.at(0)["playerx"], 205);
    EXPECT_EQ(MapCell(run.boards.at(0), 5, 5), '.');

    // Down: the pile lands on the land at (8, 3) and is pushed on at once.
    WriteLevel("level1.dat", LevelMap({"@", "o", ".", "."}, 8, 1));
    run = Run(R"(
        hold down
        run 11          # frame 11: the pile, now on (8, 3), is pushed on
        print state
        print board
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.states.at(0)["pushing"], 1);
    EXPECT_EQ(run.states.at(0)["playery"], 105);
    EXPECT_EQ(run.states.at(0)["piley"], 155);   // one cell ahead of the player
    EXPECT_EQ(MapCell(run.boards.at(0), 8, 3), '.');
    EXPECT_EQ(MapCell(run.boards.at(0), 8, 4), '.');
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
    ASSERT_EQ(run.states.size(), 5u);
    EXPECT_EQ(run.states[0]["direction"], 4);
    EXPECT_EQ(run.states[0]["playery"], 255);
    EXPECT_EQ(run.states[1]["direction"], 2);
    EXPECT_EQ(run.states[1]["playery"], 295);
    EXPECT_EQ(run.states[2]["direction"], 3);
    EXPECT_EQ(run.states[2]["playerx"], 255);
    EXPECT_EQ(run.states[3]["direction"], 4);
    EXPECT_EQ(run.states[3]["playery"], 255);
    EXPECT_EQ(run.states[4]["direction"], 4);
    EXPECT_EQ(run.states[4]["moving"], 0);
    EXPECT_EQ(run.states[4]["playerx"], 300);
    EXPECT_EQ(run.states[4]["playery"], 300);
}

TEST_F(SimTest, HeldRRestartsTheLevelInEveryFrame)
{
    WriteLevel("level1.dat", LevelMap({"@..."}, 2, 2));
    SimResult run = Run("hold r right\nrun 3\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "1 level 1", "2 level 1", "3 level 1"}));
    // Each frame starts over on (2, 2) and takes the first 5 pixels again.
    EXPECT_EQ(run.states.at(0)["playerx"], 105);
}
