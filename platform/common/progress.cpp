// Saved progress: the one-byte value "Level" in a small per-user file. It is
// written to a new file that is then renamed over the old one, so a crash
// never leaves it half written. A missing, unreadable or malformed file reads
// as no stored value.
#include "platform/platform.h"
#include "platform/common/common.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const PROGRESS_FILE = "progress";
const char* const PROGRESS_KEY = "Level";
const size_t PROGRESS_MAX_BYTES = 64;

std::string ProgressPath()
{
    return PlatformUserConfigDir() + "/" + PROGRESS_FILE;
}

} // namespace

int PlatformProgressRead(uint8_t* value)
{
    std::FILE* file = std::fopen(ProgressPath().c_str(), "rb");
    if (file == nullptr)
        return 0;
    char text[PROGRESS_MAX_BYTES + 1];
    size_t length = std::fread(text, 1, PROGRESS_MAX_BYTES + 1, file);
    std::fclose(file);
    if (length == 0 || length > PROGRESS_MAX_BYTES)
        return 0;
    text[length] = '\0';

    // The whole file must be "Level=N\n" with N from 0 to 255.
    size_t keyLength = std::strlen(PROGRESS_KEY);
    if (std::strncmp(text, PROGRESS_KEY, keyLength) != 0 || text[keyLength] != '=')
        return 0;
    const char* digits = text + keyLength + 1;
    unsigned number = 0;
    size_t count = 0;
    while (digits[count] >= '0' && digits[count] <= '9') {
        number = number * 10 + static_cast<unsigned>(digits[count] - '0');
        if (number > 255)
            return 0;
        ++count;
    }
    // Exactly one newline ends the file; a stray byte after it (even a NUL)
    // makes it malformed.
    size_t end = keyLength + 1 + count;
    if (count == 0 || end + 1 != length || text[end] != '\n')
        return 0;
    *value = static_cast<uint8_t>(number);
    return 1;
}

int PlatformProgressWrite(uint8_t value)
{
    std::string directory = PlatformUserConfigDir();
    if (!PlatformMakeDirectories(directory))
        return 0;
    char text[PROGRESS_MAX_BYTES];
    int length = std::snprintf(text, sizeof text, "%s=%u\n", PROGRESS_KEY, static_cast<unsigned>(value));
    return PlatformWriteFileAtomic(ProgressPath(), std::string(text, static_cast<size_t>(length))) ? 1 : 0;
}

bool PlatformWriteFileAtomic(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".new";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
