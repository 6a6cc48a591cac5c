// The sparkle: a glint that shows on one water cell for one run of its
// animation, hides for two seconds, and moves on to another water cell.
#include "game/render.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"

#include "engine/bob.h"
#include "engine/clock.h"
#include "engine/display.h"

namespace {

const uint32_t SPARKLE_HIDDEN_MS = 2000;
const int32_t SPARKLE_LAST_FRAME = 7;

bool BoardHasWater()
{
    for (const auto& column : Board)
        for (int32_t cell : column)
            if (cell == TILE_WATER)
                return true;
    return false;
}

// Draws random cells until one is water. With no water on the board no cell
// is chosen and the flag stays set, so a later frame tries again.
void ChooseSparkleCell()
{
    if (!BoardHasWater())
        return;
    do {
        GameState.sparkleColumn = RandomBelow(BOARD_SIZE);
        GameState.sparkleRow = RandomBelow(BOARD_SIZE);
    } while (Board[GameState.sparkleColumn][GameState.sparkleRow] != TILE_WATER);
    GameState.sparkleTime = ClockNow();
    GameState.newSparkle = 0;
}

} // namespace

void DrawSparkle()
{
    if (GameState.newSparkle) {
        ChooseSparkleCell();
        if (GameState.newSparkle)
            return;
    }
    if (ClockNow() - GameState.sparkleTime <= SPARKLE_HIDDEN_MS)
        return;
    // The animation is never rewound: it runs on across cells and levels.
    BobSetPosition(&SparkleSprite, GameState.sparkleColumn * CELL_SIZE, GameState.sparkleRow * CELL_SIZE);
    BobAnimate(&SparkleSprite);
    BobDraw(&SparkleSprite, MainDisplay.backSurface);
    if (SparkleSprite.frameIndex == SPARKLE_LAST_FRAME)
        GameState.newSparkle = 1;
}
