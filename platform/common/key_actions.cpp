// The table of bindable actions: one row each, in PlatformAction order.
#include "platform/common/key_actions.h"

namespace {

const KeyActionInfo KEY_ACTIONS[PLATFORM_ACTIONS] = {
    {"left", {"Left", nullptr, nullptr}},
    {"up", {"Up", nullptr, nullptr}},
    {"right", {"Right", nullptr, nullptr}},
    {"down", {"Down", nullptr, nullptr}},
    {"restart", {"R", nullptr, nullptr}},
    {"editor", {"D", nullptr, nullptr}},
    {"quit", {"Escape", nullptr, nullptr}},
    {"undo", {"Z", "Backspace", "U"}},
    {"hint", {"H", nullptr, nullptr}},
    {"watch", {"W", nullptr, nullptr}},
};

} // namespace

const KeyActionInfo& KeyActionInfoOf(PlatformAction action)
{
    return KEY_ACTIONS[action < PLATFORM_ACTIONS ? action : 0];
}

std::vector<std::string> KeyActionDefaultNames(PlatformAction action)
{
    std::vector<std::string> names;
    for (const char* name : KeyActionInfoOf(action).defaults)
        if (name != nullptr)
            names.push_back(name);
    return names;
}
