// The shell around the model over the headless platform: level files on
// disk, the keys of a frame, start-up, and the one way out of the program.
#include "game_fixture.h"

#include "app/app.h"
#include "engine/sound.h"
#include "engine/wav.h"
#include "platform/headless/headless.h"
#include "support/bmp.h"
#include "support/bytes.h"
#include "support/tile_sheet.h"
#include "support/wav.h"

#include <chrono>
#include <filesystem>
#include <grp.h>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessReset();
        dataDir = temp.File("data");
        homeDir = temp.File("home");
        std::filesystem::create_directories(dataDir);
        std::filesystem::create_directories(homeDir);
        ASSERT_TRUE(WriteTestTileSheet(dataDir + "/pieces.bmp"));
        for (const char* name : {"splash.wav", "start.wav", "bifald.wav", "finished.wav"})
            ASSERT_TRUE(WriteFileBytes(dataDir + "/" + name, WavPlain({128, 130, 126, 128})));
        PlatformSetDirectories(dataDir, homeDir);
        Game = GameModel();
    }

    // Runs check in a child process without root's rights (as "nobody", who
    // is given the files, when the tests run as root), so that file
    // permissions apply to it.
    bool RunUnprivileged(void (*check)())
    {
        const uid_t NOBODY = 65534;
        if (geteuid() == 0) {
            lchown(temp.path.c_str(), NOBODY, NOBODY);
            for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path))
                lchown(entry.path().c_str(), NOBODY, NOBODY);
        }
        pid_t child = fork();
        if (child < 0)
            return false;
        if (child == 0) {
            if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
                _exit(2);
            check();
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    TempDir temp{"quagmore-shell-test"};
    std::string dataDir, homeDir;
};

// The editor's load finds its saved file in the user's directory; a shorter
// level file fills only its bytes. (What a save leaves on disk, over an older
// file or cut short, is the save fault tests'.)
TEST_F(ShellTest, SavedLevelLoadsAndShortFilesFillTheirBytes)
{
    int8_t bytes[LEVEL_FILE_SIZE];
    for (int i = 0; i < LEVEL_FILE_SIZE; ++i)
        bytes[i] = static_cast<int8_t>(i * 7);
    ASSERT_TRUE(AppLevelStore().LevelWrite(bytes, LEVEL_FILE_SIZE));
    int8_t read[LEVEL_FILE_SIZE] = {};
    ASSERT_TRUE(AppLevelStore().LevelRead(EDITOR_LEVEL, read, LEVEL_FILE_SIZE));
    EXPECT_EQ(Bytes(read, read + LEVEL_FILE_SIZE), Bytes(bytes, bytes + LEVEL_FILE_SIZE));
    ASSERT_TRUE(WriteFileBytes(homeDir + "/data/quagmore/level.dat", Bytes(10, TILE_LAND)));
    ASSERT_TRUE(AppLevelStore().LevelRead(EDITOR_LEVEL, read, LEVEL_FILE_SIZE));
    EXPECT_EQ(read[9], TILE_LAND);
    EXPECT_EQ(read[10], 70);
    EXPECT_FALSE(AppLevelStore().LevelRead(4, read, LEVEL_FILE_SIZE));
}

// Without root's rights a read-only level.dat is not saved over. (That a
// read-only shipped level loads is the simulator's.)
TEST_F(ShellTest, ReadOnlyLevelDatIsNotSavedOver)
{
    int8_t bytes[LEVEL_FILE_SIZE] = {};
    ASSERT_TRUE(AppLevelStore().LevelWrite(bytes, LEVEL_FILE_SIZE));
    ASSERT_EQ(chmod((homeDir + "/data/quagmore/level.dat").c_str(), 0444), 0);
    EXPECT_TRUE(RunUnprivileged([] {
        int8_t read[LEVEL_FILE_SIZE] = {};
        EXPECT_FALSE(AppLevelStore().LevelWrite(read, LEVEL_FILE_SIZE));
    }));
}

