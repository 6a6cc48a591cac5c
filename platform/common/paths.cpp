// Where the game's files live: the shipped data directory and the user's
// data, config and runtime directories (XDG base directories).
#include "platform/platform.h"
#include "platform/common/common.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const GAME_DIR_NAME = "quagmore";

struct PlatformDirectories {
    std::string gameData;
    std::string home;   // empty: the real user's directories
    std::string progressSubdir;   // below the config directory; empty: none
};

PlatformDirectories Directories;

std::string EnvOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] == '/')
        return value;
    return fallback;
}

const size_t PASSWORD_BUFFER_BYTES = 16384;

// $HOME, or the home the password database gives this user when HOME is
// unset or empty. Empty when neither has one: then nothing is saved.
std::string HomeDir()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return home;
    std::vector<char> buffer(PASSWORD_BUFFER_BYTES);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/')
        return found->pw_dir;
    return "";
}

// A base directory below the home, or empty when there is no home.
std::string BelowHome(const char* relative)
{
    std::string home = HomeDir();
    return home.empty() ? "" : home + relative;
}

// Says once on stderr why one of the user's directories is not used.
void WarnOnce(const std::string& directory, const std::string& why)
{
    static std::set<std::string> warned;
    if (warned.insert(directory).second)
        std::fprintf(stderr, "Quagmore: %s is not used: %s\n", directory.c_str(), why.c_str());
}

// The directory is ours to keep files in: a directory owned by this user that
// no other user may write to. Else another user could plant files or links in it.
bool OwnedDirectory(const std::string& path, std::string* why)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        *why = "it can't be made or reached";
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *why = "it is not a directory";
        return false;
    }
    if (info.st_uid != geteuid()) {
        *why = "it belongs to another user";
        return false;
    }
    if ((info.st_mode & S_IWOTH) != 0) {
        *why = "every user may write to it";
        return false;
    }
    return true;
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
    std::string base = Directories.home.empty() ? EnvOr("XDG_DATA_HOME", BelowHome("/.local/share"))
                                                : Directories.home + "/data";
    return base.empty() ? "" : base + "/" + GAME_DIR_NAME;
}

std::string PlatformUserConfigDir()
{
    std::string base = Directories.home.empty() ? EnvOr("XDG_CONFIG_HOME", BelowHome("/.config"))
                                                : Directories.home + "/config";
    return base.empty() ? "" : base + "/" + GAME_DIR_NAME;
}

void PlatformSetProgressSubdir(const std::string& relative)
{
    Directories.progressSubdir = relative;
}

std::string PlatformProgressDir()
{
    std::string config = PlatformUserConfigDir();
    if (config.empty() || Directories.progressSubdir.empty())
        return config;
    return config + "/" + Directories.progressSubdir;
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
    std::string directory = PlatformUserDataDir();
    std::string user = directory + "/" + name;
    std::string shipped = PlatformGameDataDir() + "/" + name;
    if (!directory.empty() && FileExists(user) && PlatformUserDirTrusted(directory))
        return user;
    if (FileExists(shipped) || directory.empty())
        return shipped;
    return user;
}

std::string PlatformUserFilePath(const std::string& name)
{
    std::string directory = PlatformUserDataDir();
    PlatformMakeDirectories(directory);
    return directory + "/" + name;
}

bool PlatformUserDirTrusted(const std::string& directory)
{
    struct stat info;
    if (stat(directory.c_str(), &info) != 0)
        return errno == ENOENT;
    std::string why;
    if (OwnedDirectory(directory, &why))
        return true;
    WarnOnce(directory, why);
    return false;
}

bool PlatformUserDirUsable(const std::string& directory, std::string* why)
{
    if (directory.empty()) {
        *why = "there is no home directory (HOME is unset and the password database has none)";
        return false;
    }
    // The player is shown why in a short line; stderr has the path.
    if (!PlatformMakeDirectories(directory)) {
        WarnOnce(directory, "it can't be made");
        *why = "its directory can't be made";
        return false;
    }
    std::string problem;
    if (!OwnedDirectory(directory, &problem)) {
        WarnOnce(directory, problem);
        *why = "its directory is not used: " + problem;
        return false;
    }
    return true;
}

bool PlatformMakeDirectories(const std::string& path)
{
    if (path.empty())
        return false;
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
