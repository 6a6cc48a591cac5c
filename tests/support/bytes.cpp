#include "support/bytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>

void PutLe(Bytes& bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutId(Bytes& bytes, const char* id)
{
    bytes.insert(bytes.end(), id, id + 4);
}

uint32_t GetLe(const Bytes& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + static_cast<size_t>(i));
    return value;
}

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::string ReadFileText(const std::string& path)
{
    const Bytes bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

bool WriteFileText(const std::string& path, const std::string& text)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return WriteFileBytes(path, Bytes(text.begin(), text.end()));
}
