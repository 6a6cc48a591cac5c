// Level files: names, read-only files, the editor's save that keeps what lies
// past its 300 bytes, and the passes of StartLevel.
#include "game_fixture.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using LevelFileTest = GameFixture;

const BoardText SMALL_LEVEL = {
    "~~~~~~~~~~~~", "~@.o.E~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~",
    "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~", "~~~~~~~~~~~~",
};

TEST(LevelFileName, AllDigitsOfTheNumber)
{
    EXPECT_EQ(LevelFileName(0), "level.dat");
    EXPECT_EQ(LevelFileName(1), "level1.dat");
    EXPECT_EQ(LevelFileName(12), "level12.dat");
    EXPECT_EQ(LevelFileName(255), "level255.dat");
}

TEST_F(LevelFileTest, StartLevelBuildsTheBoard)
{
    std::vector<int8_t> bytes(LEVEL_FILE_SIZE, TILE_WATER);
    bytes[LevelByteIndex(1, 1)] = TILE_START;
    bytes[LevelByteIndex(2, 1)] = TILE_LAND;
    bytes[LevelByteIndex(3, 1)] = TILE_PILE;
    bytes[LevelByteIndex(4, 1)] = TILE_EXIT;
    bytes[LevelByteIndex(7, 3)] = TILE_START;   // the last start scanned wins
    bytes[LevelByteIndex(5, 5)] = 0;            // unknown codes are water
    bytes[LevelByteIndex(6, 6)] = 19;
    bytes[LevelByteIndex(7, 7)] = static_cast<int8_t>(200);
    WriteBytes(dataDir + "/level7.dat", bytes);
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
    EXPECT_EQ(Board[1][1], TILE_LAND);
    EXPECT_EQ(Board[2][1], TILE_LAND);
    EXPECT_EQ(Board[3][1], TILE_PILE);
    EXPECT_EQ(Board[4][1], TILE_EXIT);
    EXPECT_EQ(Board[7][3], TILE_LAND);
    EXPECT_EQ(Board[5][5], TILE_WATER);
    EXPECT_EQ(Board[6][6], TILE_WATER);
    EXPECT_EQ(Board[7][7], TILE_WATER);
    EXPECT_EQ(PlayerSprite.x, 7 * CELL_SIZE);
    EXPECT_EQ(PlayerSprite.y, 3 * CELL_SIZE);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
}

TEST_F(LevelFileTest, ReadOnlyFileLoads)
{
    WriteLevel(5, SMALL_LEVEL);
    std::string path = dataDir + "/level5.dat";
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(RunUnprivileged([](GameFixture&) {
        LoadLevelFile(5);
        EXPECT_TRUE(HeadlessMessageBoxes().empty());
        EXPECT_EQ(LevelBuffer[LevelByteIndex(3, 1)], TILE_PILE);
    }));
}

TEST_F(LevelFileTest, SaveCreatesOrOverwritesWithoutTruncating)
{
    std::string path = homeDir + "/data/quagmore/level.dat";
    for (int i = 0; i < LEVEL_FILE_SIZE; ++i)
        LevelBuffer[i] = static_cast<int8_t>(i * 7);
    WriteLevelFile();
    std::vector<int8_t> written = ReadBytes(path);
    ASSERT_EQ(written.size(), static_cast<size_t>(LEVEL_FILE_SIZE));
    EXPECT_EQ(written, std::vector<int8_t>(LevelBuffer, LevelBuffer + LEVEL_FILE_SIZE));

    std::vector<int8_t> longer(LEVEL_FILE_SIZE + 20, 1);
    WriteBytes(path, longer);
    WriteLevelFile();
    written = ReadBytes(path);
    ASSERT_EQ(written.size(), longer.size());
    EXPECT_EQ(std::vector<int8_t>(written.begin(), written.begin() + LEVEL_FILE_SIZE),
              std::vector<int8_t>(LevelBuffer, LevelBuffer + LEVEL_FILE_SIZE));
    EXPECT_EQ(written.back(), 1);
    EXPECT_TRUE(HeadlessMessageBoxes().empty());

    // The editor's load finds the saved file in the user's directory.
    LevelBuffer[0] = 0;
    LoadLevelFile(EDITOR_LEVEL);
    EXPECT_EQ(LevelBuffer[0], written[0]);
}

TEST_F(LevelFileTest, SaveThatCannotOpenSaysSo)
{
    std::string path = homeDir + "/data/quagmore/level.dat";
    WriteLevelFile();
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(RunUnprivileged([](GameFixture&) {
        WriteLevelFile();
        ASSERT_EQ(HeadlessMessageBoxes().size(), 1u);
        EXPECT_EQ(HeadlessMessageBoxes()[0], "INVALID_HANDLE_VALUE");
    }));
}

} // namespace
