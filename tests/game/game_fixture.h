// A started game over the headless platform, with its own data and home
// directories in a temporary directory: a flat-colour tile sheet, four tiny
// sounds, and whatever level files a test writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// A board as text, row 0 first, column 0 first in each line:
// '~' water, '.' land, 'o' pile, 'E' exit, '@' start.
using BoardText = std::vector<std::string>;

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes levelN.dat (or level.dat for 0) into the data directory.
    void WriteLevel(int level, const BoardText& rows);
    void WriteBytes(const std::string& path, const std::vector<int8_t>& bytes);
    std::vector<int8_t> ReadBytes(const std::string& path);
    // Sets the board directly; '@' is land here.
    void SetBoard(const BoardText& rows);
    void PlacePlayer(int column, int row);
    // No sparkle in the next frames: its cell was just chosen.
    void HideSparkle();
    // 0xRRGGBB of a back-surface pixel.
    uint32_t Pixel(int x, int y);
    // Colour shown near the top-left corner of a cell.
    uint32_t CellPixel(int column, int row);
    int SoundsPlayed(const std::string& name);
    // Runs check in a child process without root's rights (as "nobody" when
    // the tests run as root), so that file permissions apply to it. Returns
    // true when the child ran check to its end with no failed expectation.
    bool RunUnprivileged(void (*check)(GameFixture&));

    std::string root;
    std::string dataDir;
    std::string homeDir;
};

// The tile code of a board character.
int8_t TileOfChar(char c);
