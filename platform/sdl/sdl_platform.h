// State and helpers shared by the files of the SDL platform. Not part of the
// game's interface: app/, game/ and engine/ see only platform/platform.h.
#pragma once

#include "platform/platform.h"
#include "platform/common/settings.h"

#include <SDL.h>

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

enum {
    PICTURE_SOURCE_SIZE = 600,   // the back surface the game composes on
    MENU_FONT_PIXELS = 13,       // ImGui's built-in font at its native size
};

enum class SdlDialog { None, Message, About, Help };

// How the picture is scaled to the window: by the largest whole number that
// fits (the zooms of the View menu), or to fill the window keeping its shape
// (View > Zoom to fit).
enum class SdlScaling { Whole, Fit };

// The key each key of the keyboard acts as: itself, or the first default key
// of the action the player bound it to.
struct SdlKeyBindings {
    std::array<SDL_Scancode, SDL_NUM_SCANCODES> actsAs{};
};

// The stick's four directions, held or not: left, up, right, down.
enum SdlStickDirection { SDL_STICK_LEFT, SDL_STICK_UP, SDL_STICK_RIGHT, SDL_STICK_DOWN, SDL_STICK_DIRECTIONS };
using SdlStickHeld = std::array<bool, SDL_STICK_DIRECTIONS>;

struct SdlGamepad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    SdlStickHeld stick{};
};

// The window's size in window coordinates and in drawable pixels, and the
// menu bar's height in window coordinates.
struct SdlViewGeometry {
    SDL_Point window = {0, 0};
    SDL_Point drawable = {0, 0};
    int menuBarHeight = 0;
};

// sdl_bindings.cpp: every key acting as itself.
SdlKeyBindings SdlBindingsDefault();

struct SdlDialogState {
    SdlDialog kind = SdlDialog::None;
    std::string popupId;         // ImGui id of the modal window (its title before "##")
    std::string text;            // message box text
    PlatformAboutText about;
    PlatformHelpText help;
    bool opened = false;         // the ImGui popup has been opened
    bool closeRequested = false; // Enter or Escape was pressed
    bool done = false;
};

struct SdlPlatform {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* picture = nullptr;      // the last presented back surface
    SDL_Texture* fitStep = nullptr;      // Fit: the picture at its whole-number step, scaled on smoothly
    bool fitStepValid = false;           // fitStep holds the picture in the texture but for fitStepChanged
    std::vector<SDL_Rect> fitStepChanged; // picture rectangles uploaded since fitStep was drawn
    SDL_Texture* icon = nullptr;         // the window icon, shown in the About box
    int pictureSourceWidth = PICTURE_SOURCE_SIZE;
    int pictureSourceHeight = PICTURE_SOURCE_SIZE;
    SDL_Rect pictureRect = {0, 0, 0, 0}; // where the picture lies in the window, in drawable pixels
    SdlViewGeometry geometry;            // the window's sizes when the picture was laid out
    int pictureZoom = 0;                 // whole drawable pixels per picture pixel; 0 when shrunk
    std::vector<uint32_t> shown;         // the picture in the texture, row after row
    bool shownValid = false;             // shown and the texture hold the last picture
    int redrawFrames = 0;                // frames still to present although the picture is unchanged
    uint64_t uploadCount = 0;            // rectangles uploaded since start (for the smoke test)
    uint64_t presentCount = 0;           // window presents since start (for the smoke test)
    int zoom = 1;                        // the zoom chosen from the View menu (the window's size, the font)
    SdlScaling scaling = SdlScaling::Whole;
    bool fullscreen = false;
    SDL_Rect windowed = {0, 0, 0, 0};    // the window's place and size before fullscreen, given back on leaving it
    int fullscreenCheckFrames = 0;       // frames until the window is checked to cover the screen
    bool fullscreenPlaced = false;       // the window was placed over the screen here, no window manager did
    int menuBarHeight = 0;
    bool destroying = false;
    bool imguiReady = false;
    bool focused = false;
    bool popupOpen = false;              // a menu or a modal box was open in the last drawn frame
    bool closeMenus = false;             // Escape asks the open menus to close
    char menuKey = 0;                    // a mnemonic key (lower case) waiting for the menus
    std::vector<PlatformMenuItem> menu;
    std::map<uint32_t, std::string> menuMarks;   // by command: shown at the right with a check mark
    std::string status;                  // the status line, as the game last set it
    std::deque<PlatformEvent> queue;
    SdlDialogState dialog;
    SdlKeyBindings bindings = SdlBindingsDefault();
    std::vector<SdlGamepad> gamepads;
    bool gamepadsReady = false;          // the game controller subsystem is up
    float displayScale = 1.0f;           // drawable pixels per window coordinate
    // Keys that closed a menu or a box read as up until they are released, so
    // the Escape that closes the About box does not also reach the game.
    bool swallowedKeys[SDL_NUM_SCANCODES] = {};
};

