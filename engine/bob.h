// Sprite objects: a position, up to 64 frame surfaces cut from a bitmap, up to
// 16 animation lists, and colour-keyed drawing onto the back surface.
#pragma once

#include <cstdint>

struct SDL_Surface;
struct BitmapFile;

enum { BOB_MAX_FRAMES = 64, BOB_MAX_ANIMATIONS = 16, ANIM_END = -1 };

// BobLoadFrame addressing: cells of width x height on a (width + 1, height + 1)
// pitch with a one-pixel line before each, or the frame's top-left pixel.
enum { BOB_EXTRACT_CELL = 0, BOB_EXTRACT_ABSOLUTE = 1 };

// Black: the colour key of every frame, left out when a frame is drawn.
enum : uint32_t { BOB_TRANSPARENT = 0 };

enum : uint32_t {
    BOB_ONE_FRAME = 1,
    BOB_FRAME_CYCLE = 2,
    BOB_ANIM_LISTS = 4,
    BOB_PLAY_ONCE = 8,
    BOB_SHOWN = 16,
    BOB_FRAME_LOADED = 128,
};

struct BOB {
    int32_t state;
    int32_t onceDone;
    uint32_t flags;
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    int32_t surfacePad;
    int32_t frameIndex;
    int32_t frameCount;
    int32_t animSlot;
    int32_t animTicks;
    int32_t animStep;
    int32_t animDelay;
    int32_t* animLists[BOB_MAX_ANIMATIONS];
    SDL_Surface* frameSurfaces[BOB_MAX_FRAMES];
    // Scaled copy of one frame, kept while the same frame is drawn at the same size.
    SDL_Surface* scaledSurface;
    int32_t scaledFrame;
    int32_t scaledWidth;
    int32_t scaledHeight;
};

// Makes frameCount (0 to 64) transparent frame surfaces; a record that still
// holds surfaces or lists gives them up first. 0 when a surface cannot be made.
int BobCreate(BOB* bob, int32_t x, int32_t y, int32_t width, int32_t height, int32_t frameCount, uint32_t flags,
              uint32_t surfaceCaps);
// Releases the frames, the animation lists and the scaled copy.
int BobDestroy(BOB* bob);
// Copies a cell of a loaded bitmap into a frame; what lies outside the bitmap
// stays black (transparent).
int BobLoadFrame(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t cellX, int32_t cellY, int32_t mode);
// Draws the current frame at (x, y), clipped to the 600 x 600 back surface.
// 1 also when hidden or wholly outside; 0 for a frame without a surface or a
// failed blit.
int BobDraw(BOB* bob, SDL_Surface* dest);
// Draws the current frame stretched to width x height at (x, y); a width or
// height of 0 or less draws nothing. Results as BobDraw.
int BobDrawScaled(BOB* bob, int32_t width, int32_t height, SDL_Surface* dest);
// Drops the scaled copy kept by BobDrawScaled.
void BobReleaseScaled(BOB* bob);
int BobAnimate(BOB* bob);
int BobLoadAnimation(BOB* bob, int32_t slot, int32_t count, const int32_t* indices);
int BobSetPosition(BOB* bob, int32_t x, int32_t y);
int BobSetAnimDelay(BOB* bob, int32_t delay);
int BobSetAnimation(BOB* bob, int32_t slot);
