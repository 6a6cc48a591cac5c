// Level files and their text form.
#include "format/level_text.h"

#include "platform/common/safe_file.h"

#include <cerrno>
#include <fstream>

namespace {

// A level file is 300 bytes and its text 156; far longer is no level.
const uint64_t LEVEL_READ_MAX_BYTES = 1024 * 1024;

std::string CellName(int column, int row)
{
    return "column " + std::to_string(column) + ", row " + std::to_string(row);
}

} // namespace

bool LevelProblemBlocksText(LevelProblemKind kind)
{
    return kind == LEVEL_PROBLEM_SHORT_FILE || kind == LEVEL_PROBLEM_UNKNOWN_BYTE;
}

LevelFile LevelFileBlank()
{
    LevelFile file;
    file.bytes.assign(LEVEL_FILE_SIZE, 0);
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i)
        file.bytes[i] = TILE_WATER;
    return file;
}

bool LevelTextParse(const std::string& text, LevelFile& file, std::vector<LevelProblem>& problems)
{
    // Split into lines; a final newline does not start another line, and a
    // carriage return before a newline is dropped.
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);

    const size_t problemsBefore = problems.size();
    if (lines.size() != BOARD_SIZE)
        problems.push_back({LEVEL_PROBLEM_TEXT_SHAPE, "the text has " + std::to_string(lines.size()) + " lines, not " +
                            std::to_string(BOARD_SIZE)});

    file = LevelFileBlank();
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::string& l = lines[row];
        const std::string where = "line " + std::to_string(row + 1);
        if (l.size() != BOARD_SIZE)
            problems.push_back({LEVEL_PROBLEM_TEXT_SHAPE, where + " has " + std::to_string(l.size()) + " characters, not " +
                                std::to_string(BOARD_SIZE)});
        for (size_t column = 0; column < l.size(); ++column) {
            const uint8_t code = LevelCodeFromChar(l[column]);
            if (code == 0) {
                const unsigned char uc = static_cast<unsigned char>(l[column]);
                std::string shown = (uc >= 0x20 && uc < 0x7f) ? std::string("'") + l[column] + "'"
                                                               : "byte " + std::to_string(uc);
                problems.push_back({LEVEL_PROBLEM_TEXT_SHAPE, where + ", character " + std::to_string(column + 1) + ": " +
                                    shown + " is no tile (use ~ . o E @)"});
            } else if (row < BOARD_SIZE && column < BOARD_SIZE) {
                file.bytes[LevelByteIndex(static_cast<int>(column), static_cast<int>(row))] = code;
            }
        }
    }
    return problems.size() == problemsBefore;
}

std::string LevelTextFormat(const LevelFile& file)
{
    std::string text;
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int column = 0; column < BOARD_SIZE; ++column) {
            const size_t i = static_cast<size_t>(LevelByteIndex(column, row));
            text += i < file.bytes.size() ? LevelCharFromCode(file.bytes[i]) : LEVEL_CHAR_UNKNOWN;
        }
        text += '\n';
    }
    return text;
}

std::vector<LevelProblem> LevelCheck(const LevelFile& file)
{
    std::vector<LevelProblem> problems;
    if (file.bytes.size() < LEVEL_TILE_BYTES)
        problems.push_back({LEVEL_PROBLEM_SHORT_FILE, "the file is " + std::to_string(file.bytes.size()) +
                            " bytes long, shorter than the " + std::to_string(LEVEL_TILE_BYTES) +
                            " bytes of the board"});

    std::vector<std::string> starts;
    int exits = 0;
    for (int column = 0; column < BOARD_SIZE; ++column) {
        for (int row = 0; row < BOARD_SIZE; ++row) {
            const size_t i = static_cast<size_t>(LevelByteIndex(column, row));
            if (i >= file.bytes.size())
                continue;
            const uint8_t code = file.bytes[i];
            if (!LevelIsTileCode(code))
                problems.push_back({LEVEL_PROBLEM_UNKNOWN_BYTE, "byte " + std::to_string(i) + " (" + CellName(column, row) +
                                    ") is " + std::to_string(code) + ", no tile code"});
            else if (code == TILE_START)
                starts.push_back(CellName(column, row));
            else if (code == TILE_EXIT)
                ++exits;
        }
    }
    if (starts.empty())
        problems.push_back({LEVEL_PROBLEM_NO_START, "no start"});
    if (starts.size() > 1) {
        std::string list;
        for (const std::string& s : starts)
            list += (list.empty() ? "" : "; ") + s;
        problems.push_back({LEVEL_PROBLEM_SEVERAL_STARTS, std::to_string(starts.size()) + " starts: " + list});
    }
    if (exits == 0)
        problems.push_back({LEVEL_PROBLEM_NO_EXIT, "no exit"});
    return problems;
}

bool LevelIsDatPath(const std::string& path)
{
    const std::string suffix = ".dat";
    return path.size() >= suffix.size() &&
           path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool LevelReadFile(const std::string& path, std::string& content, std::vector<LevelProblem>& problems)
{
    // Only a regular file is read, and no more of it than a level could need:
    // a directory, a FIFO or a device is refused at once.
    std::string why;
    if (!SafeFileRead(path, LEVEL_READ_MAX_BYTES, &content, &why)) {
        const char* what = errno == EFBIG ? "can't read the file: " : "can't open the file: ";
        problems.push_back({LEVEL_PROBLEM_UNREADABLE, what + why});
        return false;
    }
    return true;
}

bool LevelLoad(const std::string& path, LevelFile& file, std::vector<LevelProblem>& problems)
{
    std::string content;
    if (!LevelReadFile(path, content, problems))
        return false;
    if (LevelIsDatPath(path)) {
        file.bytes.assign(content.begin(), content.end());
        return true;
    }
    return LevelTextParse(content, file, problems);
}

bool LevelWriteText(const std::string& path, const std::string& text, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out)
        out << text;
    if (out)
        out.close();
    if (!out) {
        error = "can't write " + path;
        return false;
    }
    return true;
}

bool LevelWriteBytes(const std::string& path, const LevelFile& file, std::string& error)
{
    return LevelWriteText(path, std::string(file.bytes.begin(), file.bytes.end()), error);
}

