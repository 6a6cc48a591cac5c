// The picture's own operations: its making, the fill, and the stretch's
// choice of source pixels, worked out by hand from the rule in picture.h.
// Keyed copies are checked through sprites (bob_test.cpp).
#include "engine/picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const uint32_t MARKER = 0x123456;

// A picture whose pixel (x, y) is 0x00YYXX counted from 1, so never black.
Picture Numbered(int32_t width, int32_t height)
{
    Picture picture = PictureMake(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            picture.Row(y)[x] = static_cast<uint32_t>((y + 1) << 8 | (x + 1));
    return picture;
}

Picture Marked(int32_t width, int32_t height)
{
    Picture picture = PictureMake(width, height);
    PictureFill(picture, PictureRect{0, 0, width, height}, MARKER);
    return picture;
}

// The source columns (or rows) a stretch shows, read from its first row (or column).
std::vector<int> ColumnsShown(const Picture& drawn, int32_t y)
{
    std::vector<int> shown;
    for (int32_t x = 0; x < drawn.width; ++x)
        shown.push_back(static_cast<int>(drawn.Row(y)[x] & 0xFF) - 1);
    return shown;
}

std::vector<int> RowsShown(const Picture& drawn, int32_t x)
{
    std::vector<int> shown;
    for (int32_t y = 0; y < drawn.height; ++y)
        shown.push_back(static_cast<int>(drawn.Row(y)[x] >> 8 & 0xFF) - 1);
    return shown;
}

} // namespace

TEST(Picture, MadeBlackAndFilledWithinItsEdges)
{
    Picture picture = PictureMake(7, 5);
    ASSERT_EQ(picture.width, 7);
    ASSERT_EQ(picture.height, 5);
    ASSERT_GE(picture.pitch, 7);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x)
            ASSERT_EQ(picture.Row(y)[x], 0u);
    EXPECT_TRUE(PictureEmpty(PictureMake(0, 5)));
    EXPECT_TRUE(PictureEmpty(PictureMake(5, -1)));

    // Partly outside on the left and below: only (0..1, 3..4) are inside.
    PictureFill(picture, PictureRect{-3, 3, 5, 10}, MARKER);
    PictureFill(picture, PictureRect{INT32_MAX, 0, 5, 5}, 1);
    PictureFill(picture, PictureRect{0, 0, 0, 5}, 1);
    int filled = 0;
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x) {
            const bool inside = x < 2 && y >= 3;
            EXPECT_EQ(picture.Row(y)[x], inside ? MARKER : 0u) << x << "," << y;
            filled += inside;
        }
    EXPECT_EQ(filled, 4);
}

// Along a side of s source and d drawn pixels, step = floor(65536 s / d) and
// drawn pixel i shows source pixel floor((floor(step / 2) + i step) / 65536).
TEST(Picture, StretchTakesTheSourcePixelsOfTheFixedPointRule)
{
    // 2 -> 5: step 26214, positions 13107, 39321, 65535, 91749, 117963. The
    // middle one falls just short of pixel 1, where rounding i s / d would not.
    // 3 -> 7: step 28086, positions 14043 + 28086 i.
    Picture drawn = Marked(5, 7);
    PictureCopyScaledKeyed(drawn, 0, 0, 5, 7, Numbered(2, 3));
    EXPECT_EQ(ColumnsShown(drawn, 0), (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(RowsShown(drawn, 4), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));

    // 50 -> 49, the shrinking player's first step: step 66873, and pixel 25
    // alone is left out (24 sits at 65524 past 24 * 65536, 25 at 66861).
    // 4 -> 2: step 131072, positions 65536 and 196608.
    drawn = Marked(49, 2);
    PictureCopyScaledKeyed(drawn, 0, 0, 49, 2, Numbered(50, 4));
    std::vector<int> fortyNine;
    for (int column = 0; column < 50; ++column)
        if (column != 25)
            fortyNine.push_back(column);
    EXPECT_EQ(ColumnsShown(drawn, 0), fortyNine);
    EXPECT_EQ(RowsShown(drawn, 0), (std::vector<int>{1, 3}));
}

TEST(Picture, StretchLeavesOutBlackAndIsCutWithoutMovingItsPixels)
{
    Picture source = Numbered(2, 3);
    source.Row(1)[1] = PICTURE_KEY;
    // 2 x 3 -> 5 x 7 at (-2, 3) on a 4 x 8 picture: drawn columns 2..5 and
    // rows 0..4 remain, at picture columns 0..3 and rows 3..7.
    Picture drawn = Marked(4, 8);
    PictureCopyScaledKeyed(drawn, -2, 3, 5, 7, source);
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            const int column = x + 2 < 3 ? 0 : 1;    // drawn columns 2, 3, 4 show 0, 1, 1
            const int row = y < 3 ? -1 : (y - 3 < 2 ? 0 : 1);  // drawn rows 0..1 show 0, 2..4 show 1
            uint32_t expected = MARKER;
            if (row >= 0 && x < 3 && !(column == 1 && row == 1))
                expected = static_cast<uint32_t>((row + 1) << 8 | (column + 1));
            EXPECT_EQ(drawn.Row(y)[x], expected) << x << "," << y;
        }
    // Of no size, or wholly outside: nothing.
    const Picture before = drawn;
    PictureCopyScaledKeyed(drawn, 0, 0, 0, 7, source);
    PictureCopyScaledKeyed(drawn, 4, 0, 5, 7, source);
    PictureCopyScaledKeyed(drawn, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, source);
    EXPECT_EQ(drawn.pixels, before.pixels);
}
