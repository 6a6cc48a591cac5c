// The keyboard through html5.h: keys are known by their place on the
// keyboard (KeyboardEvent.code), as SDL's scancodes are on the desktop, and
// the player's bindings in the settings name them by SDL's key names.
#include "platform/web/web_platform.h"
#include "platform/common/key_actions.h"
#include "platform/common/settings.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

struct KeyMapping {
    const char* code;
    PlatformKey key;
};

// The keys the game reads; both Enter keys are Enter.
const KeyMapping KEY_MAP[] = {
    {"ArrowLeft", PLATFORM_KEY_LEFT}, {"ArrowUp", PLATFORM_KEY_UP},       {"ArrowRight", PLATFORM_KEY_RIGHT},
    {"ArrowDown", PLATFORM_KEY_DOWN}, {"KeyR", PLATFORM_KEY_R},           {"KeyD", PLATFORM_KEY_D},
    {"KeyS", PLATFORM_KEY_S},         {"KeyL", PLATFORM_KEY_L},           {"Escape", PLATFORM_KEY_ESCAPE},
    {"Enter", PLATFORM_KEY_ENTER},    {"NumpadEnter", PLATFORM_KEY_ENTER}, {"KeyZ", PLATFORM_KEY_Z},
    {"Backspace", PLATFORM_KEY_BACKSPACE}, {"KeyU", PLATFORM_KEY_U},      {"Space", PLATFORM_KEY_SPACE},
    {"F1", PLATFORM_KEY_F1},          {"KeyP", PLATFORM_KEY_P},           {"KeyG", PLATFORM_KEY_G},
    {"KeyH", PLATFORM_KEY_H},          {"KeyW", PLATFORM_KEY_W},
};

struct KeyName {
    const char* name;   // SDL's name, compared without regard to case
    const char* code;
};

// SDL's names of the keys that have no letter or digit of their own.
const KeyName KEY_NAMES[] = {
    {"Left", "ArrowLeft"},      {"Up", "ArrowUp"},           {"Right", "ArrowRight"},   {"Down", "ArrowDown"},
    {"Return", "Enter"},        {"Enter", "Enter"},          {"Keypad Enter", "NumpadEnter"},
    {"Escape", "Escape"},       {"Backspace", "Backspace"},  {"Tab", "Tab"},            {"Space", "Space"},
    {"Insert", "Insert"},       {"Delete", "Delete"},        {"Home", "Home"},          {"End", "End"},
    {"PageUp", "PageUp"},       {"PageDown", "PageDown"},    {"Left Shift", "ShiftLeft"},
    {"Right Shift", "ShiftRight"}, {"Left Ctrl", "ControlLeft"}, {"Right Ctrl", "ControlRight"},
    {"-", "Minus"},             {"=", "Equal"},              {"[", "BracketLeft"},      {"]", "BracketRight"},
    {";", "Semicolon"},         {"'", "Quote"},              {",", "Comma"},            {".", "Period"},
    {"/", "Slash"},             {"\\", "Backslash"},         {"`", "Backquote"},
    {"Keypad +", "NumpadAdd"},  {"Keypad -", "NumpadSubtract"}, {"Keypad *", "NumpadMultiply"},
    {"Keypad /", "NumpadDivide"}, {"Keypad .", "NumpadDecimal"},
};

// The keys of F1 to F12.
const int FUNCTION_KEYS = 12;
// Keys the page keeps from the browser while the game runs: its own keys,
// which would scroll the page, go back or open the browser's help.
const char* const KEPT_FROM_BROWSER[] = {"ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown", "Space",
                                         "Backspace", "F1", "Enter", "Escape"};

std::string Lower(const std::string& text)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The code of SDL's key name ("A", "Keypad 0", "F5", "Left"), or "" for none.
std::string CodeFromName(const std::string& name)
{
    const std::string lower = Lower(name);
    if (lower.size() == 1 && lower[0] >= 'a' && lower[0] <= 'z')
        return std::string("Key") + static_cast<char>(std::toupper(lower[0]));
    if (lower.size() == 1 && lower[0] >= '0' && lower[0] <= '9')
        return "Digit" + lower;
    const std::string keypad = "keypad ";
    if (lower.size() == keypad.size() + 1 && lower.compare(0, keypad.size(), keypad) == 0 &&
        std::isdigit(static_cast<unsigned char>(lower.back())))
        return std::string("Numpad") + lower.back();
    for (int n = 1; n <= FUNCTION_KEYS; ++n)
        if (lower == "f" + std::to_string(n))
            return "F" + std::to_string(n);
    for (const KeyName& known : KEY_NAMES)
        if (lower == Lower(known.name))
            return known.code;
    return "";
}

