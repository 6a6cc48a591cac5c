// The application shell: the main function, the window procedure and main
// loop, the menu and About box, saved progress, start-up and shutdown.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <vector>

enum : uint16_t {
    IDM_EXIT = 2,
    IDM_ABOUT = 4,
    IDM_RESET = 5,
    IDM_LEVEL_1 = 21,
    IDM_LEVEL_12 = 32,
};

// The program: second-copy check, window, start-up, first level, main loop,
// shutdown. Returns the process exit code: 1 when the window can't be made.
// The platform's directories must be set before it is called.
int AppMain();

int32_t MainWndProc(uint32_t message, uint32_t wParam, int32_t lParam);
void ShowMessage(const char* text);

// The menu bar: File (Reset, Levels with Level 1 to Level 12 grayed, Exit) and Help (About).
std::vector<PlatformMenuItem> AppMenu();
void HandleMenuCommand(uint16_t id, int32_t lParam, uint16_t notifyCode);
// The texts of the About box.
PlatformAboutText AboutText();
void ShowAboutBox();
uint8_t ReadSavedLevel();
// Saves the level once per solve; a failed save is shown to the player.
void WriteSavedLevel(uint8_t level);
// Shows what the player must know about the saved progress (a damaged file
// set aside), once.
void ShowProgressNotice();
void EnableLevelMenu(int32_t level);
int GameStartup();
int GameShutdown();
