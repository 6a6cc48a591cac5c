// A started game over the headless platform, with its own data and home
// directories in a temporary directory: a flat-colour tile sheet, four tiny
// sounds, and whatever level files a test writes.
#pragma once

// What the game tests use, all in one place.
#include "app/app.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "engine/input.h"
#include "game/board.h"
#include "game/editor.h"
#include "game/game_state.h"
#include "game/play.h"
#include "game/shore_pieces.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"
#include "support/bytes.h"
#include "support/temp_dir.h"
#include "support/tile_sheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// Sets every cell of the board to the tile.
void FillBoard(int32_t tile);

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

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

    TempDir temp{"quagmore-game-test"};
    // A tile sheet file to start with instead of the flat-colour test sheet.
    std::string tileSheetSource;
    std::string dataDir;
    std::string homeDir;
};
