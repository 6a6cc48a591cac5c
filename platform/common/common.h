// Helpers shared by the platform implementations, not part of the game's interface.
#pragma once

#include <string>

// $XDG_RUNTIME_DIR/quagmore, or the config directory when there is none.
std::string PlatformUserRuntimeDir();
// Makes every missing directory of path; false when one can't be made.
bool PlatformMakeDirectories(const std::string& path);
