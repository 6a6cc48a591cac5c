// Millisecond clock with a mark and a wait, and the pseudo-random helper.
#pragma once

#include <cstdint>

extern uint32_t ClockMarkTime;

uint32_t ClockNow();
void ClockMark();
// Returns once ClockNow() - ClockMarkTime >= ms (unsigned, so a wrap does no harm).
void ClockWaitSinceMark(uint32_t ms);
// 0 for n == 0 (drawing nothing); otherwise the next rand() value modulo n.
int32_t RandomBelow(int32_t n);
