// The fuzz targets' private temporary directory and file writing.
#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::string MakeDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quagmore-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("quagmore fuzz: can't make a temporary directory");
        std::exit(1);
    }
    return pattern;
}

void RemoveDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(FuzzDirectory(), ignored);
}

} // namespace

const std::string& FuzzDirectory()
{
    static const std::string directory = MakeDirectory();
    // Registered after the directory's name is made, so it runs while the name still exists.
    static const bool removedAtExit = std::atexit(RemoveDirectory) == 0;
    (void)removedAtExit;
    return directory;
}

bool FuzzWriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
