// The game's global state: levels, modes, movement, timers and the values of
// the level-complete sequence and the sparkle.
#pragma once

#include "game/board.h"

#include <cstdint>

struct GameStateRecord {
    uint8_t currentLevel = 1;      // the level being played
    int32_t resetLevel = -1;       // the level ResetLevel returns to
    uint8_t editor = 0;            // the main loop runs EditorFrame
    uint8_t clearBoard = 0;        // the next EditorFrame empties the board
    uint8_t levelComplete = 0;     // the level-complete sequence runs
    uint8_t finishedSound = 0;     // "finished.wav" still to be played
    uint8_t allFinished = 0;       // level 12 solved: the sequence never moves on
    int32_t direction = 0;         // 0 none, 1 left, 2 up, 3 right, 4 down
    uint8_t moving = 0;
    uint8_t pushing = 0;
    int32_t stepX = 0;
    int32_t stepY = 0;
    uint32_t completionTime = 0;   // ClockNow of the last frame before the exit was reached
    uint32_t sparkleTime = 0;
    uint8_t newSparkle = 1;
    int32_t sparkleColumn = 0;
    int32_t sparkleRow = 0;
    int32_t drawnWidth = CELL_SIZE;
    int32_t drawnHeight = CELL_SIZE;
    int32_t landRiseWidth = 0;
    uint8_t playerGone = 0;
};

extern GameStateRecord GameState;
