// The status line: what the menu bar shows on its right.
#include "game/step.h"

namespace {

const char* const EDITOR_STATUS = "Editor   S save   L load   Enter back";
// What the solver found, in place of the counters while it holds.
const char* const STUCK_STATUS = "No way out: Z to undo, R to restart";
const char* const NO_HINT_STATUS = "No hint found";
const char* const WALK_STATUS = "No push needed: walk to the exit";
const char* const STATUS_GAP = "   ";

} // namespace

std::string GameStatusLine(const GameModel& model)
{
    if (model.editor)
        return EDITOR_STATUS;
    if (!model.levelComplete) {
        if (model.hint.stuck)
            return STUCK_STATUS;
        if (model.hint.note == HINT_NOTE_NOT_FOUND)
            return NO_HINT_STATUS;
        if (model.hint.note == HINT_NOTE_WALK)
            return WALK_STATUS;
    }
    // Once solved, the level number has moved on; the line names the level
    // the sequence belongs to until the next one starts.
    int32_t level = model.levelComplete ? model.resetLevel : model.currentLevel;
    std::string line = "Level " + std::to_string(level);
    line += STATUS_GAP;
    line += "Moves " + std::to_string(model.moves);
    line += STATUS_GAP;
    line += "Pushes " + std::to_string(model.pushes);
    return line;
}
