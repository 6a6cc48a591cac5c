// Message handling that is the same whatever window system lies below.
#include "platform/platform.h"
#include "platform/common/common.h"

int32_t PlatformDefWindowProc(uint32_t message, uint32_t, int32_t)
{
    // The close box ends the window, which sends WM_DESTROY to its procedure.
    if (message == PLATFORM_WM_CLOSE)
        PlatformDestroyWindow();
    return 0;
}

void PlatformPostQuitMessage(int exitCode)
{
    PlatformPostMessage(PLATFORM_WM_QUIT, static_cast<uint32_t>(exitCode), 0);
}

int PlatformTakeMessage(std::deque<PlatformMessage>& queue, PlatformMessage* msg)
{
    if (queue.empty())
        return 0;
    *msg = queue.front();
    queue.pop_front();
    return 1;
}
