// The status line: what the menu bar shows on its right.
#include "game/step.h"

namespace {

const char* const EDITOR_STATUS = "Editor   S save   L load   Enter back";
const char* const STATUS_GAP = "   ";

} // namespace

int32_t GameStatusLevel(const GameModel& model)
{
    // Once solved, the level number has moved on; the line names the level
    // the sequence belongs to until the next one starts.
    return model.levelComplete ? model.resetLevel : model.currentLevel;
}

std::string GameStatusLine(const GameModel& model, const GameBest& best)
{
    if (model.editor)
        return EDITOR_STATUS;
    std::string line = "Level " + std::to_string(GameStatusLevel(model));
    line += STATUS_GAP;
    line += "Moves " + std::to_string(model.moves);
    line += STATUS_GAP;
    line += "Pushes " + std::to_string(model.pushes);
    if (best.known) {
        line += STATUS_GAP;
        line += "Best " + std::to_string(best.moves) + " / " + std::to_string(best.pushes);
    }
    return line;
}
