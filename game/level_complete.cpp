// The level-complete sequence: the player shrinks, land rises over the exit,
// the banner shows after a second, and the next level starts after six, or
// at once when Space is down once the banner shows.
// Progress is recorded in every frame of the sequence. A play-test's
// sequence goes back to the editor instead and records nothing; a watched
// one gives the level back from its start.
#include "game/play.h"
#include "game/play_test.h"
#include "game/watch.h"

#include "format/sheet_layout.h"

namespace {

const int32_t SHRUNK_PLAYER_SIZE = 35;
const uint32_t BANNER_AFTER_MS = 1000;
const uint32_t FINISH_SOUND_AFTER_MS = 4000;
const uint32_t NEXT_LEVEL_AFTER_MS = 6000;

} // namespace

void SequenceAnimate(GameModel& model)
{
    if (model.drawnWidth > SHRUNK_PLAYER_SIZE) {
        --model.drawnWidth;
        --model.drawnHeight;
        if (RandomBelow(model.random, 2) == 1) {
            ++model.playerX;
            ++model.playerY;
        }
    }
    GameView& view = model.view;
    view.player = model.playerGone ? PLAYER_HIDDEN : PLAYER_SHRUNK;
    view.playerX = model.playerX;
    view.playerY = model.playerY;
    view.playerFrame = model.walk.frame;
    view.playerWidth = model.drawnWidth;
    view.playerHeight = model.drawnHeight;

    // The land rises over the exit laid last.
    int32_t exitColumn = model.exitX / CELL_SIZE;
    int32_t exitRow = model.exitY / CELL_SIZE;
    view.coverShown = 1;
    model.landFrame = SHEET_COVERING_LAND_FRAME;
    view.coverWidth = model.landRiseWidth;
    ++model.landRiseWidth;
    if (model.landRiseWidth > CELL_SIZE) {
        model.landRiseWidth = CELL_SIZE;
        if (BoardHasCell(exitColumn, exitRow))
            model.board[exitColumn][exitRow] = TILE_LAND;
        model.playerGone = 1;
    }
}

void SequenceTimers(GameModel& model, bool skip, uint32_t now, GameLevelStore& store, GameEffects& effects)
{
    uint32_t elapsed = now - model.completionTime;
    model.view.bannerShown = elapsed > BANNER_AFTER_MS;
    if (elapsed > FINISH_SOUND_AFTER_MS && model.finishedSound) {
        effects.Add(EFFECT_SOUND, SOUND_FINISHED);
        model.finishedSound = 0;
    }
    // Space skips the rest of the wait once the banner is up.
    bool skipped = skip && model.view.bannerShown;
    bool over = elapsed > NEXT_LEVEL_AFTER_MS || skipped;
    // A play-test's solve counts for nothing: back to the editor.
    if (model.edit.playTest) {
        if (over)
            PlayTestReturn(model);
        return;
    }
    // A watched solve too: the level from its start for the player.
    if (WatchPlaying(model)) {
        if (over)
            WatchStop(model, WATCH_END_EXIT);
        return;
    }
    if (over && !model.allFinished)
        GameStartLevel(model, store, effects);
    effects.Add(EFFECT_PROGRESS, model.currentLevel);
}
