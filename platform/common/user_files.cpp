// Files the game reads by path, and the user's data files it saves.
#include "platform/platform.h"
#include "platform/common/common.h"
#include "platform/common/safe_file.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// An existing file bigger than this is no file the game wrote; it is not
// read to keep its tail, and not replaced.
const uint64_t USER_FILE_MAX_BYTES = 1024 * 1024;
const unsigned USER_FILE_MODE = 0666;   // less the umask, as files are made

} // namespace

std::FILE* PlatformOpenRegularFile(const std::string& path, uint64_t maxBytes, std::string* why)
{
    return SafeFileOpenStream(path, maxBytes, why);
}

int PlatformSaveUserFile(const std::string& name, const void* head, size_t headSize, std::string* why)
{
    std::string problem;
    std::string directory = PlatformUserDataDir();
    if (!PlatformUserDirUsable(directory, &problem)) {
        if (why != nullptr)
            *why = problem;
        return 0;
    }
    std::string path = directory + "/" + name;
    std::string content(static_cast<const char*>(head), headSize);
    // The bytes past the head in the file that is there stay. A link in its
    // place is not followed: it is replaced by the new file.
    std::string old;
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && !S_ISLNK(info.st_mode)) {
        // A file that may not be written is not replaced either.
        if (access(path.c_str(), W_OK) != 0)
            problem = "the file may not be written";
        if (!problem.empty() || !SafeFileRead(path, USER_FILE_MAX_BYTES, &old, &problem)) {
            if (why != nullptr)
                *why = problem;
            return 0;
        }
        if (old.size() > headSize)
            content.append(old, headSize, std::string::npos);
    }
    if (!SafeFileWrite(path, content, USER_FILE_MODE, &problem)) {
        if (why != nullptr)
            *why = problem;
        return 0;
    }
    return 1;
}
