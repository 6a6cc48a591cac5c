// Levels the player brings, through the simulator: a pack played through
// with progress of its own, a single level file that saves nothing, and files
// dropped on the window, bad ones named in a message while play goes on.
#include "sim_harness.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

const Lines PUSH_LEVEL = LevelMap({"@o~E"}, 1, 1);

// The directories below packs/ in the home's config directory.
std::vector<std::string> PackProgressDirs(const std::string& home)
{
    std::vector<std::string> dirs;
    const std::filesystem::path packs = home + "/config/quagmore/packs";
    if (std::filesystem::is_directory(packs))
        for (const auto& entry : std::filesystem::directory_iterator(packs))
            dirs.push_back(entry.path().filename().string());
    std::sort(dirs.begin(), dirs.end());
    return dirs;
}

} // namespace

TEST_F(SimTest, PackIsPlayedThroughWithProgressOfItsOwn)
{
    WriteLevel("level1.dat", START_LEVEL);
    WriteProgress(5);
    const std::string pack = root + "/my pack";
    WritePack(pack, {ONE_STEP_LEVEL, OTHER_STEP_LEVEL, PUSH_LEVEL});
    options = " --pack '" + pack + "'";

    SimResult run = Run(std::string("print menu\n") + SOLVE_ONE_STEP + SOLVE_ONE_STEP +
                        "print board\nhold right\nrun 31\nhold\nrun 400\nprint menu\nprint saved\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "371 level 2", "752 level 3"}));
    EXPECT_EQ(run.EventsOf("saved"), (Lines{"11 saved 2", "392 saved 3"}));
    EXPECT_EQ(run.EventsOf("sound finished").size(), 1u);
    EXPECT_EQ(run.boards, std::vector<Lines>{StartedMap(PUSH_LEVEL)});
    EXPECT_EQ(run.menus, (Lines{"100", "111"}));
    EXPECT_EQ(run.saved, Lines{"3"});
    ASSERT_EQ(run.states.size(), 1u);
    EXPECT_EQ(run.states[0]("level allfinished"), "3 1");
    // The game's own progress is untouched; the pack's is kept under its name.
    EXPECT_EQ(ReadFileText(home + "/config/quagmore/progress"), "Level=5\n");
    const std::vector<std::string> dirs = PackProgressDirs(home);
    ASSERT_EQ(dirs.size(), 1u);
    EXPECT_EQ(dirs[0].rfind("my_pack-", 0), 0u) << dirs[0];
    EXPECT_EQ(ReadFileText(home + "/config/quagmore/packs/" + dirs[0] + "/progress"), "Level=3\n");
    // Its records are never kept beside the game's own (where a campaign's
    // go is the campaign tests').
    EXPECT_EQ(run.recordEvents.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(home + "/config/quagmore/records"));

    // The next run of the pack goes on at level 3; a changed pack starts afresh.
    run = Run("print menu\n");
    EXPECT_EQ(run.EventsOf("level"), Lines{"0 level 3"});
    EXPECT_EQ(run.menus, Lines{"111"});
    WriteString(pack + "/level2", LevelText(ONE_STEP_LEVEL));
    run = Run("print saved\n");
    EXPECT_EQ(run.EventsOf("level"), Lines{"0 level 1"});
    EXPECT_EQ(run.saved, Lines{"none"});
    EXPECT_EQ(PackProgressDirs(home).size(), 1u);   // nothing saved for it yet
}

TEST_F(SimTest, LevelFileIsPlayedAloneAndSavesNothing)
{
    WriteLevel("level1.dat", START_LEVEL);
    const std::string level = root + "/one.txt";
    WriteString(level, LevelText(ONE_STEP_LEVEL));
    options = " --level " + level;
    SimResult run = Run("print menu\nprint status\nhold right\nrun 11\nhold\nrun 400\nprint state\nprint saved\nhold r\nrun 1\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.statuses, Lines{"one.txt   Moves 0   Pushes 0"});
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "412 level 1"}));
    EXPECT_EQ(run.EventsOf("sound bifald").size(), 1u);
    EXPECT_EQ(run.EventsOf("sound finished").size(), 1u);
    EXPECT_EQ(run.EventsOf("saved"), Lines{});
    EXPECT_EQ(run.menus, Lines{"1"});
    EXPECT_EQ(run.states.at(0)("level allfinished"), "1 1");
    EXPECT_EQ(run.saved, Lines{"none"});
    EXPECT_FALSE(std::filesystem::exists(home + "/config/quagmore/progress"));
    EXPECT_FALSE(std::filesystem::exists(home + "/config/quagmore/records"));
    EXPECT_EQ(run.recordEvents, Lines{});
}

