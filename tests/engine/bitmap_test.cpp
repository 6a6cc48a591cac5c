// BMP loading: row order, padding, pixel offset, top-down files, and every
// file that must be refused before its pixels are read.
#include "engine/bitmap.h"
#include "tests/engine/test_files.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Checks every pixel of a loaded image against the pattern the file was made with.
void ExpectPattern(const BitmapFile& bitmap, int32_t width, int32_t rows)
{
    ASSERT_NE(bitmap.pixels, nullptr);
    ASSERT_EQ(+bitmap.infoHeader.width, width);
    ASSERT_EQ(BitmapRows(&bitmap), rows);
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t expected[3];
            TestBmpPixel(x, y, expected);
            const uint8_t* pixel = bitmap.pixels + (y * width + x) * 3;
            ASSERT_EQ(0, std::memcmp(pixel, expected, 3)) << "pixel " << x << "," << y;
        }
    }
}

std::string WriteBmp(const std::string& name, const TestBmp& bmp)
{
    return TestWriteFile(name, TestBmpBytes(bmp));
}

} // namespace

TEST(BitmapLoad, RowsComeTopFirstWithoutPadding)
{
    struct Case {
        int32_t width, height;
        uint32_t gap;
    };
    const Case cases[] = {
        {4, 2, 0}, {1, 3, 0}, {2, 3, 0}, {3, 3, 0}, {5, 3, 0}, {6, 1, 0}, {7, 2, 0},  // every padding
        {3, 2, 70},                                                                // pixels further on
        {5, -3, 0}, {3, -1, 0},                                                    // top-down rows
        {BITMAP_MAX_SIDE, 1, 0}, {1, -BITMAP_MAX_SIDE, 0},                         // largest sides
    };
    for (const Case& c : cases) {
        TestBmp bmp;
        bmp.width = c.width;
        bmp.height = c.height;
        bmp.gapBeforePixels = c.gap;
        const int32_t rows = c.height < 0 ? -c.height : c.height;
        BitmapFile bitmap{};
        ASSERT_EQ(BitmapLoad(&bitmap, WriteBmp("rows.bmp", bmp).c_str()), 1) << c.width << "x" << c.height;
        ExpectPattern(bitmap, c.width, rows);
        EXPECT_EQ(+bitmap.infoHeader.height, c.height);
        EXPECT_EQ(+bitmap.infoHeader.bitCount, 24);
        EXPECT_EQ(+bitmap.infoHeader.imageSize, static_cast<uint32_t>(3 * c.width * rows));
        EXPECT_EQ(+bitmap.fileHeader.pixelOffset, 54 + c.gap);
        BitmapUnload(&bitmap);
    }

    // A 4 x 2 file has no padding, and its second row is the image's first.
    TestBmp bmp;
    bmp.width = 4;
    bmp.height = 2;
    const Bytes file = TestBmpBytes(bmp);
    BitmapFile bitmap{};
    ASSERT_EQ(BitmapLoad(&bitmap, TestWriteFile("four.bmp", file).c_str()), 1);
    EXPECT_EQ(file.size(), 54u + 24u);
    EXPECT_EQ(0, std::memcmp(bitmap.pixels, file.data() + 54 + 12, 12));
    BitmapUnload(&bitmap);
}

TEST(BitmapLoad, LastRowNeedsItsPixelsButNotItsPadding)
{
    TestBmp bmp;
    bmp.width = 3;
    bmp.height = 2;
    bmp.lastRowPadding = false;
    BitmapFile bitmap{};
    ASSERT_EQ(BitmapLoad(&bitmap, WriteBmp("nopad.bmp", bmp).c_str()), 1);
    ExpectPattern(bitmap, 3, 2);
    BitmapUnload(&bitmap);

    Bytes shortFile = TestBmpBytes(bmp);
    shortFile.pop_back();
    EXPECT_EQ(BitmapLoad(&bitmap, TestWriteFile("short.bmp", shortFile).c_str()), 0);
    EXPECT_EQ(bitmap.pixels, nullptr);
}

