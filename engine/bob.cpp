// Sprite objects: creation and frames cut from a bitmap.
#include "engine/bob.h"

#include "engine/bitmap.h"
#include "engine/display.h"

#include <SDL.h>

#include <cstring>
#include <new>

namespace {

// Frame surfaces are made a multiple of this many pixels wide.
const int32_t BOB_SURFACE_ALIGN = 8;

bool FrameInRange(int32_t frame)
{
    return frame >= 0 && frame < BOB_MAX_FRAMES;
}

void ReleaseAll(BOB* bob)
{
    for (SDL_Surface*& surface : bob->frameSurfaces) {
        if (surface != nullptr) {
            SDL_FreeSurface(surface);
            surface = nullptr;
        }
    }
    BobReleaseScaled(bob);
}

} // namespace

int BobCreate(BOB* bob, int32_t width, int32_t height, int32_t frameCount)
{
    if (bob == nullptr)
        return 0;
    ReleaseAll(bob);
    bob->width = width;
    bob->height = height;
    bob->surfacePad = width % BOB_SURFACE_ALIGN != 0 ? BOB_SURFACE_ALIGN - width % BOB_SURFACE_ALIGN : 0;

    if (frameCount < 0 || frameCount > BOB_MAX_FRAMES || width <= 0 || height <= 0)
        return 0;
    for (int32_t i = 0; i < frameCount; ++i) {
        // A new surface is all black, so an unloaded frame draws nothing.
        SDL_Surface* surface = DisplayCreateSurface(width + bob->surfacePad, height);
        if (surface == nullptr)
            return 0;
        SDL_SetColorKey(surface, SDL_TRUE, BOB_TRANSPARENT);
        SDL_SetSurfaceRLE(surface, 1);
        bob->frameSurfaces[i] = surface;
    }
    return 1;
}

int BobDestroy(BOB* bob)
{
    if (bob == nullptr)
        return 0;
    ReleaseAll(bob);
    return 1;
}

int BobLoadFrame(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t cellX, int32_t cellY)
{
    if (bob == nullptr)
        return 0;
    if (!FrameInRange(frame) || bob->frameSurfaces[frame] == nullptr)
        return 0;
    SDL_Surface* surface = bob->frameSurfaces[frame];

    // Top-left pixel of the cell in the bitmap.
    const int64_t left = static_cast<int64_t>(cellX) * (bob->width + 1) + 1;
    const int64_t top = static_cast<int64_t>(cellY) * (bob->height + 1) + 1;
    const uint8_t* source = bitmap != nullptr ? bitmap->pixels : nullptr;
    const int64_t sourceWidth = source != nullptr ? bitmap->infoHeader.width : 0;
    const int64_t sourceRows = source != nullptr ? BitmapRows(bitmap) : 0;

    // Locking also takes the surface out of its run-length coding; unlocking
    // codes it again with the new pixels.
    if (SDL_LockSurface(surface) != 0)
        return 0;
    uint8_t* destRow = static_cast<uint8_t*>(surface->pixels);
    for (int32_t row = 0; row < bob->height; ++row, destRow += surface->pitch) {
        uint32_t* dest = reinterpret_cast<uint32_t*>(destRow);
        std::memset(dest, 0, sizeof(uint32_t) * static_cast<size_t>(bob->width));
        const int64_t sourceRow = top + row;
        if (sourceRow < 0 || sourceRow >= sourceRows)
            continue;
        const uint8_t* sourceLine = source + sourceRow * sourceWidth * BITMAP_BYTES_PER_PIXEL;
        for (int32_t column = 0; column < bob->width; ++column) {
            const int64_t sourceColumn = left + column;
            if (sourceColumn < 0 || sourceColumn >= sourceWidth)
                continue;
            const uint8_t* pixel = sourceLine + sourceColumn * BITMAP_BYTES_PER_PIXEL;
            // Stored blue, green, red; the surface's pixel is 0x00RRGGBB.
            dest[column] = static_cast<uint32_t>(pixel[0]) | (static_cast<uint32_t>(pixel[1]) << 8) |
                           (static_cast<uint32_t>(pixel[2]) << 16);
        }
    }
    SDL_UnlockSurface(surface);
    if (bob->scaledFrame == frame)
        BobReleaseScaled(bob);
    return 1;
}
