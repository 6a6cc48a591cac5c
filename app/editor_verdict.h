// The editor's verdict on its board: solvable (with the fewest pushes and
// moves), no solution, no start, no exit, or too large to decide. The solver
// works on a thread of its own in the game, so no frame waits for it; the
// simulator answers inline, so its scripts come out the same everywhere.
#pragma once

#include "game/model.h"
#include "solver/solver.h"

#include <string>

// Before the first question: answer inline, with no time limit (the budget is
// bounded by states and memory only).
void EditorVerdictUseInline();
// The same within a budget of its own (the browser's page, which has no
// threads, keeps the game's time limit).
void EditorVerdictUseInlineWithin(const SolverBudget& budget);
// After every step and menu command: asks about the editor's board when it
// has changed. Outside the editor, or on the empty board it opens with,
// there is no verdict.
void EditorVerdictAsk(const GameModel& model);
// The verdict to show: "Solving..." while it is being decided, empty when
// there is none. A verdict that differs from the last one shown is traced.
std::string EditorVerdictText();
// Stops the solver's thread.
void EditorVerdictStop();
