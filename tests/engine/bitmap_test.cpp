// BMP loading: row order, padding, pixel offset, top-down files, and every
// file that must be refused before its pixels are read.
#include "format/bitmap.h"
#include "support/bmp.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

TempDir Scratch("quag-bitmap-test");

// A different colour for every pixel, never black.
uint32_t Pattern(int x, int y)
{
    return static_cast<uint32_t>((0x80 ^ (x * 7 + y * 13)) & 0xFF) << 16 | (y + 1) << 8 | ((x + 1) & 0xFF);
}

BmpOptions Options(int32_t width, int32_t height)
{
    BmpOptions options;
    options.width = width;
    options.height = height < 0 ? -height : height;
    options.topDown = height < 0;
    return options;
}

std::string Write(const Bytes& bytes)
{
    const std::string path = Scratch.File("test.bmp");
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
}

// Checks every pixel of a loaded image against the pattern.
void ExpectPattern(const BitmapFile& bitmap, int32_t width, int32_t rows)
{
    ASSERT_NE(bitmap.pixels, nullptr);
    ASSERT_EQ(+bitmap.infoHeader.width, width);
    ASSERT_EQ(BitmapRows(&bitmap), rows);
    for (int32_t y = 0; y < rows; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* pixel = bitmap.pixels + (y * width + x) * 3;
            ASSERT_EQ(static_cast<uint32_t>(pixel[2] << 16 | pixel[1] << 8 | pixel[0]), Pattern(x, y)) << x << "," << y;
        }
}

} // namespace

TEST(BitmapLoad, RowsComeTopFirstWithoutPadding)
{
    struct Case {
        int32_t width, height;
        uint32_t gap;
        bool lastRowPadding;
    };
    const Case cases[] = {
        {4, 2, 0, true}, {1, 3, 0, true}, {2, 3, 0, true}, {3, 3, 0, true}, {5, 3, 0, true},  // every padding
        {3, 2, 70, true},                                       // pixels further on
        {3, 2, 0, false},                                       // last row without its padding
        {5, -3, 0, true}, {3, -1, 0, true},                     // top-down rows
        {BITMAP_MAX_SIDE, 1, 0, true}, {1, -BITMAP_MAX_SIDE, 0, true},   // largest sides
    };
    BitmapFile bitmap{};
    for (const Case& c : cases) {
        BmpOptions options = Options(c.width, c.height);
        options.gapBeforePixels = c.gap;
        options.lastRowPadding = c.lastRowPadding;
        // Loading again replaces the image.
        ASSERT_EQ(BitmapLoad(&bitmap, Write(BmpEncode(options, Pattern)).c_str()), 1) << c.width << "x" << c.height;
        ExpectPattern(bitmap, c.width, options.height);
        EXPECT_EQ(+bitmap.infoHeader.height, c.height);
        EXPECT_EQ(+bitmap.infoHeader.imageSize, static_cast<uint32_t>(3 * c.width * options.height));
        EXPECT_EQ(+bitmap.fileHeader.pixelOffset, 54 + c.gap);
    }
    EXPECT_EQ(BitmapUnload(&bitmap), 1);
    EXPECT_EQ(bitmap.pixels, nullptr);
    EXPECT_EQ(BitmapUnload(&bitmap), 1);
}

TEST(BitmapLoad, RefusedFilesLeaveTheRecordAsItWas)
{
    struct Case {
        const char* what;
        void (*change)(BmpOptions&);
        size_t cutBytes;
    };
    const Case cases[] = {
        {"type", [](BmpOptions& b) { b.type = 0x4D43; }, 0},
        {"32 bits", [](BmpOptions& b) { b.bitCount = 32; }, 0},
        {"8 bits", [](BmpOptions& b) { b.bitCount = 8; }, 0},
        {"compressed", [](BmpOptions& b) { b.compression = 1; }, 0},
        {"width 0", [](BmpOptions& b) { b.width = 0; }, 0},
        {"negative width", [](BmpOptions& b) { b.width = -3; }, 0},
        {"height 0", [](BmpOptions& b) { b.height = 0; }, 0},
        {"too wide", [](BmpOptions& b) { b.width = BITMAP_MAX_SIDE + 1, b.height = 1; }, 0},
        {"too tall", [](BmpOptions& b) { b.width = 1, b.height = BITMAP_MAX_SIDE + 1; }, 0},
        {"too tall top-down", [](BmpOptions& b) { b.width = 1, b.height = BITMAP_MAX_SIDE + 1, b.topDown = true; }, 0},
        {"last row short", [](BmpOptions& b) { b.lastRowPadding = false; }, 1},
        {"half the rows", [](BmpOptions& b) { b.height = 4; }, 24},
        {"header only", [](BmpOptions&) {}, 24 + 20},
        {"cut header", [](BmpOptions&) {}, 24 + 40},
    };
    BitmapFile bitmap{};
    ASSERT_EQ(BitmapLoad(&bitmap, Write(BmpEncode(Options(2, 2), Pattern)).c_str()), 1);
    const BitmapFile before = bitmap;
    const Bytes pixelsBefore(bitmap.pixels, bitmap.pixels + 12);
    auto expectUnchanged = [&](const char* what) {
        EXPECT_EQ(0, std::memcmp(&bitmap, &before, sizeof bitmap)) << what;
        EXPECT_EQ(Bytes(bitmap.pixels, bitmap.pixels + 12), pixelsBefore) << what;
    };
    for (const Case& c : cases) {
        BmpOptions options = Options(3, 2);
        c.change(options);
        Bytes bytes = BmpEncode(options, Pattern);
        bytes.resize(bytes.size() - c.cutBytes);
        EXPECT_EQ(BitmapLoad(&bitmap, Write(bytes).c_str()), 0) << c.what;
        expectUnchanged(c.what);
    }
    // Fields that make width x height x 3 wrap around in 32 bits.
    for (int32_t height : {INT32_MIN, INT32_MAX, 0x55555556}) {
        Bytes bytes = BmpEncode(BmpOptions{}, Pattern);
        bytes.resize(18);
        PutLe32(bytes, 0x55555556);
        PutLe32(bytes, static_cast<uint32_t>(height));
        Bytes rest = BmpEncode(BmpOptions{}, Pattern);
        bytes.insert(bytes.end(), rest.begin() + 26, rest.end());
        EXPECT_EQ(BitmapLoad(&bitmap, Write(bytes).c_str()), 0) << height;
        expectUnchanged("overflow");
    }
    EXPECT_EQ(BitmapLoad(&bitmap, Scratch.File("missing.bmp").c_str()), 0);
    EXPECT_EQ(BitmapLoad(&bitmap, nullptr), 0);
    EXPECT_EQ(BitmapLoad(nullptr, Write(BmpEncode(Options(2, 2), Pattern)).c_str()), 0);
    expectUnchanged("no file");
    BitmapUnload(&bitmap);
}
