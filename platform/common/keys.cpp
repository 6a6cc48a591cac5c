// Key tests that are the same whatever keyboard lies below.
#include "platform/platform.h"
#include "platform/common/common.h"

int PlatformVirtualKeyDown(const uint8_t state[PLATFORM_KEY_COUNT], int virtualKey)
{
    switch (virtualKey) {
    case PLATFORM_VK_ESCAPE:
        return state[PLATFORM_DIK_ESCAPE] != 0;
    case PLATFORM_VK_RETURN:
        return state[PLATFORM_DIK_RETURN] != 0 || state[PLATFORM_DIK_NUMPADENTER] != 0;
    default:
        return 0;
    }
}
