// Start-up: each frame of each sprite is cut from its own cell of the tile
// sheet; engine parts that fail to start are answered with a beep.
#include "game_fixture.h"

namespace {

using StartupTest = GameFixture;

TEST_F(StartupTest, FramesComeFromTheirCells)
{
    struct CutFrom {
        BOB* sprite;
        int frames, firstColumn, row;
    };
    std::vector<CutFrom> layout = {
        {&WaterSprite, 1, 0, 0}, {&SparkleSprite, 9, 0, 0}, {&LandSprite, 16, 0, 2}, {&PileSprite, 1, 0, 4},
        {&ExitSprite, 2, 0, 5},  {&PlayerSprite, 8, 0, 1},
    };
    for (int piece = 0; piece < BANNER_PIECES; ++piece)
        layout.push_back({&BannerSprites[piece], 1, piece, 3});
    for (const CutFrom& cut : layout) {
        EXPECT_EQ(cut.sprite->frameCount, cut.frames);
        for (int frame = 0; frame < cut.frames; ++frame) {
            cut.sprite->frameIndex = frame;
            BobSetPosition(cut.sprite, 100, 100);
            BobDraw(cut.sprite, MainDisplay.backSurface);
            EXPECT_EQ(Pixel(102, 102), TestCellColour(cut.firstColumn + frame, cut.row))
                << "row " << cut.row << " frame " << frame;
        }
    }
}

TEST_F(StartupTest, MissingKeyboardAndSoundBeepAndPlayGoesOn)
{
    GameShutdown();
    HeadlessSetKeyboardPresent(false);
    HeadlessSetSoundDevicePresent(false);
    int beeps = HeadlessBeeps();
    GameStartup();
    EXPECT_EQ(HeadlessBeeps() - beeps, 2);   // the keyboard and the sound system

    // Every play frame says so and reads no key; the editor says nothing.
    size_t messages = HeadlessMessageBoxes().size();
    GameState.resetLevel = 5;
    HeadlessSetKey(DIK_R, true);
    PlayFrame();
    PlayFrame();
    ASSERT_EQ(HeadlessMessageBoxes().size(), messages + 2);
    EXPECT_EQ(HeadlessMessageBoxes().back(), "No keyboard!");
    EXPECT_EQ(GameState.currentLevel, 1);
    GameState.editor = 1;
    EditorFrame();
    EXPECT_EQ(HeadlessMessageBoxes().size(), messages + 2);
}

} // namespace