extern SdlPlatform Sdl;

// ---------------------------------------------------------------------------
// sdl_window.cpp
// Hands one SDL event to ImGui and turns it into the game's events where it is one.
void SdlHandleEvent(const SDL_Event& event);
// sdl_signals.cpp: SIGINT, SIGTERM and SIGHUP ask for the close; the event
// loop takes the request.
void SdlCatchStopSignals();
bool SdlTakeStopSignal();
// sdl_video_check.cpp: false, with *why, when the video driver SDL chose shows
// nothing and was not asked for by name.
bool SdlVideoDriverShows(std::string* why);
// Handles every SDL event that is waiting, without waiting.
void SdlPumpEvents();
// Waits up to timeoutMs for an SDL event, then handles all that are waiting.
void SdlWaitEvents(int timeoutMs);
// Maps a drawable position to picture pixels (the inverse of the stretch).
// False when the position lies outside the picture area.
bool SdlPictureFromWindow(const SDL_Rect& picture, int sourceWidth, int sourceHeight,
                          int x, int y, int* pictureX, int* pictureY);

// ---------------------------------------------------------------------------
// sdl_menu.cpp
// The menu text as shown: '&' marks dropped, "&&" shown as one '&'.
std::string SdlMenuLabel(const std::string& text);
// The mnemonic of an item's text: the lower-case character after its '&', or 0.
char SdlMenuMnemonic(const std::string& text);
// Draws the menu bar in the current ImGui frame; a chosen item queues its command.
void SdlDrawMenuBar();
// True when a mnemonic letter (lower case) belongs to the menus: to the bar's
// items with no menu open, to any item with one open.
bool SdlMenuTakesKey(char key, bool menuOpen);
// The menu font's size in window coordinates at a zoom: 13 pixels at 1x,
// half as large again for each step of zoom, so the bar keeps its share of
// the window and stays readable at 3x and 4x.
float SdlMenuFontPixels(int zoom);
// Height in window coordinates of the ImGui menu bar at a zoom (the ImGui
// context must exist).
int SdlMenuBarHeight(int zoom);
// Adds the menu font of every zoom, drawn at the display's scale, and
// makes the font of Sdl.zoom the one in use.
void SdlMenuLoadFonts();
// Makes the font of Sdl.zoom the one in use.
void SdlMenuUseZoomFont();

// ---------------------------------------------------------------------------
// sdl_dialogs.cpp
// Draws the open message box, About box or help panel in the current ImGui frame.
void SdlDrawDialog();

// ---------------------------------------------------------------------------
// sdl_display.cpp
// Draws one ImGui frame (menu bar, open box) over the last picture and shows it.
void SdlRedraw();
// Releases the picture texture.
void SdlDisplayRelease();

// The 60 Hz frame schedule on the performance counter.
struct SdlFrameSchedule {
    uint64_t frequency = 0;   // counter ticks per second
    uint64_t origin = 0;      // counter value of slot 0 of the current second
    uint64_t slot = 0;        // slots taken since origin, 0 to 59
    bool started = false;
};
// Counter value at which the next frame slot begins; now when the schedule
// starts or has fallen too far behind and starts again from now.
uint64_t SdlFrameScheduleNext(SdlFrameSchedule* schedule, uint64_t now);

// ---------------------------------------------------------------------------
// sdl_x11.cpp: the window as the X server has it (all false off X).
// The window's size on the X server.
bool SdlX11WindowSize(SDL_Window* window, SDL_Point* size);
// True on an X server where no window manager runs.
bool SdlX11WithoutWindowManager(SDL_Window* window);
// Moves and sizes the window on the X server, as a window manager would.
void SdlX11Place(SDL_Window* window, const SDL_Rect& rect);

