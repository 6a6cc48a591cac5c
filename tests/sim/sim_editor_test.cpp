// The level editor: entered with D, painted with presses on picture pixels
// (cell = pixel / 50), saved with S and loaded with L through "level.dat",
// left with Enter.
#include "sim_harness.h"

namespace {

// Start (2, 2), pile (3, 2), land (2, 3), exit (3, 3).
const Lines EDITOR_LEVEL_MAP = LevelMap({"@o", ".E"}, 2, 2);
const int LEVEL_TAIL_SEED = 11;
const int CELL = 50;

// Presses on a cell, one frame each: left presses on its last pixel, right
// presses on its first.
std::string Presses(const std::string& button, int column, int row, int times = 1)
{
    const int offset = button == "left" ? CELL - 1 : 0;
    std::string script;
    for (int i = 0; i < times; ++i)
        script += "click " + button + " " + std::to_string(column * CELL + offset) + " " +
                  std::to_string(row * CELL + offset) + "\nrun 1\n";
    return script;
}

} // namespace

TEST_F(SimTest, EditorClearsPaintsSavesLoadsAndEnters)
{
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP, LEVEL_TAIL_SEED);
    // Row 0 from column 1 on: land, then the right button's cycle land, pile,
    // exit, start, land stopped at each place; land turned back into water,
    // and water that the right button leaves alone.
    std::string paint = Presses("left", 1, 0);
    for (int column = 2; column <= 5; ++column)
        paint += Presses("left", column, 0) + Presses("right", column, 0, column - 1);
    paint += Presses("left", 6, 0, 2) + Presses("right", 7, 0);
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
        hold l              # nothing saved yet: the message, and the level buffer as it is
        run 1
        hold
        print board         # 2
    )" + paint + R"(
        click left 600 10   # off the board: nothing changes
        run 1
        click right 10 600
        run 1
        click left -60 10
        run 1
        click left 10 -60
        run 1
        clock 1000
        click left 599 599  # the last cell; the press pauses for 150 ms
        run 1
        print state         # 2
        focus off           # a left and a right press before one frame:
        click left 260 260  # left first, then right, both on the later cell (6, 6)
        click right 310 310
        run 1
        focus on
        run 1
        print board         # 3: painted
        hold s
        run 1
        hold
        click left 99 0     # (1, 0) changed after the save
        run 1
        hold l
        run 1
        hold
        print board         # 4: loaded again
        hold enter
        run 1
        hold
        print state         # 3
        print board         # 5
        run 1
        print state         # 4: a play frame
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.states.size(), 5u);
    ASSERT_EQ(run.boards.size(), 6u);
    EXPECT_EQ(run.states[0]("editor clearboard playery"), "1 1 120");   // four frames of walking down
    EXPECT_EQ(run.states[1]("editor clearboard"), "1 0");
    EXPECT_EQ(run.states[2]("clock"), std::to_string(1000 + 150 + 16));
    EXPECT_EQ(run.boards[0], StartedMap(EDITOR_LEVEL_MAP));
    EXPECT_EQ(run.boards[1], With(LevelMap({}), {{5, 5, '.'}}));
    EXPECT_EQ(run.boards[2], EDITOR_LEVEL_MAP);   // a raw copy: the start cell stays
    const Lines painted = With(EDITOR_LEVEL_MAP, {{1, 0, '.'}, {2, 0, 'o'}, {3, 0, 'E'}, {4, 0, '@'}, {5, 0, '.'},
                                                  {6, 0, '~'}, {7, 0, '~'}, {11, 11, '.'}, {6, 6, 'o'}});
    EXPECT_EQ(run.boards[3], painted);
    EXPECT_EQ(run.boards[4], painted);
    // "level.dat" in the user's data directory: the board's codes in column-major
    // order, then the bytes 144 to 299 of the level file read last.
    EXPECT_EQ(ReadFileBytes(home + "/data/quagmore/level.dat"), LevelBytes(painted, LEVEL_TAIL_SEED));

    // Enter: back to level 1 as it starts; the next frame is a play frame.
    EXPECT_EQ(run.EventsOf("message"), Lines{"7 message INVALID_HANDLE_VALUE"});
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "35 level 1"}));
    EXPECT_EQ(run.states[3]("editor level playerx playery"), "0 1 100 100");
    EXPECT_EQ(run.states[4]("editor level playerx playery"), "0 1 100 100");
    EXPECT_EQ(run.boards[5], StartedMap(EDITOR_LEVEL_MAP));
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
    EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(EDITOR_LEVEL_MAP)});
    EXPECT_EQ(run.StatesOf("editor frame"), (Lines{"1 3", "1 6"}));
}

// File › Share level hands over the editor's board as a level link, only in
// the editor and only once the board can be played; the simulator plays the
// link given as --level, and names a damaged one with exit code 2.
TEST_F(SimTest, EditorSharesItsBoardAsALink)
{
    WriteLevel("level1.dat", EDITOR_LEVEL_MAP);
    // (0, 0) a start: land, then pile, exit, start; (1, 0) an exit.
    const std::string paint = Presses("left", 0, 0) + Presses("right", 0, 0, 3) + Presses("left", 1, 0) +
                              Presses("right", 1, 0, 2);
    SimResult run = Run(R"(
        menu 62             # in play: nothing
        run 1
        hold d
        run 2
        hold
        menu 62             # the empty board has no start
        run 1
    )" + paint + R"(
        menu 62
        run 1
        print board
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    const Lines drawn = LevelMap({"@E"});
    ASSERT_EQ(run.boards, std::vector<Lines>{drawn});
    const Lines messages = run.EventsOf("message");
    ASSERT_EQ(messages.size(), 2u) << run.out;
    EXPECT_NE(messages[0].find("can't be shared until it can be played: no start"), std::string::npos) << messages[0];
    const size_t mark = messages[1].find("#level=");
    ASSERT_NE(mark, std::string::npos) << messages[1];
    const std::string link = messages[1].substr(mark);
    EXPECT_EQ(link.size(), std::string("#level=").size() + 192) << link;

    options = " --level 'http://example.org/quagmore/" + link + "'";
    SimResult played = Run("print board\nprint status\n");
    ASSERT_EQ(played.code, 0) << played.err;
    EXPECT_EQ(played.boards, std::vector<Lines>{StartedMap(drawn)});
    EXPECT_EQ(played.statuses, Lines{"Shared level   Moves 0   Pushes 0"});

    options = " --level '" + link.substr(0, link.size() - 2) + "'";
    SimResult damaged = Run("print board\n");
    EXPECT_EQ(damaged.code, 2);
    EXPECT_NE(damaged.err.find("the link is damaged: its board is 190 characters long"), std::string::npos)
        << damaged.err;
}
