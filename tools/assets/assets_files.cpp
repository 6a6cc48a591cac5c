// File writers: 24-bit BMP, PNG (stored deflate, no compression library) and
// 8-bit PCM WAVE.
#include "assets.h"

#include "format/bmp_file.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

constexpr size_t DEFLATE_STORED_MAX = 65535;
constexpr uint32_t ADLER_MOD = 65521;

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void Put32Be(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

uint32_t Crc32(const uint8_t* data, size_t size)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = ~0u;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size)
{
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % ADLER_MOD;
        b = (b + a) % ADLER_MOD;
    }
    return (b << 16) | a;
}

void PngChunk(std::vector<uint8_t>& out, const char* tag, const std::vector<uint8_t>& data)
{
    Put32Be(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    PutTag(out, tag);
    out.insert(out.end(), data.begin(), data.end());
    Put32Be(out, Crc32(&out[start], out.size() - start));
}

}  // namespace

bool AssetsWriteBmp(const std::string& path, const AssetsImage& img)
{
    return WriteFile(path, BmpFileEncode(img.width, img.height, false, [&img](int x, int y) {
        const uint8_t* p = &img.rgba[(static_cast<size_t>(y) * img.width + x) * 4];
        return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
    }));
}

bool AssetsWritePng(const std::string& path, const AssetsImage& img)
{
    // Raw scanlines, each led by filter type 0.
    std::vector<uint8_t> raw;
    const size_t rowBytes = static_cast<size_t>(img.width) * 4;
    for (int y = 0; y < img.height; ++y) {
        raw.push_back(0);
        const uint8_t* row = &img.rgba[y * rowBytes];
        raw.insert(raw.end(), row, row + rowBytes);
    }
    // zlib stream of stored deflate blocks.
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t len = std::min(DEFLATE_STORED_MAX, raw.size() - pos);
        const bool last = pos + len == raw.size();
        z.push_back(last ? 1 : 0);
        Put16(z, static_cast<uint32_t>(len));
        Put16(z, static_cast<uint32_t>(~len & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + len));
        pos += len;
    } while (pos < raw.size());
    Put32Be(z, Adler32(raw.data(), raw.size()));

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    Put32Be(ihdr, static_cast<uint32_t>(img.width));
    Put32Be(ihdr, static_cast<uint32_t>(img.height));
    ihdr.push_back(8);   // bits per channel
    ihdr.push_back(6);   // RGBA
    ihdr.push_back(0);   // deflate
    ihdr.push_back(0);   // adaptive filtering
    ihdr.push_back(0);   // not interlaced
    PngChunk(out, "IHDR", ihdr);
    PngChunk(out, "IDAT", z);
    PngChunk(out, "IEND", {});
    return WriteFile(path, out);
}

bool AssetsWriteWav(const std::string& path, const std::vector<uint8_t>& samples)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size());
    const uint32_t pad = dataBytes & 1;   // chunks are word aligned
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 4 + 8 + 16 + 8 + dataBytes + pad);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);                          // PCM
    Put16(out, 1);                          // mono
    Put32(out, ASSETS_SOUND_RATE);
    Put32(out, ASSETS_SOUND_RATE);          // bytes per second
    Put16(out, 1);                          // block alignment
    Put16(out, 8);                          // bits per sample
    PutTag(out, "data");
    Put32(out, dataBytes);
    out.insert(out.end(), samples.begin(), samples.end());
    if (pad) out.push_back(ASSETS_SOUND_SILENCE);
    return WriteFile(path, out);
}
