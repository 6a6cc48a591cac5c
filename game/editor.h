// The level editor: mouse presses paint the board, S and L save and load the
// editor's level file, Enter goes back to play.
#pragma once

#include "game/step.h"

void EditorStep(GameModel& model, const GameInput& input, GameLevelStore& store, GameEffects& effects);
