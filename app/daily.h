// The level of the day: a level made by the generator from a date (UTC), the
// same board on every machine. It is made beside the game, on a thread of its
// own, so no frame waits; the simulator makes it inline, so its frames come
// out the same on every machine. Played as a campaign of one level that
// keeps its records but no progress.
#pragma once

#include "solver/solver_worker.h"

#include <string>

// What the status line calls the level of the date: "Daily 2026-12-07".
std::string AppDailyTitle(const std::string& date);
// Today's date in UTC, "YYYY-MM-DD".
std::string AppDailyToday();
// How the level is made: SOLVER_WORKER_THREAD in the game (the default),
// SOLVER_WORKER_INLINE in the simulator. Set before the main loop.
void AppDailySetup(SolverWorkerKind kind);
// The command line asks for the level of the date when the game starts.
// False with *why for a date that is none.
bool AppDailyRequest(const std::string& date, std::string* why);
// At the start of the game: begins making the level the command line asked
// for. True when it is already played (made inline), so no other level is
// to start.
bool AppDailyBegin();
// Begins making the level of the date (File › Level of the day). A bad date
// is shown to the player.
void AppDailyAsk(const std::string& date);
// After a frame's step: plays the level once it has been made.
void AppDailyFrame();
// Drops the level being made, if any (another campaign was chosen).
void AppDailyCancel();
// Ends the making under way, and its thread.
void AppDailyStop();
// The status line while the level is being made; empty otherwise.
std::string AppDailyStatus();
