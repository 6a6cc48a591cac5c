// The sparkle: a glint that shows on one water cell for one run of its
// animation, hides for two seconds, and moves on to another water cell.
#include "game/play.h"

#include "game/anim.h"

namespace {

const uint32_t SPARKLE_HIDDEN_MS = 2000;
const int32_t SPARKLE_LAST_FRAME = 7;

bool BoardHasWater(const GameModel& model)
{
    for (const auto& column : model.board)
        for (int32_t cell : column)
            if (cell == TILE_WATER)
                return true;
    return false;
}

// Draws random cells until one is water. With no water on the board no cell
// is chosen and the flag stays set, so a later frame tries again.
void ChooseSparkleCell(GameModel& model, uint32_t now)
{
    if (!BoardHasWater(model))
        return;
    do {
        model.sparkleColumn = RandomBelow(model.random, BOARD_SIZE);
        model.sparkleRow = RandomBelow(model.random, BOARD_SIZE);
    } while (model.board[model.sparkleColumn][model.sparkleRow] != TILE_WATER);
    model.sparkleTime = now;
    model.newSparkle = 0;
}

} // namespace

void SparkleUpdate(GameModel& model, uint32_t now)
{
    model.view.sparkleShown = 0;
    if (model.newSparkle) {
        ChooseSparkleCell(model, now);
        if (model.newSparkle)
            return;
    }
    if (now - model.sparkleTime <= SPARKLE_HIDDEN_MS)
        return;
    // The animation is never rewound: it runs on across cells and levels.
    AnimAdvance(model.sparkle, SPARKLE_LIST_FRAMES, SPARKLE_LIST_LENGTH, SPARKLE_DELAY);
    model.view.sparkleShown = 1;
    if (model.sparkle.frame == SPARKLE_LAST_FRAME)
        model.newSparkle = 1;
}
