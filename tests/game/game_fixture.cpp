#include "game_fixture.h"

#include "support/surface.h"
#include "support/wav.h"


#include <cstring>
#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

void FillBoard(int32_t tile)
{
    for (auto& column : Board)
        for (int32_t& cell : column)
            cell = tile;
}

void GameFixture::SetUp()
{
    HeadlessReset();
    ASSERT_FALSE(temp.path.empty());
    dataDir = temp.File("data");
    homeDir = temp.File("home");
    std::filesystem::create_directories(dataDir);
    std::filesystem::create_directories(homeDir);
    if (tileSheetSource.empty())
        ASSERT_TRUE(WriteTestTileSheet(dataDir + "/pieces.bmp"));
    else
        ASSERT_TRUE(WriteFileBytes(dataDir + "/pieces.bmp", ReadFileBytes(tileSheetSource)));
    for (const char* name : {"splash.wav", "start.wav", "bifald.wav", "finished.wav"})
        ASSERT_TRUE(WriteFileBytes(dataDir + "/" + name, WavPlain({128, 130, 126, 128})));
    PlatformSetDirectories(dataDir, homeDir);

    GameState = GameStateRecord();
    MouseClick = MouseClickRecord();
    std::memset(Board, 0, sizeof Board);
    std::memset(LevelBuffer, 0, sizeof LevelBuffer);
    GameStartup();
    ASSERT_NE(MainDisplay.backSurface, nullptr);
}

void GameFixture::TearDown()
{
    GameShutdown();
}

void GameFixture::PlacePlayer(int column, int row)
{
    PlayerSprite.x = column * CELL_SIZE;
    PlayerSprite.y = row * CELL_SIZE;
}

void GameFixture::HideSparkle()
{
    GameState.newSparkle = 0;
    GameState.sparkleTime = ClockNow();
}

uint32_t GameFixture::Pixel(int x, int y)
{
    return SurfacePixel(MainDisplay.backSurface, x, y);
}

uint32_t GameFixture::CellPixel(int column, int row)
{
    return Pixel(column * CELL_SIZE + 2, row * CELL_SIZE + 2);
}

int GameFixture::SoundsPlayed(const std::string& name)
{
    int count = 0;
    for (const HeadlessSoundEvent& event : HeadlessSoundEvents())
        count += event.action == HEADLESS_SOUND_PLAY && event.name == name;
    return count;
}

bool GameFixture::RunUnprivileged(void (*check)(GameFixture&))
{
    const uid_t NOBODY = 65534;
    if (geteuid() == 0) {
        // The child must reach its files once it is nobody.
        chmod(temp.path.c_str(), 0777);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path))
            if (entry.is_directory())
                chmod(entry.path().c_str(), 0777);
    }
    pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
            _exit(2);
        check(*this);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
