// Level files and packs brought by the player: read whole, checked, and
// named for the progress kept with them.
#include "format/level_pack.h"
#include "format/level_link.h"

#include "platform/common/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <map>

namespace {

const char* const LEVEL_NAME_PREFIX = "level";
// The endings a pack's level file may have, in the order they are named.
const char* const PACK_LEVEL_ENDINGS[] = {"", ".txt", ".dat"};
const size_t PACK_KEY_NAME_MAX = 48;
const char* const PACK_KEY_FALLBACK_NAME = "pack";
const uint64_t HASH_OFFSET = 14695981039346656037ull;
const uint64_t HASH_PRIME = 1099511628211ull;

std::string BaseName(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    size_t slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

// The words for a file that could not be read, after the safe reader's refusal.
std::string ReadFailure(int error, const std::string& why)
{
    switch (error) {
    case EISDIR: return "it is a directory, not a level file";
    case EINVAL: return "it is not a regular file";
    case EFBIG: return "it is too large for a level (a level is 300 bytes, or 12 lines of text)";
    default: return "it can't be read: " + why;
    }
}

// The level number of a pack file's name ("level7", "level7.txt",
// "level7.dat"), or 0 for a name that is none. Numbers are written without
// leading zeros.
long PackLevelNumber(const std::string& name)
{
    const size_t prefix = std::strlen(LEVEL_NAME_PREFIX);
    if (name.compare(0, prefix, LEVEL_NAME_PREFIX) != 0)
        return 0;
    size_t at = prefix;
    long number = 0;
    while (at < name.size() && name[at] >= '0' && name[at] <= '9' && number <= LEVEL_PACK_MAX) {
        number = number * 10 + (name[at] - '0');
        ++at;
    }
    if (at == prefix || name[prefix] == '0')
        return 0;
    // Past the digits there may still be more of them: too many for a pack.
    while (at < name.size() && name[at] >= '0' && name[at] <= '9')
        ++at;
    const std::string ending = name.substr(at);
    for (const char* allowed : PACK_LEVEL_ENDINGS)
        if (ending == allowed)
            return number;
    return 0;
}

} // namespace

bool LevelFromContent(const std::string& name, const std::string& content, LevelFile& file, std::string& why)
{
    std::vector<LevelProblem> problems;
    if (content.size() == LEVEL_FILE_SIZE) {
        file.bytes.assign(content.begin(), content.end());
    } else if (LevelIsDatPath(name)) {
        why = "it is " + std::to_string(content.size()) + " bytes long; a level file is " +
              std::to_string(LEVEL_FILE_SIZE);
        return false;
    } else if (!LevelTextParse(content, file, problems)) {
        why = "it is no level text: " + problems.front().text;
        if (problems.size() > 1)
            why += " (and " + std::to_string(problems.size() - 1) + " more)";
        return false;
    }
    problems = LevelCheck(file);
    if (!problems.empty()) {
        why = "it can't be played: " + problems.front().text;
        return false;
    }
    return true;
}

bool LevelReadPlayable(const std::string& path, LevelFile& file, std::string& why)
{
    // A level link holds its board itself: there is no file to read.
    if (LevelLinkIs(path))
        return LevelLinkParse(path, file, why);
    std::string content;
    std::string problem;
    if (!SafeFileRead(path, LEVEL_PLAY_MAX_BYTES, &content, &problem)) {
        why = ReadFailure(errno, problem);
        return false;
    }
    return LevelFromContent(path, content, file, why);
}

bool LevelPackList(const std::string& directory, std::vector<std::string>& paths, std::string& why)
{
    paths.clear();
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) {
        why = errno == ENOTDIR ? "it is not a directory" : std::string("it can't be read: ") + std::strerror(errno);
        return false;
    }
    std::map<long, std::vector<std::string>> found;
    std::string tooHigh;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        long number = PackLevelNumber(name);
        if (number > LEVEL_PACK_MAX)
            tooHigh = name;
        else if (number > 0)
            found[number].push_back(name);
    }
    closedir(listing);

    if (!tooHigh.empty()) {
        why = tooHigh + ": a pack holds at most " + std::to_string(LEVEL_PACK_MAX) + " levels";
        return false;
    }
    long expected = 1;
    for (auto& [number, names] : found) {
        if (number != expected) {
            why = names.front() + " is there, but level" + std::to_string(expected) + " is missing";
            return false;
        }
        if (names.size() > 1) {
            std::sort(names.begin(), names.end());
            why = "level" + std::to_string(number) + " has " + std::to_string(names.size()) + " files (";
            for (size_t i = 0; i < names.size(); ++i)
                why += (i == 0 ? "" : ", ") + names[i];
            why += "); keep one";
            return false;
        }
        paths.push_back(JoinPath(directory, names.front()));
        ++expected;
    }
    if (paths.empty()) {
        why = "it holds no level1 (level1, level1.txt or level1.dat)";
        return false;
    }
    return true;
}

bool LevelPackLoad(const std::string& directory, LevelPack& pack, std::string& why)
{
    pack = LevelPack();
    if (!LevelPackList(directory, pack.paths, why))
        return false;
    for (const std::string& path : pack.paths) {
        LevelFile file;
        std::string problem;
        if (!LevelReadPlayable(path, file, problem)) {
            why = BaseName(path) + ": " + problem;
            return false;
        }
        pack.levels.push_back(file);
    }
    // "." or "packs/../mine" is named for the directory it stands for.
    char resolved[PATH_MAX];
    const bool named = realpath(directory.c_str(), resolved) != nullptr;
    pack.key = LevelPackKey(named ? std::string(resolved) : directory, pack.levels);
    return true;
}

std::string LevelPackKey(const std::string& directory, const std::vector<LevelFile>& levels)
{
    std::string name;
    for (char c : BaseName(directory)) {
        bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                    c == '-' || c == '_';
        name += safe ? c : '_';
    }
    // A name of dots alone would be no directory of its own.
    if (name.find_first_not_of('.') == std::string::npos)
        name = PACK_KEY_FALLBACK_NAME;
    name.resize(std::min(name.size(), PACK_KEY_NAME_MAX));

    // FNV-1a over each level's length and bytes, so that levels can't run into each other.
    uint64_t hash = HASH_OFFSET;
    auto mix = [&hash](uint8_t byte) {
        hash ^= byte;
        hash *= HASH_PRIME;
    };
    for (const LevelFile& level : levels) {
        const uint64_t size = level.bytes.size();
        for (int shift = 0; shift < 64; shift += 8)
            mix(static_cast<uint8_t>(size >> shift));
        for (uint8_t byte : level.bytes)
            mix(byte);
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return name + "-" + hex;
}
