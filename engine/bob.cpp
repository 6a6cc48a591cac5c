// Sprite objects: creation, frames cut from a bitmap, animation.
#include "engine/bob.h"

#include "engine/bitmap.h"
#include "engine/display.h"
#include "engine/log.h"

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

bool SlotInRange(int32_t slot)
{
    return slot >= 0 && slot < BOB_MAX_ANIMATIONS;
}

void ReleaseAll(BOB* bob)
{
    for (SDL_Surface*& surface : bob->frameSurfaces) {
        if (surface != nullptr) {
            SDL_FreeSurface(surface);
            surface = nullptr;
        }
    }
    for (int32_t*& list : bob->animLists) {
        delete[] list;
        list = nullptr;
    }
    BobReleaseScaled(bob);
}

// Entries of a list before its ANIM_END.
int32_t ListLength(const int32_t* list)
{
    int32_t length = 0;
    while (list[length] != ANIM_END)
        ++length;
    return length;
}

void AnimateFrameCycle(BOB* bob)
{
    if (++bob->animTicks < bob->animDelay)
        return;
    bob->animTicks = 0;
    if (++bob->frameIndex >= bob->frameCount)
        bob->frameIndex = 0;
}

// The step counter rises before the entry is read, so a freshly selected list
// shows its entry 1 first and entry 0 only after the wrap.
void AnimateList(BOB* bob)
{
    if (++bob->animTicks < bob->animDelay)
        return;
    bob->animTicks = 0;
    if (!SlotInRange(bob->animSlot) || bob->animLists[bob->animSlot] == nullptr)
        return;
    const int32_t* list = bob->animLists[bob->animSlot];
    int32_t length = ListLength(list);
    if (length == 0)
        return;
    ++bob->animStep;
    if (bob->animStep < 0)
        bob->animStep = 0;
    if (bob->animStep >= length) {
        if (bob->flags & BOB_PLAY_ONCE) {
            bob->onceDone = 1;
            bob->animStep = length - 1;
        } else {
            bob->animStep = 0;
        }
    }
    bob->frameIndex = list[bob->animStep];
}

} // namespace

int BobCreate(BOB* bob, int32_t x, int32_t y, int32_t width, int32_t height, int32_t frameCount, uint32_t flags,
              uint32_t surfaceCaps)
{
    (void)surfaceCaps;  // no surface capabilities to ask for: frames are software surfaces
    if (bob == nullptr)
        return 0;
    ReleaseAll(bob);
    bob->state = 1;
    bob->onceDone = 0;
    bob->flags = flags;
    bob->x = x;
    bob->y = y;
    bob->width = width;
    bob->height = height;
    bob->frameIndex = 0;
    bob->frameCount = frameCount;
    bob->animSlot = 0;
    bob->animTicks = 0;
    bob->animStep = 0;
    bob->animDelay = 0;
    bob->surfacePad = width % BOB_SURFACE_ALIGN != 0 ? BOB_SURFACE_ALIGN - width % BOB_SURFACE_ALIGN : 0;
    LogWrite("\nCreate BOB %d", bob->surfacePad);

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

int BobLoadFrame(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t cellX, int32_t cellY, int32_t mode)
{
    if (bob == nullptr)
        return 0;
    if (!FrameInRange(frame) || bob->frameSurfaces[frame] == nullptr)
        return 0;
    SDL_Surface* surface = bob->frameSurfaces[frame];

    // Top-left pixel of the cell in the bitmap.
    int64_t left = cellX;
    int64_t top = cellY;
    if (mode == BOB_EXTRACT_CELL) {
        left = static_cast<int64_t>(cellX) * (bob->width + 1) + 1;
        top = static_cast<int64_t>(cellY) * (bob->height + 1) + 1;
    }
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
    bob->flags |= BOB_FRAME_LOADED;
    return 1;
}

int BobAnimate(BOB* bob)
{
    if (bob == nullptr)
        return 0;
    if (bob->flags & BOB_ONE_FRAME)
        bob->frameIndex = 0;
    else if (bob->flags & BOB_FRAME_CYCLE)
        AnimateFrameCycle(bob);
    else if (bob->flags & BOB_ANIM_LISTS)
        AnimateList(bob);
    return 1;
}

int BobLoadAnimation(BOB* bob, int32_t slot, int32_t count, const int32_t* indices)
{
    if (bob == nullptr || !SlotInRange(slot) || count < 0 || (count > 0 && indices == nullptr))
        return 0;
    delete[] bob->animLists[slot];
    bob->animLists[slot] = new (std::nothrow) int32_t[static_cast<size_t>(count) + 1];
    if (bob->animLists[slot] == nullptr)
        return 0;
    if (count > 0)
        std::memcpy(bob->animLists[slot], indices, sizeof(int32_t) * static_cast<size_t>(count));
    bob->animLists[slot][count] = ANIM_END;
    return 1;
}

int BobSetPosition(BOB* bob, int32_t x, int32_t y)
{
    if (bob == nullptr)
        return 0;
    bob->x = x;
    bob->y = y;
    return 1;
}

int BobSetAnimDelay(BOB* bob, int32_t delay)
{
    if (bob == nullptr)
        return 0;
    bob->animDelay = delay;
    return 1;
}

int BobSetAnimation(BOB* bob, int32_t slot)
{
    if (bob == nullptr || !SlotInRange(slot))
        return 0;
    bob->animSlot = slot;
    bob->animStep = 0;
    return 1;
}
