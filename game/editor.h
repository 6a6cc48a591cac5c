// The level editor: mouse presses paint the board, S and L save and load the
// editor's level file, Z takes changes back, G shows the grid, P plays the
// board as drawn, Enter goes back to play.
#pragma once

#include "game/step.h"

// A press stays highlighted (with the grid shown) for this many frames.
enum { EDITOR_PRESS_HIGHLIGHT_FRAMES = 12 };

void EditorStep(GameModel& model, const GameInput& input, uint32_t now, GameLevelStore& store, GameEffects& effects);
// The editor's board as undo keeps it.
GameEditorBoard EditorBoardOf(const GameModel& model);
// In the editor, keeps `before` for undo when the board has changed since.
void EditorKeepIfChanged(GameModel& model, const GameEditorBoard& before);
// Lays the editor's board for the picture: piles, exits and the player keep
// the position of the last cell they were laid on, as in play.
void EditorLay(GameModel& model);
