// Sprite objects: frames cut from a sheet, and keyed drawing, cut at the
// edges and stretched, checked on the back picture's pixels.
#include "engine/bob.h"
#include "engine/display.h"
#include "format/bitmap.h"
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

const uint32_t MARKER = 0x123456;  // what the back picture holds where nothing was drawn
const int32_t SIZE = 50;

// Sheet colour of pixel (x, y): black, so transparent, on every third diagonal.
uint32_t SheetColour(int32_t x, int32_t y)
{
    return (x + y) % 3 == 0 ? 0 : static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40);
}

uint32_t PixelAt(const Picture& picture, int x, int y)
{
    return picture.Row(y)[x];
}

void Clear(Picture& picture)
{
    PictureFill(picture, PictureRect{0, 0, picture.width, picture.height}, MARKER);
}

class BobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessReset();
        ASSERT_EQ(DisplayStart(), 1);
        Clear(MainDisplay.back);
        // 4 x 2 cells of 50 x 50 on a 51-pixel pitch.
        const int32_t width = 4 * (SIZE + 1) + 1, rows = 2 * (SIZE + 1) + 1;
        sheet.infoHeader.width = width;
        sheet.infoHeader.height = rows;
        sheet.pixels = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(width * rows * 3)));
        for (int32_t y = 0; y < rows; ++y)
            for (int32_t x = 0; x < width; ++x)
                for (int i = 0; i < 3; ++i)
                    sheet.pixels[(y * width + x) * 3 + i] = static_cast<uint8_t>(SheetColour(x, y) >> (8 * i));
    }
    void TearDown() override
    {
        BobDestroy(&bob);
        BitmapUnload(&sheet);
        DisplayShutdown();
    }

    // A 50 x 50 sprite with frames cut from the sheet's cells (i, 0).
    void MakeSprite(int32_t frames)
    {
        ASSERT_EQ(BobCreate(&bob, SIZE, SIZE, frames), 1);
        for (int32_t i = 0; i < frames; ++i)
            ASSERT_EQ(BobLoadFrame(&bob, &sheet, i, i, 0), 1);
    }

    // The whole picture: frame 0 at (x, y), cut at its edges, marker elsewhere.
    void ExpectSpriteAt(const Picture& picture, int64_t x, int64_t y)
    {
        int wrong = 0;
        for (int py = 0; py < picture.height; ++py)
            for (int px = 0; px < picture.width; ++px) {
                uint32_t expected = MARKER;
                if (px >= x && px < x + SIZE && py >= y && py < y + SIZE &&
                    SheetColour(static_cast<int32_t>(px - x + 1), static_cast<int32_t>(py - y + 1)) != 0)
                    expected = SheetColour(static_cast<int32_t>(px - x + 1), static_cast<int32_t>(py - y + 1));
                wrong += PixelAt(picture, px, py) != expected;
            }
        EXPECT_EQ(wrong, 0) << "sprite at " << x << "," << y;
    }

    BOB bob{};
    BitmapFile sheet{};
    Picture& back = MainDisplay.back;
};

} // namespace

TEST_F(BobTest, CreateStartsAfresh)
{
    ASSERT_EQ(BobCreate(&bob, 9, 3, 2), 1);
    EXPECT_EQ(bob.frames[1].width, 9);
    EXPECT_EQ(bob.frames[1].height, 3);
    EXPECT_TRUE(PictureEmpty(bob.frames[2]));
    MakeSprite(3);
    ASSERT_EQ(BobDrawScaled(&bob, 0, 0, 0, 20, 20, back), 1);
    ASSERT_FALSE(PictureEmpty(bob.scaled));
    // Created again: the earlier frames and scaled copy are given up.
    ASSERT_EQ(BobCreate(&bob, 10, 10, 1), 1);
    EXPECT_TRUE(PictureEmpty(bob.frames[1]));
    EXPECT_TRUE(PictureEmpty(bob.scaled));
    EXPECT_EQ(BobDestroy(&bob), 1);
    EXPECT_TRUE(PictureEmpty(bob.frames[0]));
    EXPECT_EQ(BobDestroy(nullptr), 0);
    EXPECT_EQ(BobCreate(&bob, SIZE, SIZE, BOB_MAX_FRAMES + 1), 0);
}

