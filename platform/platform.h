// The platform layer: everything the game needs from the operating system,
// its window, keyboard, mouse, sound device, clock and files.
//
// Two implementations link against this one interface: platform/sdl (the real
// game, SDL2 + SDL2_mixer + Dear ImGui) and platform/headless (tests and the
// simulator: scripted input, a virtual clock, recorded sounds and messages).
// platform/common holds the parts both share (paths, saved progress, the
// single-instance lock).
//
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct Picture;   // engine/picture.h

// ---------------------------------------------------------------------------
// Events the window hands the application, one at a time.
enum PlatformEventKind : uint8_t {
    PLATFORM_EVENT_CLOSE,        // the close box, or a request to end: the window should go
    PLATFORM_EVENT_QUIT,         // the window is gone: the main loop ends
    PLATFORM_EVENT_COMMAND,      // a menu command
    PLATFORM_EVENT_MOUSE_PRESS,  // a button pressed on the picture, every press of a double click too
    PLATFORM_EVENT_DROP,         // a file dropped on the window
};

enum PlatformMouseButton : uint8_t { PLATFORM_BUTTON_LEFT, PLATFORM_BUTTON_RIGHT };

struct PlatformEvent {
    PlatformEventKind kind = PLATFORM_EVENT_CLOSE;
    uint32_t command = 0;                         // COMMAND: the item's command id
    PlatformMouseButton button = PLATFORM_BUTTON_LEFT;
    int32_t x = 0, y = 0;                         // MOUSE_PRESS: picture pixel
    bool doubleClick = false;                     // MOUSE_PRESS: the second press of a double click
    std::string path;                             // DROP: the file's path
};

// ---------------------------------------------------------------------------
// Menu: data the application hands over; the platform draws it.
// What a menu item's check mark shows: none, the zoom the picture is drawn
// at (the item's checkValue), fullscreen, or the picture fitted to the
// window. The platform, which owns the view, keeps the marks true through
// resizes and key presses.
enum PlatformMenuCheck : uint8_t {
    PLATFORM_CHECK_NONE,
    PLATFORM_CHECK_ZOOM,
    PLATFORM_CHECK_FULLSCREEN,
    PLATFORM_CHECK_FIT,
};

struct PlatformMenuItem {
    std::string text;                      // '&' marks a mnemonic and is not shown
    uint32_t command = 0;                  // 0 for a popup
    bool enabled = true;
    std::vector<PlatformMenuItem> items;   // children of a popup
    PlatformMenuCheck check = PLATFORM_CHECK_NONE;
    int checkValue = 0;                    // PLATFORM_CHECK_ZOOM: the item's zoom
};

struct PlatformAboutText {
    std::string title;                     // window title of the box
    std::string credit;                    // one-line author credit, top left
    std::string version;                   // e.g. "Version 1.0", top right
    std::vector<std::string> lines;        // body lines; an empty string is a blank line
};

// The help panel: rows of a key and what it does; a row without a key is a
// heading.
struct PlatformHelpRow {
    std::string key;
    std::string action;
};

struct PlatformHelpText {
    std::string title;
    std::vector<PlatformHelpRow> rows;
};

struct PlatformWindowDesc {
    std::string title;
    int x = 0, y = 0;                      // preferred position, used when the window fits there
    int width = 0, height = 0;             // size of the picture at zoom 1, below the menu bar
    std::vector<PlatformMenuItem> menu;    // the menu bar
    std::string iconFile;                  // bare data-file name of the window icon (BMP)
};

// ---------------------------------------------------------------------------
// Window and message loop

