// Without a display SDL falls back to drivers that draw nowhere ("offscreen",
// "dummy"): the game would run unseen, holding its lock. Those drivers are
// used only when SDL_VIDEODRIVER names them.
#include "platform/sdl/sdl_platform.h"

#include <cstdlib>
#include <string>
#include <strings.h>

namespace {

const char* const INVISIBLE_DRIVERS[] = {"offscreen", "dummy"};

// SDL_VIDEODRIVER is one name or a comma-separated list of them.
bool NamedInEnvironment(const char* driver)
{
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    if (wanted == nullptr)
        return false;
    std::string list = wanted;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (strcasecmp(name.c_str(), driver) == 0)
            return true;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return false;
}

// Why no driver that shows anything started: the display named could not be
// opened, or none is named.
std::string NoDisplayReason()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* display = std::getenv(variable);
        if (display != nullptr && *display != '\0')
            return std::string("the display ") + variable + "=" + display + " could not be opened";
    }
    return "no display to show a window on (DISPLAY and WAYLAND_DISPLAY unset?)";
}

} // namespace

bool SdlVideoDriverShows(std::string* why)
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) {
        *why = "no video driver";
        return false;
    }
    for (const char* invisible : INVISIBLE_DRIVERS) {
        if (strcasecmp(driver, invisible) == 0 && !NamedInEnvironment(invisible)) {
            *why = NoDisplayReason() + "; SDL's \"" + driver +
                   "\" driver shows nothing and is used only when SDL_VIDEODRIVER names it";
            return false;
        }
    }
    return true;
}
