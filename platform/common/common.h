// Helpers shared by the platform implementations, not part of the game's interface.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <string>

// $XDG_RUNTIME_DIR/quagmore, or the config directory when there is none.
std::string PlatformUserRuntimeDir();
// Makes every missing directory of path; false when one can't be made.
bool PlatformMakeDirectories(const std::string& path);
// Takes the first message of a window's queue: 1, or 0 when it is empty.
int PlatformTakeMessage(std::deque<PlatformMessage>& queue, PlatformMessage* msg);
// The asynchronous key test read from a DIK-indexed key state: Escape, or
// either Enter key. 0 for any other virtual key.
int PlatformVirtualKeyDown(const uint8_t state[PLATFORM_KEY_COUNT], int virtualKey);