// Creates the one game window. Returns 1 on success, 0 on failure.
int PlatformCreateWindow(const PlatformWindowDesc& desc);
// Destroys the window and everything drawn with it, then queues
// PLATFORM_EVENT_QUIT. Every way out of the game comes through here.
void PlatformDestroyWindow();
// Takes at most one waiting event without waiting. Returns 1 if one was taken.
int PlatformPollEvent(PlatformEvent* event);
// Blocks until an event is waiting (used while the window is not active).
void PlatformWaitEvent();
// Runs pass until it returns false, then finish. The desktop and the
// simulator call them in turn and return after finish; the browser, which
// must not block, calls pass from its frame callback, as often as its frames
// of 1/60 s are due, and never returns.
void PlatformRunMainLoop(bool (*pass)(), void (*finish)());
// Queues an event for the main loop.
void PlatformPostEvent(const PlatformEvent& event);
// 1 while the game window is the one the user works in: it has the focus and
// no menu, message box or About box is open.
int PlatformWindowActive();
// Puts a new menu bar in place of the window's (the levels of another campaign).
void PlatformMenuReplace(const std::vector<PlatformMenuItem>& menu);
// Enables or grays one menu command.
void PlatformMenuEnable(uint32_t command, int enabled);
// 1 when the command's item is enabled.
int PlatformMenuIsEnabled(uint32_t command);
// Sets the mark of one menu command: a check mark and the text at the
// right of the item; an empty text takes both away.
void PlatformMenuSetMark(uint32_t command, const std::string& mark);
// The command item's mark, empty when it has none.
std::string PlatformMenuMark(uint32_t command);
// Modal message box with an empty title and an OK button.
void PlatformMessageBox(const char* text);
// Modal About box; returns when it is closed.
void PlatformAboutBox(const PlatformAboutText& about);
// Modal help panel over the picture; returns when F1, Escape or a click has
// closed it. The key that closed it reads as up until it is released.
void PlatformHelpBox(const PlatformHelpText& help);
// The status line at the right of the menu bar. While the window is inactive
// the bar says "Paused" instead.
void PlatformSetStatus(const std::string& text);
// The status line as the menu bar shows it now.
std::string PlatformStatusShown();
// A short bell, or nothing.
void PlatformBeep();
// 1 when the game may start threads of its own (the solver's); 0 in the
// browser, whose page runs on one thread.
int PlatformThreadsAllowed();
// Hands the player a level link made in the editor ("#level=" and the
// board): the desktop puts it on the clipboard and says so in a message box,
// the browser makes it the page's address and shows it in a box with a
// button that copies it.
void PlatformShareLink(const std::string& fragment);

// ---------------------------------------------------------------------------
// View: the picture is shown at a whole-number zoom or fitted to the window,
// in a window or on the whole screen. The choices are remembered in the player's settings.
enum { PLATFORM_ZOOM_MAX = 4 };
// 1 when the window at the zoom (1 to PLATFORM_ZOOM_MAX) fits the display.
int PlatformViewZoomFits(int zoom);
// Sizes the window to show the picture at the zoom, leaving fullscreen.
void PlatformViewSetZoom(int zoom);
// Switches between the window and the whole screen (also F11 and Alt+Enter).
void PlatformViewToggleFullscreen();
// Fit: the picture as large as the window (or the screen) allows, keeping
// its shape, until a zoom is chosen. 1 where the platform can draw it so.
int PlatformViewFitAvailable();
// Draws the picture fitted to the window as it is, in a window or fullscreen.
void PlatformViewSetFit();

// ---------------------------------------------------------------------------
// Display
// Waits for the next frame slot (60 per second).
void PlatformWaitVBlank();
// Shows the 600 x 600 back picture in the window's picture area.
void PlatformPresent(const Picture& back);
// The main loop tells the platform that a play or editor frame begins.
void PlatformFrameBegin();

// ---------------------------------------------------------------------------
// Keyboard: the keys the game reads.
enum PlatformKey : uint8_t {
    PLATFORM_KEY_LEFT,
    PLATFORM_KEY_UP,
    PLATFORM_KEY_RIGHT,
    PLATFORM_KEY_DOWN,
    PLATFORM_KEY_R,
    PLATFORM_KEY_D,
    PLATFORM_KEY_S,
    PLATFORM_KEY_L,
    PLATFORM_KEY_ESCAPE,
    PLATFORM_KEY_ENTER,          // either Enter key
    PLATFORM_KEY_Z,
    PLATFORM_KEY_BACKSPACE,
    PLATFORM_KEY_U,
    PLATFORM_KEY_SPACE,
    PLATFORM_KEY_F1,
    PLATFORM_KEY_P,
    PLATFORM_KEY_G,
    PLATFORM_KEY_H,
    PLATFORM_KEY_W,
    PLATFORM_KEYS,
};

struct PlatformKeys {
    bool down[PLATFORM_KEYS] = {};
};

// The keys held now. Returns 1, or 0 when there is no keyboard to read; Escape
// and Enter are filled in either way, as the window system tells of them.
// A gamepad's d-pad, stick and buttons read as the keys they stand for.
int PlatformKeyboardRead(PlatformKeys* keys);

