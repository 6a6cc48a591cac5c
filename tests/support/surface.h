// Reading back what was drawn on a 32-bit XRGB surface such as the back surface.
#pragma once

#include <SDL.h>

#include <cstdint>

// 0xRRGGBB of pixel (x, y).
inline uint32_t SurfacePixel(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const uint8_t* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    const uint32_t value = reinterpret_cast<const uint32_t*>(row)[x];
    SDL_UnlockSurface(surface);
    return value & 0xFFFFFF;
}
