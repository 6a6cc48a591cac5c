// Millisecond clock with a mark and a wait.
#pragma once

#include <cstdint>

extern uint32_t ClockMarkTime;

uint32_t ClockNow();
void ClockMark();
// Returns once ClockNow() - ClockMarkTime >= ms (unsigned, so a wrap does no harm).
void ClockWaitSinceMark(uint32_t ms);