// ---------------------------------------------------------------------------
// sdl_view.cpp
struct SdlViewFit {
    SDL_Rect picture = {0, 0, 0, 0};  // where the picture is drawn
    // Window pixels per picture pixel, the whole-number step of a fitted
    // picture (drawn sharp at it, then scaled smoothly to the rest); 0 when
    // scaled down.
    int zoom = 0;
};
// The picture's place in an area of the window: at the largest whole-number
// zoom that fits, centred, or as large as fits keeping its shape.
SdlViewFit SdlViewLayout(const SDL_Rect& area, int sourceWidth, int sourceHeight,
                         SdlScaling scaling = SdlScaling::Whole);
// The window's inner size at a zoom: the picture under the menu bar.
SDL_Point SdlViewWindowSize(int zoom, int menuBarHeight, int sourceWidth, int sourceHeight);
// True when the window at the zoom fits within percent of the usable area.
bool SdlViewZoomFits(int zoom, const SDL_Rect& usable, int menuBarHeight, int sourceWidth, int sourceHeight,
                     int percent);
// The largest zoom whose window, with the menu bar of its zoom, fits 90% of
// the usable area; at least 1.
int SdlViewFirstZoom(const SDL_Rect& usable, int (*menuBarHeight)(int zoom), int sourceWidth, int sourceHeight);
// The preferred place when the window fits there, else centred in the usable area.
SDL_Point SdlViewFirstPosition(const SDL_Rect& usable, SDL_Point size, SDL_Point preferred);
// The area under the menu bar, in drawable pixels.
SDL_Rect SdlViewArea(const SdlViewGeometry& geometry);
// The drawable pixel under a window position.
SDL_Point SdlViewDrawableFromWindow(const SdlViewGeometry& geometry, int x, int y);
// Lays the picture out in the window's present size (after a resize, a zoom,
// fullscreen) and has the next frames presented.
void SdlViewUpdate();
// Once a frame: a while after a request for fullscreen, a window that does
// not cover the screen is placed over it, and failing that stays a window.
void SdlViewFullscreenFrame();

// ---------------------------------------------------------------------------
// sdl_present.cpp
// Uploads the changed parts of a picture (all of it when the texture is new)
// to the picture texture and keeps them as shown. Returns the rectangles uploaded.
int SdlPresentUpload(const uint32_t* pixels, int pitch, int width, int height);

// ---------------------------------------------------------------------------
// sdl_keyboard.cpp
// The game's keys from SDL's keyboard state array.
void SdlKeyboardMap(const uint8_t* sdlState, int sdlCount, PlatformKeys* keys);
// Marks in acting (indexed by scancode, SDL_NUM_SCANCODES long) the key each
// pressed key acts as under the bindings.
void SdlKeyboardBind(const SdlKeyBindings& bindings, const uint8_t* pressed, int count, uint8_t* acting);
// Makes the key read as up until it is released.
void SdlSwallowKey(SDL_Scancode scancode);

// ---------------------------------------------------------------------------
// sdl_bindings.cpp
// The key of an SDL key name on the player's layout (case does not matter),
// or SDL_SCANCODE_UNKNOWN.
SDL_Scancode SdlBindingsScancodeFromName(const std::string& name);
// The name SDL gives the key on the player's layout.
std::string SdlBindingsKeyName(SDL_Scancode key);
// The bindings of the settings. Each binding that names no key, or a key
// bound to an earlier action, is ignored and told in *problems.
SdlKeyBindings SdlBindingsFromSettings(const Settings& settings, std::vector<std::string>* problems);
// The keys that do the action: its default keys still doing it, then the
// keys bound to it.
std::vector<SDL_Scancode> SdlBindingsKeysOf(const SdlKeyBindings& bindings, PlatformAction action);
// Takes the player's bindings from the settings; problems go to stderr.
void SdlBindingsLoad(const Settings& settings);

// ---------------------------------------------------------------------------
// sdl_gamepad.cpp
// Starts the game controller subsystem; pads plugged in now arrive as
// SDL_CONTROLLERDEVICEADDED events. Without it the game has no gamepads.
void SdlGamepadStart();
void SdlGamepadStop();
// Opens a pad that was plugged in, closes one that was pulled out.
void SdlGamepadHandleEvent(const SDL_Event& event);
// The stick's directions after a move: a direction is taken when the stick
// is pushed past the press threshold, and let go only when it comes back
// inside the release threshold, so a stick resting near the edge of the
// dead zone does not flicker.
SdlStickHeld SdlGamepadStick(SdlStickHeld held, int x, int y);
// Marks in keys (indexed by scancode) the keys the open pads hold down.
void SdlGamepadPressKeys(uint8_t* keys, int count);
