// Sprite objects: frames cut from a sheet, clipped and scaled drawing checked
// on the back surface's pixels, and the three animation modes.
#include "engine/bitmap.h"
#include "engine/bob.h"
#include "engine/display.h"
#include "platform/headless/headless.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

const uint32_t MARKER = 0x123456;  // what the back surface holds where nothing was drawn
const int32_t SIZE = 50;

uint32_t PixelAt(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const uint8_t* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    uint32_t value = reinterpret_cast<const uint32_t*>(row)[x];
    SDL_UnlockSurface(surface);
    return value & 0xFFFFFF;
}

// Sheet colour of pixel (x, y): never black unless the pattern says so.
uint32_t SheetColour(int32_t x, int32_t y)
{
    return static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | 0x40);
}

// Black on every third diagonal, to exercise the colour key.
uint32_t KeyedSheetColour(int32_t x, int32_t y)
{
    return (x + y) % 3 == 0 ? 0 : SheetColour(x, y);
}

BitmapFile MakeSheet(int32_t width, int32_t rows, uint32_t (*colour)(int32_t, int32_t))
{
    BitmapFile sheet{};
    sheet.infoHeader.width = width;
    sheet.infoHeader.height = rows;
    sheet.infoHeader.bitCount = 24;
    sheet.pixels = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(width * rows * 3)));
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t c = colour(x, y);
            uint8_t* p = sheet.pixels + (y * width + x) * 3;
            p[0] = static_cast<uint8_t>(c);
            p[1] = static_cast<uint8_t>(c >> 8);
            p[2] = static_cast<uint8_t>(c >> 16);
        }
    }
    return sheet;
}

int CountDifferences(SDL_Surface* a, SDL_Surface* b)
{
    int differences = 0;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            differences += PixelAt(a, x, y) != PixelAt(b, x, y);
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
        sheet = MakeSheet(4 * (SIZE + 1) + 1, 2 * (SIZE + 1) + 1, SheetColour);
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
    void ExpectSpriteAt(int32_t x, int32_t y, uint32_t (*colour)(int32_t, int32_t))
    {
        int wrong = 0;
        for (int py = 0; py < BACK_SURFACE_SIZE; ++py) {
            for (int px = 0; px < BACK_SURFACE_SIZE; ++px) {
                uint32_t expected = MARKER;
                if (px >= x && px < x + SIZE && py >= y && py < y + SIZE) {
                    uint32_t c = colour(px - x + 1, py - y + 1);
                    expected = c != 0 ? c : MARKER;
                }
                wrong += PixelAt(back, px, py) != expected;
            }
        }
        EXPECT_EQ(wrong, 0) << "sprite at " << x << "," << y;
    }

    BOB bob{};
    BitmapFile sheet{};
    SDL_Surface* back = nullptr;
};

} // namespace

TEST_F(BobTest, SurfacesArePaddedToAMultipleOfEight)
{
    const int32_t widths[][2] = {{50, 6}, {56, 0}, {1, 7}, {8, 0}, {9, 7}};
    for (const auto& [width, pad] : widths) {
        ASSERT_EQ(BobCreate(&bob, 0, 0, width, 3, 2, BOB_SHOWN, 0), 1);
        EXPECT_EQ(bob.surfacePad, pad);
        EXPECT_EQ(bob.frameSurfaces[1]->w, width + pad);
        EXPECT_EQ(bob.frameSurfaces[1]->h, 3);
        EXPECT_EQ(bob.frameSurfaces[2], nullptr);
    }
}

TEST_F(BobTest, FramesAreCutFromCellsOrPixelPositions)
{
    ASSERT_EQ(BobCreate(&bob, 0, 0, 3, 4, 2, BOB_SHOWN, 0), 1);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 0, 2, 1, BOB_EXTRACT_CELL), 1);
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 1, 7, 9, BOB_EXTRACT_ABSOLUTE), 1);
    EXPECT_TRUE(bob.flags & BOB_FRAME_LOADED);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            // Cell (2, 1) of 3 x 4 cells starts at (2 * 4 + 1, 1 * 5 + 1).
            EXPECT_EQ(PixelAt(bob.frameSurfaces[0], c, r), SheetColour(9 + c, 6 + r));
            EXPECT_EQ(PixelAt(bob.frameSurfaces[1], c, r), SheetColour(7 + c, 9 + r));
        }
        for (int c = 3; c < 8; ++c)
            EXPECT_EQ(PixelAt(bob.frameSurfaces[0], c, r), 0u) << "pad column " << c;
    }
}

