// The status line: what the menu bar shows on its right.
#include "game/step.h"

namespace {

// The empty board the editor opens with has nothing to play; from the first
// change on, the line names P as well.
const char* const EDITOR_STATUS = "Editor   S save   L load   Enter back";
const char* const EDITOR_STATUS_TOUCHED = "Editor   S save   L load   P play   Enter back";
const char* const PLAY_TEST_STATUS = "Play-test";
const char* const PLAY_TEST_BACK = "D back";
// What the solver found, in place of the counters while it holds.
const char* const STUCK_STATUS = "No way out: Z to undo, R to restart";
const char* const NO_HINT_STATUS = "No hint found";
const char* const WALK_STATUS = "No push needed: walk to the exit";
const char* const STATUS_GAP = "   ";
// A watch: what is looked for, what plays, and that any key stops it.
const char* const WATCH_SEARCH_STATUS = "Looking for the fewest pushes...   Any key stops";
const char* const WATCH_SOLUTION_STATUS = "Solution";
const char* const WATCH_BEST_STATUS = "Your best";
const char* const WATCH_STOP_STATUS = "Any key stops";
const char* const WATCH_UNDECIDED_STATUS = "No solution found to watch";
const char* const WATCH_UNSOLVABLE_STATUS = "No solution to watch: the level can't be solved";

std::string Counters(const GameModel& model)
{
    return "Moves " + std::to_string(model.moves) + STATUS_GAP + "Pushes " + std::to_string(model.pushes);
}

} // namespace

int32_t GameStatusLevel(const GameModel& model)
{
    // Once solved, the level number has moved on; the line names the level
    // the sequence belongs to until the next one starts.
    return model.levelComplete ? model.resetLevel : model.currentLevel;
}

std::string GameStatusLine(const GameModel& model, const GameBest& best, const GameStatusName& name)
{
    if (model.editor)
        return EditorBoardTouched(model) ? EDITOR_STATUS_TOUCHED : EDITOR_STATUS;
    if (model.watch.phase == WATCH_WANTED || model.watch.phase == WATCH_SEARCHING)
        return WATCH_SEARCH_STATUS;
    if (!model.levelComplete) {
        if (model.hint.stuck)
            return STUCK_STATUS;
        if (model.hint.note == HINT_NOTE_NOT_FOUND)
            return NO_HINT_STATUS;
        if (model.hint.note == HINT_NOTE_WALK)
            return WALK_STATUS;
        if (model.watch.note == WATCH_NOTE_UNDECIDED)
            return WATCH_UNDECIDED_STATUS;
        if (model.watch.note == WATCH_NOTE_UNSOLVABLE)
            return WATCH_UNSOLVABLE_STATUS;
    }
    if (model.edit.playTest)
        return std::string(PLAY_TEST_STATUS) + STATUS_GAP + Counters(model) + STATUS_GAP + PLAY_TEST_BACK;
    std::string line = name.word;
    if (name.numbered)
        line += " " + std::to_string(GameStatusLevel(model));
    line += STATUS_GAP;
    line += Counters(model);
    if (best.known) {
        line += STATUS_GAP;
        line += "Best " + std::to_string(best.moves) + " / " + std::to_string(best.pushes);
    }
    if (model.watch.phase == WATCH_PLAYING)
        line = (model.watch.source == WATCH_SOURCE_BEST ? WATCH_BEST_STATUS : WATCH_SOLUTION_STATUS) + std::string(STATUS_GAP) +
               line + STATUS_GAP + WATCH_STOP_STATUS;
    return line;
}
