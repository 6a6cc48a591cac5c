// The play-test: the editor's board played as drawn, without saving it. Its
// solve counts for nothing; the editor gets the board back as it was drawn.
#pragma once

#include "game/step.h"

// Starts playing the editor's board. False, and nothing changes, when the
// board has no start cell.
bool PlayTestStart(GameModel& model);
// R and File > Reset in a play-test: the drawn board from its start.
void PlayTestRestart(GameModel& model);
// Back to the editor with the board as drawn.
void PlayTestReturn(GameModel& model);
