// Keyboard snapshot and the asynchronous key test, read from the platform.
// The mouse device is set up for form's sake: the editor takes its clicks
// from window messages.
#include "engine/input.h"

#include "platform/platform.h"

#include <cstring>

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
