// Only one copy of the game runs at a time. The lock is an flock on a file in
// the user's runtime directory; the system drops it with the process, so a
// crash never blocks the next start.
#include "platform/platform.h"
#include "platform/common/common.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int PlatformAcquireInstanceLock()
{
    static int lockFd = -1;
    if (lockFd >= 0)
        return 1;
    std::string directory = PlatformUserRuntimeDir();
    PlatformMakeDirectories(directory);
    int fd = open((directory + "/instance.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return 1;  // no place for a lock: let the game run rather than refuse it
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return 0;
    }
    lockFd = fd;  // held open until the process ends
    return 1;
}
