// Sprite objects: frames cut from a sheet, clipped and scaled drawing checked
// on the back surface's pixels, and the three animation modes.
#include "engine/bitmap.h"
#include "engine/bob.h"
#include "engine/display.h"
#include "platform/headless/headless.h"
#include "support/surface.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

const uint32_t MARKER = 0x123456;  // what the back surface holds where nothing was drawn
const int32_t SIZE = 50;

// Sheet colour of pixel (x, y): black, so transparent, on every third diagonal.
uint32_t SheetColour(int32_t x, int32_t y)
{
    return (x + y) % 3 == 0 ? 0 : static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40);
}

int CountDifferences(SDL_Surface* a, SDL_Surface* b)
{
    int differences = 0;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            differences += SurfacePixel(a, x, y) != SurfacePixel(b, x, y);
    return differences;
}

class BobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessReset();
        ASSERT_EQ(DisplayStart(1024, 768, 32), 1);
        back = MainDisplay.backSurface;
        SDL_FillRect(back, nullptr, MARKER);
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

    // A shown 50 x 50 sprite with frames cut from the sheet's cells (i, 0).
    void MakeSprite(int32_t frames)
    {
        ASSERT_EQ(BobCreate(&bob, 0, 0, SIZE, SIZE, frames, BOB_SHOWN | BOB_ONE_FRAME, 0), 1);
        for (int32_t i = 0; i < frames; ++i)
            ASSERT_EQ(BobLoadFrame(&bob, &sheet, i, i, 0, BOB_EXTRACT_CELL), 1);
    }

    // The whole back surface: frame 0 at (x, y), cut at 0 and 600, marker elsewhere.
    void ExpectSpriteAt(int32_t x, int32_t y)
    {
        int wrong = 0;
        for (int py = 0; py < BACK_SURFACE_SIZE; ++py)
            for (int px = 0; px < BACK_SURFACE_SIZE; ++px) {
                uint32_t expected = MARKER;
                if (px >= x && px < x + SIZE && py >= y && py < y + SIZE && SheetColour(px - x + 1, py - y + 1) != 0)
                    expected = SheetColour(px - x + 1, py - y + 1);
                wrong += SurfacePixel(back, px, py) != expected;
            }
        EXPECT_EQ(wrong, 0) << "sprite at " << x << "," << y;
    }

    BOB bob{};
    BitmapFile sheet{};
    SDL_Surface* back = nullptr;
};

} // namespace

TEST_F(BobTest, CreatePadsSurfacesAndStartsAfresh)
{
    const int32_t widths[][2] = {{50, 6}, {56, 0}, {1, 7}, {9, 7}};
    for (const auto& [width, pad] : widths) {
        ASSERT_EQ(BobCreate(&bob, 0, 0, width, 3, 2, BOB_SHOWN, 0), 1);
        EXPECT_EQ(bob.frameSurfaces[1]->w, width + pad);
        EXPECT_EQ(bob.frameSurfaces[1]->h, 3);
    }
    MakeSprite(3);
    const int32_t list[] = {0, 1, 2};
    ASSERT_EQ(BobLoadAnimation(&bob, 5, 3, list), 1);
    ASSERT_EQ(BobDrawScaled(&bob, 20, 20, back), 1);
    ASSERT_NE(bob.scaledSurface, nullptr);
    // Created again: the earlier frames, lists and scaled copy are given up.
    ASSERT_EQ(BobCreate(&bob, 1, 2, 10, 10, 1, BOB_SHOWN, 0), 1);
    EXPECT_EQ(bob.animLists[5], nullptr);
    EXPECT_EQ(bob.frameSurfaces[1], nullptr);
    EXPECT_EQ(bob.scaledSurface, nullptr);
    EXPECT_EQ(BobDestroy(&bob), 1);
    EXPECT_EQ(bob.frameSurfaces[0], nullptr);
    EXPECT_EQ(BobDestroy(nullptr), 0);
    EXPECT_EQ(BobCreate(&bob, 0, 0, SIZE, SIZE, BOB_MAX_FRAMES + 1, BOB_SHOWN, 0), 0);
}

