#include "tests/engine/test_files.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

std::string TestFilePath(const std::string& name)
{
    fs::path dir = fs::temp_directory_path() / ("quag-engine-tests-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return (dir / name).string();
}

namespace {
// Removes the scratch directory when the test process ends.
struct ScratchCleanup {
    ~ScratchCleanup()
    {
        std::error_code ignored;
        fs::remove_all(fs::temp_directory_path() / ("quag-engine-tests-" + std::to_string(::getpid())), ignored);
    }
} Cleanup;
} // namespace

std::string TestWriteFile(const std::string& name, const Bytes& bytes)
{
    std::string path = TestFilePath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void TestPutU16(Bytes& bytes, uint16_t value)
{
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void TestPutU32(Bytes& bytes, uint32_t value)
{
    TestPutU16(bytes, static_cast<uint16_t>(value));
    TestPutU16(bytes, static_cast<uint16_t>(value >> 16));
}

void TestPutId(Bytes& bytes, const char* id)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(id[i]));
}

void TestBmpPixel(int32_t x, int32_t y, uint8_t out[3])
{
    out[0] = static_cast<uint8_t>(x + 1);
    out[1] = static_cast<uint8_t>(y + 1);
    out[2] = static_cast<uint8_t>(0x80 ^ (x * 7 + y * 13));
}

Bytes TestBmpBytes(const TestBmp& bmp)
{
    const int32_t rows = bmp.height < 0 ? -bmp.height : bmp.height;
    const int32_t rowBytes = 3 * bmp.width;
    const int32_t padding = (4 - rowBytes % 4) % 4;
    const uint32_t pixelOffset = 54 + bmp.gapBeforePixels;

    Bytes bytes;
    TestPutU16(bytes, bmp.type);
    TestPutU32(bytes, 0);             // file size, filled in below
    TestPutU32(bytes, 0);             // reserved
    TestPutU32(bytes, pixelOffset);
    TestPutU32(bytes, 40);
    TestPutU32(bytes, static_cast<uint32_t>(bmp.width));
    TestPutU32(bytes, static_cast<uint32_t>(bmp.height));
    TestPutU16(bytes, 1);
    TestPutU16(bytes, bmp.bitCount);
    TestPutU32(bytes, bmp.compression);
    TestPutU32(bytes, 0);             // image size: writers often leave it 0
    TestPutU32(bytes, 2835);
    TestPutU32(bytes, 2835);
    TestPutU32(bytes, 0);
    TestPutU32(bytes, 0);
    bytes.insert(bytes.end(), bmp.gapBeforePixels, 0x55);
    for (int32_t fileRow = 0; fileRow < rows; ++fileRow) {
        int32_t y = bmp.height > 0 ? rows - 1 - fileRow : fileRow;
        for (int32_t x = 0; x < bmp.width; ++x) {
            uint8_t pixel[3];
            TestBmpPixel(x, y, pixel);
            bytes.insert(bytes.end(), pixel, pixel + 3);
        }
        if (fileRow < rows - 1 || bmp.lastRowPadding)
            bytes.insert(bytes.end(), static_cast<size_t>(padding), 0xEE);
    }
    uint32_t size = static_cast<uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i)
        bytes[2 + i] = static_cast<uint8_t>(size >> (8 * i));
    return bytes;
}

Bytes TestWavChunk(const char* id, const Bytes& body)
{
    Bytes bytes;
    TestPutId(bytes, id);
    TestPutU32(bytes, static_cast<uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2 != 0)
        bytes.push_back(0);
    return bytes;
}

Bytes TestWavFormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits)
{
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    Bytes body;
    TestPutU16(body, tag);
    TestPutU16(body, channels);
    TestPutU32(body, rate);
    TestPutU32(body, rate * align);
    TestPutU16(body, align);
    TestPutU16(body, bits);
    return body;
}

Bytes TestWavForm(const std::vector<Bytes>& chunks)
{
    Bytes inner;
    TestPutId(inner, "WAVE");
    for (const Bytes& chunk : chunks)
        inner.insert(inner.end(), chunk.begin(), chunk.end());
    Bytes bytes;
    TestPutId(bytes, "RIFF");
    TestPutU32(bytes, static_cast<uint32_t>(inner.size()));
    bytes.insert(bytes.end(), inner.begin(), inner.end());
    return bytes;
}

Bytes TestWavPlain(const Bytes& samples)
{
    return TestWavForm({TestWavChunk("fmt ", TestWavFormatBody(1, 1, 11025, 8)), TestWavChunk("data", samples)});
}
