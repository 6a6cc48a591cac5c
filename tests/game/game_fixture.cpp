#include "game_fixture.h"

#include "tile_sheet_writer.h"

#include "app/app.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "game/board.h"
#include "game/editor.h"
#include "game/game_state.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const SOUND_NAMES[] = {"splash.wav", "start.wav", "bifald.wav", "finished.wav"};

// A short 8-bit mono 11025 Hz PCM wave.
std::vector<int8_t> TinyWave()
{
    const uint8_t bytes[] = {'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                             16, 0, 0, 0, 1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0,
                             1, 0, 8, 0, 'd', 'a', 't', 'a', 4, 0, 0, 0, 128, 130, 126, 128};
    return std::vector<int8_t>(bytes, bytes + sizeof bytes);
}

} // namespace

int8_t TileOfChar(char c)
{
    switch (c) {
    case '.':
        return TILE_LAND;
    case 'o':
        return TILE_PILE;
    case 'E':
        return TILE_EXIT;
    case '@':
        return TILE_START;
    default:
        return TILE_WATER;
    }
}

void GameFixture::SetUp()
{
    HeadlessReset();
    char pattern[] = "/tmp/quagmore-game-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
    dataDir = root + "/data";
    homeDir = root + "/home";
    std::filesystem::create_directories(dataDir);
    std::filesystem::create_directories(homeDir);
    ASSERT_TRUE(WriteTestTileSheet(dataDir + "/pieces.bmp"));
    for (const char* name : SOUND_NAMES)
        WriteBytes(dataDir + "/" + name, TinyWave());
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
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

void GameFixture::WriteLevel(int level, const BoardText& rows)
{
    std::vector<int8_t> bytes(LEVEL_FILE_SIZE, 0);
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int column = 0; column < BOARD_SIZE; ++column)
            bytes[LevelByteIndex(column, row)] = TileOfChar(rows.at(row).at(column));
    WriteBytes(dataDir + "/" + LevelFileName(level), bytes);
}

void GameFixture::WriteBytes(const std::string& path, const std::vector<int8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
}

std::vector<int8_t> GameFixture::ReadBytes(const std::string& path)
{
    std::vector<int8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(static_cast<int8_t>(c));
    std::fclose(file);
    return bytes;
}

void GameFixture::SetBoard(const BoardText& rows)
{
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int column = 0; column < BOARD_SIZE; ++column) {
            int8_t tile = TileOfChar(rows.at(row).at(column));
            Board[column][row] = tile == TILE_START ? static_cast<int32_t>(TILE_LAND) : tile;
        }
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
    SDL_Surface* surface = MainDisplay.backSurface;
    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
    return row[x] & 0xFFFFFF;
}

uint32_t GameFixture::CellPixel(int column, int row)
{
    return Pixel(column * CELL_SIZE + 2, row * CELL_SIZE + 2);
}

int GameFixture::SoundsPlayed(const std::string& name)
{
    int count = 0;
    for (const HeadlessSoundEvent& event : HeadlessSoundEvents())
        if (event.action == HEADLESS_SOUND_PLAY && event.name == name)
            ++count;
    return count;
}

bool GameFixture::RunUnprivileged(void (*check)(GameFixture&))
{
    const uid_t NOBODY = 65534;
    if (geteuid() == 0) {
        // The child must reach its files once it is nobody.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_directory())
                chmod(entry.path().c_str(), 0777);
        chmod(root.c_str(), 0777);
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