TEST(BitmapLoad, RefusedFilesLeaveTheRecordAsItWas)
{
    struct Case {
        const char* what;
        TestBmp bmp;
        size_t cutBytes;
    };
    auto make = [](auto change) {
        TestBmp bmp;
        bmp.width = 3;
        bmp.height = 2;
        change(bmp);
        return bmp;
    };
    const Case cases[] = {
        {"type", make([](TestBmp& b) { b.type = 0x4D43; }), 0},
        {"32 bits", make([](TestBmp& b) { b.bitCount = 32; }), 0},
        {"8 bits", make([](TestBmp& b) { b.bitCount = 8; }), 0},
        {"compressed", make([](TestBmp& b) { b.compression = 1; }), 0},
        {"width 0", make([](TestBmp& b) { b.width = 0; }), 0},
        {"negative width", make([](TestBmp& b) { b.width = -3; }), 0},
        {"height 0", make([](TestBmp& b) { b.height = 0; }), 0},
        {"too wide", make([](TestBmp& b) { b.width = BITMAP_MAX_SIDE + 1, b.height = 1; }), 0},
        {"too tall", make([](TestBmp& b) { b.width = 1, b.height = BITMAP_MAX_SIDE + 1; }), 0},
        {"too tall top-down", make([](TestBmp& b) { b.width = 1, b.height = -(BITMAP_MAX_SIDE + 1); }), 0},
        {"rows past the end", make([](TestBmp&) {}), 4},
        {"half the rows", make([](TestBmp& b) { b.height = 4; }), 24},
        {"header only", make([](TestBmp&) {}), 24 + 20},
        {"cut header", make([](TestBmp&) {}), 24 + 40},
    };

    TestBmp good;
    good.width = 2;
    good.height = 2;
    BitmapFile bitmap{};
    ASSERT_EQ(BitmapLoad(&bitmap, WriteBmp("good.bmp", good).c_str()), 1);
    const BitmapFile before = bitmap;
    Bytes pixelsBefore(bitmap.pixels, bitmap.pixels + 12);

    for (const Case& c : cases) {
        Bytes bytes = TestBmpBytes(c.bmp);
        bytes.resize(bytes.size() - c.cutBytes);
        EXPECT_EQ(BitmapLoad(&bitmap, TestWriteFile("bad.bmp", bytes).c_str()), 0) << c.what;
        EXPECT_EQ(0, std::memcmp(&bitmap, &before, sizeof bitmap)) << c.what;
        EXPECT_EQ(Bytes(bitmap.pixels, bitmap.pixels + 12), pixelsBefore) << c.what;
    }
    EXPECT_EQ(BitmapLoad(&bitmap, TestFilePath("missing.bmp").c_str()), 0);
    EXPECT_EQ(BitmapLoad(&bitmap, nullptr), 0);
    EXPECT_EQ(BitmapLoad(nullptr, TestFilePath("good.bmp").c_str()), 0);
    EXPECT_EQ(0, std::memcmp(&bitmap, &before, sizeof bitmap));
    BitmapUnload(&bitmap);
}

TEST(BitmapLoad, SizesThatWouldOverflowAreRefused)
{
    // Fields that make width x height x 3 wrap around in 32 bits.
    const uint32_t width = 0x55555556;
    const int32_t heights[] = {INT32_MIN, INT32_MAX, 0x55555556};
    for (int32_t height : heights) {
        Bytes bytes = TestBmpBytes(TestBmp{});  // a 1 x 1 file with its size fields replaced
        for (int i = 0; i < 4; ++i) {
            bytes[18 + i] = static_cast<uint8_t>(width >> (8 * i));
            bytes[22 + i] = static_cast<uint8_t>(static_cast<uint32_t>(height) >> (8 * i));
        }
        BitmapFile bitmap{};
        EXPECT_EQ(BitmapLoad(&bitmap, TestWriteFile("huge.bmp", bytes).c_str()), 0) << height;
        EXPECT_EQ(bitmap.pixels, nullptr);
    }
}

TEST(BitmapLoad, LoadingAgainReplacesTheImage)
{
    TestBmp first;
    first.width = 2;
    first.height = 2;
    TestBmp second;
    second.width = 7;
    second.height = -5;
    BitmapFile bitmap{};
    ASSERT_EQ(BitmapLoad(&bitmap, WriteBmp("first.bmp", first).c_str()), 1);
    ASSERT_EQ(BitmapLoad(&bitmap, WriteBmp("second.bmp", second).c_str()), 1);
    ExpectPattern(bitmap, 7, 5);
    EXPECT_EQ(BitmapUnload(&bitmap), 1);
    EXPECT_EQ(bitmap.pixels, nullptr);
    EXPECT_EQ(BitmapUnload(&bitmap), 1);
    EXPECT_EQ(bitmap.pixels, nullptr);
}

TEST(BitmapFlipVertical, ReversesRowsAroundTheMiddle)
{
    uint8_t rows[5][3];
    for (uint8_t r = 0; r < 5; ++r)
        std::memset(rows[r], r, 3);
    EXPECT_EQ(BitmapFlipVertical(&rows[0][0], 3, 5), 1);
    for (uint8_t r = 0; r < 5; ++r)
        EXPECT_EQ(rows[r][0], 4 - r);

    EXPECT_EQ(BitmapFlipVertical(&rows[0][0], 3, 4), 1);
    const uint8_t firstFour[4] = {1, 2, 3, 4};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(rows[r][2], firstFour[r]);

    EXPECT_EQ(BitmapFlipVertical(&rows[0][0], 3, 1), 1);
    EXPECT_EQ(rows[0][0], 1);
}
