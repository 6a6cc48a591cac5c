// The millisecond clock, and the simulator's trace points, which the real
// game ignores.
#include "platform/sdl/sdl_platform.h"

uint32_t PlatformTicks()
{
    return SDL_GetTicks();
}

void PlatformSleep(uint32_t ms)
{
    SDL_Delay(ms);
}

void PlatformTrace(const char*, long)
{
}

void PlatformTraceText(const char*, const std::string&)
{
}
