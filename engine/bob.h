// Sprite objects: up to 64 frame surfaces of one size cut from a bitmap, and
// colour-keyed drawing of a frame onto the back surface. A sprite holds
// pictures only; where and which frame to draw comes from the caller.
#pragma once

#include <cstdint>

struct SDL_Surface;
struct BitmapFile;

enum { BOB_MAX_FRAMES = 64 };

// Black: the colour key of every frame, left out when a frame is drawn.
enum : uint32_t { BOB_TRANSPARENT = 0 };

struct BOB {
    int32_t width;
    int32_t height;
    int32_t surfacePad;
    SDL_Surface* frameSurfaces[BOB_MAX_FRAMES];
    // Scaled copy of one frame, kept while the same frame is drawn at the same size.
    SDL_Surface* scaledSurface;
    int32_t scaledFrame;
    int32_t scaledWidth;
    int32_t scaledHeight;
};

// Makes frameCount (0 to 64) transparent frame surfaces; a record that still
// holds surfaces gives them up first. 0 when a surface cannot be made.
int BobCreate(BOB* bob, int32_t width, int32_t height, int32_t frameCount);
// Releases the frames and the scaled copy.
int BobDestroy(BOB* bob);
// Copies a cell of a loaded bitmap into a frame: cells of width x height on a
// (width + 1, height + 1) pitch, each after a one-pixel line. What lies
// outside the bitmap stays black (transparent).
int BobLoadFrame(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t cellX, int32_t cellY);
// Draws a frame at (x, y), clipped to the 600 x 600 back surface. 1 also when
// wholly outside; 0 for a frame without a surface or a failed blit.
int BobDraw(BOB* bob, int32_t frame, int32_t x, int32_t y, SDL_Surface* dest);
// Draws a frame stretched to width x height at (x, y); a width or height of 0
// or less draws nothing. Results as BobDraw.
int BobDrawScaled(BOB* bob, int32_t frame, int32_t x, int32_t y, int32_t width, int32_t height, SDL_Surface* dest);
// Drops the scaled copy kept by BobDrawScaled.
void BobReleaseScaled(BOB* bob);
