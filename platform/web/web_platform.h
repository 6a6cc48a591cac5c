// State and helpers shared by the files of the browser platform. Not part of
// the game's interface: app/, game/ and engine/ see only platform/platform.h.
//
// The page (page/index.html, page/quagmore_page.js) draws the menu bar, the
// status line and the boxes in HTML; this side calls it through EM_JS and is
// called back through the exported Web* functions below.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

// The boxes the page shows over the picture; frames stand still while one is open.
enum class WebDialog : uint8_t { None, Message, About, Help, Share };

struct WebPlatform {
    bool windowExists = false;
    bool menuOpen = false;                      // a menu of the bar is open
    bool hidden = false;                        // the page is not shown (another tab)
    WebDialog dialog = WebDialog::None;
    std::deque<PlatformEvent> queue;
    std::map<uint32_t, bool> menuEnabled;       // by command
    std::map<uint32_t, std::string> menuMarks;  // by command
    std::string status;                         // as the game last set it
    std::string statusShown;                    // as the page shows it
    uint64_t framesBegun = 0;
    // Keys by KeyboardEvent.code: held now, and those that closed a box or a
    // menu, which read as up until they are released.
    std::set<std::string> held;
    std::set<std::string> swallowed;
    // The key each bound key acts as (a code), from the player's settings.
    std::map<std::string, std::string> actsAs;
};

extern WebPlatform Web;

// web_window.cpp: the menu bar as JSON for the page.
std::string WebMenuJson(const std::vector<PlatformMenuItem>& menu);
// A JSON string literal of text.
std::string WebJsonString(const std::string& text);
// Shows the status line the window's state calls for, when it changed.
void WebStatusRefresh();

// web_keyboard.cpp: the player's bindings from the settings; problems go to
// the browser's console.
void WebKeyboardStart();
// Makes every key held now read as up until it is released.
void WebKeyboardSwallowHeld();

// web_mouse.cpp: presses on the canvas become the game's events.
void WebMouseStart();

// web_present.cpp: the main loop's frame callback.
void WebLoopStart(bool (*pass)(), void (*finish)());

// web_files.cpp: the user's files kept in the browser's storage after every write.
void WebFilesStart();

// Called by the page (exported; see CMakeLists.txt).
extern "C" {
void WebMenuCommand(uint32_t command);
void WebMenuOpen(int open);
void WebDialogClosed();
void WebPageHidden(int hidden);
void WebDropFile(const char* path);
void WebFilesFailed(const char* why);
double WebFrameMsMedian();
}
