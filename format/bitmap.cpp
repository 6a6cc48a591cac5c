// Loading of uncompressed 24-bit BMP files. Every header field that decides a
// size is checked against the limits and the file's real length before any
// memory is obtained or any pixel read.
#include "format/bitmap.h"

#include "format/file_bytes.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const uint16_t BITMAP_TYPE_BM = 0x4D42;       // "BM" read little-endian
const uint16_t BITMAP_BITS_PER_PIXEL = 24;
const uint32_t BITMAP_COMPRESSION_NONE = 0;
const int64_t BITMAP_ROW_ALIGN = 4;

void DecodeHeaders(const uint8_t* bytes, BitmapFileHeader* file, BitmapInfoHeader* info)
{
    file->type = FileU16(bytes + 0);
    file->fileSize = FileU32(bytes + 2);
    file->reserved1 = FileU16(bytes + 6);
    file->reserved2 = FileU16(bytes + 8);
    file->pixelOffset = FileU32(bytes + 10);
    const uint8_t* in = bytes + BITMAP_FILE_HEADER_SIZE;
    info->headerSize = FileU32(in + 0);
    info->width = FileS32(in + 4);
    info->height = FileS32(in + 8);
    info->planes = FileU16(in + 12);
    info->bitCount = FileU16(in + 14);
    info->compression = FileU32(in + 16);
    info->imageSize = FileU32(in + 20);
    info->xResolution = FileS32(in + 24);
    info->yResolution = FileS32(in + 28);
    info->coloursUsed = FileU32(in + 32);
    info->coloursImportant = FileU32(in + 36);
}

int64_t Magnitude(int32_t value)
{
    return value < 0 ? -static_cast<int64_t>(value) : value;
}

// Bytes of a row in the file, padded to a multiple of 4.
int64_t PaddedRowBytes(int32_t width)
{
    int64_t rowBytes = BITMAP_BYTES_PER_PIXEL * width;
    return (rowBytes + BITMAP_ROW_ALIGN - 1) / BITMAP_ROW_ALIGN * BITMAP_ROW_ALIGN;
}

// Bytes from the start of the file to the end of the last pixel of the last
// row (the last row's padding need not be there).
int64_t PixelDataEnd(const BitmapFileHeader& file, const BitmapInfoHeader& info)
{
    return static_cast<int64_t>(file.pixelOffset) + PaddedRowBytes(info.width) * (Magnitude(info.height) - 1) +
           BITMAP_BYTES_PER_PIXEL * info.width;
}

// Headers, a colour table or gaps before the pixels: room enough for any
// BMP writer, on top of the pixels themselves.
const int64_t BITMAP_MAX_EXTRA_BYTES = 64 * 1024;

bool Loadable(const BitmapFileHeader& file, const BitmapInfoHeader& info, int64_t fileLength,
              int32_t maxWidth, int32_t maxHeight)
{
    if (file.type != BITMAP_TYPE_BM)
        return false;
    if (info.bitCount != BITMAP_BITS_PER_PIXEL || info.compression != BITMAP_COMPRESSION_NONE)
        return false;
    if (info.width <= 0 || info.height == 0)
        return false;
    if (info.width > maxWidth || Magnitude(info.height) > maxHeight)
        return false;
    return PixelDataEnd(file, info) <= fileLength;
}

// Reads the rows into a new top-row-first buffer, or returns nullptr.
uint8_t* ReadRows(std::FILE* file, const BitmapFileHeader& fileHeader, const BitmapInfoHeader& info)
{
    const int64_t rows = Magnitude(info.height);
    const int64_t rowBytes = BITMAP_BYTES_PER_PIXEL * info.width;
    const int64_t paddedRowBytes = PaddedRowBytes(info.width);
    const bool bottomUp = info.height > 0;

    uint8_t* pixels = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(rowBytes * rows)));
    if (pixels == nullptr)
        return nullptr;
    for (int64_t fileRow = 0; fileRow < rows; ++fileRow) {
        int64_t imageRow = bottomUp ? rows - 1 - fileRow : fileRow;
        int64_t offset = fileHeader.pixelOffset + fileRow * paddedRowBytes;
        if (!FileReadAt(file, offset, pixels + imageRow * rowBytes, static_cast<size_t>(rowBytes))) {
            std::free(pixels);
            return nullptr;
        }
    }
    return pixels;
}

} // namespace

int32_t BitmapRows(const BitmapFile* bitmap)
{
    if (bitmap == nullptr)
        return 0;
    return static_cast<int32_t>(Magnitude(bitmap->infoHeader.height));
}

int BitmapLoad(BitmapFile* bitmap, const char* fileName)
{
    return BitmapLoadLimited(bitmap, fileName, BITMAP_MAX_SIDE, BITMAP_MAX_SIDE);
}

int BitmapLoadLimited(BitmapFile* bitmap, const char* fileName, int32_t maxWidth, int32_t maxHeight)
{
    if (bitmap == nullptr || fileName == nullptr || maxWidth <= 0 || maxHeight <= 0)
        return 0;
    if (maxWidth > BITMAP_MAX_SIDE)
        maxWidth = BITMAP_MAX_SIDE;
    if (maxHeight > BITMAP_MAX_SIDE)
        maxHeight = BITMAP_MAX_SIDE;
    const uint64_t maxBytes =
        static_cast<uint64_t>(PaddedRowBytes(maxWidth) * maxHeight + BITMAP_MAX_EXTRA_BYTES);
    std::string why;
    std::FILE* file = PlatformOpenRegularFile(fileName, maxBytes, &why);
    if (file == nullptr) {
        if (errno != ENOENT)
            std::fprintf(stderr, "Quagmore: %s: %s; not loaded\n", fileName, why.c_str());
        return 0;
    }

    // The record changes only once the whole image is in memory.
    uint8_t headerBytes[BITMAP_FILE_HEADER_SIZE + BITMAP_INFO_HEADER_SIZE];
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;
    uint8_t* pixels = nullptr;
    if (std::fread(headerBytes, 1, sizeof headerBytes, file) == sizeof headerBytes) {
        DecodeHeaders(headerBytes, &fileHeader, &infoHeader);
        if (infoHeader.width > maxWidth || Magnitude(infoHeader.height) > maxHeight)
            std::fprintf(stderr, "Quagmore: %s: %d x %lld pixels, more than %d x %d; not loaded\n", fileName,
                         infoHeader.width, static_cast<long long>(Magnitude(infoHeader.height)), maxWidth, maxHeight);
        else if (Loadable(fileHeader, infoHeader, FileLength(file), maxWidth, maxHeight))
            pixels = ReadRows(file, fileHeader, infoHeader);
    }
    std::fclose(file);
    if (pixels == nullptr)
        return 0;

    BitmapUnload(bitmap);
    infoHeader.bitCount = BITMAP_BITS_PER_PIXEL;
    infoHeader.imageSize =
        static_cast<uint32_t>(BITMAP_BYTES_PER_PIXEL * infoHeader.width * Magnitude(infoHeader.height));
    bitmap->fileHeader = fileHeader;
    bitmap->infoHeader = infoHeader;
    bitmap->pixels = pixels;
    return 1;
}

int BitmapUnload(BitmapFile* bitmap)
{
    if (bitmap != nullptr && bitmap->pixels != nullptr) {
        std::free(bitmap->pixels);
        bitmap->pixels = nullptr;
    }
    return 1;
}
