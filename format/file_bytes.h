// Small helpers of the game's file readers (BMP, WAV): little-endian fields, the
// file's length, reads at an offset.
#pragma once

#include <cstdint>
#include <cstdio>

inline uint16_t FileU16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline uint32_t FileU32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

inline int32_t FileS32(const uint8_t* bytes)
{
    return static_cast<int32_t>(FileU32(bytes));
}

// Length of an open file in bytes, or -1.
inline int64_t FileLength(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    long length = std::ftell(file);
    return length < 0 ? -1 : static_cast<int64_t>(length);
}

// Reads exactly size bytes from offset. False when they are not all there.
inline bool FileReadAt(std::FILE* file, int64_t offset, void* into, size_t size)
{
    return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 && std::fread(into, 1, size, file) == size;
}
