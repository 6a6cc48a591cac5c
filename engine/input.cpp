// Keyboard snapshot and the asynchronous key test, read from the platform.
// The mouse device is set up for form's sake: the editor takes its clicks
// from window messages.
#include "engine/input.h"

#include "platform/platform.h"

#include <cstring>

// The engine's key codes are the platform's.
constexpr bool SameCode(int engineCode, int platformCode)
{
    return engineCode == platformCode;
}
static_assert(SameCode(KEY_STATE_SIZE, PLATFORM_KEY_COUNT));
static_assert(SameCode(DIK_ESCAPE, PLATFORM_DIK_ESCAPE) && SameCode(DIK_R, PLATFORM_DIK_R) &&
              SameCode(DIK_RETURN, PLATFORM_DIK_RETURN) && SameCode(DIK_S, PLATFORM_DIK_S) &&
              SameCode(DIK_D, PLATFORM_DIK_D) && SameCode(DIK_L, PLATFORM_DIK_L) && SameCode(DIK_UP, PLATFORM_DIK_UP) &&
              SameCode(DIK_LEFT, PLATFORM_DIK_LEFT) && SameCode(DIK_RIGHT, PLATFORM_DIK_RIGHT) &&
              SameCode(DIK_DOWN, PLATFORM_DIK_DOWN));
static_assert(SameCode(VK_RETURN, PLATFORM_VK_RETURN) && SameCode(VK_ESCAPE, PLATFORM_VK_ESCAPE));

uint8_t KeyState[KEY_STATE_SIZE];

int InputStart()
{
    return 1;
}

int KeyboardAttach()
{
    // The keyboard is there when the platform can read it.
    uint8_t probe[KEY_STATE_SIZE];
    return PlatformKeyboardRead(probe) ? 1 : 0;
}

int MouseAttach()
{
    return 1;
}

int KeyboardPoll()
{
    if (!PlatformKeyboardRead(KeyState)) {
        // No keyboard: no key may read as down.
        std::memset(KeyState, 0, sizeof KeyState);
        return 0;
    }
    return 1;
}

int KeyboardDetach()
{
    return 1;
}

int MouseDetach()
{
    return 1;
}

int InputStop()
{
    return 1;
}

int KeyAsyncDown(int virtualKey)
{
    return PlatformAsyncKeyDown(virtualKey) ? 1 : 0;
}
