// Drawing of sprite frames onto the back surface: clipped at its real size,
// or stretched through a cached scaled copy of the frame.
#include "engine/bob.h"

#include "engine/display.h"

#include <SDL.h>

namespace {

// Larger drawn sizes are stretched directly instead of through a copy.
const int32_t BOB_SCALED_COPY_MAX_SIDE = 4 * BACK_SURFACE_SIZE;

SDL_Surface* FrameSurface(const BOB* bob, int32_t frame)
{
    if (frame < 0 || frame >= BOB_MAX_FRAMES)
        return nullptr;
    return bob->frameSurfaces[frame];
}

// Makes the frame's picture at width x height. The frame's key is lifted for
// the stretch, which then takes SDL's plain nearest-pixel path (many times
// faster than a keyed stretch), picks the same source pixels and writes every
// pixel of the copy; black pixels arrive as black and stay transparent through
// the copy's own key.
SDL_Surface* MakeScaledCopy(SDL_Surface* frame, const SDL_Rect& frameRect, int32_t width, int32_t height)
{
    SDL_Surface* copy = DisplayCreateSurface(width, height);
    if (copy == nullptr)
        return nullptr;
    SDL_Rect copyRect = {0, 0, width, height};
    SDL_Rect source = frameRect;
    SDL_SetColorKey(frame, SDL_FALSE, BOB_TRANSPARENT);
    int stretched = SDL_BlitScaled(frame, &source, copy, &copyRect);
    SDL_SetColorKey(frame, SDL_TRUE, BOB_TRANSPARENT);
    if (stretched != 0) {
        SDL_FreeSurface(copy);
        return nullptr;
    }
    SDL_SetColorKey(copy, SDL_TRUE, BOB_TRANSPARENT);
    return copy;
}

// The frame surface a draw shows; nullptr for a null record, a missing frame
// or no destination.
SDL_Surface* FrameToDraw(const BOB* bob, int32_t frame, SDL_Surface* dest)
{
    if (bob == nullptr || dest == nullptr)
        return nullptr;
    return FrameSurface(bob, frame);
}

} // namespace

void BobReleaseScaled(BOB* bob)
{
    if (bob == nullptr)
        return;
    if (bob->scaledSurface != nullptr)
        SDL_FreeSurface(bob->scaledSurface);
    bob->scaledSurface = nullptr;
    bob->scaledFrame = 0;
    bob->scaledWidth = 0;
    bob->scaledHeight = 0;
}

int BobDraw(BOB* bob, int32_t frameIndex, int32_t x32, int32_t y32, SDL_Surface* dest)
{
    SDL_Surface* frame = FrameToDraw(bob, frameIndex, dest);
    if (frame == nullptr)
        return 0;

    // Clip to the back surface's size: both rectangles keep the same size, so
    // a sprite at an edge is cut, never stretched.
    const int64_t limit = BACK_SURFACE_SIZE;
    const int64_t x = x32;
    const int64_t y = y32;
    const int64_t right = x + bob->width;
    const int64_t bottom = y + bob->height;
    const int64_t destLeft = x > 0 ? x : 0;
    const int64_t destTop = y > 0 ? y : 0;
    const int64_t destRight = right < limit ? right : limit;
    const int64_t destBottom = bottom < limit ? bottom : limit;
    const int64_t sourceLeft = x > 0 ? 0 : -x;
    const int64_t sourceTop = y > 0 ? 0 : -y;
    if (destRight <= destLeft || destBottom <= destTop)
        return 1;  // wholly outside: nothing to draw

    SDL_Rect source = {static_cast<int>(sourceLeft), static_cast<int>(sourceTop),
                       static_cast<int>(destRight - destLeft), static_cast<int>(destBottom - destTop)};
    SDL_Rect target = {static_cast<int>(destLeft), static_cast<int>(destTop), source.w, source.h};
    return SDL_BlitSurface(frame, &source, dest, &target) == 0 ? 1 : 0;
}

int BobDrawScaled(BOB* bob, int32_t frameIndex, int32_t x, int32_t y, int32_t width, int32_t height, SDL_Surface* dest)
{
    SDL_Surface* frame = FrameToDraw(bob, frameIndex, dest);
    if (frame == nullptr)
        return 0;
    if (width <= 0 || height <= 0)
        return 1;

    SDL_Rect frameRect = {0, 0, bob->width, bob->height};
    SDL_Rect target = {x, y, width, height};
    if (width == bob->width && height == bob->height)
        return SDL_BlitSurface(frame, &frameRect, dest, &target) == 0 ? 1 : 0;
    if (width > BOB_SCALED_COPY_MAX_SIDE || height > BOB_SCALED_COPY_MAX_SIDE)
        return SDL_BlitScaled(frame, &frameRect, dest, &target) == 0 ? 1 : 0;

    // A keyed stretch costs many times a keyed copy, and the game draws the
    // same frame at the same size for many frames running: keep the picture.
    if (bob->scaledSurface == nullptr || bob->scaledFrame != frameIndex || bob->scaledWidth != width ||
        bob->scaledHeight != height) {
        BobReleaseScaled(bob);
        bob->scaledSurface = MakeScaledCopy(frame, frameRect, width, height);
        if (bob->scaledSurface == nullptr)
            return 0;
        bob->scaledFrame = frameIndex;
        bob->scaledWidth = width;
        bob->scaledHeight = height;
    } else {
        // Drawn a second time: worth coding in runs, which makes each later
        // keyed copy nearly as cheap as a plain one. A size that changes
        // every frame is never coded.
        SDL_SetSurfaceRLE(bob->scaledSurface, 1);
    }
    return SDL_BlitSurface(bob->scaledSurface, nullptr, dest, &target) == 0 ? 1 : 0;
}