bool KeptFromBrowser(const std::string& code)
{
    for (const char* kept : KEPT_FROM_BROWSER)
        if (code == kept)
            return true;
    return false;
}

EM_BOOL OnKey(int eventType, const EmscriptenKeyboardEvent* event, void*)
{
    const std::string code = event->code;
    if (eventType == EMSCRIPTEN_EVENT_KEYDOWN) {
        Web.held.insert(code);
        // A key pressed while a box or a menu is open is the box's.
        if (!PlatformWindowActive())
            Web.swallowed.insert(code);
    } else {
        Web.held.erase(code);
        Web.swallowed.erase(code);
    }
    // With Alt or Ctrl the key is the page's or the browser's (Alt+F, Ctrl+R).
    if (event->altKey || event->ctrlKey || event->metaKey)
        return EM_FALSE;
    return KeptFromBrowser(code) && PlatformWindowActive() ? EM_TRUE : EM_FALSE;
}

// The key each bound key acts as; bindings that name no key, or a key bound
// to an earlier action, are ignored with a line on the console.
void LoadBindings(const Settings& settings)
{
    std::set<std::string> bound;
    for (int action = 0; action < PLATFORM_ACTIONS; ++action) {
        const KeyActionInfo& info = KeyActionInfoOf(static_cast<PlatformAction>(action));
        const std::string* name = SettingsFind(settings, info.setting);
        if (name == nullptr || name->empty())
            continue;
        const std::string line = std::string(info.setting) + "=" + *name;
        const std::string code = CodeFromName(*name);
        if (code.empty()) {
            std::fprintf(stderr, "Quagmore: %s: no key has that name; the binding is ignored\n", line.c_str());
        } else if (!bound.insert(code).second) {
            std::fprintf(stderr, "Quagmore: %s: the key is already bound; the binding is ignored\n", line.c_str());
        } else {
            Web.actsAs[code] = CodeFromName(info.defaults[0]);
        }
    }
}

bool IsDefaultOf(PlatformAction action, const std::string& code)
{
    for (const char* name : KeyActionInfoOf(action).defaults)
        if (name != nullptr && CodeFromName(name) == code)
            return true;
    return false;
}

// The name of a key's code, as the help panel shows keys: SDL's name.
std::string NameOfCode(const std::string& code)
{
    if (code.size() == 4 && code.compare(0, 3, "Key") == 0)
        return code.substr(3);
    if (code.size() == 6 && code.compare(0, 5, "Digit") == 0)
        return code.substr(5);
    if (code.size() == 7 && code.compare(0, 6, "Numpad") == 0)
        return "Keypad " + code.substr(6);
    if (code.size() >= 2 && code[0] == 'F' && std::isdigit(static_cast<unsigned char>(code[1])))
        return code;
    for (const KeyName& known : KEY_NAMES)
        if (code == known.code)
            return known.name;
    return code;
}

} // namespace

void WebKeyboardStart()
{
    LoadBindings(SettingsRead());
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnKey);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnKey);
}

void WebKeyboardSwallowHeld()
{
    Web.swallowed.insert(Web.held.begin(), Web.held.end());
}

int PlatformKeyboardRead(PlatformKeys* keys)
{
    *keys = PlatformKeys();
    for (const std::string& code : Web.held) {
        if (Web.swallowed.count(code) != 0)
            continue;
        auto bound = Web.actsAs.find(code);
        const std::string acting = bound != Web.actsAs.end() ? bound->second : code;
        for (const KeyMapping& mapping : KEY_MAP)
            if (acting == mapping.code)
                keys->down[mapping.key] = true;
    }
    return 1;
}

std::vector<std::string> PlatformActionKeyNames(PlatformAction action)
{
    std::vector<std::string> names;
    for (const char* name : KeyActionInfoOf(action).defaults) {
        if (name == nullptr)
            continue;
        // A default key bound to another action no longer does this one.
        auto bound = Web.actsAs.find(CodeFromName(name));
        if (bound == Web.actsAs.end() || IsDefaultOf(action, bound->second))
            names.push_back(name);
    }
    for (const auto& [code, acting] : Web.actsAs)
        if (IsDefaultOf(action, acting) && !IsDefaultOf(action, code))
            names.push_back(NameOfCode(code));
    return names;
}

// The browser's gamepads are not read.
std::vector<PlatformHelpRow> PlatformGamepadHelp()
{
    return {};
}
