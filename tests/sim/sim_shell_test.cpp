// The program around the play: start-up and the ways out, focus, menu
// commands, missing files, a second copy, saved progress, and the
// simulator's own script rules.
#include "sim_harness.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace {


} // namespace

TEST_F(SimTest, StartsUpBeforeTheScriptAndEndsFourWays)
{
    WriteLevel("level1.dat", START_LEVEL);
    const std::pair<const char*, const char*> ways[] = {
        {"", "0 exit 0"},                             // end of script: the close box
        {"run 2\nclose\nrun 5\n", "2 exit 0"},
        {"run 3\nmenu 2\nrun 5\n", "3 exit 0"},       // File > Exit
        {"hold escape\nrun 1\nrun 5\n", "1 exit 0"},  // Escape: its frame still runs
    };
    for (const auto& [script, exit] : ways) {
        SCOPED_TRACE(script);
        SimResult run = Run(script);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", exit}));
    }
}

TEST_F(SimTest, MenuCommandsFocusAndHeldR)
{
    WriteLevel("level1.dat", START_LEVEL);
    SimResult run = Run(R"(
        focus off
        hold r right
        run 10          # no frame runs without the focus
        menu 4
        run 1           # but the About command is taken
        print state
        focus on
        run 3           # R held restarts the level in every frame
        print state
        hold right
        run 3           # x = 120
        menu 5          # Reset, taken before frame 7, which walks again from the start
        run 1
        print state
        menu 21         # Level 1
        run 1
        print state
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level 1", "0 about", "1 level 1", "2 level 1", "3 level 1",
                                 "6 level 1", "7 level 1", "8 exit 0"}));
    EXPECT_EQ(run.StatesOf("frame playerx"), (Lines{"0 100", "3 105", "7 105", "8 105"}));
}

TEST_F(SimTest, MissingFilesAreReportedAndTheGameGoesOn)
{
    WriteLevel("level1.dat", START_LEVEL);
    std::filesystem::remove(data + "/pieces.bmp");
    SimResult run = Run("hold right\nrun 1\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 message Ingen pieces", "0 level 1", "1 exit 0"}));
    EXPECT_EQ(run.StatesOf("playerx"), Lines{"105"});

    // No level 1: an all-water board, the player where the sprite was made, at (0, 0).
    std::filesystem::remove(data + "/level1.dat");
    run = Run("hold right\nrun 3\nprint board\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), (Lines{"0 message Ingen pieces", "0 message INVALID_HANDLE_VALUE"}));
    EXPECT_EQ(run.EventsOf("level"), Lines{"0 level 1"});
    EXPECT_EQ(run.boards, std::vector<Lines>{LevelMap({})});
    EXPECT_EQ(run.StatesOf("playerx playery"), Lines{"0 0"});

    // No level 2 after level 1 is solved: level 2 is "started" from level 1's bytes.
    WriteLevel("level1.dat", EXIT_LEVEL);
    run = Run("clock 0\nhold right\nrun 10\nhold\nrun 361\nprint board\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), (Lines{"0 message Ingen pieces", "371 message INVALID_HANDLE_VALUE"}));
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "371 level 2"}));
    EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(EXIT_LEVEL)});
    EXPECT_EQ(run.StatesOf("level complete playerx"), Lines{"2 0 100"});
}

TEST_F(SimTest, ReadOnlyLevelFileLoads)
{
    WriteLevel("level1.dat", START_LEVEL);
    unprivileged = true;
    ASSERT_EQ(chmod((data + "/level1.dat").c_str(), 0444), 0);
    SimResult run = Run("print board\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), Lines{});
    EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(START_LEVEL)});
}

TEST_F(SimTest, SparkleWaitsForWater)
{
    // Level 1 is all land; level 2 has one water cell, (7, 3). With no water the
    // game goes on without a sparkle cell; once there is water it is chosen.
    const Lines land = With(Lines(12, std::string(12, '.')), {{2, 2, '@'}});
    WriteLevel("level1.dat", land);
    WriteLevel("level2.dat", With(land, {{7, 3, '~'}}));
    WriteProgress(2);
    SimResult run = Run(R"(
        clock 0
        menu 21         # level 1 before the first frame
        run 5
        print state
        menu 22         # level 2 before frame 6, which reads the clock at 83 ms
        run 1
        print state
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.states.at(0)["newsparkle"], 1);
    EXPECT_EQ(run.states.at(1)("newsparkle sparklecol sparklerow sparkletime"), "0 7 3 83");
}

