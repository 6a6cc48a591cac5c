// Keyboard snapshot indexed by DIK key code, and the (unread) mouse device.
#pragma once

#include <cstdint>

enum : uint8_t {
    DIK_ESCAPE = 0x01,
    DIK_R = 0x13,
    DIK_RETURN = 0x1C,
    DIK_S = 0x1F,
    DIK_D = 0x20,
    DIK_L = 0x26,
    DIK_UP = 0xC8,
    DIK_LEFT = 0xCB,
    DIK_RIGHT = 0xCD,
    DIK_DOWN = 0xD0,
};
enum { KEY_STATE_SIZE = 256 };
enum { VK_RETURN = 0x0D, VK_ESCAPE = 0x1B };

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
