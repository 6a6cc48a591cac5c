// The program around the play: start-up and the ways out, focus, missing
// files, a second copy, saved progress, and the simulator's own script rules.
#include "tests/sim/sim_harness.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const Lines START_LEVEL = LevelMap({"@..."}, 2, 2);
const Lines EXIT_LEVEL = LevelMap({"@E."}, 2, 2);

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(SimTest, StartsUpBeforeTheScriptAndEndsFourWays)
{
    WriteLevel("level1.dat", START_LEVEL);
    struct Way {
        const char* script;
        Lines events;
    };
    const Way ways[] = {
        {"", {"0 sound start.wav", "0 level 1", "0 exit 0"}},                        // end of script: close box
        {"run 2\nclose\nrun 5\n", {"0 sound start.wav", "0 level 1", "2 exit 0"}},
        {"run 3\nmenu 2\nrun 5\n", {"0 sound start.wav", "0 level 1", "3 exit 0"}},  // File > Exit
        {"hold escape\nrun 1\nrun 5\n", {"0 sound start.wav", "0 level 1", "1 exit 0"}},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.script);
        SimResult run = Run(way.script);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.events, way.events);
    }
}

TEST_F(SimTest, NoFrameRunsWithoutFocusButMessagesAreTaken)
{
    WriteLevel("level1.dat", START_LEVEL);
    SimResult run = Run(R"(
        focus off
        hold right
        run 10          # nothing runs
        menu 4
        run 1           # takes the About command, still no frame
        print state
        focus on
        run 1
        print state
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("about"), Lines{"0 about"});
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(run.states[0]["frame"], 0);
    EXPECT_EQ(run.states[0]["playerx"], 100);
    EXPECT_EQ(run.states[1]["frame"], 1);
    EXPECT_EQ(run.states[1]["playerx"], 105);
}

TEST_F(SimTest, MenuResetAndLevelCommandsRestartTheLevel)
{
    WriteLevel("level1.dat", START_LEVEL);
    SimResult run = Run(R"(
        hold right
        run 3           # x = 115
        menu 5          # Reset, taken before frame 4, which starts the walk again
        run 1
        print state
        menu 21         # Level 1
        run 1
        print state
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "3 level 1", "4 level 1"}));
    EXPECT_EQ(run.states.at(0)["playerx"], 105);
    EXPECT_EQ(run.states.at(1)["playerx"], 105);
}

TEST_F(SimTest, MissingTileSheetIsReportedAndTheGameGoesOn)
{
    WriteLevel("level1.dat", START_LEVEL);
    RemoveDataFile("pieces.bmp");
    SimResult run = Run("hold right\nrun 1\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 message Ingen pieces", "0 level 1", "1 exit 0"}));
    EXPECT_EQ(run.states.at(0)["playerx"], 105);
}

TEST_F(SimTest, MissingLevelFileLeavesTheBufferAsItWas)
{
    // No level 1: an all-water board, the player where the sprite was made, at (0, 0).
    SimResult run = Run("hold right\nrun 3\nprint board\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), Lines{"0 message INVALID_HANDLE_VALUE"});
    EXPECT_EQ(run.EventsOf("level"), Lines{"0 level 1"});
    EXPECT_EQ(run.boards.at(0), LevelMap({}));
    EXPECT_EQ(run.states.at(0)["playerx"], 0);
    EXPECT_EQ(run.states.at(0)["playery"], 0);

    // No level 2 after level 1 is solved: level 2 is "started" from level 1's bytes.
    WriteLevel("level1.dat", EXIT_LEVEL);
    run = Run("clock 0\nhold right\nrun 10\nhold\nrun 361\nprint board\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), Lines{"371 message INVALID_HANDLE_VALUE"});
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "371 level 2"}));
    EXPECT_EQ(run.boards.at(0), StartedMap(EXIT_LEVEL));
    EXPECT_EQ(run.states.at(0)["level"], 2);
    EXPECT_EQ(run.states.at(0)["playerx"], 100);
    EXPECT_EQ(run.states.at(0)["complete"], 0);
}