TEST_F(SimTest, SecondCopyIsRefused)
{
    WriteLevel("level1.dat", START_LEVEL);
    // The first copy reads its script from a pipe, so it runs until the pipe closes.
    const std::string firstOut = root + "/first.out";
    std::FILE* first = popen((SimCommandLine(home) + " > " + firstOut + " 2>&1").c_str(), "w");
    ASSERT_NE(first, nullptr);
    std::fputs("print saved\n", first);
    std::fflush(first);
    for (int wait = 0; wait < 1000 && ReadFileText(firstOut).find("saved=") == std::string::npos; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_NE(ReadFileText(firstOut).find("saved=none"), std::string::npos) << "the first copy did not start";

    SimResult second = Run("run 5\nprint state\n");
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.out, "0 exit 0\n");

    std::fputs("run 2\n", first);
    const int status = pclose(first);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFileText(firstOut), "0 sound start.wav\n0 level 1\nsaved=none\n2 exit 0\n");
}

TEST_F(SimTest, ProgressCarriesOverToTheNextRun)
{
    WriteLevel("level1.dat", EXIT_LEVEL);
    WriteLevel("level2.dat", START_LEVEL);
    SimResult run = Run("print saved\nhold right\nrun 11\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.saved, Lines{"none"});
    EXPECT_EQ(run.EventsOf("saved"), Lines{"11 saved 2"});

    // The next run resumes at level 2; replaying level 1 stores nothing lower.
    run = Run("print menu\nprint saved\nmenu 21\nrun 1\nhold right\nrun 11\nhold\nrun 5\nprint saved\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 2", "0 level 1"}));
    EXPECT_EQ(run.EventsOf("sound bifald"), Lines{"12 sound bifald.wav"});
    EXPECT_EQ(run.EventsOf("saved"), Lines{});
    EXPECT_EQ(run.menus, Lines{"110000000000"});
    EXPECT_EQ(run.saved, (Lines{"2", "2"}));
}

TEST_F(SimTest, UnusualSavedLevels)
{
    // 0 plays the editor's file; 13 and up look for their level file, all digits.
    const Lines map = LevelMap({".@E"}, 6, 9);
    const std::pair<int, std::string> cases[] = {
        {0, home + "/data/quagmore/level.dat"}, {13, data + "/level13.dat"}, {100, data + "/level100.dat"}};
    for (const auto& [saved, file] : cases) {
        SCOPED_TRACE(saved);
        std::filesystem::remove_all(home);
        WriteProgress(saved);
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        ASSERT_TRUE(WriteFileBytes(file, LevelBytes(map)));
        SimResult run = Run("print board\nprint menu\nprint state\n");
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level " + std::to_string(saved), "0 exit 0"}));
        EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(map)});
        EXPECT_EQ(run.menus, Lines{"100000000000"});   // only "Level 1", which every start enables
        EXPECT_EQ(run.StatesOf("level playerx"), Lines{std::to_string(saved) + " 350"});
        std::filesystem::remove(file);
    }
    // A saved 13 without its file: the message, and the game goes on.
    WriteProgress(13);
    SimResult run = Run("run 1\n");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.EventsOf("message"), Lines{"0 message INVALID_HANDLE_VALUE"});
}

TEST_F(SimTest, ScriptErrorsStopWithCode2AndNameTheLine)
{
    WriteLevel("level1.dat", START_LEVEL);
    SimResult run = Run("run 1\nprint state\njump 3\nprint state\n", "");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("jump"), std::string::npos) << run.err;
    EXPECT_EQ(run.states.size(), 1u);        // the lines before the error ran
    EXPECT_EQ(run.EventsOf("exit"), Lines{});

    for (const char* bad : {"run", "run -1", "run x", "hold up sideways", "click middle 1 2", "click left 1",
                            "click left 1 40000", "menu", "menu 70000", "focus maybe", "clock -5", "print everything",
                            "shot", "close now"}) {
        SCOPED_TRACE(bad);
        run = Run(std::string("# a comment, then the bad line\n") + bad + "\n", "");
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    }

    // Names in any case, comments after commands, blanks around words.
    run = Run("  HOLD   Right  # walk\nRUN 1\n\nPrint State\n", "");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.StatesOf("playerx"), Lines{"105"});
    // Every run above made its own home and removed it again.
    EXPECT_TRUE(std::filesystem::is_empty(temp));
}
