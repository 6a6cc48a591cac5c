// Saved progress: the one-byte value "Level" in a small per-user file,
// "Level=N\n". It is written to a new file that is then renamed over the old
// one, so a crash never leaves it half written.
//
// A file that exists but is not exactly in that form is never simply
// overwritten, since it may hold more progress than the run has made:
// - when its first line still reads as a level ("Level=7\r\n", "level = 7",
//   other lines after it), that level is the saved progress, and the file is
//   replaced in the exact form once a higher level is reached;
// - otherwise (unreadable, no level in it, not a regular file, too long) it is
//   set aside as "progress.bad", the player is told once, and the game goes on
//   as if nothing was saved. When even that fails, the file stays where it is
//   and no progress is written over it.
#include "platform/platform.h"
#include "platform/common/common.h"
#include "platform/common/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {

const char* const PROGRESS_FILE = "progress";
const char* const PROGRESS_SET_ASIDE_FILE = "progress.bad";
const char* const PROGRESS_KEY = "Level";
// The exact form is far shorter; a longer file holds no progress we wrote.
const uint64_t PROGRESS_MAX_BYTES = 4096;
const unsigned PROGRESS_MODE = 0644;
const unsigned PROGRESS_MAX_VALUE = 255;

enum class ProgressState { Missing, Exact, Readable, Damaged };

struct ProgressFile {
    ProgressState state = ProgressState::Missing;
    uint8_t level = 0;
    std::string why;   // Damaged: what is wrong
};

struct ProgressNotes {
    std::string notice;       // waiting to be shown to the player
    bool damagedKept = false; // a damaged file could not be set aside
};

ProgressNotes Notes;

// The config directory and, for a pack, its directory below it: every one of
// them must be the player's own before anything in them is trusted.
std::vector<std::string> ProgressDirs()
{
    std::vector<std::string> dirs{PlatformUserConfigDir()};
    if (PlatformProgressDir() != dirs.front())
        dirs.push_back(PlatformProgressDir());
    return dirs;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Digits from text[at] as a level; false when there are none or it is over 255.
bool ReadLevelNumber(const std::string& text, size_t* at, unsigned* number)
{
    size_t start = *at;
    *number = 0;
    while (*at < text.size() && text[*at] >= '0' && text[*at] <= '9') {
        *number = *number * 10 + static_cast<unsigned>(text[*at] - '0');
        if (*number > PROGRESS_MAX_VALUE)
            return false;
        ++*at;
    }
    return *at > start;
}

// The whole file is "Level=N\n" with N from 0 to 255.
bool ParseExact(const std::string& text, uint8_t* level)
{
    std::string prefix = std::string(PROGRESS_KEY) + "=";
    if (text.compare(0, prefix.size(), prefix) != 0)
        return false;
    size_t at = prefix.size();
    unsigned number = 0;
    if (!ReadLevelNumber(text, &at, &number) || at + 1 != text.size() || text[at] != '\n')
        return false;
    *level = static_cast<uint8_t>(number);
    return true;
}

// The first line is the key, "=" and a number, in any case and with blanks
// around them; later lines are ignored.
bool ParseReadable(const std::string& text, uint8_t* level)
{
    std::string line = text.substr(0, text.find('\n'));
    size_t at = 0;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    size_t keyLength = std::strlen(PROGRESS_KEY);
    if (line.size() - at < keyLength || strncasecmp(line.c_str() + at, PROGRESS_KEY, keyLength) != 0)
        return false;
    at += keyLength;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    if (at >= line.size() || line[at] != '=')
        return false;
    ++at;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    unsigned number = 0;
    if (!ReadLevelNumber(line, &at, &number))
        return false;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    if (at != line.size())
        return false;
    *level = static_cast<uint8_t>(number);
    return true;
}

ProgressFile ProgressLoad()
{
    ProgressFile file;
    std::string text;
    std::string why;
    if (!SafeFileRead(PlatformProgressPath(), PROGRESS_MAX_BYTES, &text, &why)) {
        if (errno != ENOENT) {
            file.state = ProgressState::Damaged;
            file.why = why;
        }
        return file;
    }
    if (ParseExact(text, &file.level)) {
        file.state = ProgressState::Exact;
    } else if (ParseReadable(text, &file.level)) {
        file.state = ProgressState::Readable;
    } else {
        file.state = ProgressState::Damaged;
        file.why = text.empty() ? "it is empty" : "it holds no level";
    }
    return file;
}

// Moves a damaged file out of the way, unless an earlier one is there already.
void SetAside(const ProgressFile& file)
{
    std::string path = PlatformProgressPath();
    std::string aside = PlatformProgressDir() + "/" + PROGRESS_SET_ASIDE_FILE;
    struct stat info;
    bool moved = lstat(aside.c_str(), &info) != 0 && errno == ENOENT && std::rename(path.c_str(), aside.c_str()) == 0;
    // The player sees a short line; stderr has the whole path.
    std::string text = "Saved progress unreadable (" + file.why + "): ";
    std::string detail;
    if (moved) {
        text += "kept as " + std::string(PROGRESS_SET_ASIDE_FILE) + ".";
        detail = "moved to " + aside + "; the game starts afresh";
        Notes.damagedKept = false;
    } else {
        if (Notes.damagedKept)
            return;   // told already
        text += "nothing is saved over it.";
        detail = path + " is left as it is; no progress is saved until it is mended or removed";
        Notes.damagedKept = true;
    }
    std::fprintf(stderr, "Quagmore: the saved progress could not be read (%s): %s\n", file.why.c_str(),
                 detail.c_str());
    Notes.notice = text;
}

} // namespace

std::string PlatformProgressPath()
{
    return PlatformProgressDir() + "/" + PROGRESS_FILE;
}

int PlatformProgressRead(uint8_t* value)
{
    for (const std::string& directory : ProgressDirs())
        if (!PlatformUserDirTrusted(directory))
            return 0;
    ProgressFile file = ProgressLoad();
    if (file.state == ProgressState::Damaged) {
        SetAside(file);
        return 0;
    }
    Notes.damagedKept = false;
    if (file.state == ProgressState::Missing)
        return 0;
    *value = file.level;
    return 1;
}

int PlatformProgressWrite(uint8_t value, std::string* why)
{
    std::string problem;
    for (const std::string& directory : ProgressDirs()) {
        if (!PlatformUserDirUsable(directory, &problem)) {
            if (why != nullptr)
                *why = problem;
            return 0;
        }
    }
    if (ProgressLoad().state == ProgressState::Damaged) {
        if (why != nullptr)
            *why = "the saved progress file can't be read and is left as it is";
        return 0;
    }
    char text[64];
    int length = std::snprintf(text, sizeof text, "%s=%u\n", PROGRESS_KEY, static_cast<unsigned>(value));
    if (!SafeFileWrite(PlatformProgressPath(), std::string(text, static_cast<size_t>(length)), PROGRESS_MODE, &problem)) {
        if (why != nullptr)
            *why = problem;
        return 0;
    }
    return 1;
}

std::string PlatformProgressTakeNotice()
{
    std::string notice;
    notice.swap(Notes.notice);
    return notice;
}