// Files of a size no game file has are refused before they are read: a tile
// sheet far larger than the sheet's layout ("Ingen pieces", as for a missing
// one), and a sound over the cap (the others still load).
TEST_F(ShellTest, OversizedSheetAndSoundsAreRefused)
{
    BmpOptions huge;
    huge.width = 2048;
    huge.height = 1024;
    ASSERT_TRUE(WriteFileBytes(dataDir + "/pieces.bmp", BmpEncode(huge, [](int, int) { return 0x123456u; })));
    ASSERT_TRUE(WriteFileBytes(dataDir + "/splash.wav", WavPlain(Bytes(WAV_MAX_FILE_BYTES, 0x80))));
    GameStartup();
    EXPECT_EQ(HeadlessMessageBoxes(), std::vector<std::string>{"Ingen pieces"});
    EXPECT_EQ(SoundIds[SOUND_SPLASH], SOUND_NONE);
    EXPECT_NE(SoundIds[SOUND_START], SOUND_NONE);
    GameShutdown();

    // A sheet a little larger than the layout still loads.
    BmpOptions larger;
    larger.width = SHEET_WIDTH + 100;
    larger.height = SHEET_HEIGHT + 100;
    ASSERT_TRUE(WriteFileBytes(dataDir + "/pieces.bmp", BmpEncode(larger, [](int, int) { return 0x123456u; })));
    HeadlessReset();
    GameStartup();
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
    GameShutdown();
}

// Without a keyboard start-up beeps, and only Escape and Enter are read.
TEST_F(ShellTest, NoKeyboardNoSound)
{
    HeadlessSetKeyboardPresent(false);
    HeadlessSetSoundDevicePresent(false);
    GameStartup();
    EXPECT_EQ(HeadlessBeeps(), 2);   // the keyboard and the sound system
    HeadlessSetKey(PLATFORM_KEY_ESCAPE, true);
    HeadlessSetKey(PLATFORM_KEY_ENTER, true);
    HeadlessSetKey(PLATFORM_KEY_R, true);
    GameInput input = AppReadInput();
    EXPECT_FALSE(input.keyboard);
    EXPECT_TRUE(input.escape);
    EXPECT_TRUE(input.enter);
    EXPECT_FALSE(input.reset);
    GameShutdown();
}

// The level of the day on the game's own thread: while it is being made the
// frames go on and the status line says so; once made it is played as a
// campaign of one level, the very board the inline making (the simulator's)
// gives.
TEST_F(ShellTest, LevelOfTheDayIsMadeBesideTheFrames)
{
    const std::string date = "2026-12-11";   // a day whose level is made in well under a second
    const int FRAMES_MAX = 6000;             // a minute, each frame 10 ms apart
    PlatformWindowDesc window;
    window.width = window.height = BOARD_SIZE * CELL_SIZE;
    ASSERT_EQ(PlatformCreateWindow(window), 1);
    AppDailySetup(SOLVER_WORKER_INLINE);
    AppDailyAsk(date);
    AppDailyFrame();
    ASSERT_EQ(Campaign.kind, CAMPAIGN_DAILY);
    const std::vector<uint8_t> made = Campaign.levels.at(0).bytes;
    AppCampaignPlay(AppCampaign());

    AppDailySetup(SOLVER_WORKER_THREAD);
    AppDailyAsk(date);
    EXPECT_EQ(PlatformStatusShown(), "Daily " + date + "   Making the level of the day...");
    int frames = 0;
    for (; frames < FRAMES_MAX && Campaign.kind != CAMPAIGN_DAILY; ++frames) {
        AppDailyFrame();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(Campaign.kind, CAMPAIGN_DAILY) << "not made in " << frames << " frames";
    EXPECT_EQ(Campaign.levels.at(0).bytes, made);
    EXPECT_EQ(Bytes(Game.levelBuffer, Game.levelBuffer + LEVEL_FILE_SIZE), Bytes(made.begin(), made.end()));
    EXPECT_EQ(PlatformStatusShown(), "Daily " + date + "   Moves 0   Pushes 0");
    AppDailyStop();
    AppCampaignUse(AppCampaign());
}

} // namespace
