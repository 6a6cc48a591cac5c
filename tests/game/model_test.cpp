// The model's step on its own: no display, no platform, no files. Levels come
// from memory and what the shell would carry out comes back as effects.
#include "game_fixture.h"

#include "game/play.h"

#include <cstdlib>
#include <cstring>

namespace {

// The player beside an exit, a pile with water beyond it.
const Lines LEVEL_ONE = {"@E..", "....", ".o~~"};

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.levels[1] = LevelFromText(LEVEL_ONE);
    }
    MemoryLevelStore store;
    uint32_t now = 1000;
};

// Without a keyboard Escape quits with a message. (Frames of play, missing
// level files and the editor's presses are the simulator's scenarios'.)
TEST_F(ModelTest, EscapeWithoutAKeyboard)
{
    GameModel model = ModelOnLevel(store, 1);
    GameInput input;
    input.escape = true;
    input.keyboard = false;
    GameEffects effects;
    GameStep(model, input, now, store, effects);
    ASSERT_EQ(effects.count, 2);
    EXPECT_EQ(effects.items[0].kind, EFFECT_QUIT);
    EXPECT_EQ(effects.items[1].kind, EFFECT_MESSAGE);
    EXPECT_STREQ(effects.items[1].text, "No keyboard!");
}

// S and L in one frame: the load reads what the save wrote. A save that
// fails says so, and so does a load of a file that isn't there.
TEST_F(ModelTest, EditorSaveAndLoadInOneFrame)
{
    GameModel model = ModelOnLevel(store, 1);
    model.editor = 1;
    GamePressRecord(model, BUTTON_LEFT, 2 * CELL_SIZE + 10, 3 * CELL_SIZE + 49);    // water to land
    GamePressRecord(model, BUTTON_RIGHT, 2 * CELL_SIZE + 10, 3 * CELL_SIZE + 49);   // land to pile
    GameEffects effects;
    GameStep(model, GameInput(), now, store, effects);
    ASSERT_EQ(model.board[2][3], TILE_PILE);
    GameInput saveAndLoad;
    saveAndLoad.save = saveAndLoad.load = true;
    effects = GameEffects();
    GameModel before = model;
    GameStep(model, saveAndLoad, now, store, effects);
    EXPECT_EQ(effects.count, 0);
    EXPECT_EQ(store.writes, 1);
    EXPECT_EQ(store.levels[EDITOR_LEVEL][LevelByteIndex(2, 3)], TILE_PILE);
    EXPECT_EQ(std::memcmp(model.board, before.board, sizeof model.board), 0);

    store.writable = false;
    store.levels.erase(EDITOR_LEVEL);
    GameStep(model, saveAndLoad, now, store, effects);
    ASSERT_EQ(effects.count, 2);
    EXPECT_STREQ(effects.items[0].text, "INVALID_HANDLE_VALUE");
    EXPECT_STREQ(effects.items[1].text, "INVALID_HANDLE_VALUE");
}

// The sparkle's glint runs on across showings, never rewound: on the only
// water cell, a long first showing, three one-frame showings of frame 7, then
// a long one again, each after more than two seconds hidden.
TEST_F(ModelTest, SparkleRunsOnAcrossShowings)
{
    Lines land(12, std::string(12, '.'));
    land[0][0] = '@';
    store.levels[3] = LevelFromText(land);
    GameModel model = ModelOnLevel(store, 3);
    model.board[7][4] = TILE_WATER;
    std::vector<std::vector<int>> showings;
    std::vector<int> gaps = {0};
    for (int frame = 0; frame < 760; ++frame) {
        StepFrames(model, GameInput(), 1, &now, store);
        if (!model.view.sparkleShown) {
            ++gaps.back();
            continue;
        }
        EXPECT_EQ(model.sparkleColumn * 100 + model.sparkleRow, 704);
        if (gaps.back() > 0 || showings.empty())
            showings.emplace_back(), gaps.push_back(0);
        showings.back().push_back(model.sparkle.frame);
    }
    // Frame 0 shows for the ticks left of its step: 3 from a fresh start, 8
    // (the list's last entry, then its first) once the glint has run.
    auto showing = [](int zeros) {
        std::vector<int> frames(zeros, 0);
        for (int frame = 1; frame <= 6; ++frame)
            frames.insert(frames.end(), 4, frame);
        frames.push_back(7);
        return frames;
    };
    EXPECT_EQ(showings, (std::vector<std::vector<int>>{showing(3), {7}, {7}, {7}, showing(8)}));
    ASSERT_GE(gaps.size(), 5u);
    for (int gap = 0; gap < 5; ++gap)
        EXPECT_GE(gaps[gap] * 17, 2000) << gap;
}

#ifdef __GLIBC__
// The generator gives the C library's sequence, from its default seed and
// from others.
TEST(GameRandom, SameSequenceAsTheCLibrary)
{
    GameRandom random;
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(RandomNext(random), std::rand()) << i;
    for (uint32_t seed : {0u, 7u, 0x80000001u}) {
        RandomSeed(random, seed);
        std::srand(seed);
        for (int i = 0; i < 1000; ++i)
            ASSERT_EQ(RandomNext(random), std::rand()) << seed << " " << i;
    }
    EXPECT_EQ(RandomBelow(random, 0), 0);
    std::srand(1);
}
#endif

} // namespace
