#include "game_fixture.h"

#include "support/tile_sheet.h"

#include <algorithm>

std::vector<int8_t> LevelFromText(const Lines& rows)
{
    std::vector<int8_t> bytes(LEVEL_FILE_SIZE, 0);
    for (int column = 0; column < BOARD_SIZE; ++column)
        for (int row = 0; row < BOARD_SIZE; ++row) {
            char c = row < static_cast<int>(rows.size()) && column < static_cast<int>(rows[row].size())
                         ? rows[row][column]
                         : LEVEL_CHAR_WATER;
            bytes[LevelByteIndex(column, row)] = static_cast<int8_t>(LevelCodeFromChar(c));
        }
    return bytes;
}

bool MemoryLevelStore::LevelRead(int32_t level, int8_t* bytes, size_t size)
{
    auto found = levels.find(level);
    if (found == levels.end())
        return false;
    std::copy_n(found->second.begin(), std::min(size, found->second.size()), bytes);
    return true;
}

bool MemoryLevelStore::LevelWrite(const int8_t* bytes, size_t size)
{
    if (!writable)
        return false;
    ++writes;
    levels[EDITOR_LEVEL].assign(bytes, bytes + size);
    return true;
}

GameModel ModelOnLevel(MemoryLevelStore& store, int32_t level)
{
    GameModel model;
    GameEffects effects;
    GameChooseLevel(model, level, store, effects);
    return model;
}

std::vector<GameEffect> StepFrames(GameModel& model, const GameInput& input, int frames, uint32_t* now,
                                   GameLevelStore& store)
{
    const uint32_t FRAME_MS = 17;
    std::vector<GameEffect> all;
    for (int frame = 0; frame < frames; ++frame) {
        GameEffects effects;
        GameStep(model, input, *now, store, effects);
        all.insert(all.end(), effects.items, effects.items + effects.count);
        *now += FRAME_MS;
    }
    return all;
}

GameInput Holding(bool GameInput::*key)
{
    GameInput input;
    input.*key = true;
    return input;
}

void PictureFixture::SetUp()
{
    const std::string path = tileSheetSource.empty() ? temp.File("pieces.bmp") : tileSheetSource;
    if (tileSheetSource.empty()) {
        ASSERT_TRUE(WriteTestTileSheet(path));
    }
    ASSERT_EQ(BitmapLoad(&sheet, path.c_str()), 1);
    SpritesBuild(sprites, sheet);
    picture = PictureMake(BOARD_SIZE * CELL_SIZE, BOARD_SIZE * CELL_SIZE);
}

void PictureFixture::TearDown()
{
    SpritesRelease(sprites);
    BitmapUnload(&sheet);
}

uint32_t PictureFixture::Pixel(const Picture& drawn, int x, int y)
{
    return drawn.Row(y)[x];
}

uint32_t PictureFixture::CellPixel(const Picture& drawn, int column, int row)
{
    return Pixel(drawn, column * CELL_SIZE + 2, row * CELL_SIZE + 2);
}
