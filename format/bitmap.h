// Loading of uncompressed 24-bit BMP files into top-row-first pixel rows.
#pragma once

#include <cstdint>

#pragma pack(push, 1)
struct BitmapFileHeader {
    uint16_t type;        // "BM"
    uint32_t fileSize;
    uint16_t reserved1;
    uint16_t reserved2;
    uint32_t pixelOffset;
};

struct BitmapInfoHeader {
    uint32_t headerSize;
    int32_t width;
    int32_t height;       // as read: negative for a top-down file
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
    int32_t xResolution;
    int32_t yResolution;
    uint32_t coloursUsed;
    uint32_t coloursImportant;
};
#pragma pack(pop)

enum { BITMAP_FILE_HEADER_SIZE = 14, BITMAP_INFO_HEADER_SIZE = 40, BITMAP_MAX_SIDE = 16384 };
// Bytes of a loaded pixel: blue, green, red.
constexpr int64_t BITMAP_BYTES_PER_PIXEL = 3;

struct BitmapFile {
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;
    uint8_t* pixels;      // rows of 3 x width bytes (blue, green, red), top row first; null when empty
};

// Number of pixel rows of a loaded bitmap (the header's height without its sign).
int32_t BitmapRows(const BitmapFile* bitmap);
// Loads a 24-bit uncompressed BMP, bottom-up or top-down. 1 on success (old
// pixels are freed); 0 leaves the record as it was. Files that cannot be read
// whole and right are refused before any pixel is read: type not "BM", not
// 24-bit, compressed, width 0 or less, height 0, a side over BITMAP_MAX_SIDE,
// or rows running past the end of the file.
// Only a regular file is read.
int BitmapLoad(BitmapFile* bitmap, const char* fileName);
// The same for a picture of a known size: one wider or higher than the limits
// (or in a file far longer than such a picture needs) is refused, and the
// refusal said on stderr.
int BitmapLoadLimited(BitmapFile* bitmap, const char* fileName, int32_t maxWidth, int32_t maxHeight);
// Frees the pixels. Returns 1.
int BitmapUnload(BitmapFile* bitmap);
