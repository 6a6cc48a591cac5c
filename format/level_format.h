// The level format: the board's size and tile codes, the 300-byte level file
// (the board's cells column by column, then bytes the game keeps but never
// reads), the text form level authors write, and the number of levels.
#pragma once

#include <cstdint>
#include <string>

enum { BOARD_SIZE = 12, CELL_SIZE = 50 };
enum { LEVEL_FILE_SIZE = 300, LEVEL_TILE_BYTES = BOARD_SIZE * BOARD_SIZE };
// The shipped levels are 1 to LEVEL_COUNT; level 0 is the editor's own file.
enum { LEVEL_COUNT = 12, LAST_LEVEL = LEVEL_COUNT, EDITOR_LEVEL = 0 };

enum : int32_t {
    TILE_WATER = 15,
    TILE_LAND = 16,
    TILE_PILE = 17,
    TILE_EXIT = 18,
    TILE_START = 24,
};

// Characters of the text form, one per cell, rows top to bottom.
inline constexpr char LEVEL_CHAR_WATER = '~';
inline constexpr char LEVEL_CHAR_LAND = '.';
inline constexpr char LEVEL_CHAR_PILE = 'o';
inline constexpr char LEVEL_CHAR_EXIT = 'E';
inline constexpr char LEVEL_CHAR_START = '@';
inline constexpr char LEVEL_CHAR_UNKNOWN = '?';   // shown for a byte that is no tile code

// True when (column, row) is a cell of the board.
inline constexpr bool BoardHasCell(int32_t column, int32_t row)
{
    return column >= 0 && column < BOARD_SIZE && row >= 0 && row < BOARD_SIZE;
}

// Byte index of a cell in level files.
inline constexpr int LevelByteIndex(int32_t column, int32_t row)
{
    return column * BOARD_SIZE + row;
}

bool LevelIsTileCode(uint8_t code);
// The text character of a tile code; LEVEL_CHAR_UNKNOWN for a byte that is none.
char LevelCharFromCode(uint8_t code);
// The tile code of a text character, or 0 for a character that is none.
uint8_t LevelCodeFromChar(char c);
// "level" + the level's decimal digits + ".dat"; "level.dat" for 0 (the editor's file).
std::string LevelFileName(int32_t level);
