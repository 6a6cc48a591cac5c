// One frame of play: the rules that move the player and the piles, the exit
// and the level-complete sequence, and the order in which a frame runs them
// together with the drawing.
#pragma once

#include "game/board.h"

#include <cstdint>

enum { DIRECTION_NONE = 0, DIRECTION_LEFT = 1, DIRECTION_UP = 2, DIRECTION_RIGHT = 3, DIRECTION_DOWN = 4 };
// The player's position stays on the board: at most the last cell's corner.
enum { PLAYER_STEP = 5, PLAYER_MAX_POSITION = (BOARD_SIZE - 1) * CELL_SIZE };

// One pass of play, presentation included. Returns 1.
int PlayFrame();
// Everything PlayFrame does except presenting the back surface.
void PlayFrameBody();

// True when the player stands exactly on a cell; on such a frame outside the
// level-complete sequence it also applies the exit rule.
bool CellReached();
int32_t PlayerColumn();
int32_t PlayerRow();

// The rule steps of a frame, in the order PlayFrameBody runs them.
void ChooseDirection();
void DecideMovement();
// Places the pile in transit one cell ahead of the player and lands it when
// it is aligned on its target cell. Draws nothing.
void MovePileInTransit();
void StepPlayer();
// The shrinking player, the land that rises over the exit, and their drawing.
void AnimateLevelComplete();
// Banner, finish sound, next level and progress of the level-complete sequence.
void RunSequenceTimers();
