// Helpers shared by the platform implementations, not part of the game's interface.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <string>

// $XDG_RUNTIME_DIR/quagmore, or the config directory when there is none.
std::string PlatformUserRuntimeDir();
// Makes every missing directory of path; false when one can't be made.
bool PlatformMakeDirectories(const std::string& path);
// Makes one of the user's directories when missing and checks that it is a
// directory of this user's that no other user may write to. False with *why
// (said once on stderr as well) when it is not to be used.
bool PlatformUserDirUsable(const std::string& directory, std::string* why);
// True when files may be read from one of the user's directories: it is
// missing (so nothing is read) or passes the same check.
bool PlatformUserDirTrusted(const std::string& directory);
// Takes the first event of a window's queue: 1, or 0 when it is empty.
int PlatformTakeEvent(std::deque<PlatformEvent>& queue, PlatformEvent* event);
// Queues the event that ends the main loop.
void PlatformPostQuitEvent();

// The saved progress file; the files kept beside it (the records) take their
// directory from it.
std::string PlatformProgressPath();

// What the status line shows: the text, or "Paused" while the window is inactive.
std::string PlatformStatusFor(const std::string& text, bool active);

// The message that hands over a level link: on the clipboard when why is
// empty, else with the reason it could not be put there. One line, so the
// simulator prints it as one event.
std::string PlatformShareText(const std::string& fragment, const std::string& why);