TEST_F(BobTest, FramePartsOutsideTheSheetStayTransparent)
{
    MakeSprite(2);
    const int32_t sheetWidth = sheet.infoHeader.width;
    const int32_t sheetRows = BitmapRows(&sheet);
    // Starts 10 columns before the right edge and 20 rows before the bottom.
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 0, sheetWidth - 10, sheetRows - 20, BOB_EXTRACT_ABSOLUTE), 1);
    for (int r = 0; r < SIZE; ++r) {
        for (int c = 0; c < SIZE; ++c) {
            uint32_t expected = c < 10 && r < 20 ? SheetColour(sheetWidth - 10 + c, sheetRows - 20 + r) : 0;
            ASSERT_EQ(PixelAt(bob.frameSurfaces[0], c, r), expected) << c << "," << r;
        }
    }
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 1, -5, -5, BOB_EXTRACT_ABSOLUTE), 1);
    EXPECT_EQ(PixelAt(bob.frameSurfaces[1], 4, 4), 0u);
    EXPECT_EQ(PixelAt(bob.frameSurfaces[1], 5, 5), SheetColour(0, 0));

    // No pixels at all: the frame is emptied, earlier contents included.
    BitmapFile empty{};
    ASSERT_EQ(BobLoadFrame(&bob, &empty, 1, 0, 0, BOB_EXTRACT_CELL), 1);
    for (int r = 0; r < SIZE; ++r)
        for (int c = 0; c < SIZE; ++c)
            ASSERT_EQ(PixelAt(bob.frameSurfaces[1], c, r), 0u);
    EXPECT_EQ(BobLoadFrame(&bob, &sheet, 2, 0, 0, BOB_EXTRACT_CELL), 0);  // no such frame
    EXPECT_EQ(BobLoadFrame(nullptr, &sheet, 0, 0, 0, BOB_EXTRACT_CELL), 0);
}

TEST_F(BobTest, DrawIsCutAtEveryEdgeOfTheBackSurface)
{
    MakeSprite(1);
    const int32_t positions[][2] = {
        {100, 200}, {-20, 100}, {570, 100}, {100, -20}, {100, 570}, {550, 550},
        {-49, -49}, {599, 599}, {-20, 570}, {570, -20}, {0, 0},
    };
    for (const auto& [x, y] : positions) {
        SDL_FillRect(back, nullptr, MARKER);
        BobSetPosition(&bob, x, y);
        EXPECT_EQ(BobDraw(&bob, back), 1);
        ExpectSpriteAt(x, y, SheetColour);
    }
    // Wholly outside: nothing is drawn.
    const int32_t outside[][2] = {{-50, 0}, {600, 0}, {0, -50}, {0, 600}, {INT32_MIN, INT32_MAX}};
    for (const auto& [x, y] : outside) {
        SDL_FillRect(back, nullptr, MARKER);
        BobSetPosition(&bob, x, y);
        EXPECT_EQ(BobDraw(&bob, back), 1);
        ExpectSpriteAt(-1000, -1000, SheetColour);
    }
    // The cut is at 600 whatever the surface's size.
    SDL_Surface* large = DisplayCreateSurface(700, 700);
    SDL_FillRect(large, nullptr, MARKER);
    BobSetPosition(&bob, 570, 580);
    EXPECT_EQ(BobDraw(&bob, large), 1);
    EXPECT_EQ(PixelAt(large, 599, 599), SheetColour(30, 20));
    EXPECT_EQ(PixelAt(large, 600, 590), MARKER);
    EXPECT_EQ(PixelAt(large, 590, 600), MARKER);
    SDL_FreeSurface(large);
}

TEST_F(BobTest, BlackPixelsAreLeftOut)
{
    BitmapUnload(&sheet);
    sheet = MakeSheet(SIZE + 2, SIZE + 2, KeyedSheetColour);
    MakeSprite(1);
    BobSetPosition(&bob, -7, 580);
    EXPECT_EQ(BobDraw(&bob, back), 1);
    ExpectSpriteAt(-7, 580, KeyedSheetColour);
}