TEST_F(BobTest, FramesAreCutFromCellsOrPixelPositions)
{
    ASSERT_EQ(BobCreate(&bob, 0, 0, 3, 4, 2, BOB_SHOWN, 0), 1);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 0, 2, 1, BOB_EXTRACT_CELL), 1);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 1, 7, 9, BOB_EXTRACT_ABSOLUTE), 1);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            // Cell (2, 1) of 3 x 4 cells starts at (2 * 4 + 1, 1 * 5 + 1).
            EXPECT_EQ(SurfacePixel(bob.frameSurfaces[0], c, r), SheetColour(9 + c, 6 + r));
            EXPECT_EQ(SurfacePixel(bob.frameSurfaces[1], c, r), SheetColour(7 + c, 9 + r));
        }

    // Parts outside the sheet stay transparent, on every side.
    MakeSprite(2);
    const int32_t sheetWidth = sheet.infoHeader.width;
    const int32_t sheetRows = BitmapRows(&sheet);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 0, sheetWidth - 10, sheetRows - 20, BOB_EXTRACT_ABSOLUTE), 1);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 1, -5, -6, BOB_EXTRACT_ABSOLUTE), 1);
    for (int r = 0; r < SIZE; ++r)
        for (int c = 0; c < SIZE; ++c) {
            const bool inside = c < 10 && r < 20;
            ASSERT_EQ(SurfacePixel(bob.frameSurfaces[0], c, r),
                      inside ? SheetColour(sheetWidth - 10 + c, sheetRows - 20 + r) : 0) << c << "," << r;
            ASSERT_EQ(SurfacePixel(bob.frameSurfaces[1], c, r), c >= 5 && r >= 6 ? SheetColour(c - 5, r - 6) : 0);
        }
    // No pixels at all: the frame is emptied, earlier contents included.
    BitmapFile empty{};
    ASSERT_EQ(BobLoadFrame(&bob, &empty, 1, 0, 0, BOB_EXTRACT_CELL), 1);
    EXPECT_EQ(SurfacePixel(bob.frameSurfaces[1], 20, 20), 0u);
    EXPECT_EQ(BobLoadFrame(&bob, &sheet, 2, 0, 0, BOB_EXTRACT_CELL), 0);  // no such frame
    EXPECT_EQ(BobLoadFrame(nullptr, &sheet, 0, 0, 0, BOB_EXTRACT_CELL), 0);
}

TEST_F(BobTest, DrawLeavesOutBlackAndIsCutAtEveryEdge)
{
    MakeSprite(1);
    const int32_t positions[][2] = {
        {100, 200}, {-20, 100}, {570, 100}, {100, -20}, {100, 570}, {-49, -49}, {599, 599}, {-20, 570}, {570, -20},
        {-50, 0}, {600, 0}, {0, -50}, {0, 600}, {INT32_MIN, INT32_MAX},   // wholly outside: nothing drawn
    };
    for (const auto& [x, y] : positions) {
        SDL_FillRect(back, nullptr, MARKER);
        BobSetPosition(&bob, x, y);
        EXPECT_EQ(BobDraw(&bob, back), 1);
        ExpectSpriteAt(x, y);
    }
    // The cut is at 600 whatever the surface's size.
    SDL_Surface* large = DisplayCreateSurface(700, 700);
    SDL_FillRect(large, nullptr, MARKER);
    BobSetPosition(&bob, 570, 580);
    EXPECT_EQ(BobDraw(&bob, large), 1);
    EXPECT_EQ(SurfacePixel(large, 599, 598), SheetColour(30, 19));
    EXPECT_EQ(SurfacePixel(large, 600, 590), MARKER);
    EXPECT_EQ(SurfacePixel(large, 590, 600), MARKER);
    SDL_FreeSurface(large);
}

TEST_F(BobTest, ScaledDrawMatchesAKeyedStretchThroughChanges)
{
    MakeSprite(2);
    SDL_Surface* reference = DisplayCreateSurface(BACK_SURFACE_SIZE, BACK_SURFACE_SIZE);
    struct Step {
        int32_t frame, x, y, w, h;
        bool reload;   // new pixels in the frame first
    };
    const Step steps[] = {
        {0, 10, 20, 100, 100, false}, {0, 10, 20, 100, 100, false}, {1, 10, 20, 100, 100, false},
        {1, 300, 40, 37, 81, false},  {1, 300, 40, 60, 81, false},   {1, 300, 40, 60, 50, false},
        {1, 300, 40, 60, 50, true},   {0, 500, 500, 99, 99, false},  {0, -30, 560, 100, 80, false},
        {0, 5, 5, 1, 1, false},       {0, 10, 10, SIZE, SIZE, false},
    };
    SDL_Surface* lastCopy = nullptr;
    const Step* last = nullptr;
    for (const Step& s : steps) {
        if (s.reload) {
            ASSERT_EQ(BobLoadFrame(&bob, &sheet, s.frame, 3, 1, BOB_EXTRACT_CELL), 1);
        }
        SDL_FillRect(back, nullptr, MARKER);
        SDL_FillRect(reference, nullptr, MARKER);
        bob.frameIndex = s.frame;
        BobSetPosition(&bob, s.x, s.y);
        ASSERT_EQ(BobDrawScaled(&bob, s.w, s.h, back), 1);
        SDL_Rect from = {0, 0, SIZE, SIZE};
        SDL_Rect to = {s.x, s.y, s.w, s.h};
        SDL_BlitScaled(bob.frameSurfaces[s.frame], &from, reference, &to);
        EXPECT_EQ(CountDifferences(back, reference), 0) << s.frame << " " << s.w << "x" << s.h;
        // The same frame at the same size reuses the scaled picture.
        if (last != nullptr && last->frame == s.frame && last->w == s.w && last->h == s.h && !s.reload) {
            EXPECT_EQ(bob.scaledSurface, lastCopy);
        }
        lastCopy = bob.scaledSurface;
        last = &s;
    }
    SDL_FreeSurface(reference);

    // The frame keeps its colour key for plain draws after the stretches.
    SDL_FillRect(back, nullptr, MARKER);
    ASSERT_EQ(BobDraw(&bob, back), 1);
    ExpectSpriteAt(10, 10);
}

