// The icons: the window icon BMP and the hicolor PNGs, whose every chunk,
// zlib stream and checksum must be valid for desktops to show them.
#include "data_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

uint32_t Be32(const Bytes& b, size_t at)
{
    return static_cast<uint32_t>(b.at(at)) << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 | b.at(at + 3);
}

uint32_t Crc32(const uint8_t* data, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

uint32_t Adler32(const Bytes& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t v : data) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// Checks the structure of a PNG made of stored deflate blocks: signature,
// chunk CRCs, IHDR first and IEND last, the zlib header, stored blocks and
// the Adler-32; gives its size and unfiltered rows of RGBA.
void DecodeStoredPng(const Bytes& f, uint32_t* width, uint32_t* height, Bytes* raw)
{
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(f.size(), 8u);
    ASSERT_EQ(Bytes(f.begin(), f.begin() + 8), signature);
    Bytes idat;
    std::string tag;
    size_t at = 8;
    while (at + 12 <= f.size()) {
        const uint32_t len = Be32(f, at);
        ASSERT_LE(at + 12 + len, f.size());
        tag.assign(f.begin() + at + 4, f.begin() + at + 8);
        ASSERT_EQ(Crc32(&f[at + 4], len + 4), Be32(f, at + 8 + len)) << "CRC of " << tag;
        ASSERT_EQ(at == 8, tag == "IHDR");
        if (tag == "IHDR") {
            ASSERT_EQ(len, 13u);
            *width = Be32(f, at + 8);
            *height = Be32(f, at + 12);
            // 8-bit RGBA; deflate, adaptive filters, no interlace.
            EXPECT_EQ(Bytes(f.begin() + at + 16, f.begin() + at + 21), (Bytes{8, 6, 0, 0, 0}));
        } else if (tag == "IDAT") {
            idat.insert(idat.end(), f.begin() + at + 8, f.begin() + at + 8 + len);
        }
        at += 12 + len;
    }
    EXPECT_EQ(at, f.size());
    EXPECT_EQ(tag, "IEND");

    ASSERT_GE(idat.size(), 6u);
    EXPECT_EQ((idat[0] << 8 | idat[1]) % 31, 0);
    EXPECT_EQ(idat[0] & 0x0F, 8);
    size_t pos = 2;
    for (bool final = false; !final;) {
        ASSERT_LE(pos + 5, idat.size());
        final = idat[pos] & 1;
        ASSERT_EQ(idat[pos] >> 1 & 3, 0) << "not a stored block";
        const uint32_t len = GetLe16(idat, pos + 1);
        ASSERT_EQ(len ^ 0xFFFF, GetLe16(idat, pos + 3));
        ASSERT_LE(pos + 5 + len, idat.size());
        raw->insert(raw->end(), idat.begin() + pos + 5, idat.begin() + pos + 5 + len);
        pos += 5 + len;
    }
    ASSERT_EQ(pos + 4, idat.size());
    EXPECT_EQ(Adler32(*raw), Be32(idat, pos));
    ASSERT_EQ(raw->size(), *height * (*width * 4 + 1));
    for (uint32_t y = 0; y < *height; ++y)
        ASSERT_EQ((*raw)[y * (*width * 4 + 1)], 0) << "filter of row " << y;
}

// A hicolor icon, decoded: its size and alpha channel.
struct DecodedIcon {
    uint32_t width = 0, height = 0;
    Bytes raw;
    uint8_t Alpha(uint32_t x, uint32_t y) const { return raw[y * (width * 4 + 1) + 1 + x * 4 + 3]; }
};

DecodedIcon ReadHicolorIcon(uint32_t size)
{
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    DecodedIcon icon;
    DecodeStoredPng(ReadFileBytes(std::string(QUAGMORE_TEST_ICON_DIR) + "/hicolor/" + name + "/apps/quagmore.png"),
                    &icon.width, &icon.height, &icon.raw);
    return icon;
}

TEST(Icons, HicolorPngsAreValidSquareIconsWithTransparentCorners)
{
    for (uint32_t size : {32u, 48u, 64u, 128u, 256u}) {
        SCOPED_TRACE(size);
        const DecodedIcon icon = ReadHicolorIcon(size);
        if (testing::Test::HasFatalFailure())
            return;
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
        EXPECT_EQ(icon.Alpha(0, 0), 0);
        EXPECT_EQ(icon.Alpha(size - 1, size - 1), 0);
        EXPECT_EQ(icon.Alpha(size / 2, size / 2), 255);
        EXPECT_EQ(icon.Alpha(size / 2, 0), 255);
    }
}

// Large icons are seen up close: their rounded corners must fade smoothly
// from transparent to opaque, not step from one to the other.
TEST(Icons, LargeIconsHaveAntiAliasedCorners)
{
    for (uint32_t size : {128u, 256u}) {
        SCOPED_TRACE(size);
        const DecodedIcon icon = ReadHicolorIcon(size);
        if (testing::Test::HasFatalFailure())
            return;
        const uint32_t last = size - 1, corner = size / 4;
        // Pixel (x, y) of the top-left corner mirrored into corner k.
        auto cornerAlpha = [&](int k, uint32_t x, uint32_t y) {
            return icon.Alpha(k & 1 ? last - x : x, k & 2 ? last - y : y);
        };
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            // Along the diagonal the edge is crossed once, through partial alpha.
            uint8_t before = 0;
            bool partialOnDiagonal = false;
            for (uint32_t d = 0; d < corner; ++d) {
                const uint8_t alpha = cornerAlpha(k, d, d);
                EXPECT_GE(alpha, before) << "diagonal pixel " << d;
                before = alpha;
                partialOnDiagonal |= alpha > 0 && alpha < 255;
            }
            EXPECT_TRUE(partialOnDiagonal);
            EXPECT_EQ(before, 255);
            // The whole curved edge is shaded: a stair-stepped corner has no
            // partial pixels, a smooth one about one for each row of its
            // radius (size / 5.5).
            uint32_t partial = 0;
            for (uint32_t y = 0; y < corner; ++y)
                for (uint32_t x = 0; x < corner; ++x)
                    partial += cornerAlpha(k, x, y) > 0 && cornerAlpha(k, x, y) < 255;
            EXPECT_GE(partial, size / 8);
        }
    }
}

TEST(Icons, WindowIconIsAnOpaque32By32Bmp)
{
    const Bytes f = ReadDataFile("icon.bmp");
    BmpImage icon;
    ASSERT_TRUE(BmpDecode(f, &icon));
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    EXPECT_EQ(f.size(), 54u + 32u * 32u * 3u);
    EXPECT_EQ(std::count(icon.pixels.begin(), icon.pixels.end(), 0u), 0);
}

}  // namespace
