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
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
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
    std::string path = PlatformUserFilePath(LevelFileName(EDITOR_LEVEL));
    // Open an existing file without truncating it (bytes past the 300th stay),
    // or create it when there is none.
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr)
        file = std::fopen(path.c_str(), "w+bx");
    if (file == nullptr) {
        ShowMessage(FILE_OPEN_FAILED);
        return;
    }
    bool written = std::fseek(file, 0, SEEK_SET) == 0 && std::fwrite(LevelBuffer, 1, LEVEL_FILE_SIZE, file) == LEVEL_FILE_SIZE;
    written = std::fclose(file) == 0 && written;
    // A save that did not reach the disk must not pass for one that did.
    if (!written)
        ShowMessage(FILE_OPEN_FAILED);
}

void ClearBoard()
{
    for (auto& column : Board)
        for (int32_t& cell : column)
            cell = TILE_WATER;
}
