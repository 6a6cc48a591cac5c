// The picture drawn from the model: every cell of the test sheet has a colour
// of its own, so a pixel names the frame drawn there. Drawing changes nothing,
// and two copies of a model stepped alike draw and do alike.
#include "game_fixture.h"

#include "support/tile_sheet.h"

#include <SDL.h>

#include <cstring>
#include <utility>

namespace {

const uint32_t WATER = TestCellColour(0, 0);
const uint32_t PILE = TestCellColour(0, 4);

uint32_t LandFrame(int frame)
{
    return TestCellColour(frame, SHEET_ROW_LAND);
}

bool SamePicture(SDL_Surface* a, SDL_Surface* b)
{
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<uint8_t*>(a->pixels) + y * a->pitch, static_cast<uint8_t*>(b->pixels) + y * b->pitch,
                        static_cast<size_t>(a->w) * 4) != 0)
            return false;
    return true;
}

using RenderTest = PictureFixture;

TEST_F(RenderTest, LayersFollowTheBoardAndDrawingChangesNothing)
{
    // Land at (1..3, 1), land pile land at (5..7, 3), an exit at (2, 5), the
    // player at (11, 11).
    MemoryLevelStore store;
    store.levels[1] = LevelFromText({"", ".....", "", ".....~....."});
    Lines rows(12, std::string(12, '~'));
    rows[1] = "~...~~~~~~~~";
    rows[3] = "~~~~~.o.~~~~";
    rows[5] = "~~E~~~~~~~~~";
    rows[11] = "~~~~~~~~~~~@";
    store.levels[1] = LevelFromText(rows);
    GameModel model = ModelOnLevel(store, 1);
    model.newSparkle = 0;
    model.sparkleTime = 0;   // hidden for two seconds
    GameEffects effects;
    GameStep(model, GameInput(), 100, store, effects);
    const GameModel stepped = model;
    GameRender(model, sprites, picture);
    EXPECT_TRUE(model == stepped);

    const std::pair<std::pair<int, int>, uint32_t> cells[] = {
        {{1, 1}, LandFrame(10)}, {{2, 1}, LandFrame(14)}, {{7, 3}, LandFrame(12)},
        {{6, 3}, PILE},                                   // the pile stands on the land of its own shore...
        {{2, 5}, TestCellColour(0, SHEET_ROW_EXIT)},      // the exit straight on the water
        {{11, 11}, TestCellColour(0, SHEET_ROW_PLAYER)},  // the player over everything
    };
    for (const auto& [cell, colour] : cells)
        EXPECT_EQ(CellPixel(picture, cell.first, cell.second), colour) << cell.first << "," << cell.second;
    // ...which its transparent half shows.
    EXPECT_EQ(Pixel(picture, 6 * CELL_SIZE + 40, 3 * CELL_SIZE + 25), LandFrame(14));
    EXPECT_EQ(CellPixel(picture, 0, 0), WATER);
    EXPECT_EQ(Pixel(picture, 10 * CELL_SIZE + 49, 11 * CELL_SIZE + 49), WATER);
    // The land picture of the last pile laid is what the editor shows land with.
    EXPECT_EQ(model.landFrame, 14);
    EXPECT_EQ(model.exitX, 2 * CELL_SIZE);

    model.editor = 1;
    model.clearBoard = 0;
    GameStep(model, GameInput(), 200, store, effects);
    GameRender(model, sprites, picture);
    EXPECT_EQ(CellPixel(picture, 1, 1), LandFrame(14));
    EXPECT_EQ(CellPixel(picture, 2, 5), TestCellColour(0, SHEET_ROW_EXIT));
    EXPECT_EQ(CellPixel(picture, 11, 11), LandFrame(14));   // the start cell became land in play
}

// Copies of a model at frame 200, stepped with the same keys for 600 frames
// through walking, pushing and the level-complete sequence: the same picture,
// effects and model in every frame.
TEST_F(RenderTest, CopiesStepAndDrawAlike)
{
    MemoryLevelStore store;
    Lines rows(12, std::string(12, '.'));
    rows[0] = "@...o~~~o...";
    rows[4] = "..o...~~~...";
    rows[11] = "...........E";
    store.levels[1] = LevelFromText(rows);
    store.levels[2] = LevelFromText({"@E"});
    GameModel model = ModelOnLevel(store, 1);

    bool GameInput::*const ARROWS[] = {&GameInput::left, &GameInput::up, &GameInput::right, &GameInput::down};
    uint32_t seed = 12345;
    auto inputAt = [&](int frame) {
        if (frame >= 300)
            return Holding(frame < 450 ? &GameInput::right : &GameInput::down);
        seed = seed * 1103515245u + 12345u;
        return Holding(ARROWS[(seed >> 16) % 4]);
    };
    uint32_t now = 5000;
    for (int frame = 0; frame < 200; ++frame) {
        GameEffects effects;
        GameStep(model, inputAt(frame), now, store, effects);
        now += 17;
    }
    GameModel copy = model;
    SDL_Surface* copyPicture = SDL_CreateRGBSurfaceWithFormat(0, picture->w, picture->h, 32, picture->format->format);
    ASSERT_NE(copyPicture, nullptr);
    bool sequenceRan = false;
    for (int frame = 200; frame < 800; ++frame) {
        GameInput input = inputAt(frame);
        GameEffects effects, copyEffects;
        GameStep(model, input, now, store, effects);
        GameStep(copy, input, now, store, copyEffects);
        now += 17;
        GameRender(model, sprites, picture);
        GameRender(copy, sprites, copyPicture);
        ASSERT_TRUE(model == copy) << frame;
        ASSERT_EQ(effects.count, copyEffects.count) << frame;
        for (int i = 0; i < effects.count; ++i) {
            EXPECT_EQ(effects.items[i].kind, copyEffects.items[i].kind);
            EXPECT_EQ(effects.items[i].value, copyEffects.items[i].value);
        }
        ASSERT_TRUE(SamePicture(picture, copyPicture)) << frame;
        sequenceRan = sequenceRan || model.view.bannerShown;
    }
    SDL_FreeSurface(copyPicture);
    EXPECT_TRUE(sequenceRan);
}

} // namespace
