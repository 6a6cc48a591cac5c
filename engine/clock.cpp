// Millisecond clock over the platform's tick count.
#include "engine/clock.h"

#include "platform/platform.h"

uint32_t ClockMarkTime = 0;

// Sleep step of the wait: short enough that the wait ends within a millisecond
// of its time.
static const uint32_t CLOCK_WAIT_STEP_MS = 1;

uint32_t ClockNow()
{
    return PlatformTicks();
}

void ClockMark()
{
    ClockMarkTime = ClockNow();
}

void ClockWaitSinceMark(uint32_t ms)
{
    // Unsigned difference: correct across the wrap of the tick count.
    while (ClockNow() - ClockMarkTime < ms)
        PlatformSleep(CLOCK_WAIT_STEP_MS);
}
