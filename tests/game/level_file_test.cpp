// Level files: names, read-only files, the editor's save that keeps what lies
// past its 300 bytes, and the passes of StartLevel.
#include "game_fixture.h"

#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using LevelFileTest = GameFixture;

TEST(LevelFileName, AllDigitsOfTheNumber)
{
    EXPECT_EQ(LevelFileName(0), "level.dat");
    EXPECT_EQ(LevelFileName(12), "level12.dat");
}

TEST_F(LevelFileTest, StartLevelBuildsTheBoard)
{
    // Column, row, the byte in the file and the tile it starts as.
    const int32_t cells[][4] = {
        {1, 1, TILE_START, TILE_LAND}, {2, 1, TILE_LAND, TILE_LAND}, {3, 1, TILE_PILE, TILE_PILE},
        {4, 1, TILE_EXIT, TILE_EXIT},
        {7, 3, TILE_START, TILE_LAND},   // the last start scanned wins
        {5, 5, 0, TILE_WATER}, {6, 6, 19, TILE_WATER}, {7, 7, 200, TILE_WATER},   // unknown codes are water
    };
    Bytes bytes(LEVEL_FILE_SIZE, TILE_WATER);
    for (const auto& [column, row, code, tile] : cells)
        bytes[LevelByteIndex(column, row)] = static_cast<uint8_t>(code);
    ASSERT_TRUE(WriteFileBytes(dataDir + "/level7.dat", bytes));
    GameState.currentLevel = 7;
    GameState.drawnWidth = 20;
    GameState.levelComplete = 1;
    ExitSprite.frameIndex = 1;
    PlayerSprite.frameIndex = 3;

    StartLevel();
    EXPECT_EQ(GameState.resetLevel, 7);
    EXPECT_EQ(GameState.levelComplete, 0);
    EXPECT_EQ(GameState.drawnWidth, 50);
    EXPECT_EQ(ExitSprite.frameIndex, 0);
    EXPECT_EQ(PlayerSprite.frameIndex, 0);
    for (const auto& [column, row, code, tile] : cells)
        EXPECT_EQ(Board[column][row], tile) << column << "," << row;
    EXPECT_EQ(PlayerSprite.x, 7 * CELL_SIZE);
    EXPECT_EQ(PlayerSprite.y, 3 * CELL_SIZE);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
}

TEST_F(LevelFileTest, SaveCreatesOrOverwritesWithoutTruncating)
{
    const std::string path = homeDir + "/data/quagmore/level.dat";
    for (int i = 0; i < LEVEL_FILE_SIZE; ++i)
        LevelBuffer[i] = static_cast<int8_t>(i * 7);
    const Bytes buffer(LevelBuffer, LevelBuffer + LEVEL_FILE_SIZE);
    WriteLevelFile();
    EXPECT_EQ(ReadFileBytes(path), buffer);
    // Over a longer file the bytes past the 300th stay.
    ASSERT_TRUE(WriteFileBytes(path, Bytes(LEVEL_FILE_SIZE + 20, 1)));
    WriteLevelFile();
    Bytes longer = buffer;
    longer.insert(longer.end(), 20, 1);
    EXPECT_EQ(ReadFileBytes(path), longer);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());

    // The editor's load finds the saved file in the user's directory.
    std::memset(LevelBuffer, 0, sizeof LevelBuffer);
    LoadLevelFile(EDITOR_LEVEL);
    EXPECT_EQ(Bytes(LevelBuffer, LevelBuffer + LEVEL_FILE_SIZE), buffer);
}

// Without root's rights: a read-only level file loads, and a save that
// cannot open its file says so.
TEST_F(LevelFileTest, ReadOnlyFilesLoadButCannotBeSaved)
{
    Bytes level(LEVEL_FILE_SIZE, TILE_WATER);
    level[LevelByteIndex(3, 1)] = TILE_PILE;
    ASSERT_TRUE(WriteFileBytes(dataDir + "/level5.dat", level));
    WriteLevelFile();
    ASSERT_EQ(chmod((dataDir + "/level5.dat").c_str(), 0444), 0);
    ASSERT_EQ(chmod((homeDir + "/data/quagmore/level.dat").c_str(), 0444), 0);
    EXPECT_TRUE(RunUnprivileged([](GameFixture&) {
        LoadLevelFile(5);
        EXPECT_TRUE(HeadlessMessageBoxes().empty());
        EXPECT_EQ(LevelBuffer[LevelByteIndex(3, 1)], TILE_PILE);
        WriteLevelFile();
        ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
        EXPECT_EQ(HeadlessMessageBoxes()[0], "INVALID_HANDLE_VALUE");
    }));
}

} // namespace

namespace {

// The editor's level.dat as no regular file (a FIFO, a directory) is refused
// at once, never waited on; the game says so as for a missing file.
TEST_F(LevelFileTest, LevelFilesThatAreNoFilesAreRefused)
{
    const std::string path = homeDir + "/data/quagmore/level.dat";
    std::filesystem::create_directories(homeDir + "/data/quagmore");
    alarm(30);   // a FIFO that is waited on fails the test instead of hanging it
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    for (bool fifo : {true, false}) {
        if (!fifo) {
            std::filesystem::remove(path);
            std::filesystem::create_directories(path);
        }
        HeadlessReset();
        LoadLevelFile(EDITOR_LEVEL);
        EXPECT_EQ(HeadlessMessageBoxes(), std::vector<std::string>{"INVALID_HANDLE_VALUE"}) << fifo;
    }
    alarm(0);
}

} // namespace
