// Undo and the counters: walks, pushes onto land and into water, a step in
// progress, restarts, a held undo key, and what undo leaves alone. A step is
// 10 frames of 5 pixels; a cell is 50 pixels.
#include "sim_harness.h"

namespace {

// Start at (2, 2); land, a pile, land, water and land to the right.
const Lines PUSH_LEVEL = LevelMap({"@.o.~."}, 2, 2);
// Start at (0, 2) with ten cells of land to the right.
const Lines LONG_LEVEL = LevelMap({"@.........."}, 0, 2);
const Lines WALK_TO_EXIT_LEVEL = LevelMap({"@.E"}, 2, 2);

const char* const COUNTERS = "playerx playery moves pushes undo";

// Runs script on level 1 (with SECOND_LEVEL after it); the run must end well.
class UndoSim : public SimTest {
protected:
    SimResult RunOn(const Lines& level, const std::string& script)
    {
        WriteLevel("level1.dat", level);
        WriteLevel("level2.dat", SECOND_LEVEL);
        SimResult run = Run(script);
        EXPECT_EQ(run.code, 0) << run.err;
        return run;
    }
};

} // namespace

TEST_F(UndoSim, UndoTakesBackAWalkAPushOntoLandAndAFill)
{
    SimResult run = RunOn(PUSH_LEVEL, R"(
        hold right
        run 30          # a walk, a push onto land, a push into the water
        hold
        run 1
        print board
        print state
        hold z
        run 1           # the fill: the water and the pile come back
        print board
        print state
        hold backspace
        run 5           # the same undo key held on: no new press
        hold
        run 1
        hold backspace
        run 1           # the push onto land
        print board
        print state
        hold
        run 1
        hold u
        run 1           # the walk
        print state
        hold
        run 1
        hold z
        run 1           # nothing left to take back
        print state
        hold right
        run 10          # the game goes on from the start
        print state
    )");
    EXPECT_EQ(run.EventsOf("sound"), (Lines{"0 sound start.wav", "30 sound splash.wav"}));
    const Lines start = StartedMap(PUSH_LEVEL);
    ASSERT_EQ(run.boards.size(), 3u);
    EXPECT_EQ(run.boards[0], With(start, {{4, 2, '.'}, {6, 2, '.'}}));
    EXPECT_EQ(run.boards[1], With(start, {{4, 2, '.'}, {5, 2, 'o'}}));
    EXPECT_EQ(run.boards[2], start);
    EXPECT_EQ(run.StatesOf(COUNTERS), (Lines{"250 100 3 2 3", "200 100 2 1 2", "150 100 1 0 1", "100 100 0 0 0",
                                             "100 100 0 0 0", "150 100 1 0 1"}));
    EXPECT_EQ(run.StatesOf("moving direction"), (Lines{"0 0", "0 0", "0 0", "0 0", "0 0", "1 3"}));
}

TEST_F(UndoSim, UndoTakesAStepInProgressBackToWhereItBegan)
{
    SimResult run = RunOn(PUSH_LEVEL, R"(
        hold right
        run 14          # one walk, then four frames into the push
        print board
        print state
        hold z right
        run 1           # the arrow starts no step in the undo's frame
        print board
        print state
        run 1           # the arrow, still held, walks again
        print state
    )");
    const Lines start = StartedMap(PUSH_LEVEL);
    ASSERT_EQ(run.boards.size(), 2u);
    EXPECT_EQ(run.boards[0], With(start, {{4, 2, '.'}}));   // the pile is in transit
    EXPECT_EQ(run.boards[1], start);
    EXPECT_EQ(run.StatesOf(COUNTERS), (Lines{"170 100 2 1 2", "150 100 1 0 1", "155 100 2 1 2"}));
    EXPECT_EQ(run.StatesOf("moving pushing"), (Lines{"1 1", "0 0", "1 1"}));
}

