// The display: the 600 x 600 back surface every frame is composed on, and its
// presentation in the game window.
#pragma once

#include <cstdint>

struct SDL_Surface;

enum { BACK_SURFACE_SIZE = 600 };

struct Display {
    SDL_Surface* backSurface;  // 600 x 600, 32-bit XRGB
};

extern Display MainDisplay;

// Makes the back surface; the desktop keeps its mode. 1 on success, 0 on failure.
int DisplayStart();
// Releases the back surface. Returns 1.
int DisplayShutdown();
// Waits for the next frame slot. Returns 1.
int DisplayWaitVBlank();
// Waits for the vertical blank, then shows the back surface in the window.
void DisplayPresent();
// Makes a 32-bit XRGB software surface of the given size, or nullptr.
SDL_Surface* DisplayCreateSurface(int32_t width, int32_t height);
