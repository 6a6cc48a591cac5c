// Mouse presses on the canvas through html5.h, in picture pixels whatever
// the zoom. Every press counts; the second of two quick presses of a button
// in one place is a double click, as the desktop's window system tells.
#include "platform/web/web_platform.h"

#include <emscripten/html5.h>

#include <cmath>
#include <cstdlib>

namespace {

const char* const CANVAS = "#picture";
const int BUTTON_MAIN = 0;
const int BUTTON_SECOND = 2;
// A second press within this time and distance of the first is a double click.
const double DOUBLE_CLICK_MS = 500;
const long DOUBLE_CLICK_PIXELS = 4;

struct WebPress {
    int button = -1;
    double at = 0;
    long x = 0, y = 0;
    bool wasDouble = false;
};

WebPress LastPress;

EM_BOOL OnMouseDown(int, const EmscriptenMouseEvent* event, void*)
{
    if (event->button != BUTTON_MAIN && event->button != BUTTON_SECOND)
        return EM_FALSE;
    double cssWidth = 0;
    double cssHeight = 0;
    int width = 0;
    int height = 0;
    if (emscripten_get_element_css_size(CANVAS, &cssWidth, &cssHeight) != EMSCRIPTEN_RESULT_SUCCESS ||
        emscripten_get_canvas_element_size(CANVAS, &width, &height) != EMSCRIPTEN_RESULT_SUCCESS || cssWidth <= 0 ||
        cssHeight <= 0)
        return EM_FALSE;
    PlatformEvent press;
    press.kind = PLATFORM_EVENT_MOUSE_PRESS;
    press.button = event->button == BUTTON_MAIN ? PLATFORM_BUTTON_LEFT : PLATFORM_BUTTON_RIGHT;
    press.x = static_cast<int32_t>(std::floor(static_cast<double>(event->targetX) * width / cssWidth));
    press.y = static_cast<int32_t>(std::floor(static_cast<double>(event->targetY) * height / cssHeight));
    press.doubleClick = !LastPress.wasDouble && LastPress.button == event->button &&
                        event->timestamp - LastPress.at <= DOUBLE_CLICK_MS &&
                        std::labs(event->targetX - LastPress.x) <= DOUBLE_CLICK_PIXELS &&
                        std::labs(event->targetY - LastPress.y) <= DOUBLE_CLICK_PIXELS;
    LastPress = WebPress{event->button, event->timestamp, event->targetX, event->targetY, press.doubleClick};
    if (PlatformWindowActive())
        PlatformPostEvent(press);
    return EM_TRUE;
}

} // namespace

void WebMouseStart()
{
    emscripten_set_mousedown_callback(CANVAS, nullptr, EM_TRUE, OnMouseDown);
}
