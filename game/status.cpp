// The status line: what the menu bar shows on its right.
#include "game/step.h"

namespace {

const char* const EDITOR_STATUS = "Editor   S save   L load   Enter back";
const char* const STATUS_GAP = "   ";

} // namespace

std::string GameStatusLine(const GameModel& model)
{
    if (model.editor)
        return EDITOR_STATUS;
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
