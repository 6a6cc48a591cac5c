// The game window as the X server has it. On X a window becomes fullscreen
// when a window manager grants the request; SDL takes the request as granted
// and lays its renderer out for the whole screen. With no window manager
// (or one that ignores the request) the window would keep its size and show
// a corner of that layout, or nothing: the window is then placed over the
// screen here, as a window manager would.
#include "platform/sdl/sdl_platform.h"

#include <SDL_syswm.h>

namespace {

// The X display and window of an SDL window; false when it is not on X.
bool X11Window(SDL_Window* window, Display** display, Window* xWindow)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
        return false;
    *display = info.info.x11.display;
    *xWindow = info.info.x11.window;
    return true;
}

} // namespace

bool SdlX11WindowSize(SDL_Window* window, SDL_Point* size)
{
    Display* display = nullptr;
    Window xWindow = 0;
    if (!X11Window(window, &display, &xWindow))
        return false;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, xWindow, &attributes) == 0)
        return false;
    *size = SDL_Point{attributes.width, attributes.height};
    return true;
}

bool SdlX11WithoutWindowManager(SDL_Window* window)
{
    Display* display = nullptr;
    Window xWindow = 0;
    if (!X11Window(window, &display, &xWindow))
        return false;
    // A window manager of the desktop standards names a window of its own
    // on the root window.
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return true;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* value = nullptr;
    int got = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                                 &items, &after, &value);
    bool named = got == Success && type == XA_WINDOW && items == 1;
    if (value != nullptr)
        XFree(value);
    return !named;
}

void SdlX11Place(SDL_Window* window, const SDL_Rect& rect)
{
    Display* display = nullptr;
    Window xWindow = 0;
    if (!X11Window(window, &display, &xWindow) || rect.w <= 0 || rect.h <= 0)
        return;
    XMoveResizeWindow(display, xWindow, rect.x, rect.y, static_cast<unsigned>(rect.w), static_cast<unsigned>(rect.h));
    XSync(display, False);
}
