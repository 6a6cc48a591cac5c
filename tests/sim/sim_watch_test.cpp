// Watch solution (W, File > Watch solution): the level plays itself from its
// start to the exit with its own sounds and counts for nothing; a key, a
// click or a level choice stops it and gives the level back from its start,
// the player's undo history as it was; once the board has a record, W plays
// the player's best instead of the solver's path.
#include "sim_harness.h"

namespace {

// TWO_ROUTES_LEVEL: URRRD, without a push, is the solver's path; RRR, the
// push into the water, has fewer moves. NO_WAY: no pile, no way to the exit.
const Lines NO_WAY = LevelMap({".@.~E"}, 1, 1);
const int START = 2 * 50;
const char* const WATCH_MENU = "menu 61\n";

Lines Without(const Lines& events, const std::string& word)
{
    Lines kept;
    for (const std::string& event : events)
        if (event.find(word) == std::string::npos)
            kept.push_back(event);
    return kept;
}

} // namespace

TEST_F(SimTest, WatchingPlaysTheFewestPushesToTheExitAndSavesNothing)
{
    WriteLevel("level1.dat", ONE_WAY_LEVEL);
    WriteLevel("level2.dat", NO_WAY);
    SimResult run = Run(R"(
        hold up
        run 10          # an attempt of the player's own: one step up
        hold w
        run 1           # frame 11 asks the solver
        print status
        run 1           # frame 12: the path comes; the level restarts
        hold
        run 15
        print status
        run 400         # the exit, the applause, the sequence, and back
        print state
        print status
        print saved
        print records
        hold z
        run 1           # undo takes back the restart before the watch...
        print state
        hold
        run 1
        hold z
        run 1           # ...then the player's own step; the watch left none
        print state
        menu 22
        run 1
        hold w
        run 2
        print status
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Without(run.events, "sound start"),
              (Lines{"0 level 1", "11 watch searching", "12 level 1", "12 watch solution 3", "22 sound splash.wav",
                     "43 sound bifald.wav", "403 watch end exit", "430 level 2", "432 watch searching",
                     "433 watch unsolvable", "433 exit 0"}));
    EXPECT_EQ(run.statuses,
              (Lines{"Looking for the fewest pushes...   Any key stops", "Solution   Level 1   Moves 2   Pushes 1   Any key stops",
                     "Level 1   Moves 0   Pushes 0", "No solution to watch: the level can't be solved"}));
    ASSERT_EQ(run.states.size(), 3u);
    // The level from its start, still level 1; nothing reached or recorded.
    // Undo holds the player's step and the restart before the watch.
    EXPECT_EQ(run.states[0]("level complete moves pushes playerx playery undo"),
              "1 0 0 0 " + std::to_string(START) + " " + std::to_string(START) + " 2");
    EXPECT_EQ(run.saved, Lines{"none"});
    EXPECT_EQ(run.records, std::vector<Lines>{Lines{"none"}});
    EXPECT_EQ(run.recordEvents, Lines{});
    EXPECT_EQ(run.states[1]("moves playery undo"), "1 " + std::to_string(START - 50) + " 1");
    EXPECT_EQ(run.states[2]("moves playery undo"), "0 " + std::to_string(START) + " 0");
}

TEST_F(SimTest, AKeyAClickOrALevelChoiceStopsTheWatchAndGivesTheLevelBack)
{
    WriteLevel("level1.dat", ONE_WAY_LEVEL);
    SimResult run = Run(std::string("hold w\nrun 2\nhold\nrun 15\n") +
                        // Right stops it; held on, it does nothing until pressed again.
                        "hold right\nrun 20\nprint state\nhold\nrun 1\nhold right\nrun 10\nprint state\n" +
                        // Escape stops a watch begun from the menu, and quits nothing.
                        "hold\nrun 1\n" + WATCH_MENU + "run 15\nhold escape\nrun 3\nhold\nrun 1\nprint state\n" +
                        // A click, the menu item again, and a level chosen.
                        WATCH_MENU + "run 15\nclick left 10 10\nrun 1\n" + WATCH_MENU + "run 15\n" + WATCH_MENU +
                        "run 1\n" + WATCH_MENU + "run 15\nmenu 21\nrun 1\nprint state\nprint status\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("watch end"), (Lines{"18 watch end stopped", "65 watch end stopped", "84 watch end stopped",
                                                "100 watch end stopped", "116 watch end level"}));
    EXPECT_EQ(run.EventsOf("watch solution").size(), 5u);
    ASSERT_EQ(run.states.size(), 4u);
    const std::string atStart = "0 0 " + std::to_string(START) + " " + std::to_string(START);
    EXPECT_EQ(run.states[0]("moves pushes playerx playery"), atStart);
    // Pressed again, right pushes as the player's own move.
    EXPECT_EQ(run.states[1]("moves pushes playerx"), "1 1 " + std::to_string(START + 50));
    EXPECT_EQ(run.states[2]("moves pushes playerx playery"), atStart);
    EXPECT_EQ(run.states[3]("moves pushes playerx playery"), atStart);
    EXPECT_EQ(run.statuses, Lines{"Level 1   Moves 0   Pushes 0"});
    EXPECT_EQ(run.EventsOf("exit"), Lines{"116 exit 0"});
    EXPECT_EQ(run.saved, Lines{});
}

TEST_F(SimTest, AfterASolveWatchPlaysThePlayersBest)
{
    WriteLevel("level1.dat", TWO_ROUTES_LEVEL);
    WriteLevel("level2.dat", TWO_ROUTES_LEVEL);
    SimResult run = Run(R"(
        hold w
        run 2           # no record yet: the solver's path, without a push
        hold left
        run 1
        hold
        run 1
        hold right
        run 30          # solved the player's way: 3 moves, 1 push
        hold
        run 1
        menu 21
        run 1
        hold w
        run 1           # the best of the records, at once
        hold
        run 30
        print status
        run 400
        print records
        print saved
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("watch"), (Lines{"1 watch searching", "2 watch solution 5", "3 watch end stopped",
                                            "37 watch best 3", "428 watch end exit"}));
    EXPECT_EQ(run.EventsOf("sound splash"), (Lines{"14 sound splash.wav", "47 sound splash.wav"}));
    EXPECT_EQ(run.statuses, Lines{"Your best   Level 1   Moves 3   Pushes 1   Best 3 / 1   Any key stops"});
    // The player's solve alone is recorded and saved.
    EXPECT_EQ(run.recordEvents, Lines{"35 record 1 3 1"});
    ASSERT_EQ(run.records.size(), 1u);
    EXPECT_EQ(run.records[0].size(), 2u);
    EXPECT_EQ(run.saved, Lines{"2"});
}
