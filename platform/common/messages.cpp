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
