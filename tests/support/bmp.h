// 24-bit BMP files: an encoder whose header fields can be spoiled, and a decoder.
#pragma once

#include "support/bytes.h"

#include <functional>

// Colour of image pixel (x, y), top row 0, as 0xRRGGBB.
using BmpPixelFunction = std::function<uint32_t(int x, int y)>;

struct BmpOptions {
    int32_t width = 1;
    int32_t height = 1;
    bool topDown = false;          // stored with a negative height, top row first
    uint16_t type = 0x4D42;        // "BM"
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t gapBeforePixels = 0;  // bytes between the headers and the rows
    bool lastRowPadding = true;
};

Bytes BmpEncode(const BmpOptions& options, const BmpPixelFunction& pixel);

struct BmpImage {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;   // 0xRRGGBB, top row first
    uint32_t At(int x, int y) const { return pixels.at(static_cast<size_t>(y) * width + x); }
};
// Decodes an uncompressed 24-bit BMP of either row order. False if it is not one.
bool BmpDecode(const Bytes& file, BmpImage* image);
