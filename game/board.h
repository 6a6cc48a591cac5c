// The 12 x 12 board of tile codes, the 300-byte level buffer and level files.
#pragma once

#include <cstdint>

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

void LoadLevelFile(int32_t level);
void WriteLevelFile();
void ClearBoard();
void StartLevel();
void ResetLevel();
