// Gamepads through SDL's game controller API, plugged in and out while the
// game runs. A pad presses keys of the keyboard: the d-pad and the left
// stick the arrow keys, A Space (on to the next level), B and Back Z (take
// back a step), X and Start R (restart), Y H (a hint). It presses the
// default keys, so it works the same whatever keys the player has bound.
// The editor is worked with the mouse and has no pad buttons.
#include "platform/sdl/sdl_platform.h"

#include <algorithm>
#include <iterator>

namespace {

// The stick, from -32768 to 32767, takes a direction beyond half way and
// lets it go inside a quarter.
const int STICK_PRESS = 16384;
const int STICK_RELEASE = 8192;

struct ButtonKey {
    SDL_GameControllerButton button;
    SDL_Scancode key;
    const char* label;   // for the help panel
};

const ButtonKey BUTTON_KEYS[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_SCANCODE_LEFT, nullptr},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_SCANCODE_UP, nullptr},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_SCANCODE_RIGHT, nullptr},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_SCANCODE_DOWN, nullptr},
    {SDL_CONTROLLER_BUTTON_A, SDL_SCANCODE_SPACE, "A"},
    {SDL_CONTROLLER_BUTTON_B, SDL_SCANCODE_Z, "B"},
    {SDL_CONTROLLER_BUTTON_BACK, SDL_SCANCODE_Z, "Back"},
    {SDL_CONTROLLER_BUTTON_X, SDL_SCANCODE_R, "X"},
    {SDL_CONTROLLER_BUTTON_START, SDL_SCANCODE_R, "Start"},
    {SDL_CONTROLLER_BUTTON_Y, SDL_SCANCODE_H, "Y"},
};
const char* const ARROWS_LABEL = "D-pad, left stick";
const char* const ARROWS_ACTION = "As the arrow keys";

// In SdlStickDirection order.
const SDL_Scancode STICK_KEYS[SDL_STICK_DIRECTIONS] = {SDL_SCANCODE_LEFT, SDL_SCANCODE_UP, SDL_SCANCODE_RIGHT,
                                                       SDL_SCANCODE_DOWN};

// One axis: the direction toward negative values and the one toward positive.
void TakeAxis(SdlStickHeld& held, SdlStickDirection negative, SdlStickDirection positive, int value)
{
    int threshold = held[negative] ? STICK_RELEASE : STICK_PRESS;
    held[negative] = value < -threshold;
    threshold = held[positive] ? STICK_RELEASE : STICK_PRESS;
    held[positive] = value > threshold;
}

void Open(int deviceIndex)
{
    if (!SDL_IsGameController(deviceIndex))
        return;
    SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (const SdlGamepad& pad : Sdl.gamepads)
        if (pad.id == id)
            return;
    SdlGamepad pad;
    pad.controller = SDL_GameControllerOpen(deviceIndex);
    if (pad.controller == nullptr)
        return;
    pad.id = id;
    Sdl.gamepads.push_back(pad);
}

void Close(SDL_JoystickID id)
{
    auto gone = std::find_if(Sdl.gamepads.begin(), Sdl.gamepads.end(), [id](const SdlGamepad& pad) { return pad.id == id; });
    if (gone == Sdl.gamepads.end())
        return;
    SDL_GameControllerClose(gone->controller);
    Sdl.gamepads.erase(gone);
}

} // namespace

SdlStickHeld SdlGamepadStick(SdlStickHeld held, int x, int y)
{
    TakeAxis(held, SDL_STICK_LEFT, SDL_STICK_RIGHT, x);
    TakeAxis(held, SDL_STICK_UP, SDL_STICK_DOWN, y);
    return held;
}

void SdlGamepadStart()
{
    if (Sdl.gamepadsReady)
        return;
    Sdl.gamepadsReady = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void SdlGamepadStop()
{
    for (const SdlGamepad& pad : Sdl.gamepads)
        SDL_GameControllerClose(pad.controller);
    Sdl.gamepads.clear();
    if (Sdl.gamepadsReady)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    Sdl.gamepadsReady = false;
}

void SdlGamepadHandleEvent(const SDL_Event& event)
{
    if (!Sdl.gamepadsReady)
        return;
    if (event.type == SDL_CONTROLLERDEVICEADDED)
        Open(event.cdevice.which);
    else if (event.type == SDL_CONTROLLERDEVICEREMOVED)
        Close(event.cdevice.which);
}

void SdlGamepadPressKeys(uint8_t* keys, int count)
{
    for (SdlGamepad& pad : Sdl.gamepads) {
        for (const ButtonKey& mapping : BUTTON_KEYS)
            if (mapping.key < count && SDL_GameControllerGetButton(pad.controller, mapping.button) != 0)
                keys[mapping.key] = 1;
        pad.stick = SdlGamepadStick(pad.stick, SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTX),
                                    SDL_GameControllerGetAxis(pad.controller, SDL_CONTROLLER_AXIS_LEFTY));
        for (int direction = 0; direction < SDL_STICK_DIRECTIONS; ++direction)
            if (pad.stick[direction] && STICK_KEYS[direction] < count)
                keys[STICK_KEYS[direction]] = 1;
    }
}

std::vector<PlatformHelpRow> PlatformGamepadHelp()
{
    std::vector<PlatformHelpRow> rows = {{ARROWS_LABEL, ARROWS_ACTION}};
    // One row a key, naming every button that presses it.
    for (size_t at = 0; at < std::size(BUTTON_KEYS); ++at) {
        const ButtonKey& first = BUTTON_KEYS[at];
        bool seen = false;
        for (size_t before = 0; before < at; ++before)
            seen = seen || BUTTON_KEYS[before].key == first.key;
        if (first.label == nullptr || seen)
            continue;
        PlatformHelpRow row{first.label, "As " + SdlBindingsKeyName(first.key)};
        for (size_t after = at + 1; after < std::size(BUTTON_KEYS); ++after)
            if (BUTTON_KEYS[after].key == first.key)
                row.key += std::string(", ") + BUTTON_KEYS[after].label;
        rows.push_back(row);
    }
    return rows;
}
