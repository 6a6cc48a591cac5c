// The actions the player may bind keys to: each one's name in the settings
// file and its default keys, by their SDL key names. Both platforms take
// the defaults from here; the SDL platform also reads the player's bindings.
#pragma once

#include "platform/platform.h"

#include <array>

enum { KEY_ACTION_DEFAULTS_MAX = 3 };

struct KeyActionInfo {
    const char* setting;                                        // "left" in "left=A"
    std::array<const char*, KEY_ACTION_DEFAULTS_MAX> defaults;  // key names, unused ones nullptr
};

const KeyActionInfo& KeyActionInfoOf(PlatformAction action);
// The default key names of an action, in order.
std::vector<std::string> KeyActionDefaultNames(PlatformAction action);
