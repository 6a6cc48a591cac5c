// Models for the game's unit tests: levels kept in memory, a model started
// on one, and the sprites of the test tile sheet for its pictures.
#pragma once

#include "game/model.h"
#include "game/render.h"
#include "game/sprites.h"
#include "game/step.h"

#include "format/bitmap.h"
#include "format/level_format.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// 12 lines of 12 level characters, row 0 first; missing cells are water.
std::vector<int8_t> LevelFromText(const Lines& rows);

// Level files kept in memory; a level it lacks can't be opened, and a write
// fails when writable is false.
class MemoryLevelStore : public GameLevelStore {
public:
    bool LevelRead(int32_t level, int8_t* bytes, size_t size) override;
    bool LevelWrite(const int8_t* bytes, size_t size) override;

    std::map<int32_t, std::vector<int8_t>> levels;
    bool writable = true;
    int writes = 0;
};

// A model on the level, started as the shell starts the first level.
GameModel ModelOnLevel(MemoryLevelStore& store, int32_t level);
// Steps the model n frames of 1/60 s from *now, collecting the effects.
std::vector<GameEffect> StepFrames(GameModel& model, const GameInput& input, int frames, uint32_t* now,
                                   GameLevelStore& store);
GameInput Holding(bool GameInput::*key);

// The sprites of the test tile sheet, and a picture to draw on.
class PictureFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // 0xRRGGBB of a picture pixel, and near the top-left corner of a cell.
    uint32_t Pixel(const Picture& drawn, int x, int y);
    uint32_t CellPixel(const Picture& drawn, int column, int row);

    TempDir temp{"quagmore-game-test"};
    // A tile sheet file to draw with instead of the flat-colour test sheet.
    std::string tileSheetSource;
    BitmapFile sheet = {};
    GameSprites sprites = {};
    Picture picture;
};
