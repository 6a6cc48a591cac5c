// Readers for the generated data files, shared by the data tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<uint8_t> ReadDataFile(const std::string& name)
{
    std::ifstream f(std::string(QUAGMORE_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline uint32_t Le16(const std::vector<uint8_t>& b, size_t at)
{
    return b.at(at) | b.at(at + 1) << 8;
}

inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at)
{
    return Le16(b, at) | Le16(b, at + 2) << 16;
}

inline uint32_t Be32(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint32_t>(b.at(at)) << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 | b.at(at + 3);
}

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    bool IsBlack() const { return r == 0 && g == 0 && b == 0; }
};

// A 24-bit bottom-up BMP decoded to top-row-first pixels.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels.at(static_cast<size_t>(y) * width + x); }
};

inline Picture DecodeBmp(const std::vector<uint8_t>& file)
{
    Picture p;
    p.width = static_cast<int32_t>(Le32(file, 18));
    p.height = static_cast<int32_t>(Le32(file, 22));
    const size_t offset = Le32(file, 10);
    const size_t row = (static_cast<size_t>(p.width) * 3 + 3) & ~size_t{3};
    p.pixels.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const size_t at = offset + (p.height - 1 - y) * row + x * 3;
            p.pixels[static_cast<size_t>(y) * p.width + x] = {file.at(at + 2), file.at(at + 1), file.at(at)};
        }
    return p;
}
