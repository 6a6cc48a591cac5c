// The 12 x 12 board of tile codes, the 300-byte level buffer and level files.
#pragma once

#include <cstdint>
#include <string>

enum { BOARD_SIZE = 12, CELL_SIZE = 50, LEVEL_FILE_SIZE = 300, LEVEL_TILE_BYTES = BOARD_SIZE * BOARD_SIZE };
enum { LAST_LEVEL = 12, EDITOR_LEVEL = 0 };

enum : int32_t {
    TILE_WATER = 15,
    TILE_LAND = 16,
    TILE_PILE = 17,
    TILE_EXIT = 18,
    TILE_START = 24,
};

extern int32_t Board[BOARD_SIZE][BOARD_SIZE];   // [column][row]
extern int8_t LevelBuffer[LEVEL_FILE_SIZE];     // byte column * 12 + row

// True when (column, row) is a cell of the board.
inline bool BoardHasCell(int32_t column, int32_t row)
{
    return column >= 0 && column < BOARD_SIZE && row >= 0 && row < BOARD_SIZE;
}

// Byte index of a cell in the level buffer and in level files.
inline int LevelByteIndex(int32_t column, int32_t row)
{
    return column * BOARD_SIZE + row;
}

// "level" + the level's decimal digits + ".dat"; "level.dat" for 0 (the editor's file).
std::string LevelFileName(int32_t level);
void LoadLevelFile(int32_t level);
void WriteLevelFile();
void ClearBoard();
void StartLevel();
void ResetLevel();
