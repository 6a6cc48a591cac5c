// Keyboard snapshot indexed by DIK key code, and the (unread) mouse device.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// The engine's key codes are the platform's DIK scan codes.
enum : uint8_t {
    DIK_ESCAPE = PLATFORM_DIK_ESCAPE,
    DIK_R = PLATFORM_DIK_R,
    DIK_RETURN = PLATFORM_DIK_RETURN,
    DIK_S = PLATFORM_DIK_S,
    DIK_D = PLATFORM_DIK_D,
    DIK_L = PLATFORM_DIK_L,
    DIK_UP = PLATFORM_DIK_UP,
    DIK_LEFT = PLATFORM_DIK_LEFT,
    DIK_RIGHT = PLATFORM_DIK_RIGHT,
    DIK_DOWN = PLATFORM_DIK_DOWN,
};
enum { KEY_STATE_SIZE = PLATFORM_KEY_COUNT };
enum { VK_RETURN = PLATFORM_VK_RETURN, VK_ESCAPE = PLATFORM_VK_ESCAPE };

extern uint8_t KeyState[KEY_STATE_SIZE];

int InputStart();
// 1 when the platform has a keyboard to read.
int KeyboardAttach();
int MouseAttach();
// Fills KeyState. With no keyboard it clears KeyState and returns 0.
int KeyboardPoll();
int KeyboardDetach();
int MouseDetach();
int InputStop();
// 1 while the key with this virtual-key code (Escape, Enter) is down.
int KeyAsyncDown(int virtualKey);