TEST_F(BobTest, FramesAreCutFromCells)
{
    ASSERT_EQ(BobCreate(&bob, 3, 4, 2), 1);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 0, 2, 1), 1);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            // Cell (2, 1) of 3 x 4 cells starts at (2 * 4 + 1, 1 * 5 + 1).
            EXPECT_EQ(PixelAt(bob.frames[0], c, r), SheetColour(9 + c, 6 + r));
        }

    // Parts outside the sheet stay transparent.
    MakeSprite(2);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 1, 3, 1), 1);
    for (int r = 0; r < SIZE; ++r)
        for (int c = 0; c < SIZE; ++c) {
            const bool inside = 3 * (SIZE + 1) + 1 + c < sheet.infoHeader.width;
            ASSERT_EQ(PixelAt(bob.frames[1], c, r), inside ? SheetColour(3 * (SIZE + 1) + 1 + c, SIZE + 2 + r) : 0)
                << c << "," << r;
        }
    // No pixels at all: the frame is emptied, earlier contents included.
    BitmapFile empty{};
    ASSERT_EQ(BobLoadFrame(&bob, &empty, 1, 0, 0), 1);
    EXPECT_EQ(PixelAt(bob.frames[1], 20, 20), 0u);
    EXPECT_EQ(BobLoadFrame(&bob, &sheet, 2, 0, 0), 0);  // no such frame
    EXPECT_EQ(BobLoadFrame(nullptr, &sheet, 0, 0, 0), 0);
}

TEST_F(BobTest, DrawLeavesOutBlackAndIsCutAtEveryEdge)
{
    MakeSprite(1);
    const int32_t positions[][2] = {
        {100, 200}, {-20, 100}, {570, 100}, {100, -20}, {100, 570}, {-49, -49}, {599, 599}, {-20, 570}, {570, -20},
        {-50, 0}, {600, 0}, {0, -50}, {0, 600}, {INT32_MIN, INT32_MAX},   // wholly outside: nothing drawn
    };
    for (const auto& [x, y] : positions) {
        Clear(back);
        EXPECT_EQ(BobDraw(&bob, 0, x, y, back), 1);
        ExpectSpriteAt(back, x, y);
    }
    // The same on a picture of another size.
    Picture small = PictureMake(70, 60);
    Clear(small);
    EXPECT_EQ(BobDraw(&bob, 0, 40, -10, small), 1);
    ExpectSpriteAt(small, 40, -10);
}

// What a stretched draw shows is the frame's stretch as it is now (the rule
// itself is picture_test.cpp's), through changes of frame, size and pixels.
TEST_F(BobTest, ScaledDrawKeepsItsCopyOnlyWhileItHolds)
{
    MakeSprite(2);
    Picture reference = PictureMake(BACK_SURFACE_SIZE, BACK_SURFACE_SIZE);
    struct Step {
        int32_t frame, x, y, w, h;
        bool reload;   // new pixels in the frame first
    };
    const Step steps[] = {
        {0, 10, 20, 100, 100, false}, {0, 10, 20, 100, 100, false}, {1, 10, 20, 100, 100, false},
        {1, 300, 40, 37, 81, false},  {1, 300, 40, 60, 81, false},   {1, 300, 40, 60, 50, false},
        {1, 300, 40, 60, 50, true},   {0, 500, 500, 99, 99, false},  {0, -30, 560, 100, 80, false},
        {0, 5, 5, 1, 1, false},       {0, 10, 10, SIZE, SIZE, false}, {0, -3000, 10, 4000, 20, false},
    };
    const uint32_t* lastCopy = nullptr;
    const Step* last = nullptr;
    for (const Step& s : steps) {
        if (s.reload) {
            ASSERT_EQ(BobLoadFrame(&bob, &sheet, s.frame, 3, 1), 1);
        }
        Clear(back);
        Clear(reference);
        ASSERT_EQ(BobDrawScaled(&bob, s.frame, s.x, s.y, s.w, s.h, back), 1);
        PictureCopyScaledKeyed(reference, s.x, s.y, s.w, s.h, bob.frames[s.frame]);
        EXPECT_EQ(back.pixels, reference.pixels) << s.frame << " " << s.w << "x" << s.h;
        // The same frame at the same size reuses the scaled picture.
        if (last != nullptr && last->frame == s.frame && last->w == s.w && last->h == s.h && !s.reload) {
            EXPECT_EQ(bob.scaled.pixels.data(), lastCopy);
        }
        lastCopy = bob.scaled.pixels.data();
        last = &s;
    }
}

TEST_F(BobTest, NothingIsDrawnOfNoSizeOrWithoutAFrame)
{
    MakeSprite(1);
    EXPECT_EQ(BobDrawScaled(&bob, 0, 10, 10, 0, 100, back), 1);
    EXPECT_EQ(BobDrawScaled(&bob, 0, 10, 10, 100, -5, back), 1);
    EXPECT_EQ(BobDraw(&bob, 1, 10, 10, back), 0);
    EXPECT_EQ(BobDraw(&bob, -1, 10, 10, back), 0);
    EXPECT_EQ(BobDrawScaled(&bob, BOB_MAX_FRAMES, 10, 10, 100, 100, back), 0);
    ExpectSpriteAt(back, -1000, -1000);
    EXPECT_EQ(BobDraw(nullptr, 0, 10, 10, back), 0);
    EXPECT_EQ(BobDrawScaled(nullptr, 0, 10, 10, 100, 100, back), 0);
}
