// The level-complete sequence: the player shrinks, land rises over the exit,
// the banner shows after a second, and the next level starts after six.
// Progress is recorded in every frame of the sequence.
#include "game/play.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/render.h"
#include "game/sprites.h"

#include "app/app.h"
#include "engine/clock.h"
#include "engine/sound.h"

namespace {

const int32_t SHRUNK_PLAYER_SIZE = 35;
const uint32_t BANNER_AFTER_MS = 1000;
const uint32_t FINISH_SOUND_AFTER_MS = 4000;
const uint32_t NEXT_LEVEL_AFTER_MS = 6000;

} // namespace

void AnimateLevelComplete()
{
    if (GameState.drawnWidth > SHRUNK_PLAYER_SIZE) {
        --GameState.drawnWidth;
        --GameState.drawnHeight;
        if (RandomBelow(2) == 1) {
            ++PlayerSprite.x;
            ++PlayerSprite.y;
        }
    }
    if (!GameState.playerGone)
        DrawShrinkingPlayer();

    // The exit is the one the exit layer drew last.
    int32_t exitColumn = ExitSprite.x / CELL_SIZE;
    int32_t exitRow = ExitSprite.y / CELL_SIZE;
    DrawCoveringLand(exitColumn, exitRow);
    ++GameState.landRiseWidth;
    if (GameState.landRiseWidth > CELL_SIZE) {
        GameState.landRiseWidth = CELL_SIZE;
        if (BoardHasCell(exitColumn, exitRow))
            Board[exitColumn][exitRow] = TILE_LAND;
        GameState.playerGone = 1;
    }
}

void RunSequenceTimers()
{
    uint32_t elapsed = ClockNow() - GameState.completionTime;
    if (elapsed > BANNER_AFTER_MS)
        DrawBanner();
    if (elapsed > FINISH_SOUND_AFTER_MS && GameState.finishedSound) {
        SoundPlay(SoundIds[SOUND_FINISHED], 0);
        GameState.finishedSound = 0;
    }
    if (elapsed > NEXT_LEVEL_AFTER_MS && !GameState.allFinished)
        StartLevel();
    EnableLevelMenu(GameState.currentLevel);
    if (GameState.currentLevel > ReadSavedLevel())
        WriteSavedLevel(GameState.currentLevel);
}
