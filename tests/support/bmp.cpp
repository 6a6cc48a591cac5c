#include "support/bmp.h"

namespace {

const uint32_t FILE_HEADER_SIZE = 14;
const uint32_t INFO_HEADER_SIZE = 40;
const uint32_t PIXELS_PER_METRE = 2835;   // 72 dpi
const size_t SIZE_FIELD = 2, OFFSET_FIELD = 10, WIDTH_FIELD = 18, HEIGHT_FIELD = 22;
const size_t BIT_COUNT_FIELD = 28, COMPRESSION_FIELD = 30;

size_t RowBytes(int width)
{
    return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

} // namespace

Bytes BmpEncode(const BmpOptions& options, const BmpPixelFunction& pixel)
{
    const int32_t rows = options.height;
    const size_t padding = RowBytes(options.width) - static_cast<size_t>(options.width) * 3;
    Bytes bytes;
    PutLe16(bytes, options.type);
    PutLe32(bytes, 0);   // file size, filled in below
    PutLe32(bytes, 0);
    PutLe32(bytes, FILE_HEADER_SIZE + INFO_HEADER_SIZE + options.gapBeforePixels);
    PutLe32(bytes, INFO_HEADER_SIZE);
    PutLe32(bytes, static_cast<uint32_t>(options.width));
    PutLe32(bytes, static_cast<uint32_t>(options.topDown ? -rows : rows));
    PutLe16(bytes, 1);
    PutLe16(bytes, options.bitCount);
    PutLe32(bytes, options.compression);
    PutLe32(bytes, 0);   // image size: writers often leave it 0
    PutLe32(bytes, PIXELS_PER_METRE);
    PutLe32(bytes, PIXELS_PER_METRE);
    PutLe32(bytes, 0);
    PutLe32(bytes, 0);
    bytes.insert(bytes.end(), options.gapBeforePixels, 0x55);
    for (int32_t fileRow = 0; fileRow < rows; ++fileRow) {
        const int32_t y = options.topDown ? fileRow : rows - 1 - fileRow;
        for (int32_t x = 0; x < options.width; ++x)
            PutLe(bytes, pixel(x, y), 3);   // 0xRRGGBB little-endian is blue, green, red
        if (fileRow < rows - 1 || options.lastRowPadding)
            bytes.insert(bytes.end(), padding, 0);
    }
    const uint32_t size = static_cast<uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i)
        bytes[SIZE_FIELD + i] = static_cast<uint8_t>(size >> (8 * i));
    return bytes;
}

Bytes BmpEncode(int width, int height, const std::vector<uint32_t>& pixels, bool topDown)
{
    BmpOptions options;
    options.width = width;
    options.height = height;
    options.topDown = topDown;
    return BmpEncode(options, [&](int x, int y) { return pixels.at(static_cast<size_t>(y) * width + x); });
}

bool BmpDecode(const Bytes& file, BmpImage* image)
{
    if (file.size() < FILE_HEADER_SIZE + INFO_HEADER_SIZE || file[0] != 'B' || file[1] != 'M' ||
        GetLe16(file, BIT_COUNT_FIELD) != 24 || GetLe32(file, COMPRESSION_FIELD) != 0)
        return false;
    const int32_t height = static_cast<int32_t>(GetLe32(file, HEIGHT_FIELD));
    image->width = static_cast<int32_t>(GetLe32(file, WIDTH_FIELD));
    image->height = height < 0 ? -height : height;
    const size_t offset = GetLe32(file, OFFSET_FIELD);
    const size_t rowBytes = RowBytes(image->width);
    // The last row's padding may be missing.
    if (image->width <= 0 || image->height == 0 ||
        offset + rowBytes * (image->height - 1) + static_cast<size_t>(image->width) * 3 > file.size())
        return false;
    image->pixels.assign(static_cast<size_t>(image->width) * image->height, 0);
    for (int y = 0; y < image->height; ++y) {
        const size_t fileRow = height < 0 ? y : image->height - 1 - y;
        for (int x = 0; x < image->width; ++x)
            image->pixels[static_cast<size_t>(y) * image->width + x] = GetLe(file, offset + fileRow * rowBytes + x * 3, 3);
    }
    return true;
}