TEST_F(BobTest, NothingIsDrawnWhenHiddenOrOfNoSize)
{
    MakeSprite(1);
    BobSetPosition(&bob, 10, 10);
    EXPECT_EQ(BobDrawScaled(&bob, 0, 100, back), 1);
    EXPECT_EQ(BobDrawScaled(&bob, 100, -5, back), 1);
    bob.flags &= ~BOB_SHOWN;
    EXPECT_EQ(BobDraw(&bob, back), 1);
    EXPECT_EQ(BobDrawScaled(&bob, 100, 100, back), 1);
    ExpectSpriteAt(-1000, -1000);
    EXPECT_EQ(BobDraw(nullptr, back), 0);
    EXPECT_EQ(BobDrawScaled(nullptr, 100, 100, back), 0);
}

namespace {

// Frame indices shown by successive BobAnimate calls.
std::vector<int32_t> AnimateCalls(BOB* bob, int calls)
{
    std::vector<int32_t> shown;
    for (int i = 0; i < calls; ++i) {
        EXPECT_EQ(BobAnimate(bob), 1);
        shown.push_back(bob->frameIndex);
    }
    return shown;
}

struct AnimatedBob {
    BOB bob{};
    AnimatedBob(uint32_t mode, int32_t frames) { BobCreate(&bob, 0, 0, 4, 4, frames, BOB_SHOWN | mode, 0); }
    ~AnimatedBob() { BobDestroy(&bob); }
};

using Frames = std::vector<int32_t>;

} // namespace

TEST(BobAnimate, ModeBitsDecideInOrderAndCyclesStepEveryDelayCalls)
{
    AnimatedBob cycle(BOB_FRAME_CYCLE | BOB_ANIM_LISTS, 3);
    EXPECT_EQ(AnimateCalls(&cycle.bob, 4), (Frames{1, 2, 0, 1}));
    BobSetAnimDelay(&cycle.bob, 3);
    EXPECT_EQ(AnimateCalls(&cycle.bob, 7), (Frames{1, 1, 2, 2, 2, 0, 0}));

    AnimatedBob one(BOB_ONE_FRAME | BOB_FRAME_CYCLE | BOB_ANIM_LISTS, 4);
    one.bob.frameIndex = 3;
    EXPECT_EQ(AnimateCalls(&one.bob, 2), (Frames{0, 0}));
    // No mode, or a list sprite with no list selected: the frame stays.
    for (uint32_t mode : {0u, uint32_t(BOB_ANIM_LISTS)}) {
        AnimatedBob still(mode, 4);
        still.bob.frameIndex = 2;
        EXPECT_EQ(AnimateCalls(&still.bob, 2), (Frames{2, 2})) << mode;
    }
    EXPECT_EQ(BobAnimate(nullptr), 0);
}

TEST(BobAnimate, ListsShowEntryOneFirstWrapAndWaitOutTheStepUnderWay)
{
    AnimatedBob sprite(BOB_ANIM_LISTS, 8);
    const int32_t water[] = {0, 1, 2, 3, 4, 5, 6, 7, 0};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 15, 9, water), 1);
    EXPECT_EQ(sprite.bob.animLists[15][9], ANIM_END);
    BobSetAnimDelay(&sprite.bob, 2);
    BobSetAnimation(&sprite.bob, 15);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 22),
              (Frames{0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 0, 0, 0, 0, 1, 1, 2}));

    // A new list starts at its entry 1 once the step under way is done.
    const int32_t second[] = {5, 6, 7};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 15, 3, second), 1);   // replaces the list
    BobSetAnimDelay(&sprite.bob, 3);
    AnimateCalls(&sprite.bob, 1);
    ASSERT_EQ(BobSetAnimation(&sprite.bob, 15), 1);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 4), (Frames{2, 6, 6, 6}));
    EXPECT_EQ(BobSetAnimation(&sprite.bob, BOB_MAX_ANIMATIONS), 0);
    EXPECT_EQ(BobLoadAnimation(&sprite.bob, BOB_MAX_ANIMATIONS, 1, second), 0);
    EXPECT_EQ(BobLoadAnimation(&sprite.bob, -1, 1, second), 0);
    EXPECT_EQ(BobLoadAnimation(nullptr, 0, 1, second), 0);
}

TEST(BobAnimate, PlayOnceStopsOnTheLastFrame)
{
    AnimatedBob sprite(BOB_ANIM_LISTS | BOB_PLAY_ONCE, 5);
    const int32_t list[] = {3, 4};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 0, 2, list), 1);
    BobSetAnimDelay(&sprite.bob, 1);
    BobSetAnimation(&sprite.bob, 0);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 1), (Frames{4}));
    EXPECT_EQ(sprite.bob.onceDone, 0);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 3), (Frames{4, 4, 4}));
    EXPECT_EQ(sprite.bob.onceDone, 1);
    // Selecting the list again does not clear the flag.
    BobSetAnimation(&sprite.bob, 0);
    EXPECT_EQ(sprite.bob.onceDone, 1);
}
