// Bounded reads of regular files and atomic replacement of files.
#include "platform/common/safe_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void (*WriteHook)(const std::string& path) = nullptr;

const char* const TEMPORARY_SUFFIX = ".new";
const size_t READ_CHUNK = 64 * 1024;
const mode_t PERMISSION_BITS = 07777;

bool Fail(std::string* why, int error, const std::string& text)
{
    if (why != nullptr)
        *why = text;
    errno = error;
    return false;
}

bool FailErrno(std::string* why)
{
    int error = errno;
    return Fail(why, error, std::strerror(error));
}

bool WriteAll(int fd, const char* bytes, size_t size)
{
    while (size > 0) {
        ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::string DirectoryOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename is only lasting once the directory is on the disk too.
void SyncDirectory(const std::string& path)
{
    int fd = open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)fsync(fd);
    close(fd);
}

} // namespace

int SafeFileOpenRead(const std::string& path, uint64_t maxBytes, std::string* why)
{
    // Without O_NONBLOCK opening a FIFO would wait for a writer.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        FailErrno(why);
        return -1;
    }
    struct stat info;
    int error = 0;
    std::string text;
    if (fstat(fd, &info) != 0) {
        error = errno;
        text = std::strerror(error);
    } else if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        text = "not a regular file";
    } else if (static_cast<uint64_t>(info.st_size) > maxBytes) {
        error = EFBIG;
        text = "larger than " + std::to_string(maxBytes) + " bytes";
    } else {
        int flags = fcntl(fd, F_GETFL);
        if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
            error = errno;
            text = std::strerror(error);
        }
    }
    if (error != 0) {
        close(fd);
        Fail(why, error, text);
        return -1;
    }
    return fd;
}

std::FILE* SafeFileOpenStream(const std::string& path, uint64_t maxBytes, std::string* why)
{
    int fd = SafeFileOpenRead(path, maxBytes, why);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        int error = errno;
        close(fd);
        Fail(why, error, std::strerror(error));
    }
    return file;
}

bool SafeFileRead(const std::string& path, uint64_t maxBytes, std::string* content, std::string* why)
{
    int fd = SafeFileOpenRead(path, maxBytes, why);
    if (fd < 0)
        return false;
    content->clear();
    char chunk[READ_CHUNK];
    for (;;) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            FailErrno(why);
            close(fd);
            return false;
        }
        if (got == 0)
            break;
        // A file that grew after it was measured is still read no further.
        if (content->size() + static_cast<size_t>(got) > maxBytes) {
            close(fd);
            return Fail(why, EFBIG, "larger than " + std::to_string(maxBytes) + " bytes");
        }
        content->append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    return true;
}

std::string SafeFileTemporaryPath(const std::string& path)
{
    return path + TEMPORARY_SUFFIX;
}

bool SafeFileWrite(const std::string& path, const std::string& content, unsigned mode, std::string* why)
{
    const std::string temporary = SafeFileTemporaryPath(path);
    // A temporary left behind is our own, from a write that was cut short.
    // unlink removes a link planted there, never what it points to.
    if (unlink(temporary.c_str()) != 0 && errno != ENOENT)
        return FailErrno(why);

    struct stat old;
    bool keepMode = lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  keepMode ? (old.st_mode & PERMISSION_BITS) : static_cast<mode_t>(mode));
    if (fd < 0)
        return FailErrno(why);
    // The umask must not narrow the permissions the file had.
    bool written = (!keepMode || fchmod(fd, old.st_mode & PERMISSION_BITS) == 0) &&
                   WriteAll(fd, content.data(), content.size()) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(temporary.c_str(), path.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(temporary.c_str());
        return Fail(why, error, std::strerror(error));
    }
    SyncDirectory(path);
    if (WriteHook != nullptr)
        WriteHook(path);
    return true;
}

void SafeFileSetWriteHook(void (*written)(const std::string& path))
{
    WriteHook = written;
}
