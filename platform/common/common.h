// Helpers shared by the platform implementations, not part of the game's interface.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <string>

// $XDG_RUNTIME_DIR/quagmore, or the config directory when there is none.
std::string PlatformUserRuntimeDir();
// Makes every missing directory of path; false when one can't be made.
bool PlatformMakeDirectories(const std::string& path);
// Takes the first event of a window's queue: 1, or 0 when it is empty.
int PlatformTakeEvent(std::deque<PlatformEvent>& queue, PlatformEvent* event);
// Queues the event that ends the main loop.
void PlatformPostQuitEvent();
