// The 12 x 12 board of tile codes.
#pragma once

#include "format/level_format.h"

#include <cstdint>

using GameBoard = int32_t[BOARD_SIZE][BOARD_SIZE];  // [column][row]

// Every cell water.
void BoardClear(GameBoard& board);
