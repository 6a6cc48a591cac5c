// The main function and the main loop: one event per pass, then one frame
// of play or of the editor while the game window is active.
#include "app/app.h"
#include "app/editor_verdict.h"

namespace {

const char* const WINDOW_TITLE = "Quagmore";
const char* const WINDOW_ICON_FILE = "icon.bmp";
const int WINDOW_X = 100;
const int WINDOW_Y = 10;
const int WINDOW_SIZE = 600;
const int EXIT_CODE = 0;
const int EXIT_NO_WINDOW = 1;

// One pass of the main loop: at most one event, then a frame while the game
// window is active. False once the window is gone.
bool MainLoopPass()
{
    PlatformEvent event;
    bool taken = PlatformPollEvent(&event) != 0;
    if (taken) {
        if (event.kind == PLATFORM_EVENT_QUIT)
            return false;
        AppHandleEvent(event);
    }
    if (PlatformWindowActive()) {
        PlatformFrameBegin();
        AppRunFrame();
    } else if (!taken) {
        // Nothing to run while another window is active: wait, don't spin.
        PlatformWaitEvent();
    }
    return true;
}

// After the last pass: the solver's threads, then everything started.
void MainLoopFinish()
{
    EditorVerdictStop();
    AppHintStop();
    AppWatchStop();
    AppDailyStop();
    GameShutdown();
}

} // namespace

int AppMain()
{
    if (!PlatformAcquireInstanceLock())
        return 0;

    PlatformWindowDesc window;
    window.title = WINDOW_TITLE;
    window.x = WINDOW_X;
    window.y = WINDOW_Y;
    window.width = WINDOW_SIZE;
    window.height = WINDOW_SIZE;
    window.menu = AppMenu();
    window.iconFile = WINDOW_ICON_FILE;
    // The platform says on stderr why a window can't be made.
    if (!PlatformCreateWindow(window))
        return EXIT_NO_WINDOW;
    EnableViewMenu();
    if (!PlatformThreadsAllowed()) {
        // One thread: the solver answers within the frame that asks, within the game's budget.
        AppHintSetup(SOLVER_WORKER_INLINE, AppGameSolverBudget(), nullptr);
        EditorVerdictUseInlineWithin(AppGameSolverBudget());
        AppWatchSetup(SOLVER_WORKER_INLINE, AppGameSolverBudget());
        AppDailySetup(SOLVER_WORKER_INLINE);
    }
    AppCampaignMarkMenu();
    // The game goes on from the highest level reached.
    Game.currentLevel = ReadSavedLevel();
    EnableLevelMenu(Game.currentLevel);

    GameStartup();
    ShowProgressNotice();
    RecordsShowInMenu();
    if (!AppDailyBegin())
        AppStartLevel();
    PlatformRunMainLoop(MainLoopPass, MainLoopFinish);
    return EXIT_CODE;
}
