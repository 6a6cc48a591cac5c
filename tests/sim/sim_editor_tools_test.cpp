// The editor's tools: double clicks, undo, the verdict on the board and the
// play-test, through quagmore-sim. Boards come from level.dat (L) and presses.
#include "sim_harness.h"

namespace {

// One push into the water, then on to the exit: 1 push, 5 moves.
const Lines DRAWN = LevelMap({"@.o~.E"}, 0, 0);
const Lines LEVEL_ONE = LevelMap({"@.E"}, 3, 3);

} // namespace

TEST_F(SimTest, EveryPressOfADoubleClickCounts)
{
    WriteLevel("level1.dat", LEVEL_ONE);
    SimResult run = Run(R"(
        click double left 10 10    # in play: kept for the editor
        run 1
        hold d
        run 2
        hold
        print board
        click left 60 10
        run 1
        click double left 60 10    # land again to water
        run 1
        click right 110 10
        run 1
        click double right 110 10  # nothing on water, then...
        run 1
        click left 110 10
        run 1
        click double right 110 10  # ...land to pile
        run 1
        print board
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.boards.size(), 2u);
    EXPECT_EQ(run.boards[0], With(LevelMap({}), {{0, 0, '.'}}));
    EXPECT_EQ(run.boards[1], With(LevelMap({}), {{0, 0, '.'}, {2, 0, 'o'}}));
}

TEST_F(SimTest, EditorUndoTakesBackPressesAndLoadsOneAtATime)
{
    WriteLevel("level1.dat", LEVEL_ONE);
    WriteLevel("level.dat", DRAWN);
    SimResult run = Run(R"(
        hold d
        run 2
        click left 10 10
        run 1
        click right 10 10
        run 1
        hold l              # held: one load
        run 3
        hold
        click left 160 10   # water to land
        run 1
        menu 5              # the level's board: a load too
        run 1
        print state
    )" + std::string(6, ' ') + [] {
        std::string takeBack;
        for (int i = 0; i < 6; ++i)
            takeBack += "hold z\nrun 1\nhold\nrun 1\nprint board\n";
        return takeBack;
    }() + R"(
        print state
        print status
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.StatesOf("editor editorundo"), (Lines{"1 5", "1 0"}));
    const Lines loaded = With(DRAWN, {{3, 0, '.'}});
    EXPECT_EQ(run.boards, (std::vector<Lines>{loaded, DRAWN, With(LevelMap({}), {{0, 0, 'o'}}),
                                              With(LevelMap({}), {{0, 0, '.'}}), LevelMap({}), LevelMap({})}));
    // Back on the empty board it opened with, the editor has nothing to judge.
    EXPECT_EQ(run.statuses, Lines{"Editor   S save   L load   Enter back"});
}

TEST_F(SimTest, VerdictFollowsEveryChange)
{
    WriteLevel("level1.dat", LEVEL_ONE);
    WriteLevel("level.dat", DRAWN);
    SimResult run = Run(R"(
        watch verdict
        hold d
        run 2
        hold l
        run 1
        hold
        print status
        click left 110 10    # the pile gone: no way over the water
        run 1
        click right 10 10    # the start to land
        run 1
        hold z
        run 1
        hold
        click right 260 10   # the exit to a second start
        run 1
        click right 10 10    # the first start to land: one start, no exit
        run 1
        click left 160 10    # the water to land: still no exit
        run 1
        print status
        hold enter
        run 1
        print status
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("verdict"),
              (Lines{"3 verdict Solvable: 1 push, 5 moves", "4 verdict No solution", "5 verdict No start",
                     "6 verdict No solution", "7 verdict No exit"}));
    EXPECT_EQ(run.statuses, (Lines{"Editor   S save   L load   P play   Enter back   Solvable: 1 push, 5 moves",
                                   "Editor   S save   L load   P play   Enter back   No exit",
                                   "Level 1   Moves 0   Pushes 0"}));
}

TEST_F(SimTest, PlayTestPlaysTheDrawnBoardAndCountsForNothing)
{
    WriteLevel("level1.dat", LEVEL_ONE);
    WriteLevel("level.dat", DRAWN);
    SimResult run = Run(R"(
        hold d
        run 2
        hold l
        run 1
        hold p              # at once: this frame plays
        run 1
        print state
        print board
        print status
        hold right
        run 50              # the push, the splash, on to the exit
        hold
        run 1               # solved
        print state
        run 360             # the sequence goes back to the editor
        print state
        print board
        print saved
        hold p
        run 2
        hold right
        run 5
        hold d              # D in mid-step: back at once
        run 1
        hold
        print state
        print board
        hold p
        run 1
        hold escape         # Escape goes back too, and does not quit
        run 1
        hold
        print state
        hold enter
        run 1
        hold
        print state
        print menu
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.StatesOf("editor playtest level reset complete moves"),
              (Lines{"0 1 1 1 0 0", "0 1 1 1 1 5", "1 0 1 1 0 5", "1 0 1 1 0 1", "1 0 1 1 0 0", "0 0 1 1 0 0"}));
    EXPECT_EQ(run.states[0]("playerx playery"), "0 0");
    EXPECT_EQ(run.states[5]("playerx playery"), "150 150");
    EXPECT_EQ(run.boards, (std::vector<Lines>{StartedMap(DRAWN), DRAWN, DRAWN}));
    EXPECT_EQ(run.statuses, Lines{"Play-test   Moves 0   Pushes 0   D back"});
    EXPECT_EQ(run.saved, Lines{"none"});
    EXPECT_EQ(run.menus, Lines{"100000000000"});
    EXPECT_EQ(run.EventsOf("sound"), (Lines{"0 sound start.wav", "24 sound splash.wav", "55 sound bifald.wav"}));
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "426 level 1"}));
    EXPECT_EQ(run.EventsOf("exit"), Lines{"426 exit 0"});
}
