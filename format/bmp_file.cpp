// The BMP encoder.
#include "format/bmp_file.h"

namespace {

const uint16_t BMP_TYPE = 0x4D42;            // "BM"
const uint16_t BMP_BITS = 24;
const uint32_t BMP_PIXELS_PER_METRE = 2835;  // 72 dpi

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

void BmpFilePutField(std::vector<uint8_t>& file, size_t offset, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        file[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> BmpFileEncode(int width, int height, bool topDown, const BmpPixel& pixel)
{
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.reserve(BMP_HEADERS_BYTES + imageBytes);
    Put(out, BMP_TYPE, 2);
    Put(out, BMP_HEADERS_BYTES + imageBytes, 4);
    Put(out, 0, 4);                  // two reserved words
    Put(out, BMP_HEADERS_BYTES, 4);  // pixel-data offset
    Put(out, BMP_INFO_HEADER_BYTES, 4);
    Put(out, static_cast<uint32_t>(width), 4);
    Put(out, static_cast<uint32_t>(topDown ? -height : height), 4);
    Put(out, 1, 2);                  // planes
    Put(out, BMP_BITS, 2);
    Put(out, 0, 4);                  // uncompressed
    Put(out, imageBytes, 4);
    Put(out, BMP_PIXELS_PER_METRE, 4);
    Put(out, BMP_PIXELS_PER_METRE, 4);
    Put(out, 0, 4);                  // colours used and important: none
    Put(out, 0, 4);
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = topDown ? fileRow : height - 1 - fileRow;
        for (int x = 0; x < width; ++x)
            Put(out, pixel(x, y), 3);   // 0xRRGGBB little-endian is blue, green, red
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}
