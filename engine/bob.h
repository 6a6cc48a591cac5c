// Sprite objects: up to 64 frame pictures of one size cut from a bitmap, and
// keyed drawing of a frame onto the back picture. A sprite holds pictures
// only; where and which frame to draw comes from the caller.
#pragma once

#include "engine/picture.h"

#include <cstdint>

struct BitmapFile;

enum { BOB_MAX_FRAMES = 64 };

// Black: the colour key of every frame, left out when a frame is drawn.
enum : uint32_t { BOB_TRANSPARENT = PICTURE_KEY };

struct BOB {
    int32_t width = 0;
    int32_t height = 0;
    Picture frames[BOB_MAX_FRAMES];   // an empty picture: no such frame
    PictureRuns frameRuns[BOB_MAX_FRAMES];
    // Stretched copy of one frame, kept while the same frame is drawn at the same size.
    Picture scaled;
    PictureRuns scaledRuns;
    int32_t scaledFrame = 0;
    int32_t scaledWidth = 0;
    int32_t scaledHeight = 0;
};

// Makes frameCount (0 to 64) transparent frames; a record that still holds
// frames gives them up first. 0 for a count or size out of range.
int BobCreate(BOB* bob, int32_t width, int32_t height, int32_t frameCount);
// Releases the frames and the scaled copy.
int BobDestroy(BOB* bob);
// Copies a cell of a loaded bitmap into a frame: cells of width x height on a
// (width + 1, height + 1) pitch, each after a one-pixel line. What lies
// outside the bitmap stays black (transparent).
int BobLoadFrame(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t cellX, int32_t cellY);
// Copies the width x height block of a loaded bitmap whose top-left pixel is
// (left, top) into a frame, as BobLoadFrame does a cell.
int BobLoadFrameAt(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t left, int32_t top);
// Draws a frame at (x, y), cut at the picture's edges. 1 also when wholly
// outside; 0 for a frame that was never made.
int BobDraw(BOB* bob, int32_t frame, int32_t x, int32_t y, Picture& dest);
// Draws a frame stretched to width x height at (x, y) as PictureCopyScaledKeyed
// does; a width or height of 0 or less draws nothing. Results as BobDraw.
int BobDrawScaled(BOB* bob, int32_t frame, int32_t x, int32_t y, int32_t width, int32_t height, Picture& dest);
// Drops the scaled copy kept by BobDrawScaled.
void BobReleaseScaled(BOB* bob);
