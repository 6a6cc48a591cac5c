// Campaigns chosen by name through the simulator: File › Campaign and
// --campaign, each campaign's progress and records kept apart from the
// game's own, and the choice remembered in the settings.
#include "sim_harness.h"

#include <filesystem>

namespace {

// File › Campaign: Quagmore, Bonus, then the user's packs by name.
const int MENU_QUAGMORE = 300, MENU_BONUS = 301;

class SimCampaignTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        WriteLevel("level1.dat", ONE_STEP_LEVEL);
        WriteLevel("level2.dat", START_LEVEL);
        WriteProgress(2);
        WritePack(data + "/bonus", {ONE_STEP_LEVEL, OTHER_STEP_LEVEL, LevelMap({"@.E"}, 3, 3)});
        WritePack(packs + "/Mine", {OTHER_STEP_LEVEL});
        // Named like the Bonus campaign: left out.
        WritePack(packs + "/bonus", {OTHER_STEP_LEVEL});
    }

    const std::string config = home + "/config/quagmore";
    const std::string packs = home + "/data/quagmore/packs";
};

std::string Menu(int command)
{
    return "menu " + std::to_string(command) + "\nrun 1\n";
}

TEST_F(SimCampaignTest, ChosenCampaignKeepsItsOwnProgressAndIsRemembered)
{
    SimResult run = Run("print campaign\nprint status\n" + Menu(MENU_BONUS) +
                        "print campaign\nprint status\n" + SOLVE_ONE_STEP + "print saved\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.campaigns, (Lines{"Quagmore levels=12", "Bonus levels=3"}));
    EXPECT_EQ(run.statuses, (Lines{"Level 2   Moves 0   Pushes 0", "Bonus 1   Moves 0   Pushes 0"}));
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 2", "0 level 1", "372 level 2"}));
    EXPECT_EQ(run.saved, Lines{"2"});
    EXPECT_NE(run.err.find(packs + "/bonus is left out: another campaign is called Bonus"), std::string::npos)
        << run.err;
    // The game's own progress and records are untouched; Bonus keeps its own.
    EXPECT_EQ(ReadFileText(config + "/progress"), "Level=2\n");
    EXPECT_FALSE(std::filesystem::exists(config + "/records"));
    EXPECT_EQ(ReadFileText(config + "/campaigns/bonus/progress"), "Level=2\n");
    EXPECT_NE(ReadFileText(config + "/campaigns/bonus/records").find("level=1 "), std::string::npos);
    EXPECT_EQ(ReadFileText(config + "/settings"), "campaign=Bonus\n");

    // The next start plays the choice, from its own progress; choosing the
    // game's own levels again goes on from theirs.
    run = Run("print campaign\nprint menu\n" + Menu(MENU_QUAGMORE) + "print campaign\nprint status\nprint menu\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.campaigns, (Lines{"Bonus levels=3", "Quagmore levels=12"}));
    EXPECT_EQ(run.EventsOf("level"), (Lines{"0 level 2", "0 level 2"}));
    EXPECT_EQ(run.menus, (Lines{"110", "110000000000"}));
    EXPECT_EQ(run.statuses, Lines{"Level 2   Moves 0   Pushes 0"});
    EXPECT_EQ(ReadFileText(config + "/settings"), "campaign=Quagmore\n");
}

// --campaign takes a name in any case, and is played without being
// remembered; a name that is none is refused with the names there are. A
// name in the settings that is none is said, and the game's levels played.
TEST_F(SimCampaignTest, CampaignByNameOnTheCommandLineAndInTheSettings)
{
    options = " --campaign BONUS";
    SimResult run = Run("print campaign\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.campaigns, Lines{"Bonus levels=3"});
    options = " --campaign mine";
    run = Run("print campaign\nprint status\n");
    EXPECT_EQ(run.campaigns, Lines{"Mine levels=1"});
    EXPECT_EQ(run.statuses, Lines{"Mine 1   Moves 0   Pushes 0"});
    EXPECT_FALSE(std::filesystem::exists(config + "/settings"));

    options = " --campaign nope";
    run = Run("print campaign\n");
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("there is no campaign called 'nope'; the campaigns are: Quagmore, Bonus, Mine"),
              std::string::npos)
        << run.err;

    options = "";
    const std::string settings = "zoom=2\ncampaign=Gone\n";
    WriteString(config + "/settings", settings);
    run = Run("print campaign\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.campaigns, Lines{"Quagmore levels=12"});
    EXPECT_NE(run.err.find("there is no campaign called 'Gone'"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFileText(config + "/settings"), settings);
}

} // namespace
