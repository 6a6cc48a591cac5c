// Tile codes, their characters and the level files' names.
#include "format/level_format.h"

namespace {

const char* const LEVEL_FILE_PREFIX = "level";
const char* const LEVEL_FILE_SUFFIX = ".dat";

} // namespace

bool LevelIsTileCode(uint8_t code)
{
    return code == TILE_WATER || code == TILE_LAND || code == TILE_PILE || code == TILE_EXIT ||
           code == TILE_START;
}

char LevelCharFromCode(uint8_t code)
{
    switch (code) {
    case TILE_WATER: return LEVEL_CHAR_WATER;
    case TILE_LAND: return LEVEL_CHAR_LAND;
    case TILE_PILE: return LEVEL_CHAR_PILE;
    case TILE_EXIT: return LEVEL_CHAR_EXIT;
    case TILE_START: return LEVEL_CHAR_START;
    default: return LEVEL_CHAR_UNKNOWN;
    }
}

uint8_t LevelCodeFromChar(char c)
{
    switch (c) {
    case LEVEL_CHAR_WATER: return TILE_WATER;
    case LEVEL_CHAR_LAND: return TILE_LAND;
    case LEVEL_CHAR_PILE: return TILE_PILE;
    case LEVEL_CHAR_EXIT: return TILE_EXIT;
    case LEVEL_CHAR_START: return TILE_START;
    default: return 0;
    }
}

std::string LevelFileName(int32_t level)
{
    std::string name = LEVEL_FILE_PREFIX;
    if (level > 0)
        name += std::to_string(level);
    return name + LEVEL_FILE_SUFFIX;
}
