// Event handling that is the same whatever window system lies below.
#include "platform/platform.h"
#include "platform/common/common.h"

int PlatformTakeEvent(std::deque<PlatformEvent>& queue, PlatformEvent* event)
{
    if (queue.empty())
        return 0;
    *event = queue.front();
    queue.pop_front();
    return 1;
}

void PlatformPostQuitEvent()
{
    PlatformEvent quit;
    quit.kind = PLATFORM_EVENT_QUIT;
    PlatformPostEvent(quit);
}

std::string PlatformStatusFor(const std::string& text, bool active)
{
    // Frames stand still while another window, a menu or a box is in use.
    return active ? text : "Paused";
}

std::string PlatformShareText(const std::string& fragment, const std::string& why)
{
    if (why.empty())
        return "The link to this board is on the clipboard: " + fragment;
    return "The link to this board could not be put on the clipboard (" + why + "): " + fragment;
}
