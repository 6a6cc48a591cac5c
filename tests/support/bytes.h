// Little-endian fields, and whole files as bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Appends the low count bytes of value, lowest first.
void PutLe(Bytes& bytes, uint32_t value, int count);
inline void PutLe16(Bytes& bytes, uint32_t value) { PutLe(bytes, value, 2); }
inline void PutLe32(Bytes& bytes, uint32_t value) { PutLe(bytes, value, 4); }
// Appends the four characters of a RIFF or BMP id.
void PutId(Bytes& bytes, const char* id);

// Reads count bytes at offset at, lowest first; throws past the end.
uint32_t GetLe(const Bytes& bytes, size_t at, int count);
inline uint32_t GetLe16(const Bytes& bytes, size_t at) { return GetLe(bytes, at, 2); }
inline uint32_t GetLe32(const Bytes& bytes, size_t at) { return GetLe(bytes, at, 4); }

// The whole file; empty when it cannot be read.
Bytes ReadFileBytes(const std::string& path);
// Replaces the file with the bytes. Returns false on failure.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);
// The same for text; the write makes the file's directory first.
std::string ReadFileText(const std::string& path);
bool WriteFileText(const std::string& path, const std::string& text);
