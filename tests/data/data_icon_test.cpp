// The icons: the window icon BMP and the hicolor PNGs, whose every chunk,
// zlib stream and checksum must be valid for desktops to show them.
#include "data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

uint32_t Crc32(const uint8_t* data, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t v : data) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

struct Png {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> rgba;   // decoded, filter bytes removed
};

// Checks the structure of a PNG made of stored deflate blocks and decodes it.
void DecodeStoredPng(const std::vector<uint8_t>& f, Png* png)
{
    const std::array<uint8_t, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(f.size(), 8u);
    ASSERT_TRUE(std::equal(signature.begin(), signature.end(), f.begin()));
    std::vector<uint8_t> idat;
    std::vector<std::string> order;
    size_t at = 8;
    while (at + 12 <= f.size()) {
        const uint32_t len = Be32(f, at);
        ASSERT_LE(at + 12 + len, f.size());
        const std::string tag(f.begin() + at + 4, f.begin() + at + 8);
        ASSERT_EQ(Crc32(&f[at + 4], len + 4), Be32(f, at + 8 + len)) << "CRC of " << tag;
        order.push_back(tag);
        if (tag == "IHDR") {
            ASSERT_EQ(len, 13u);
            png->width = Be32(f, at + 8);
            png->height = Be32(f, at + 12);
            EXPECT_EQ(f[at + 16], 8);    // bit depth
            EXPECT_EQ(f[at + 17], 6);    // RGBA
            EXPECT_EQ(f[at + 18], 0);
            EXPECT_EQ(f[at + 19], 0);
            EXPECT_EQ(f[at + 20], 0);
        } else if (tag == "IDAT") {
            idat.insert(idat.end(), f.begin() + at + 8, f.begin() + at + 8 + len);
        }
        at += 12 + len;
    }
    EXPECT_EQ(at, f.size());
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order.front(), "IHDR");
    EXPECT_EQ(order.back(), "IEND");

    // zlib header, stored blocks, Adler-32 of the raw scanlines.
    ASSERT_GE(idat.size(), 6u);
    EXPECT_EQ((idat[0] << 8 | idat[1]) % 31, 0);
    EXPECT_EQ(idat[0] & 0x0F, 8);
    std::vector<uint8_t> raw;
    size_t pos = 2;
    bool final = false;
    while (!final) {
        ASSERT_LE(pos + 5, idat.size());
        final = idat[pos] & 1;
        ASSERT_EQ(idat[pos] >> 1 & 3, 0) << "not a stored block";
        const uint32_t len = Le16(idat, pos + 1), nlen = Le16(idat, pos + 3);
        ASSERT_EQ(len ^ 0xFFFF, nlen);
        ASSERT_LE(pos + 5 + len, idat.size());
        raw.insert(raw.end(), idat.begin() + pos + 5, idat.begin() + pos + 5 + len);
        pos += 5 + len;
    }
    ASSERT_EQ(pos + 4, idat.size());
    EXPECT_EQ(Adler32(raw), Be32(idat, pos));

    const size_t row = png->width * 4;
    ASSERT_EQ(raw.size(), png->height * (row + 1));
    for (uint32_t y = 0; y < png->height; ++y) {
        ASSERT_EQ(raw[y * (row + 1)], 0) << "filter of row " << y;
        png->rgba.insert(png->rgba.end(), raw.begin() + y * (row + 1) + 1, raw.begin() + (y + 1) * (row + 1));
    }
}

TEST(Icons, HicolorPngsAreValidSquareIconsWithTransparentCorners)
{
    for (uint32_t size : {32u, 64u, 128u}) {
        SCOPED_TRACE(size);
        const std::string path = std::string(QUAGMORE_TEST_ICON_DIR) + "/hicolor/" + std::to_string(size) + "x" +
                                 std::to_string(size) + "/apps/quagmore.png";
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Png png;
        DecodeStoredPng(f, &png);
        if (testing::Test::HasFatalFailure()) return;
        EXPECT_EQ(png.width, size);
        EXPECT_EQ(png.height, size);
        auto alpha = [&](uint32_t x, uint32_t y) { return png.rgba[(y * size + x) * 4 + 3]; };
        EXPECT_EQ(alpha(0, 0), 0);
        EXPECT_EQ(alpha(size - 1, size - 1), 0);
        EXPECT_EQ(alpha(size / 2, size / 2), 255);
        EXPECT_EQ(alpha(size / 2, 0), 255);
    }
}

TEST(Icons, WindowIconIsAnOpaque32By32Bmp)
{
    const std::vector<uint8_t> f = ReadDataFile("icon.bmp");
    ASSERT_GE(f.size(), 54u);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(Le16(f, 28), 24u);
    const Picture icon = DecodeBmp(f);
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    EXPECT_EQ(f.size(), 54u + 32u * 32u * 3u);
    for (const Rgb& p : icon.pixels) ASSERT_FALSE(p.IsBlack());
}

}  // namespace
