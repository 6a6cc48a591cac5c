// The rules of a play frame, in the order the play step runs them.
#pragma once

#include "game/step.h"

enum GameDirection : int32_t { DIRECTION_NONE = 0, DIRECTION_LEFT = 1, DIRECTION_UP = 2, DIRECTION_RIGHT = 3, DIRECTION_DOWN = 4 };
// The player's position stays on the board: at most the last cell's corner.
enum { PLAYER_STEP = 5, PLAYER_MAX_POSITION = (BOARD_SIZE - 1) * CELL_SIZE };

void PlayStep(GameModel& model, const GameInput& input, uint32_t now, GameLevelStore& store, GameEffects& effects);

// True when the player stands exactly on a cell.
bool PlayerAligned(const GameModel& model);
int32_t PlayerColumn(const GameModel& model);
int32_t PlayerRow(const GameModel& model);

// On an aligned frame outside the sequence, standing on an exit solves the
// level. Returns whether the player is aligned.
bool PlayApplyExitRule(GameModel& model, GameEffects& effects);
void PlayChooseDirection(GameModel& model, const GameInput& input, GameEffects& effects);
void PlayDecideMovement(GameModel& model);
// The letter of a move in a solve's path: L, U, R or D.
char PlayDirectionLetter(int32_t direction);
// Places the pile in transit one cell ahead of the player and lands it when
// it is aligned on its target cell.
void PlayMovePileInTransit(GameModel& model, GameEffects& effects);
void PlayStepPlayer(GameModel& model);
// The player stands still on a cell: no step or push runs on.
void PlayStandStill(GameModel& model);
// The sparkle: a new water cell when one is due, and its glint.
void SparkleUpdate(GameModel& model, uint32_t now);
// The player shrinks and land rises over the exit.
void SequenceAnimate(GameModel& model);
// Banner, finish sound, next level and progress of the sequence; skip is
// Space.
void SequenceTimers(GameModel& model, bool skip, uint32_t now, GameLevelStore& store, GameEffects& effects);
