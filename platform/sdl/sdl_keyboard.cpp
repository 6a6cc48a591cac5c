// The keyboard: SDL's key state array read as the game's keys.
#include "platform/sdl/sdl_platform.h"
#include "platform/common/common.h"

namespace {

struct KeyMapping {
    SDL_Scancode scancode;
    PlatformKey key;
};

// The keys the game reads; both Enter keys are Enter.
const KeyMapping KEY_MAP[] = {
    {SDL_SCANCODE_LEFT, PLATFORM_KEY_LEFT},    {SDL_SCANCODE_UP, PLATFORM_KEY_UP},
    {SDL_SCANCODE_RIGHT, PLATFORM_KEY_RIGHT},  {SDL_SCANCODE_DOWN, PLATFORM_KEY_DOWN},
    {SDL_SCANCODE_R, PLATFORM_KEY_R},          {SDL_SCANCODE_D, PLATFORM_KEY_D},
    {SDL_SCANCODE_S, PLATFORM_KEY_S},          {SDL_SCANCODE_L, PLATFORM_KEY_L},
    {SDL_SCANCODE_ESCAPE, PLATFORM_KEY_ESCAPE}, {SDL_SCANCODE_RETURN, PLATFORM_KEY_ENTER},
    {SDL_SCANCODE_KP_ENTER, PLATFORM_KEY_ENTER}, {SDL_SCANCODE_Z, PLATFORM_KEY_Z},
    {SDL_SCANCODE_BACKSPACE, PLATFORM_KEY_BACKSPACE}, {SDL_SCANCODE_U, PLATFORM_KEY_U},
    {SDL_SCANCODE_SPACE, PLATFORM_KEY_SPACE},  {SDL_SCANCODE_F1, PLATFORM_KEY_F1},
    {SDL_SCANCODE_P, PLATFORM_KEY_P},          {SDL_SCANCODE_G, PLATFORM_KEY_G},
    {SDL_SCANCODE_H, PLATFORM_KEY_H},          {SDL_SCANCODE_W, PLATFORM_KEY_W},
};

// The game's state: SDL's, less the keys that closed a menu or a box and are
// still held, each key acting as the player bound it, and the gamepads' keys.
bool ReadState(PlatformKeys* state)
{
    int count = 0;
    const uint8_t* sdlState = SDL_GetKeyboardState(&count);
    if (sdlState == nullptr) {
        *state = PlatformKeys();
        return false;
    }
    uint8_t pressed[SDL_NUM_SCANCODES] = {};
    for (int code = 0; code < count && code < SDL_NUM_SCANCODES; ++code) {
        if (Sdl.swallowedKeys[code] && sdlState[code] == 0)
            Sdl.swallowedKeys[code] = false;
        pressed[code] = Sdl.swallowedKeys[code] ? 0 : sdlState[code];
    }
    uint8_t keys[SDL_NUM_SCANCODES] = {};
    SdlKeyboardBind(Sdl.bindings, pressed, SDL_NUM_SCANCODES, keys);
    SdlGamepadPressKeys(keys, SDL_NUM_SCANCODES);
    SdlKeyboardMap(keys, SDL_NUM_SCANCODES, state);
    return true;
}

} // namespace

void SdlKeyboardMap(const uint8_t* sdlState, int sdlCount, PlatformKeys* keys)
{
    *keys = PlatformKeys();
    for (const KeyMapping& mapping : KEY_MAP) {
        if (mapping.scancode < sdlCount && sdlState[mapping.scancode] != 0)
            keys->down[mapping.key] = true;
    }
}

void SdlKeyboardBind(const SdlKeyBindings& bindings, const uint8_t* pressed, int count, uint8_t* acting)
{
    for (int code = 0; code < count && code < SDL_NUM_SCANCODES; ++code)
        if (pressed[code] != 0)
            acting[bindings.actsAs[code]] = 1;
}

void SdlSwallowKey(SDL_Scancode scancode)
{
    if (scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES)
        Sdl.swallowedKeys[scancode] = true;
}

int PlatformKeyboardRead(PlatformKeys* keys)
{
    return ReadState(keys) ? 1 : 0;
}
