// Only one copy of the game runs at a time. The lock is an flock on a file in
// the user's runtime directory; the system drops it with the process, so a
// crash never blocks the next start. The lock file is opened without
// following a link and must be this user's own regular file, in a directory
// only this user may write to, so no one else can hold it for us.
#include "platform/platform.h"
#include "platform/common/common.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const LOCK_FILE = "instance.lock";

// The lock's descriptor, or -1 when there is no safe place for one.
int OpenLockFile()
{
    std::string directory = PlatformUserRuntimeDir();
    std::string why;
    if (!PlatformUserDirUsable(directory, &why))
        return -1;
    std::string path = directory + "/" + LOCK_FILE;
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::perror(("Quagmore: " + path).c_str());
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        std::fprintf(stderr, "Quagmore: %s is not this user's own file; it is not used\n", path.c_str());
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

int PlatformAcquireInstanceLock()
{
    static int lockFd = -1;
    if (lockFd >= 0)
        return 1;
    int fd = OpenLockFile();
    if (fd < 0)
        return 1;  // no safe place for a lock: let the game run rather than refuse it
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return 0;
    }
    lockFd = fd;  // held open until the process ends
    return 1;
}
