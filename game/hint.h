// Hints and the dead-end warning on the model's side: when the solver is to be
// asked, what its answers mean for the position in play, and the one place a
// position of the game becomes a position of the solver. The search itself
// belongs to the shell, which may run it on a thread of its own.
#pragma once

#include "game/step.h"

#include "solver/solver.h"

#include <string>

enum GameHintQuestion : uint8_t {
    HINT_QUESTION_NONE,
    HINT_QUESTION_CHECK,       // can the level still be won?
    HINT_QUESTION_NEXT_PUSH,   // which push comes next? (its answer settles the check too)
};

// A question as it was asked, with the model's counts of the time, so that an
// answer can be told to still hold or not.
struct GameHintAsked {
    GameHintQuestion question = HINT_QUESTION_NONE;
    uint32_t positionCount = 0;
    uint32_t resetCount = 0;
    SolverPosition position;
};

// What an answer changed that the player sees.
enum GameHintEvent : uint8_t { HINT_EVENT_NONE, HINT_EVENT_SHOWN, HINT_EVENT_STUCK };

// The position in play as the solver sees it: false unless the player stands
// still on a cell of a level being played (not in the editor, not solved).
bool HintPositionOf(const GameModel& model, SolverPosition& position);
// The question due now, taken from the model; HINT_QUESTION_NONE when none is
// due or the position is between two cells.
GameHintAsked HintTakeQuestion(GameModel& model);
// Writes an answer to `asked` into the model, if it still holds there.
GameHintEvent HintTakeAnswer(GameModel& model, const GameHintAsked& asked, const SolverResult& result);
// The shown hint as its event names it: "COLUMN ROW DIRECTION", the direction
// as a move letter.
std::string HintText(const GameHint& hint);

// The rules' part, in the play step, undo and level start.
// H in a play frame: a press asks for the next push.
void HintKey(GameModel& model, bool down);
// A step has begun: the hint goes, and a push has the board checked.
void HintStepBegun(GameModel& model);
// A step was taken back; when it had changed the board, a warning no longer holds.
void HintUndone(GameModel& model, bool boardChanged);
// A level (re)starts: nothing is due and nothing said holds.
void HintReset(GameModel& model);
