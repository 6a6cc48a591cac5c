// A test-only library loaded with LD_PRELOAD: it makes the file operations
// of a save fail or kills the process in the middle of one, as a full disk,
// a failing disk, a read-only directory or a power cut would.
//
// It acts only on paths containing QUAGMORE_FAULT_PATH (and on the files
// opened there). QUAGMORE_FAULT says what to do:
//   kill:N          SIGKILL just before the N-th step (1-based)
//   open:ERRNO      opening for writing fails
//   write:ERRNO     every write fails
//   short:ERRNO     the first write stores half its bytes, later ones fail
//   fsync:ERRNO     fsync fails
//   rename:ERRNO    rename fails
// where ERRNO is ENOSPC, EIO, EROFS, EDQUOT or EACCES. Every step taken is
// appended to the file QUAGMORE_FAULT_LOG as "operation path".
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace {

const int MAX_TRACKED_FDS = 4096;

std::string TrackedPath[MAX_TRACKED_FDS];
int Steps = 0;
std::string StepsCountedFor;   // the fault the steps are counted for
bool ShortWriteDone = false;

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool Matches(const char* path)
{
    const char* part = std::getenv("QUAGMORE_FAULT_PATH");
    return part != nullptr && part[0] != '\0' && path != nullptr && std::strstr(path, part) != nullptr;
}

int ErrnoNamed(const char* name)
{
    const std::pair<const char*, int> names[] = {
        {"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EROFS", EROFS}, {"EDQUOT", EDQUOT}, {"EACCES", EACCES}};
    for (const auto& [text, value] : names)
        if (std::strcmp(text, name) == 0)
            return value;
    return EIO;
}

// The errno the fault gives to this operation, or 0.
int FaultFor(const char* operation)
{
    const char* fault = std::getenv("QUAGMORE_FAULT");
    if (fault == nullptr)
        return 0;
    const char* colon = std::strchr(fault, ':');
    if (colon == nullptr || std::strncmp(fault, operation, static_cast<size_t>(colon - fault)) != 0 ||
        std::strlen(operation) != static_cast<size_t>(colon - fault))
        return 0;
    return ErrnoNamed(colon + 1);
}

// Notes a step on a matching file; dies at the one QUAGMORE_FAULT names.
void Step(const char* operation, const std::string& path)
{
    // Steps count from the first one under the fault in force now (a forked
    // child starts its own count).
    const char* current = std::getenv("QUAGMORE_FAULT");
    std::string fault = current != nullptr ? current : "";
    if (fault != StepsCountedFor) {
        StepsCountedFor = fault;
        Steps = 0;
    }
    ++Steps;
    if (const char* log = std::getenv("QUAGMORE_FAULT_LOG")) {
        int fd = Next<int (*)(const char*, int, ...)>("open")(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd >= 0) {
            std::string line = std::string(operation) + " " + path + "\n";
            ssize_t ignored = Next<ssize_t (*)(int, const void*, size_t)>("write")(fd, line.data(), line.size());
            (void)ignored;
            Next<int (*)(int)>("close")(fd);
        }
    }
    if (fault.rfind("kill:", 0) == 0 && std::atoi(fault.c_str() + 5) == Steps)
        raise(SIGKILL);
}

bool Tracked(int fd)
{
    return fd >= 0 && fd < MAX_TRACKED_FDS && !TrackedPath[fd].empty();
}

bool OpensForWriting(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

int OpenCommon(const char* real, int dirFd, const char* path, int flags, mode_t mode)
{
    bool matching = Matches(path);
    if (matching) {
        Step(real, path);
        int error = OpensForWriting(flags) ? FaultFor("open") : 0;
        if (error != 0) {
            errno = error;
            return -1;
        }
    }
    int fd = dirFd == AT_FDCWD && std::strncmp(real, "openat", 6) != 0
                 ? Next<int (*)(const char*, int, ...)>(real)(path, flags, mode)
                 : Next<int (*)(int, const char*, int, ...)>(real)(dirFd, path, flags, mode);
    if (matching && fd >= 0 && fd < MAX_TRACKED_FDS)
        TrackedPath[fd] = path;
    return fd;
}

mode_t ModeArgument(int flags, va_list args)
{
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

} // namespace

extern "C" {

int QuagmoreFaultShimLoaded()
{
    return 1;
}

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = ModeArgument(flags, args);
    va_end(args);
    return OpenCommon("open", AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = ModeArgument(flags, args);
    va_end(args);
    return OpenCommon("open64", AT_FDCWD, path, flags, mode);
}

int openat(int dirFd, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = ModeArgument(flags, args);
    va_end(args);
    return OpenCommon("openat", dirFd, path, flags, mode);
}

ssize_t write(int fd, const void* bytes, size_t size)
{
    if (Tracked(fd)) {
        Step("write", TrackedPath[fd]);
        int error = FaultFor("write");
        if (error == 0 && FaultFor("short") != 0) {
            if (ShortWriteDone || size < 2) {
                error = FaultFor("short");
            } else {
                ShortWriteDone = true;
                size /= 2;
            }
        }
        if (error != 0) {
            errno = error;
            return -1;
        }
    }
    return Next<ssize_t (*)(int, const void*, size_t)>("write")(fd, bytes, size);
}

int fsync(int fd)
{
    if (Tracked(fd)) {
        Step("fsync", TrackedPath[fd]);
        if (int error = FaultFor("fsync")) {
            errno = error;
            return -1;
        }
    }
    return Next<int (*)(int)>("fsync")(fd);
}

int close(int fd)
{
    if (Tracked(fd)) {
        Step("close", TrackedPath[fd]);
        TrackedPath[fd].clear();
    }
    return Next<int (*)(int)>("close")(fd);
}

int rename(const char* from, const char* to)
{
    if (Matches(from) || Matches(to)) {
        Step("rename", to);
        if (int error = FaultFor("rename")) {
            errno = error;
            return -1;
        }
    }
    return Next<int (*)(const char*, const char*)>("rename")(from, to);
}

int unlink(const char* path)
{
    if (Matches(path))
        Step("unlink", path);
    return Next<int (*)(const char*)>("unlink")(path);
}

} // extern "C"