TEST_F(BobTest, ScaledDrawMatchesAKeyedStretchThroughChanges)
{
    BitmapUnload(&sheet);
    sheet = MakeSheet(4 * (SIZE + 1) + 1, SIZE + 2, KeyedSheetColour);
    MakeSprite(2);
    SDL_Surface* reference = DisplayCreateSurface(BACK_SURFACE_SIZE, BACK_SURFACE_SIZE);

    struct Step {
        int32_t frame, x, y, w, h;
    };
    const Step steps[] = {
        {0, 10, 20, 100, 100}, {0, 10, 20, 100, 100}, {1, 10, 20, 100, 100}, {1, 300, 40, 37, 81},
        {1, 300, 40, 37, 81},  {1, 300, 40, 60, 81},   {1, 300, 40, 60, 50},  {0, 0, 0, 13, 7},
        {0, 500, 500, 99, 99}, {1, 5, 5, 1, 1},
    };
    SDL_Surface* lastCopy = nullptr;
    const Step* last = nullptr;
    for (const Step& s : steps) {
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
        if (last != nullptr && last->frame == s.frame && last->w == s.w && last->h == s.h) {
            EXPECT_EQ(bob.scaledSurface, lastCopy);
        }
        lastCopy = bob.scaledSurface;
        last = &s;
    }

    // New pixels in the frame show at once, at the size drawn before.
    ASSERT_EQ(BobLoadFrame(&bob, &sheet, 1, 3, 0, BOB_EXTRACT_CELL), 1);
    SDL_FillRect(back, nullptr, MARKER);
    SDL_FillRect(reference, nullptr, MARKER);
    ASSERT_EQ(BobDrawScaled(&bob, 1, 1, back), 1);
    SDL_Rect from = {0, 0, SIZE, SIZE};
    SDL_Rect to = {5, 5, 1, 1};
    SDL_BlitScaled(bob.frameSurfaces[1], &from, reference, &to);
    EXPECT_EQ(CountDifferences(back, reference), 0);
    SDL_FreeSurface(reference);
}

TEST_F(BobTest, ScaledDrawAtTheEdgeShowsTheSamePictureCut)
{
    BitmapUnload(&sheet);
    sheet = MakeSheet(SIZE + 2, SIZE + 2, KeyedSheetColour);
    MakeSprite(1);
    SDL_Surface* whole = DisplayCreateSurface(BACK_SURFACE_SIZE, BACK_SURFACE_SIZE);
    SDL_FillRect(whole, nullptr, MARKER);
    BobSetPosition(&bob, 200, 200);
    ASSERT_EQ(BobDrawScaled(&bob, 100, 80, whole), 1);

    BobSetPosition(&bob, -30, 560);
    ASSERT_EQ(BobDrawScaled(&bob, 100, 80, back), 1);
    int wrong = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 100; ++x) {
            int bx = x - 30;
            int by = y + 560;
            if (bx >= 0 && by < BACK_SURFACE_SIZE)
                wrong += PixelAt(back, bx, by) != PixelAt(whole, 200 + x, 200 + y);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(PixelAt(back, 40, 559), MARKER);
    EXPECT_EQ(PixelAt(back, 70, 580), MARKER);
    SDL_FreeSurface(whole);

    // The frame keeps its colour key for plain draws after the stretches.
    SDL_FillRect(back, nullptr, MARKER);
    BobSetPosition(&bob, 120, 3);
    ASSERT_EQ(BobDraw(&bob, back), 1);
    ExpectSpriteAt(120, 3, KeyedSheetColour);
}

