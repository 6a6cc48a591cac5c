// Files written by the engine tests: BMP and WAV images built byte by byte,
// kept in a scratch directory of this process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Path of a scratch file of this test process.
std::string TestFilePath(const std::string& name);
// Writes the bytes to the scratch file and returns its path.
std::string TestWriteFile(const std::string& name, const Bytes& bytes);

void TestPutU16(Bytes& bytes, uint16_t value);
void TestPutU32(Bytes& bytes, uint32_t value);
void TestPutId(Bytes& bytes, const char* id);

// A 24-bit BMP as a writer would make it; the fields can be spoiled.
struct TestBmp {
    int32_t width = 1;
    int32_t height = 1;          // negative: top-down rows
    uint16_t type = 0x4D42;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t gapBeforePixels = 0;  // bytes between the headers and the rows
    bool lastRowPadding = true;
};
Bytes TestBmpBytes(const TestBmp& bmp);
// Colour of image pixel (x, y), top row 0, as blue, green, red. Never black.
void TestBmpPixel(int32_t x, int32_t y, uint8_t out[3]);

// RIFF chunk with its pad byte; a RIFF WAVE form around chunks.
Bytes TestWavChunk(const char* id, const Bytes& body);
Bytes TestWavFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
Bytes TestWavForm(const std::vector<Bytes>& chunks);
// "fmt " (PCM 8-bit mono 11025 Hz) and "data" with the given samples.
Bytes TestWavPlain(const Bytes& samples);
