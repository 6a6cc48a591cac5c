// The back surface every frame is composed on, and its presentation.
#include "engine/display.h"

#include "platform/platform.h"

#include <SDL.h>

Display MainDisplay;

// Every surface of the game: 32 bits per pixel, bytes blue, green, red, unused.
static const uint32_t DISPLAY_PIXEL_FORMAT = SDL_PIXELFORMAT_RGB888;
static const int DISPLAY_PIXEL_BITS = 32;

SDL_Surface* DisplayCreateSurface(int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, DISPLAY_PIXEL_BITS, DISPLAY_PIXEL_FORMAT);
}

int DisplayStart()
{
    if (MainDisplay.backSurface == nullptr)
        MainDisplay.backSurface = DisplayCreateSurface(BACK_SURFACE_SIZE, BACK_SURFACE_SIZE);
    if (MainDisplay.backSurface == nullptr)
        return 0;
    return 1;
}

int DisplayShutdown()
{
    if (MainDisplay.backSurface != nullptr) {
        SDL_FreeSurface(MainDisplay.backSurface);
        MainDisplay.backSurface = nullptr;
    }
    return 1;
}

int DisplayWaitVBlank()
{
    PlatformWaitVBlank();
    return 1;
}

void DisplayPresent()
{
    DisplayWaitVBlank();
    if (MainDisplay.backSurface != nullptr)
        PlatformPresent(MainDisplay.backSurface);
}
