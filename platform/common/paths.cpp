// Where the game's files live: the shipped data directory and the user's
// data, config and runtime directories (XDG base directories).
#include "platform/platform.h"
#include "platform/common/common.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const GAME_DIR_NAME = "quagmore";

struct PlatformDirectories {
    std::string gameData;
    std::string home;   // empty: the real user's directories
};

PlatformDirectories Directories;

std::string EnvOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] == '/')
        return value;
    return fallback;
}

std::string HomeDir()
{
    const char* home = std::getenv("HOME");
    return (home != nullptr && home[0] != '\0') ? home : "/tmp";
}

std::string ExecutableDir()
{
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return ".";
    std::string path(buffer, static_cast<size_t>(length));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

void PlatformSetDirectories(const std::string& gameDataDir, const std::string& home)
{
    Directories.gameData = gameDataDir;
    Directories.home = home;
}

std::string PlatformGameDataDir()
{
    if (!Directories.gameData.empty())
        return Directories.gameData;
    // bin/ beside share/quagmore, in the build tree and in an installation alike.
    return ExecutableDir() + "/../share/" + GAME_DIR_NAME;
}

std::string PlatformUserDataDir()
{
    std::string base = Directories.home.empty() ? EnvOr("XDG_DATA_HOME", HomeDir() + "/.local/share")
                                                : Directories.home + "/data";
    return base + "/" + GAME_DIR_NAME;
}

std::string PlatformUserConfigDir()
{
    std::string base = Directories.home.empty() ? EnvOr("XDG_CONFIG_HOME", HomeDir() + "/.config")
                                                : Directories.home + "/config";
    return base + "/" + GAME_DIR_NAME;
}

std::string PlatformUserRuntimeDir()
{
    if (!Directories.home.empty())
        return Directories.home + "/runtime/" + GAME_DIR_NAME;
    std::string runtime = EnvOr("XDG_RUNTIME_DIR", "");
    return runtime.empty() ? PlatformUserConfigDir() : runtime + "/" + GAME_DIR_NAME;
}

std::string PlatformFindDataFile(const std::string& name)
{
    std::string user = PlatformUserDataDir() + "/" + name;
    if (FileExists(user))
        return user;
    std::string shipped = PlatformGameDataDir() + "/" + name;
    if (FileExists(shipped))
        return shipped;
    return user;
}

std::string PlatformUserFilePath(const std::string& name)
{
    std::string directory = PlatformUserDataDir();
    PlatformMakeDirectories(directory);
    return directory + "/" + name;
}

bool PlatformMakeDirectories(const std::string& path)
{
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/')
            continue;
        std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    // EEXIST also comes from a file of that name, which is no directory.
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
