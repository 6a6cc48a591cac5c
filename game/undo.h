// Undo: every step of the player and every restart is kept as the position
// before it, so that the steps can be taken back one at a time to the level
// start.
#pragma once

#include "game/step.h"

// The position of the model as a step would take it back.
GameUndoStep UndoCapture(const GameModel& model);
// Puts the position back: board, player, pile and counters; the player stands
// still on the cell the step began from.
void UndoRestore(GameModel& model, const GameUndoStep& step);
// True in the frames in which the undo key takes a step back: the frame it
// goes down, then after a pause again and again while it is held.
bool UndoKeyFires(GameModel& model, bool down, uint32_t now);
// Takes the latest step back. False when there is none.
bool UndoTakeBack(GameModel& model);
