// The order of one play frame: the keys, the move, the layers as they are
// laid, the pile in transit, the player's step and the level-complete sequence.
#include "game/play.h"

#include "game/editor.h"
#include "game/hint.h"
#include "game/play_test.h"
#include "game/render.h"
#include "game/shore_pieces.h"
#include "game/undo.h"
#include "game/watch.h"

#include <algorithm>

namespace {

const char* const NO_KEYBOARD = "No keyboard!";

// What laying the board's layers fixes for the frame: the board as shown, and
// the last land, pile and exit cells laid, which the land picture, the pile
// and the exit position keep until they are laid again.
void LayLayers(GameModel& model)
{
    GameView& view = model.view;
    std::copy(&model.board[0][0], &model.board[0][0] + LEVEL_TILE_BYTES, &view.board[0][0]);
    view.exitFrame = model.exitFrame;
    int32_t lastLand = -1;
    int32_t lastPile = -1;
    int32_t lastExit = -1;
    for (int32_t cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
        int32_t code = model.board[cell / BOARD_SIZE][cell % BOARD_SIZE];
        if (code == TILE_LAND)
            lastLand = cell;
        else if (code == TILE_PILE)
            lastPile = cell;
        else if (code == TILE_EXIT)
            lastExit = cell;
    }
    // Piles are laid after land, each on its own land.
    int32_t lastLandPicture = lastPile >= 0 ? lastPile : lastLand;
    if (lastLandPicture >= 0)
        model.landFrame = ShoreFrame(model.board, lastLandPicture / BOARD_SIZE, lastLandPicture % BOARD_SIZE);
    if (lastPile >= 0) {
        model.pileX = lastPile / BOARD_SIZE * CELL_SIZE;
        model.pileY = lastPile % BOARD_SIZE * CELL_SIZE;
    }
    if (lastExit >= 0) {
        model.exitX = lastExit / BOARD_SIZE * CELL_SIZE;
        model.exitY = lastExit % BOARD_SIZE * CELL_SIZE;
    }
}

} // namespace

void PlayStep(GameModel& model, const GameInput& keys, uint32_t now, GameLevelStore& store, GameEffects& effects)
{
    // A watch takes the keys first: while it plays, none acts.
    const GameInput input = WatchTakeKeys(model, keys);
    // P acts when it goes down in the editor: one held through play is no new press.
    model.edit.playHeld = input.play;
    // D or Escape in a play-test: back to the editor, the board as drawn.
    if (model.edit.playTest && (input.editor || input.escape)) {
        PlayTestReturn(model);
        return;
    }
    GameView& view = model.view;
    view.kind = VIEW_PLAY;
    view.pileShown = 0;
    view.pileOverWater = 0;
    view.coverShown = 0;
    view.bannerShown = 0;
    view.player = PLAYER_HIDDEN;

    // Escape ends the program through the shell; this frame still runs.
    if (input.escape)
        effects.Add(EFFECT_QUIT);
    if (!input.keyboard)
        effects.Add(EFFECT_MESSAGE, 0, NO_KEYBOARD);
    // Keys act in every frame they are down: R held restarts again and again.
    if (input.reset)
        GameRestartLevel(model, store, effects);
    if (input.editor) {
        model.editor = 1;
        model.clearBoard = 1;
        model.edit.undo.clear();
        model.edit.pressedFrames = 0;
    }
    HintKey(model, input.hint);

    // The undo key takes a step back, and the arrows start none in its frame.
    // Nothing is taken back in the editor or once the level is solved, and a
    // player who has just reached the exit has solved it.
    GameInput moveInput = input;
    if (UndoKeyFires(model, input.undo, now) && !model.editor) {
        PlayApplyExitRule(model, effects);
        if (!model.levelComplete && UndoTakeBack(model))
            moveInput.left = moveInput.up = moveInput.right = moveInput.down = false;
    }

    WatchSteer(model, moveInput);
    PlayChooseDirection(model, moveInput, effects);
    if (PlayApplyExitRule(model, effects)) {
        GameUndoStep start = UndoCapture(model);
        PlayDecideMovement(model);
        if (model.moving && !model.levelComplete) {
            model.undo.push_back(start);
            ++model.moves;
            model.path += PlayDirectionLetter(model.direction);
            if (model.pushing)
                ++model.pushes;
            // A watched path needs no check of the position.
            if (!WatchPlaying(model))
                HintStepBegun(model);
        }
    }

    SparkleUpdate(model, now);
    LayLayers(model);
    if (model.pushing) {
        PlayMovePileInTransit(model, effects);
        view.pileShown = 1;
        view.pileOverWater = ShorePileOverWater(model.board, model.pileX, model.pileY);
    }

    if (model.moving)
        PlayStepPlayer(model);

    if (model.levelComplete) {
        SequenceAnimate(model);
        SequenceTimers(model, input.skip, now, store, effects);
    } else {
        view.player = PLAYER_WHOLE;
        view.playerX = model.playerX;
        view.playerY = model.playerY;
        view.playerFrame = model.walk.frame;
        view.playerWidth = CELL_SIZE;
        view.playerHeight = CELL_SIZE;
        model.completionTime = now;
    }
}

void GameStep(GameModel& model, const GameInput& input, uint32_t now, GameLevelStore& store, GameEffects& effects)
{
    if (model.editor)
        EditorStep(model, input, now, store, effects);
    else
        PlayStep(model, input, now, store, effects);
}