TEST_F(BobTest, NothingIsDrawnWhenHiddenOrOfNoSize)
{
    MakeSprite(1);
    BobSetPosition(&bob, 10, 10);
    EXPECT_EQ(BobDrawScaled(&bob, 0, 100, back), 1);
    EXPECT_EQ(BobDrawScaled(&bob, 100, 0, back), 1);
    EXPECT_EQ(BobDrawScaled(&bob, -5, -5, back), 1);
    bob.flags &= ~BOB_SHOWN;
    EXPECT_EQ(BobDraw(&bob, back), 1);
    EXPECT_EQ(BobDrawScaled(&bob, 100, 100, back), 1);
    ExpectSpriteAt(-1000, -1000, SheetColour);
    EXPECT_EQ(BobDraw(nullptr, back), 0);
    EXPECT_EQ(BobDrawScaled(nullptr, 100, 100, back), 0);

    // Shown again, at its own size the scaled draw is the plain picture.
    bob.flags |= BOB_SHOWN;
    EXPECT_EQ(BobDrawScaled(&bob, SIZE, SIZE, back), 1);
    ExpectSpriteAt(10, 10, SheetColour);
}

TEST_F(BobTest, DestroyReleasesAndCreateStartsAfresh)
{
    MakeSprite(3);
    const int32_t list[] = {0, 1, 2};
    ASSERT_EQ(BobLoadAnimation(&bob, 5, 3, list), 1);
    ASSERT_EQ(BobDrawScaled(&bob, 20, 20, back), 1);
    ASSERT_NE(bob.scaledSurface, nullptr);

    // Created again: the earlier frames, lists and scaled copy are given up.
    ASSERT_EQ(BobCreate(&bob, 1, 2, 10, 10, 1, BOB_SHOWN, 0), 1);
    EXPECT_EQ(bob.animLists[5], nullptr);
    EXPECT_EQ(bob.frameSurfaces[2], nullptr);
    EXPECT_EQ(bob.scaledSurface, nullptr);
    EXPECT_EQ(bob.frameSurfaces[0]->w, 16);

    ASSERT_EQ(BobLoadAnimation(&bob, 0, 3, list), 1);
    EXPECT_EQ(BobDestroy(&bob), 1);
    for (SDL_Surface* surface : bob.frameSurfaces)
        EXPECT_EQ(surface, nullptr);
    for (int32_t* animation : bob.animLists)
        EXPECT_EQ(animation, nullptr);
    EXPECT_EQ(BobDestroy(nullptr), 0);
    EXPECT_EQ(BobCreate(&bob, 0, 0, SIZE, SIZE, BOB_MAX_FRAMES + 1, BOB_SHOWN, 0), 0);
    EXPECT_EQ(bob.frameSurfaces[0], nullptr);
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

} // namespace

TEST(BobAnimate, FrameCycleStepsEveryDelayCalls)
{
    AnimatedBob cycle(BOB_FRAME_CYCLE, 2);
    EXPECT_EQ(AnimateCalls(&cycle.bob, 4), (std::vector<int32_t>{1, 0, 1, 0}));
    BobSetAnimDelay(&cycle.bob, 1);
    EXPECT_EQ(AnimateCalls(&cycle.bob, 2), (std::vector<int32_t>{1, 0}));
    BobSetAnimDelay(&cycle.bob, 3);
    EXPECT_EQ(AnimateCalls(&cycle.bob, 7), (std::vector<int32_t>{0, 0, 1, 1, 1, 0, 0}));

    AnimatedBob three(BOB_FRAME_CYCLE, 3);
    EXPECT_EQ(AnimateCalls(&three.bob, 4), (std::vector<int32_t>{1, 2, 0, 1}));
}

TEST(BobAnimate, ListsShowEntryOneFirstAndWrap)
{
    AnimatedBob sprite(BOB_ANIM_LISTS, 8);
    const int32_t water[] = {0, 1, 2, 3, 4, 5, 6, 7, 0};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 2, 9, water), 1);
    BobSetAnimDelay(&sprite.bob, 4);
    BobSetAnimation(&sprite.bob, 2);
    std::vector<int32_t> steps;
    std::vector<int32_t> shown = AnimateCalls(&sprite.bob, 4 * 11);
    for (size_t i = 0; i < shown.size(); ++i) {
        if (i % 4 != 3)
            EXPECT_EQ(shown[i], i < 3 ? 0 : shown[i - 1]) << "changed between steps at call " << i;
        else
            steps.push_back(shown[i]);
    }
    EXPECT_EQ(steps, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 0, 0, 1, 2}));

    const int32_t single[] = {6};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 3, 1, single), 1);
    BobSetAnimDelay(&sprite.bob, 0);
    BobSetAnimation(&sprite.bob, 3);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 3), (std::vector<int32_t>{6, 6, 6}));
}

