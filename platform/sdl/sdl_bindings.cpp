// The player's keys: the settings may give a key to an action ("left=A",
// "restart=F5"), by SDL's key name. A bound key acts as the action's first
// default key would, and no longer does what it did by default, so WASD
// leaves D walking right, not opening the editor. The default keys keep
// their actions unless they are bound to another one.
#include "platform/sdl/sdl_platform.h"
#include "platform/common/key_actions.h"

#include <algorithm>

namespace {

bool IsDefaultOf(PlatformAction action, SDL_Scancode key)
{
    for (const char* name : KeyActionInfoOf(action).defaults)
        if (name != nullptr && SdlBindingsScancodeFromName(name) == key)
            return true;
    return false;
}

} // namespace

SDL_Scancode SdlBindingsScancodeFromName(const std::string& name)
{
    if (name.empty())
        return SDL_SCANCODE_UNKNOWN;
    // The key of that name on the player's layout; the name of a place on
    // the keyboard when the layout has no such key or is not known yet.
    SDL_Keycode keycode = SDL_GetKeyFromName(name.c_str());
    SDL_Scancode key = keycode != SDLK_UNKNOWN ? SDL_GetScancodeFromKey(keycode) : SDL_SCANCODE_UNKNOWN;
    if (key == SDL_SCANCODE_UNKNOWN)
        key = SDL_GetScancodeFromName(name.c_str());
    return key;
}

std::string SdlBindingsKeyName(SDL_Scancode key)
{
    const char* name = SDL_GetKeyName(SDL_GetKeyFromScancode(key));
    if (name == nullptr || name[0] == '\0')
        name = SDL_GetScancodeName(key);
    return name;
}

SdlKeyBindings SdlBindingsDefault()
{
    SdlKeyBindings bindings;
    for (int key = 0; key < SDL_NUM_SCANCODES; ++key)
        bindings.actsAs[key] = static_cast<SDL_Scancode>(key);
    return bindings;
}

SdlKeyBindings SdlBindingsFromSettings(const Settings& settings, std::vector<std::string>* problems)
{
    SdlKeyBindings bindings = SdlBindingsDefault();
    std::array<int, SDL_NUM_SCANCODES> boundTo;
    boundTo.fill(-1);
    for (int action = 0; action < PLATFORM_ACTIONS; ++action) {
        const KeyActionInfo& info = KeyActionInfoOf(static_cast<PlatformAction>(action));
        const std::string* name = SettingsFind(settings, info.setting);
        if (name == nullptr || name->empty())
            continue;
        std::string line = std::string(info.setting) + "=" + *name;
        SDL_Scancode key = SdlBindingsScancodeFromName(*name);
        if (key == SDL_SCANCODE_UNKNOWN) {
            problems->push_back(line + ": no key has that name; the binding is ignored");
        } else if (boundTo[key] >= 0) {
            problems->push_back(line + ": the key is already bound to " +
                                KeyActionInfoOf(static_cast<PlatformAction>(boundTo[key])).setting +
                                "; the binding is ignored");
        } else {
            boundTo[key] = action;
            bindings.actsAs[key] = SdlBindingsScancodeFromName(info.defaults[0]);
        }
    }
    return bindings;
}

std::vector<SDL_Scancode> SdlBindingsKeysOf(const SdlKeyBindings& bindings, PlatformAction action)
{
    std::vector<SDL_Scancode> keys;
    for (const char* name : KeyActionInfoOf(action).defaults) {
        SDL_Scancode key = name != nullptr ? SdlBindingsScancodeFromName(name) : SDL_SCANCODE_UNKNOWN;
        if (key != SDL_SCANCODE_UNKNOWN && IsDefaultOf(action, bindings.actsAs[key]))
            keys.push_back(key);
    }
    for (int key = 0; key < SDL_NUM_SCANCODES; ++key) {
        SDL_Scancode code = static_cast<SDL_Scancode>(key);
        if (bindings.actsAs[key] != code && IsDefaultOf(action, bindings.actsAs[key]) &&
            std::find(keys.begin(), keys.end(), code) == keys.end())
            keys.push_back(code);
    }
    return keys;
}

void SdlBindingsLoad(const Settings& settings)
{
    std::vector<std::string> problems;
    Sdl.bindings = SdlBindingsFromSettings(settings, &problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "Quagmore: settings: %s\n", problem.c_str());
}

std::vector<std::string> PlatformActionKeyNames(PlatformAction action)
{
    std::vector<std::string> names;
    for (SDL_Scancode key : SdlBindingsKeysOf(Sdl.bindings, action))
        names.push_back(SdlBindingsKeyName(key));
    return names;
}