TEST_F(SimTest, ReadOnlyLevelFileLoads)
{
    WriteLevel("level1.dat", START_LEVEL);
    unprivileged = true;
    ASSERT_EQ(chmod((data + "/level1.dat").c_str(), 0444), 0);
    SimResult run = Run("print board\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("message"), Lines{});
    EXPECT_EQ(run.boards.at(0), StartedMap(START_LEVEL));
}

TEST_F(SimTest, SparkleWaitsForWater)
{
    // Level 1 is all land; level 2 has one water cell, (7, 3). With no water the
    // game goes on without a sparkle cell; once there is water it is chosen.
    Lines land(12, std::string(12, '.'));
    land[2][2] = '@';
    Lines oneWater = land;
    oneWater[3][7] = '~';
    WriteLevel("level1.dat", land);
    WriteLevel("level2.dat", oneWater);
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
    ASSERT_EQ(run.states.size(), 2u);
    EXPECT_EQ(run.states[0]["newsparkle"], 1);
    EXPECT_EQ(run.states[1]["newsparkle"], 0);
    EXPECT_EQ(run.states[1]["sparklecol"], 7);
    EXPECT_EQ(run.states[1]["sparklerow"], 3);
    EXPECT_EQ(run.states[1]["sparkletime"], 83);
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
    for (int wait = 0; wait < 1000 && ReadAll(firstOut).find("saved=") == std::string::npos; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_NE(ReadAll(firstOut).find("saved=none"), std::string::npos) << "the first copy did not start";

    SimResult second = Run("run 5\nprint state\n");
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.out, "0 exit 0\n");

    std::fputs("run 2\n", first);
    const int status = pclose(first);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string out = ReadAll(firstOut);
    EXPECT_NE(out.find("0 level 1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("2 exit 0\n"), std::string::npos) << out;
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
    run = Run(R"(
        print menu
        print saved
        menu 21
        run 1
        hold right
        run 11
        hold
        run 5
        print saved
    )");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 2", "0 level 1"}));
    EXPECT_EQ(run.EventsOf("sound bifald"), Lines{"12 sound bifald.wav"});
    EXPECT_EQ(run.EventsOf("saved"), Lines{});
    EXPECT_EQ(run.menus, Lines{"110000000000"});
    EXPECT_EQ(run.saved, (Lines{"2", "2"}));
}

TEST_F(SimTest, UnusualSavedLevels)
{
    struct Case {
        int saved;
        std::string file;   // where the level lies
    };
    const Case cases[] = {
        {0, home + "/data/quagmore/level.dat"},   // the editor's file
        {13, data + "/level13.dat"},
        {100, data + "/level100.dat"},
    };
    const Lines map = LevelMap({".@E"}, 6, 9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        std::filesystem::remove_all(home);
        WriteProgress(c.saved);
        std::filesystem::create_directories(std::filesystem::path(c.file).parent_path());
        std::vector<uint8_t> bytes = LevelBytes(map);
        std::ofstream(c.file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                      static_cast<std::streamsize>(bytes.size()));
        SimResult run = Run("print board\nprint menu\nprint state\n");
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.events, (Lines{"0 sound start.wav", "0 level " + std::to_string(c.saved), "0 exit 0"}));
        EXPECT_EQ(run.boards.at(0), StartedMap(map));
        EXPECT_EQ(run.menus.at(0), "100000000000");   // only "Level 1", which every start enables
        EXPECT_EQ(run.states.at(0)["level"], c.saved);
        EXPECT_EQ(run.states.at(0)["playerx"], 350);
        std::filesystem::remove(c.file);
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

    const char* badLines[] = {"run",        "run -1",        "run x",     "hold up sideways", "click middle 1 2",
                              "click left 1", "click left 1 40000", "menu", "menu 70000",       "focus maybe",
                              "clock -5",   "print everything", "shot",  "close now"};
    for (const char* bad : badLines) {
        SCOPED_TRACE(bad);
        run = Run(std::string("# a comment, then the bad line\n") + bad + "\n", "");
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
    }

    // Names in any case, comments after commands, blanks around words.
    run = Run("  HOLD   Right  # walk\nRUN 1\n\nPrint State\n", "");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.states.at(0)["playerx"], 105);

    // Every run above made its own home and removed it again.
    EXPECT_TRUE(std::filesystem::is_empty(temp));
}
