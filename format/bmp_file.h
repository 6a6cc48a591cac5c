// Writing 24-bit BMP files: the one encoder of the game's tools, its
// simulator and its tests.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

enum { BMP_FILE_HEADER_BYTES = 14, BMP_INFO_HEADER_BYTES = 40, BMP_HEADERS_BYTES = 54 };
// Byte offsets of header fields.
enum {
    BMP_FIELD_TYPE = 0,
    BMP_FIELD_FILE_SIZE = 2,
    BMP_FIELD_PIXEL_OFFSET = 10,
    BMP_FIELD_HEIGHT = 22,
    BMP_FIELD_BIT_COUNT = 28,
    BMP_FIELD_COMPRESSION = 30,
    BMP_FIELD_IMAGE_SIZE = 34,
};

// Colour of picture pixel (x, y), top row 0, as 0xRRGGBB.
using BmpPixel = std::function<uint32_t(int x, int y)>;

// An uncompressed 24-bit BMP of width x height pixels: bottom row first, or
// top row first (a negative height) when topDown is set. Rows are padded to
// four bytes; 72 dots per inch.
std::vector<uint8_t> BmpFileEncode(int width, int height, bool topDown, const BmpPixel& pixel);
// Sets a little-endian field of bytes (2 or 4 of them) at offset.
void BmpFilePutField(std::vector<uint8_t>& file, size_t offset, uint32_t value, int bytes);