// The actions the player may give keys of their own in the settings
// ("left=A"). A key given to an action does that action instead of its own;
// the action's default keys keep working unless given to another action.
enum PlatformAction : uint8_t {
    PLATFORM_ACTION_LEFT,
    PLATFORM_ACTION_UP,
    PLATFORM_ACTION_RIGHT,
    PLATFORM_ACTION_DOWN,
    PLATFORM_ACTION_RESTART,
    PLATFORM_ACTION_EDITOR,
    PLATFORM_ACTION_QUIT,
    PLATFORM_ACTION_UNDO,
    PLATFORM_ACTION_HINT,
    PLATFORM_ACTION_WATCH,
    PLATFORM_ACTIONS,
};
// The names of the keys that do the action now, its default keys first.
std::vector<std::string> PlatformActionKeyNames(PlatformAction action);
// The gamepad's buttons and the keys they press, for the help panel; empty
// where there are no gamepads.
std::vector<PlatformHelpRow> PlatformGamepadHelp();

// ---------------------------------------------------------------------------
// Clock
// Milliseconds since some fixed point; wraps at 2^32.
uint32_t PlatformTicks();
// Gives up the processor for about ms milliseconds.
void PlatformSleep(uint32_t ms);

// ---------------------------------------------------------------------------
// Sound. Samples are 8-bit unsigned mono at 11025 Hz.
// Opens the audio device. Returns 1, or 0 when there is none.
int PlatformSoundOpen();
// Makes a playable sound from samples on its own channel; name is the file it
// came from. Returns a handle > 0, or 0 on failure.
int PlatformSoundCreate(int channel, const uint8_t* samples, uint32_t size, const char* name);
// Plays the sound from its start (restarting it if it plays). Returns 1 or 0.
int PlatformSoundPlay(int handle);
// Stops the sound and rewinds it.
void PlatformSoundStop(int handle);
// Releases the sound.
void PlatformSoundRelease(int handle);
// Closes the audio device.
void PlatformSoundClose();

// ---------------------------------------------------------------------------
// Files and saved state (platform/common, shared by both implementations)

// Sets the game's data directory (the shipped data) and the home used for the
// user's directories. An empty home means the real one ($HOME, $XDG_*).
void PlatformSetDirectories(const std::string& gameDataDir, const std::string& home);
// The game's data directory: beside the executable in a build tree, or the
// install prefix's share/quagmore.
std::string PlatformGameDataDir();
// $XDG_DATA_HOME/quagmore (created on demand by PlatformUserFilePath).
std::string PlatformUserDataDir();
// $XDG_CONFIG_HOME/quagmore.
std::string PlatformUserConfigDir();
// Path of a data file found by bare name: the user's data directory first,
// then the game's. Returns the user's path when neither has it.
std::string PlatformFindDataFile(const std::string& name);
// Path of a file in the user's data directory, creating the directory.
std::string PlatformUserFilePath(const std::string& name);

// Opens a file for reading ("rb") when it is a regular file of at most
// maxBytes; nullptr otherwise, with *why saying what is wrong. A FIFO or a
// device is never waited on or read.
std::FILE* PlatformOpenRegularFile(const std::string& path, uint64_t maxBytes, std::string* why);
// Saves a file of the user's data directory: its first headSize bytes become
// head, the bytes past them in the file already there are kept. The file is
// replaced at once (a new file renamed over it), never followed through a
// link. Returns 1, or 0 with *why saying why it failed.
int PlatformSaveUserFile(const std::string& name, const void* head, size_t headSize, std::string* why);

// The directory of the saved progress and of the files kept with it: the
// user's config directory, or for a level pack a directory of its own below
// it, "packs/NAME-HASH", so that a pack's progress never mixes with the
// game's. An empty name is the config directory itself.
void PlatformSetProgressSubdir(const std::string& relative);
std::string PlatformProgressDir();

// Saved progress: one byte. Returns 1 and sets *value when stored, 0 when
// nothing is stored. A damaged file is set aside (see the notice below).
int PlatformProgressRead(uint8_t* value);
// Writes the byte as a new file renamed over the old. Returns 1, or 0 with
// *why saying what went wrong.
int PlatformProgressWrite(uint8_t value, std::string* why = nullptr);
// What the player should be told about the saved progress, once (a damaged
// file set aside); empty when there is nothing to tell.
std::string PlatformProgressTakeNotice();

// Single-instance lock held until the process ends. Returns 1 when this is the
// only copy, 0 when another copy holds the lock.
int PlatformAcquireInstanceLock();

// ---------------------------------------------------------------------------
// Trace points for the simulator; the real game ignores them.
void PlatformTrace(const char* event, long value);
// A trace point whose values are written as text.
void PlatformTraceText(const char* event, const std::string& text);