TEST_F(UndoSim, RestartIsAStepUndoTakesBack)
{
    SimResult run = RunOn(PUSH_LEVEL, R"(
        hold r
        run 1           # on the start position a restart adds nothing
        print state
        hold right
        run 20
        hold r
        run 3           # held: one restart to take back, not three
        print state
        hold z
        run 1           # the position before R, counters and all
        print board
        print state
        hold
        run 1
        hold z
        run 1           # and on back through the steps before it
        print state
        hold right
        run 14          # a push onto land, and four frames into the next one
        hold r
        run 1           # a restart in the middle of that push
        hold z
        run 1           # back to where the push began
        print board
        print state
    )");
    const Lines start = StartedMap(PUSH_LEVEL);
    ASSERT_EQ(run.boards.size(), 2u);
    EXPECT_EQ(run.boards[0], With(start, {{4, 2, '.'}, {5, 2, 'o'}}));
    EXPECT_EQ(run.boards[1], run.boards[0]);
    EXPECT_EQ(run.StatesOf(COUNTERS),
              (Lines{"100 100 0 0 0", "100 100 0 0 3", "200 100 2 1 2", "150 100 1 0 1", "200 100 2 1 2"}));
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "1 level 1", "22 level 1", "23 level 1", "24 level 1",
                                            "42 level 1"}));
}

TEST_F(UndoSim, HeldUndoRepeatsAfterAPause)
{
    SimResult run = RunOn(LONG_LEVEL, R"(
        hold right
        run 100         # ten cells
        hold
        run 1
        print state
        hold z
        run 1           # one step back at once
        print state
        run 17          # 283 ms: no more yet
        print state
        run 1           # 300 ms: the second
        print state
        run 59          # 983 ms later: seven more, one every 125 ms
        print state
        run 1           # 1000 ms: the eighth
        print state
    )");
    EXPECT_EQ(run.StatesOf("undo moves"), (Lines{"10 10", "9 9", "9 9", "8 8", "1 1", "0 0"}));
}

TEST_F(UndoSim, UndoRestsInTheSequenceAndTheEditorAndALevelStartClearsIt)
{
    SimResult run = RunOn(WALK_TO_EXIT_LEVEL, R"(
        hold right
        run 20          # onto the exit
        hold z
        run 5           # on the exit the level is solved; nothing is taken back
        print state
        menu 21
        run 1           # a level start empties the history
        print state
        hold right
        run 10
        hold d
        run 1
        hold z
        run 3           # nor in the editor
        print state
        hold enter
        run 1
        print state
    )");
    EXPECT_EQ(run.StatesOf("complete editor moves undo"), (Lines{"1 0 2 2", "0 0 0 0", "0 1 1 1", "0 0 0 0"}));
}

TEST_F(UndoSim, StatusLineFollowsPlayTheSequenceTheEditorAndTheFocus)
{
    SimResult run = RunOn(WALK_TO_EXIT_LEVEL, R"(
        print status
        hold right
        run 11          # one cell, and the first frame of the next
        print status
        focus off
        print status
        focus on
        run 9
        hold
        run 1           # on the exit: the solved level is still named
        print status
        hold d
        run 1
        print status
    )");
    EXPECT_EQ(run.statuses, (Lines{"Level 1   Moves 0   Pushes 0", "Level 1   Moves 2   Pushes 0", "Paused",
                                   "Level 1   Moves 2   Pushes 0", "Editor   S save   L load   Enter back"}));
}

TEST_F(UndoSim, SpaceSkipsTheWaitOnceTheBannerShows)
{
    // The sequence begins in frame 11; the banner shows from frame 71.
    SimResult run = RunOn(EXIT_LEVEL, R"(
        hold right
        run 10
        hold space
        run 60          # no banner yet: Space waits with the rest
        print state
        run 1
        print state
        print status
    )");
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "71 level 2"}));
    EXPECT_EQ(run.StatesOf("level complete frame"), (Lines{"2 1 70", "2 0 71"}));
    EXPECT_EQ(run.statuses, Lines{"Level 2   Moves 0   Pushes 0"});
}

TEST_F(UndoSim, HelpHoldsTheGameUntilF1EscapeOrAClick)
{
    SimResult run = RunOn(PUSH_LEVEL, R"(
        hold right f1
        run 5           # the panel opens as frame 1 begins; no frame runs
        print state
        hold right
        run 5
        hold right f1
        run 3           # F1 closes it; frame 1 ends, three more run, and
        print state     # the F1 held on opens nothing
        hold right
        run 1
        hold f1
        run 1
        hold escape
        run 2           # Escape closes it and does not quit
        print state
        hold
        run 1
        hold f1
        run 1
        hold
        click left 10 10
        run 2           # a click closes it
        print state
    )");
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", "1 help", "1 help closed", "6 help",
                                 "6 help closed", "10 help", "10 help closed", "12 exit 0"}));
    EXPECT_EQ(run.StatesOf("frame playerx"), (Lines{"1 100", "4 120", "8 140", "12 150"}));
}
