// Levels as files: the 300-byte level file, the 12-line text
// form that level authors write, conversion between them and their checks.
#pragma once

#include "format/level_format.h"

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a level file, exactly as stored (column-major, byte = column * 12 + row).
// A file read from disk may be shorter or longer than LEVEL_FILE_SIZE.
struct LevelFile {
    std::vector<uint8_t> bytes;
};

enum LevelProblemKind {
    LEVEL_PROBLEM_UNREADABLE,       // the file can't be opened or read
    LEVEL_PROBLEM_TEXT_SHAPE,       // text that is not 12 lines of 12 known characters
    LEVEL_PROBLEM_SHORT_FILE,       // a level file shorter than the board's bytes
    LEVEL_PROBLEM_UNKNOWN_BYTE,     // a byte of the board that is no tile code
    LEVEL_PROBLEM_NO_START,
    LEVEL_PROBLEM_SEVERAL_STARTS,
    LEVEL_PROBLEM_NO_EXIT,
};

// One problem, with a text that says where: a cell, a line of text, or the file.
struct LevelProblem {
    LevelProblemKind kind;
    std::string text;
};

// Problems that keep a level file from being shown or written as text.
bool LevelProblemBlocksText(LevelProblemKind kind);

// A fresh 300-byte level file: all water, and zeros after the tiles.
LevelFile LevelFileBlank();

// Text form -> level file. Returns false and fills `problems` when the text is
// not 12 lines of 12 known characters; `file` then holds only what could be read.
bool LevelTextParse(const std::string& text, LevelFile& file, std::vector<LevelProblem>& problems);
// Level file -> text form (12 lines, each ending in a newline). Bytes that are no
// tile code are shown as LEVEL_CHAR_UNKNOWN; cells past the end of a short file as well.
std::string LevelTextFormat(const LevelFile& file);

// Problems of a level file's tiles: short file, bytes that are no tile code, no
// start or several, no exit. Empty when the level can be played.
std::vector<LevelProblem> LevelCheck(const LevelFile& file);

// Reads a level from disk. A name ending in ".dat" is a level file, anything else
// the text form. Returns false with problems when the file can't be read or is
// not 12 lines of 12 known characters (text only; level files are read as they are).
bool LevelLoad(const std::string& path, LevelFile& file, std::vector<LevelProblem>& problems);
// Reads a whole file as it is. Returns false with a problem when it can't be read.
bool LevelReadFile(const std::string& path, std::string& content, std::vector<LevelProblem>& problems);
bool LevelIsDatPath(const std::string& path);
bool LevelWriteBytes(const std::string& path, const LevelFile& file, std::string& error);
bool LevelWriteText(const std::string& path, const std::string& text, std::string& error);
