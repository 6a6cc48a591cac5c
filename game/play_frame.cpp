// The order of one play frame: input, rules and layers interleaved exactly
// as the game has always run them, then the presentation.
#include "game/play.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/render.h"

#include "app/app.h"
#include "engine/clock.h"
#include "engine/display.h"
#include "engine/input.h"
#include "platform/platform.h"

void PlayFrameBody()
{
    // Escape ends the program through the main loop; this frame still runs.
    if (KeyAsyncDown(VK_ESCAPE))
        PlatformPostMessage(PLATFORM_WM_DESTROY, 0, 0);
    if (!KeyboardPoll())
        ShowMessage("No keyboard!");
    // Keys act in every frame they are down: R held restarts again and again.
    if (KeyState[DIK_R] != 0)
        ResetLevel();
    if (KeyState[DIK_D] != 0) {
        GameState.editor = 1;
        GameState.clearBoard = 1;
    }

    ChooseDirection();
    if (CellReached())
        DecideMovement();

    DrawWaterLayer();
    DrawSparkle();
    DrawLandLayer();
    DrawPileLayer();
    DrawExitLayer();
    if (GameState.pushing) {
        MovePileInTransit();
        DrawPileInTransit();
    }

    if (GameState.moving)
        StepPlayer();

    if (GameState.levelComplete) {
        AnimateLevelComplete();
        RunSequenceTimers();
    } else {
        DrawPlayer();
        GameState.completionTime = ClockNow();
    }
}

int PlayFrame()
{
    PlayFrameBody();
    DisplayPresent();
    return 1;
}
