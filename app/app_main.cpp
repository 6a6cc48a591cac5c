// The main function and the main loop: one message per pass, then one frame
// of play or of the editor while the game window is active.
#include "app/app.h"

#include "game/board.h"
#include "game/editor.h"
#include "game/game_state.h"
#include "game/play.h"

namespace {

const char* const WINDOW_TITLE = "Quagmore";
const char* const WINDOW_ICON_FILE = "icon.bmp";
const int WINDOW_X = 100;
const int WINDOW_Y = 10;
const int WINDOW_SIZE = 600;
const int EXIT_NO_WINDOW = 1;

// Runs passes until the quit or destroy message is taken; returns its wParam.
uint32_t RunMainLoop()
{
    PlatformMessage message;
    uint32_t lastWParam = 0;
    for (;;) {
        bool taken = PlatformPeekMessage(&message) != 0;
        if (taken) {
            lastWParam = message.wParam;
            PlatformDispatchMessage(message);
            if (message.message == PLATFORM_WM_QUIT || message.message == PLATFORM_WM_DESTROY)
                break;
        }
        if (PlatformWindowActive()) {
            PlatformFrameBegin();
            if (GameState.editor)
                EditorFrame();
            else
                PlayFrame();
        } else if (!taken) {
            // Nothing to run while another window is active: wait, don't spin.
            PlatformWaitMessage();
        }
    }
    return lastWParam;
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
    window.proc = MainWndProc;
    // WM_CREATE reads the saved level and enables the level menu.
    // The platform says on stderr why a window can't be made.
    if (!PlatformCreateWindow(window))
        return EXIT_NO_WINDOW;

    GameStartup();
    ShowProgressNotice();
    StartLevel();
    uint32_t exitCode = RunMainLoop();
    GameShutdown();
    return static_cast<int>(exitCode);
}
