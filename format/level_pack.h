// Levels the player brings: one level file to play, or a pack of levels in a
// directory played as a campaign of its own. Both are read whole before play
// and checked, so the game never starts a board that is not a level.
#pragma once

#include "format/level_text.h"

#include <cstdint>
#include <string>
#include <vector>

// A pack holds level1 ... levelN, N from 1 to LEVEL_PACK_MAX.
enum { LEVEL_PACK_MAX = 99 };
// A level's text is 156 bytes and its file 300: anything far longer is no level.
enum { LEVEL_PLAY_MAX_BYTES = 4096 };

// The levels of a pack, in order, and the name its progress is kept under:
// the directory's name (made safe as a file name) and a hash of the levels.
struct LevelPack {
    std::vector<std::string> paths;   // level1 ... levelN as found
    std::vector<LevelFile> levels;
    std::string key;                  // "NAME-HASH"
};

// A level from a file's content: exactly 300 bytes is a level file (a name
// ending in ".dat" must be one), anything else the text form. The board must
// be playable: tile codes only, one start, an exit. False with *why saying
// what is wrong, in words for the player.
bool LevelFromContent(const std::string& name, const std::string& content, LevelFile& file, std::string& why);
// Reads and checks a level file: LevelFromContent on a regular file of at
// most LEVEL_PLAY_MAX_BYTES. A directory, a FIFO or a device is refused
// without being waited on. A level link (format/level_link.h) given as the
// path is read from the link itself.
bool LevelReadPlayable(const std::string& path, LevelFile& file, std::string& why);

// The file of each level of the pack in directory: for level n, "leveln",
// "leveln.txt" or "leveln.dat", exactly one of them, from level 1 on until
// the first missing. False with *why when there is no level1, when a level
// has more than one file, when a level is missing before a later one, or
// when there are more than LEVEL_PACK_MAX.
bool LevelPackList(const std::string& directory, std::vector<std::string>& paths, std::string& why);
// Lists and reads a whole pack; the first bad level fails it, and *why names it.
bool LevelPackLoad(const std::string& directory, LevelPack& pack, std::string& why);
// The name a pack's progress is kept under: the directory's own name with
// every character but letters, digits, '.', '-' and '_' made '_', a dash,
// and 16 hex digits of a hash of the levels' bytes in order.
std::string LevelPackKey(const std::string& directory, const std::vector<LevelFile>& levels);
