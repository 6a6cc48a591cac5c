// The board, the level buffer and the level files that fill it.
#include "game/board.h"

#include "app/app.h"
#include "platform/platform.h"

#include <cstdio>

int32_t Board[BOARD_SIZE][BOARD_SIZE];
int8_t LevelBuffer[LEVEL_FILE_SIZE];

namespace {

const char* const LEVEL_FILE_PREFIX = "level";
const char* const LEVEL_FILE_SUFFIX = ".dat";
// The one message for a level file that can't be opened.
const char* const FILE_OPEN_FAILED = "INVALID_HANDLE_VALUE";
// A level file is 300 bytes; one far longer is no level file.
const uint64_t LEVEL_FILE_MAX_BYTES = 64 * 1024;

// The message box keeps the game's one text; the reason goes to stderr.
void ReportFileProblem(const std::string& path, const std::string& why)
{
    std::fprintf(stderr, "Quagmore: %s: %s\n", path.c_str(), why.c_str());
}

} // namespace

std::string LevelFileName(int32_t level)
{
    std::string name = LEVEL_FILE_PREFIX;
    if (level > 0)
        name += std::to_string(level);
    return name + LEVEL_FILE_SUFFIX;
}

void LoadLevelFile(int32_t level)
{
    std::string path = PlatformFindDataFile(LevelFileName(level));
    std::string why;
    std::FILE* file = PlatformOpenRegularFile(path, LEVEL_FILE_MAX_BYTES, &why);
    if (file == nullptr) {
        ReportFileProblem(path, why);
        ShowMessage(FILE_OPEN_FAILED);
        return;
    }
    // A shorter file fills only the first bytes; the rest keep what they held.
    size_t ignored = std::fread(LevelBuffer, 1, LEVEL_FILE_SIZE, file);
    (void)ignored;
    std::fclose(file);
}

void WriteLevelFile()
{
    // The bytes past the 300th of a file already there stay. A save that did
    // not reach the disk must not pass for one that did.
    std::string why;
    if (!PlatformSaveUserFile(LevelFileName(EDITOR_LEVEL), LevelBuffer, LEVEL_FILE_SIZE, &why)) {
        ReportFileProblem(LevelFileName(EDITOR_LEVEL), why);
        ShowMessage(FILE_OPEN_FAILED);
    }
}

void ClearBoard()
{
    for (auto& column : Board)
        for (int32_t& cell : column)
            cell = TILE_WATER;
}
