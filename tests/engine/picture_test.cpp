// The picture's own operations: the fill, and the stretch's choice of source
// pixels, worked out by hand from the rule in picture.h. Keyed copies are
// checked through sprites (bob_test.cpp).
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

// The source columns a stretch shows along row y, or the source rows along
// column x when x is given.
std::vector<int> Shown(const Picture& drawn, int32_t y, int32_t x = -1)
{
    std::vector<int> shown;
    const int32_t count = x < 0 ? drawn.width : drawn.height;
    for (int32_t at = 0; at < count; ++at)
        shown.push_back(x < 0 ? static_cast<int>(drawn.Row(y)[at] & 0xFF) - 1
                              : static_cast<int>(drawn.Row(at)[x] >> 8 & 0xFF) - 1);
    return shown;
}

} // namespace

TEST(Picture, FillIsCutAtTheEdges)
{
    Picture picture = PictureMake(7, 5);
    PictureFill(picture, PictureRect{-3, 3, 5, 10}, MARKER);   // inside: (0..1, 3..4)
    PictureFill(picture, PictureRect{INT32_MAX, 0, 5, 5}, 1);
    int filled = 0;
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x)
            filled += picture.Row(y)[x] == (x < 2 && y >= 3 ? MARKER : 0u);
    EXPECT_EQ(filled, 7 * 5);
}

// Along a side of s source and d drawn pixels, step = floor(65536 s / d) and
// drawn pixel i shows source pixel floor((floor(step / 2) + i step) / 65536).
TEST(Picture, StretchTakesTheSourcePixelsOfTheFixedPointRuleLeavingOutBlack)
{
    // 2 -> 5: step 26214, positions 13107, 39321, 65535, 91749, 117963; the
    // middle one falls just short of pixel 1, where rounding i s / d would not.
    // 3 -> 7: step 28086, positions 14043 + 28086 i.
    Picture drawn = PictureMake(5, 7);
    PictureCopyScaledKeyed(drawn, 0, 0, 5, 7, Numbered(2, 3));
    EXPECT_EQ(Shown(drawn, 0), (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(Shown(drawn, 0, 4), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));

    // 50 -> 49, the shrinking player's first step: step 66873, and pixel 25
    // alone is left out (24 sits at 65524 past 24 * 65536, 25 at 66861).
    // 4 -> 2: step 131072, positions 65536 and 196608.
    drawn = PictureMake(49, 2);
    PictureCopyScaledKeyed(drawn, 0, 0, 49, 2, Numbered(50, 4));
    std::vector<int> fortyNine;
    for (int column = 0; column < 50; ++column)
        if (column != 25)
            fortyNine.push_back(column);
    EXPECT_EQ(Shown(drawn, 0), fortyNine);
    EXPECT_EQ(Shown(drawn, 0, 0), (std::vector<int>{1, 3}));

    // Cut at an edge, the pixels left show what they would uncut: 2 x 3 -> 5 x 7
    // at (-3, 0) leaves drawn columns 3 and 4, both showing column 1, whose
    // black pixel at row 1 (drawn rows 2 to 4) is left out.
    Picture source = Numbered(2, 3);
    source.Row(1)[1] = PICTURE_KEY;
    drawn = PictureMake(3, 7);
    PictureFill(drawn, PictureRect{0, 0, 3, 7}, MARKER);
    PictureCopyScaledKeyed(drawn, -3, 0, 5, 7, source);
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 3; ++x) {
            const int row = y < 2 ? 0 : (y < 5 ? 1 : 2);
            const uint32_t expected = x == 2 || row == 1 ? MARKER : static_cast<uint32_t>((row + 1) << 8 | 2);
            EXPECT_EQ(drawn.Row(y)[x], expected) << x << "," << y;
        }
}
