// The platform layer: everything the game needs from the operating system,
// its window, keyboard, mouse, sound device, clock and files.
//
// Two implementations link against this one interface: platform/sdl (the real
// game, SDL2 + SDL2_mixer + Dear ImGui) and platform/headless (tests and the
// simulator: scripted input, a virtual clock, recorded sounds and messages).
// platform/common holds the parts both share (paths, saved progress, the
// single-instance lock).
//
// Window messages keep the numbers of the classic window system so that the
// window procedure reads like one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct SDL_Surface;

// ---------------------------------------------------------------------------
// Window messages
enum : uint32_t {
    PLATFORM_WM_CREATE = 0x0001,
    PLATFORM_WM_DESTROY = 0x0002,
    PLATFORM_WM_CLOSE = 0x0010,
    PLATFORM_WM_QUIT = 0x0012,
    PLATFORM_WM_COMMAND = 0x0111,
    PLATFORM_WM_LBUTTONDOWN = 0x0201,
    PLATFORM_WM_LBUTTONDBLCLK = 0x0203,
    PLATFORM_WM_RBUTTONDOWN = 0x0204,
    PLATFORM_WM_RBUTTONDBLCLK = 0x0206,
};

struct PlatformMessage {
    uint32_t message = 0;
    uint32_t wParam = 0;  // WM_COMMAND: command id in the low word
    int32_t lParam = 0;   // mouse: x in the low 16 bits, y in the high 16 bits
};

// Packs picture coordinates the way mouse messages carry them.
inline int32_t PlatformMakeMouseParam(int x, int y)
{
    return static_cast<int32_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

using PlatformWindowProc = int32_t (*)(uint32_t message, uint32_t wParam, int32_t lParam);

// ---------------------------------------------------------------------------
// Menu: data the application hands over; the platform draws it.
struct PlatformMenuItem {
    std::string text;                      // '&' marks a mnemonic and is not shown
    uint32_t command = 0;                  // 0 for a popup
    bool enabled = true;
    std::vector<PlatformMenuItem> items;   // children of a popup
};

struct PlatformAboutText {
    std::string title;                     // window title of the box
    std::string credit;                    // one-line author credit, top left
    std::string version;                   // e.g. "Version 1.0", top right
    std::vector<std::string> lines;        // body lines; an empty string is a blank line
};

struct PlatformWindowDesc {
    std::string title;
    int x = 0, y = 0;                      // outer position
    int width = 0, height = 0;             // outer size of the original window
    std::vector<PlatformMenuItem> menu;    // the menu bar
    std::string iconFile;                  // bare data-file name of the window icon (BMP)
    PlatformWindowProc proc = nullptr;
};

// ---------------------------------------------------------------------------
// Window and message loop

// Creates the one game window; WM_CREATE reaches proc before this returns.
// Returns 1 on success, 0 on failure.
int PlatformCreateWindow(const PlatformWindowDesc& desc);
// Destroys the window: sends WM_DESTROY to the window procedure at once.
void PlatformDestroyWindow();
// Takes at most one waiting message without waiting. Returns 1 if one was taken.
int PlatformPeekMessage(PlatformMessage* msg);
// Blocks until a message is waiting (used while the window is not active).
void PlatformWaitMessage();
// Hands a message to the window procedure and returns its result.
int32_t PlatformDispatchMessage(const PlatformMessage& msg);
// Default handling of a message the window procedure does not handle
// (WM_CLOSE destroys the window).
int32_t PlatformDefWindowProc(uint32_t message, uint32_t wParam, int32_t lParam);
// Queues a message for the main loop.
void PlatformPostMessage(uint32_t message, uint32_t wParam, int32_t lParam);
// Queues WM_QUIT with the exit code.
void PlatformPostQuitMessage(int exitCode);
// 1 while the game window is the one the user works in: it has the focus and
// no menu, message box or About box is open.
int PlatformWindowActive();
// Enables or grays one menu command.
void PlatformMenuEnable(uint32_t command, int enabled);
// 1 when the command's item is enabled.
int PlatformMenuIsEnabled(uint32_t command);
// Modal message box with an empty title and an OK button.
void PlatformMessageBox(const char* text);
// Modal About box; returns when it is closed.
void PlatformAboutBox(const PlatformAboutText& about);
// A short bell, or nothing.
void PlatformBeep();

// ---------------------------------------------------------------------------
// Display
// Waits for the next frame slot (60 per second).
void PlatformWaitVBlank();
// Shows the 600 x 600 back surface in the window's picture area.
void PlatformPresent(SDL_Surface* back);
// The main loop tells the platform that a play or editor frame begins.
void PlatformFrameBegin();

// ---------------------------------------------------------------------------
// Keyboard: key codes are the DIK scan codes.
enum : uint8_t {
    PLATFORM_DIK_ESCAPE = 0x01,
    PLATFORM_DIK_R = 0x13,
    PLATFORM_DIK_RETURN = 0x1C,
    PLATFORM_DIK_S = 0x1F,
    PLATFORM_DIK_D = 0x20,
    PLATFORM_DIK_L = 0x26,
    PLATFORM_DIK_NUMPADENTER = 0x9C,
    PLATFORM_DIK_UP = 0xC8,
    PLATFORM_DIK_LEFT = 0xCB,
    PLATFORM_DIK_RIGHT = 0xCD,
    PLATFORM_DIK_DOWN = 0xD0,
};
enum { PLATFORM_KEY_COUNT = 256, PLATFORM_KEY_DOWN = 0x80 };
// Virtual keys for the asynchronous key test.
enum { PLATFORM_VK_RETURN = 0x0D, PLATFORM_VK_ESCAPE = 0x1B };

// Fills 256 bytes indexed by DIK code: 0x80 down, 0 up. Returns 1, or 0 when
// there is no keyboard to read.
int PlatformKeyboardRead(uint8_t state[PLATFORM_KEY_COUNT]);
// 1 while the key of the given virtual-key code is down (Escape, Enter).
int PlatformAsyncKeyDown(int virtualKey);

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