// Files that are no level, dropped on the window: a message that names each
// and what is wrong (every kind of refusal is the command line test's), and
// the level in play goes on untouched. A good file then plays at once, as a
// campaign of its own.
TEST_F(SimTest, DroppedFilesPlayOrAreNamed)
{
    WriteLevel("level1.dat", START_LEVEL);
    WriteLevel("level2.dat", START_LEVEL);
    WriteProgress(2);
    const std::string bad = root + "/bad";
    std::filesystem::create_directories(bad);
    ASSERT_EQ(mkfifo((bad + "/fifo").c_str(), 0600), 0);
    WriteString(bad + "/letters.txt", LevelText(With(ONE_STEP_LEVEL, {{7, 3, 'x'}})));
    const std::pair<std::string, std::string> kinds[] = {{"fifo", "not a regular file"}, {"letters.txt", "'x' is no tile"}};
    std::string script = "print menu\n";
    for (const auto& [name, why] : kinds)
        script += "drop " + bad + "/" + name + "\nrun 1\n";
    const std::string good = root + "/good.txt";
    WriteString(good, LevelText(ONE_STEP_LEVEL));
    script += "print board\nprint menu\ndrop " + good + "\nrun 1\nprint board\nprint menu\n";
    script += "hold right\nrun 11\nhold\nrun 10\n";

    SimResult run = Run(script);
    ASSERT_EQ(run.code, 0) << run.err;
    const Lines messages = run.EventsOf("message");
    ASSERT_EQ(messages.size(), std::size(kinds)) << run.out;
    for (size_t i = 0; i < messages.size(); ++i) {
        SCOPED_TRACE(kinds[i].first);
        EXPECT_NE(messages[i].find("Can't play " + bad + "/" + kinds[i].first + ": "), std::string::npos) << messages[i];
        EXPECT_NE(messages[i].find(kinds[i].second), std::string::npos) << messages[i];
    }
    EXPECT_EQ(run.boards, (std::vector<Lines>{StartedMap(START_LEVEL), StartedMap(ONE_STEP_LEVEL)}));
    EXPECT_EQ(run.menus, (Lines{"110000000000", "110000000000", "1"}));
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 2", "2 level 1"}));
    EXPECT_EQ(run.EventsOf("sound bifald").size(), 1u);
    EXPECT_EQ(run.EventsOf("saved"), Lines{});
    EXPECT_EQ(ReadFileText(home + "/config/quagmore/progress"), "Level=2\n");
}

// A pack longer than the shipped twelve: every level has its menu command,
// its last level ends the campaign, and a saved level past its end (an
// edited file) starts that last level.
TEST_F(SimTest, LongPackHasEveryLevelAndItsOwnLast)
{
    const std::string pack = root + "/long";
    WritePack(pack, std::vector<Lines>(13, ONE_STEP_LEVEL));
    options = " --pack " + pack;
    SimResult run = Run("print menu\nmenu 113\nrun 1\nhold right\nrun 11\nhold\nrun 400\nprint menu\nprint state\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 1", "0 level 13"}));
    EXPECT_EQ(run.EventsOf("saved"), Lines{"12 saved 13"});
    EXPECT_EQ(run.EventsOf("sound finished").size(), 1u);
    EXPECT_EQ(run.menus, (Lines{"1000000000000", "1111111111111"}));
    EXPECT_EQ(run.states.at(0)("level allfinished"), "13 1");

    const std::vector<std::string> dirs = PackProgressDirs(home);
    ASSERT_EQ(dirs.size(), 1u);
    WriteString(home + "/config/quagmore/packs/" + dirs[0] + "/progress", "Level=50\n");
    run = Run("");
    EXPECT_EQ(run.EventsOf("level"), Lines{"0 level 13"});
}
