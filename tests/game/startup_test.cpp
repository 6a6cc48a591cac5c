// Start-up: each frame of each sprite is cut from its own cell of the tile
// sheet; engine parts that fail to start are answered with a beep.
#include "game_fixture.h"

namespace {

class StartupTest : public GameFixture {
protected:
    // Draws a frame at (100, 100) and returns the colour at (dx, dy) in it.
    uint32_t FramePixel(BOB* sprite, int frame, int dx, int dy)
    {
        sprite->frameIndex = frame;
        BobSetPosition(sprite, 100, 100);
        BobDraw(sprite, MainDisplay.backSurface);
        return Pixel(100 + dx, 100 + dy);
    }
};

TEST_F(StartupTest, FramesComeFromTheirCells)
{
    struct CutFrom {
        BOB* sprite;
        int frames, firstColumn, row;
    };
    std::vector<CutFrom> layout = {
        {&WaterSprite, 1, 0, 0}, {&SparkleSprite, 9, 0, 0}, {&LandSprite, 16, 0, 2}, {&PileSprite, 1, 0, 4},
        {&PlayerSprite, 8, 0, 1}, {&PileOverWaterSprite, 1, 1, 4},
    };
    for (int piece = 0; piece < BANNER_PIECES; ++piece)
        layout.push_back({&BannerSprites[piece], 1, piece, 3});
    for (const CutFrom& cut : layout) {
        EXPECT_EQ(cut.sprite->frameCount, cut.frames);
        for (int frame = 0; frame < cut.frames; ++frame)
            EXPECT_EQ(FramePixel(cut.sprite, frame, 2, 2), TestCellColour(cut.firstColumn + frame, cut.row))
                << "row " << cut.row << " frame " << frame;
    }

    // The exit on land, opaque in its middle.
    for (int frame = 0; frame < 2; ++frame)
        EXPECT_EQ(FramePixel(&ExitSprite, frame, CELL_SIZE / 2, CELL_SIZE / 2),
                  TestCellColour(TEST_EXIT_COLUMN + frame, TEST_EXIT_ROW));
    // The inside corners: the square at each one's corner of its cell.
    const int corners[SHORE_CORNERS][2] = {{0, 0}, {CELL_SIZE - 1, 0}, {CELL_SIZE - 1, CELL_SIZE - 1}, {0, CELL_SIZE - 1}};
    for (int corner = 0; corner < SHORE_CORNERS; ++corner) {
        int x = 0, y = 0;
        ShoreCornerOrigin(corner, &x, &y);
        EXPECT_EQ(x == 0, corners[corner][0] == 0);
        EXPECT_EQ(y == 0, corners[corner][1] == 0);
        EXPECT_EQ(FramePixel(&CornerSprite, corner, corners[corner][0] - x, corners[corner][1] - y),
                  TestCellColour(TEST_CORNER_COLUMN + corner, TEST_CORNER_ROW));
    }
    // Land by its water sides: the land frame whose picture shows them, the
    // island for all four.
    const int L = SHORE_SIDE_LEFT, R = SHORE_SIDE_RIGHT, U = SHORE_SIDE_UP, D = SHORE_SIDE_DOWN;
    const std::pair<int, int> shores[] = {{0, 0},          {D, 1},          {R, 2},          {U, 3},
                                          {L, 4},          {L | U, 5},      {L | D, 6},      {R | D, 7},
                                          {R | U, 8},      {L | U | R, 9},  {L | U | D, 10}, {L | D | R, 11},
                                          {U | D | R, 12}, {L | R, 13},     {U | D, 14}};
    EXPECT_EQ(ShoreSprite.frameCount, SHORE_SIDE_MASKS);
    for (const auto& [sides, landFrame] : shores)
        EXPECT_EQ(FramePixel(&ShoreSprite, sides, 2, 2), TestCellColour(landFrame, 2)) << "sides " << sides;
    EXPECT_EQ(FramePixel(&ShoreSprite, SHORE_ALL_SIDES, 2, 2), TestCellColour(2, 4));
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
