// The level editor: entered with D, painted with presses on picture pixels
// (cell = pixel / 50), saved with S and loaded with L through "level.dat",
// left with Enter.
#include "tests/sim/sim_harness.h"

#include <filesystem>

namespace {

// Start (2, 2), pile (3, 2), land (2, 3), exit (3, 3).
const Lines EDITOR_LEVEL_MAP = LevelMap({"@o", ".E"}, 2, 2);
const int LEVEL_TAIL_SEED = 11;

Lines AllWater(std::initializer_list<std::pair<std::pair<int, int>, char>> cells = {})
{
    Lines map = LevelMap({});
    for (const auto& cell : cells)
        map[static_cast<size_t>(cell.first.second)][static_cast<size_t>(cell.first.first)] = cell.second;
    return map;
}

} // namespace

TEST_F(SimTest, EditorPaintsWithBothButtons)
{
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP);
    SimResult run = Run(R"(
        click left 260 260  # during play: stays pending
        run 1
        hold down
        run 3
        hold d              # in mid-step: this frame still plays
        run 1
        hold
        print state         # 0
        print board         # 0: still the level
        run 1               # the first editor frame: cleared, then the pending press
        print state         # 1
        print board         # 1
        click left 120 30   # (2, 0)
        run 1
        click left 120 50   # (2, 1)
        run 1
        print board         # 2
        click left 120 49   # (2, 0) again: land becomes water
        run 1
        print board         # 3
        click right 120 60  # (2, 1): land, pile, exit, start, land
        run 1
        print board         # 4
        click right 149 99
        run 1
        print board         # 5
        click right 100 50
        run 1
        print board         # 6
        click right 120 60
        run 1
        print board         # 7
        click right 10 10   # water stays water
        run 1
        print board         # 8
        focus off           # a left and a right press before one frame:
        click left 260 260  # left first, then right, both on the later cell (6, 6)
        click right 310 310
        run 1
        focus on
        run 1
        print board         # 9
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.states.size(), 2u);
    ASSERT_EQ(run.boards.size(), 10u);
    EXPECT_EQ(run.states[0]["editor"], 1);
    EXPECT_EQ(run.states[0]["clearboard"], 1);
    EXPECT_EQ(run.states[0]["playery"], 120);   // four frames of walking down
    EXPECT_EQ(run.boards[0], StartedMap(EDITOR_LEVEL_MAP));
    EXPECT_EQ(run.states[1]["editor"], 1);
    EXPECT_EQ(run.states[1]["clearboard"], 0);
    EXPECT_EQ(run.boards[1], AllWater({{{5, 5}, '.'}}));
    EXPECT_EQ(run.boards[2], AllWater({{{5, 5}, '.'}, {{2, 0}, '.'}, {{2, 1}, '.'}}));
    EXPECT_EQ(run.boards[3], AllWater({{{5, 5}, '.'}, {{2, 1}, '.'}}));
    const char cycle[] = {'o', 'E', '@', '.', '.'};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(run.boards[static_cast<size_t>(4 + i)], AllWater({{{5, 5}, '.'}, {{2, 1}, cycle[i]}})) << i;
    EXPECT_EQ(run.boards[9], AllWater({{{5, 5}, '.'}, {{2, 1}, '.'}, {{6, 6}, 'o'}}));
}

TEST_F(SimTest, EditorPressesOutsideTheBoardChangeNothing)
{
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP);
    SimResult run = Run(R"(
        hold d
        run 2
        hold
        click left 600 10
        run 1
        click right 10 600
        run 1
        click left -60 10
        run 1
        click left 10 -60
        run 1
        print board
        clock 1000
        click left 599 599  # the last cell; the press pauses for 150 ms
        run 1
        print board
        print state
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.boards.at(0), AllWater());
    EXPECT_EQ(run.boards.at(1), AllWater({{{11, 11}, '.'}}));
    EXPECT_EQ(run.states.at(0)["clock"], 1000 + 150 + 16);
}

TEST_F(SimTest, EditorSaveLoadRoundTripAndEnter)
{
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP, LEVEL_TAIL_SEED);
    SimResult run = Run(R"(
        hold d
        run 2
        hold
        click left 50 0     # (1, 0) land
        run 1
        click left 100 0    # (2, 0) land, then pile
        run 1
        click right 100 0
        run 1
        click left 150 0    # (3, 0) land, exit
        run 1
        click right 150 0
        run 1
        click right 150 0
        run 1
        click left 200 0    # (4, 0) land, exit, start
        run 1
        click right 200 0
        run 1
        click right 200 0
        run 1
        click right 200 0
        run 1
        hold s
        run 1
        hold
        print board         # 0: saved
        click left 50 0     # change the board after the save
        run 1
        hold l
        run 1
        hold
        print board         # 1: loaded again
        print state         # 0
        hold enter
        run 1
        hold
        print state         # 1
        print board         # 2
        run 1
        print state         # 2: a play frame
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    const Lines saved = AllWater({{{1, 0}, '.'}, {{2, 0}, 'o'}, {{3, 0}, 'E'}, {{4, 0}, '@'}});
    EXPECT_EQ(run.boards.at(0), saved);
    EXPECT_EQ(run.boards.at(1), saved);
    EXPECT_EQ(run.states.at(0)["editor"], 1);

    // "level.dat" in the user's data directory: the board's codes in column-major
    // order, then the bytes 144 to 299 of the level file read last.
    const std::vector<uint8_t> file = ReadFile(home + "/data/quagmore/level.dat");
    const std::vector<uint8_t> expected = LevelBytes(saved, LEVEL_TAIL_SEED);
    EXPECT_EQ(file, expected);

    // Enter: back to level 1 as it starts; the next frame is a play frame.
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "16 level 1"}));
    EXPECT_EQ(run.states.at(1)["editor"], 0);
    EXPECT_EQ(run.states.at(1)["level"], 1);
    EXPECT_EQ(run.boards.at(2), StartedMap(EDITOR_LEVEL_MAP));
    EXPECT_EQ(run.states.at(2)["editor"], 0);
    EXPECT_EQ(run.states.at(2)["playerx"], 100);
    EXPECT_EQ(run.states.at(2)["playery"], 100);
}

TEST_F(SimTest, EditorLoadWithoutLevelDatCopiesTheLevelBuffer)
{
    // Nothing was saved: L shows the message and copies what the buffer holds,
    // the level file read last, start cell included.
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP);
    SimResult run = Run("hold d\nrun 2\nhold l\nrun 1\nhold\nprint board\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), Lines{"3 message INVALID_HANDLE_VALUE"});
    EXPECT_EQ(run.boards.at(0), EDITOR_LEVEL_MAP);
}

TEST_F(SimTest, MenuCommandsInTheEditor)
{
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP);
    SimResult run = Run(R"(
        hold d
        run 2
        hold
        menu 5              # Reset: the level's board, and the editor stays
        run 1
        print board
        print state
        menu 4              # About
        run 1
        hold escape         # Escape does nothing in the editor
        run 2
        print state
        menu 2              # Exit
        run 1
        print state         # never printed: the program has ended
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", "2 level 1", "3 about", "6 exit 0"}));
    EXPECT_EQ(run.boards.at(0), StartedMap(EDITOR_LEVEL_MAP));
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(run.states[0]["editor"], 1);
    EXPECT_EQ(run.states[1]["editor"], 1);
    EXPECT_EQ(run.states[1]["frame"], 6);
}
