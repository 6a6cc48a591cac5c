#include "support/bmp.h"

#include "format/bmp_file.h"

namespace {

const uint32_t FILE_HEADER_SIZE = 14;
const uint32_t INFO_HEADER_SIZE = 40;
const size_t OFFSET_FIELD = 10, WIDTH_FIELD = 18, HEIGHT_FIELD = 22;
const size_t BIT_COUNT_FIELD = 28, COMPRESSION_FIELD = 30;

size_t RowBytes(int width)
{
    return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

} // namespace

// The game's encoder, then the options' spoils laid over its file.
Bytes BmpEncode(const BmpOptions& options, const BmpPixelFunction& pixel)
{
    Bytes bytes = BmpFileEncode(options.width, options.height, options.topDown, pixel);
    BmpFilePutField(bytes, BMP_FIELD_TYPE, options.type, 2);
    BmpFilePutField(bytes, BMP_FIELD_BIT_COUNT, options.bitCount, 2);
    BmpFilePutField(bytes, BMP_FIELD_COMPRESSION, options.compression, 4);
    BmpFilePutField(bytes, BMP_FIELD_IMAGE_SIZE, 0, 4);   // writers often leave it 0
    bytes.insert(bytes.begin() + BMP_HEADERS_BYTES, options.gapBeforePixels, 0x55);
    BmpFilePutField(bytes, BMP_FIELD_PIXEL_OFFSET, BMP_HEADERS_BYTES + options.gapBeforePixels, 4);
    if (!options.lastRowPadding && options.height > 0)
        bytes.resize(bytes.size() - (RowBytes(options.width) - static_cast<size_t>(options.width) * 3));
    BmpFilePutField(bytes, BMP_FIELD_FILE_SIZE, static_cast<uint32_t>(bytes.size()), 4);
    return bytes;
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
