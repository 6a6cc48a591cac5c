// The board.
#include "game/board.h"

void BoardClear(GameBoard& board)
{
    for (auto& column : board)
        for (int32_t& cell : column)
            cell = TILE_WATER;
}
