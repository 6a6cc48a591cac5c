// Start-up: each frame of each sprite is cut from its own cell of the tile
// sheet; engine parts that fail to start are answered with a beep.
#include "game_fixture.h"

#include "engine/sound.h"
#include "engine/wav.h"
#include "support/bmp.h"
#include "support/wav.h"

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

namespace {

// Files of a size no game file has are refused before they are read: a tile
// sheet far larger than the sheet's layout ("Ingen pieces", as for a missing
// one), and a sound over the cap (the others still load).
TEST_F(StartupTest, OversizedSheetAndSoundsAreRefused)
{
    GameShutdown();
    BmpOptions huge;
    huge.width = 2048;
    huge.height = 1024;
    ASSERT_TRUE(WriteFileBytes(dataDir + "/pieces.bmp", BmpEncode(huge, [](int, int) { return 0x123456u; })));
    ASSERT_TRUE(WriteFileBytes(dataDir + "/splash.wav", WavPlain(Bytes(WAV_MAX_FILE_BYTES, 0x80))));
    HeadlessReset();
    GameStartup();
    EXPECT_EQ(HeadlessMessageBoxes(), std::vector<std::string>{"Ingen pieces"});
    EXPECT_EQ(SoundIds[SOUND_SPLASH], SOUND_NONE);
    EXPECT_NE(SoundIds[SOUND_START], SOUND_NONE);

    // A sheet a little larger than the layout still loads.
    GameShutdown();
    BmpOptions larger;
    larger.width = TEST_SHEET_WIDTH + 100;
    larger.height = TEST_SHEET_HEIGHT + 100;
    ASSERT_TRUE(WriteFileBytes(dataDir + "/pieces.bmp", BmpEncode(larger, [](int, int) { return 0x123456u; })));
    HeadlessReset();
    GameStartup();
    EXPECT_TRUE(HeadlessMessageBoxes().empty());
}

} // namespace