TEST(BobAnimate, PlayOnceStopsOnTheLastFrame)
{
    AnimatedBob sprite(BOB_ANIM_LISTS | BOB_PLAY_ONCE, 5);
    const int32_t list[] = {3, 4};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 0, 2, list), 1);
    BobSetAnimDelay(&sprite.bob, 1);
    BobSetAnimation(&sprite.bob, 0);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 1), (std::vector<int32_t>{4}));
    EXPECT_EQ(sprite.bob.onceDone, 0);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 3), (std::vector<int32_t>{4, 4, 4}));
    EXPECT_EQ(sprite.bob.onceDone, 1);
    // Selecting the list again does not clear the flag.
    BobSetAnimation(&sprite.bob, 0);
    EXPECT_EQ(sprite.bob.onceDone, 1);
}

TEST(BobAnimate, NewListWaitsOutTheStepUnderWay)
{
    AnimatedBob sprite(BOB_ANIM_LISTS, 8);
    const int32_t first[] = {0, 1, 2};
    const int32_t second[] = {5, 6, 7};
    BobLoadAnimation(&sprite.bob, 0, 3, first);
    BobLoadAnimation(&sprite.bob, 1, 3, second);
    BobSetAnimDelay(&sprite.bob, 3);
    BobSetAnimation(&sprite.bob, 0);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 5), (std::vector<int32_t>{0, 0, 1, 1, 1}));
    ASSERT_EQ(BobSetAnimation(&sprite.bob, 1), 1);
    EXPECT_EQ(sprite.bob.animTicks, 2);
    EXPECT_EQ(AnimateCalls(&sprite.bob, 4), (std::vector<int32_t>{6, 6, 6, 7}));
    EXPECT_EQ(BobSetAnimation(&sprite.bob, BOB_MAX_ANIMATIONS), 0);
    EXPECT_EQ(sprite.bob.animSlot, 1);
}

TEST(BobAnimate, ModeBitsDecideInOrder)
{
    AnimatedBob one(BOB_ONE_FRAME | BOB_FRAME_CYCLE | BOB_ANIM_LISTS, 4);
    one.bob.frameIndex = 3;
    EXPECT_EQ(AnimateCalls(&one.bob, 2), (std::vector<int32_t>{0, 0}));

    AnimatedBob cycle(BOB_FRAME_CYCLE | BOB_ANIM_LISTS, 4);
    EXPECT_EQ(AnimateCalls(&cycle.bob, 2), (std::vector<int32_t>{1, 2}));

    AnimatedBob none(0, 4);
    none.bob.frameIndex = 2;
    EXPECT_EQ(AnimateCalls(&none.bob, 2), (std::vector<int32_t>{2, 2}));
    EXPECT_EQ(none.bob.animTicks, 0);

    // A list sprite with no list selected keeps its frame.
    AnimatedBob empty(BOB_ANIM_LISTS, 4);
    empty.bob.frameIndex = 2;
    EXPECT_EQ(AnimateCalls(&empty.bob, 2), (std::vector<int32_t>{2, 2}));
    EXPECT_EQ(BobAnimate(nullptr), 0);
}

TEST(BobLoadAnimation, StoresTheListWithItsEnd)
{
    AnimatedBob sprite(BOB_ANIM_LISTS, 8);
    const int32_t list[] = {7, 2, 5};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 15, 3, list), 1);
    const int32_t* stored = sprite.bob.animLists[15];
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ((std::vector<int32_t>(stored, stored + 4)), (std::vector<int32_t>{7, 2, 5, ANIM_END}));
    const int32_t shorter[] = {1};
    ASSERT_EQ(BobLoadAnimation(&sprite.bob, 15, 1, shorter), 1);
    EXPECT_EQ(sprite.bob.animLists[15][0], 1);
    EXPECT_EQ(sprite.bob.animLists[15][1], ANIM_END);
    EXPECT_EQ(BobLoadAnimation(&sprite.bob, 16, 1, list), 0);
    EXPECT_EQ(BobLoadAnimation(&sprite.bob, -1, 1, list), 0);
    EXPECT_EQ(BobLoadAnimation(nullptr, 0, 1, list), 0);
}
