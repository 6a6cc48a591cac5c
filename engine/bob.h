// Sprite objects: a position, up to 64 frame surfaces cut from a bitmap, up to
// 16 animation lists, and colour-keyed drawing onto the back surface.
#pragma once

#include <cstdint>

struct SDL_Surface;
struct BitmapFile;

enum { BOB_MAX_FRAMES = 64, BOB_MAX_ANIMATIONS = 16, ANIM_END = -1 };

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

int BobCreate(BOB* bob, int32_t x, int32_t y, int32_t width, int32_t height, int32_t frameCount, uint32_t flags,
              uint32_t surfaceCaps);
int BobDestroy(BOB* bob);
int BobLoadFrame(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t cellX, int32_t cellY, int32_t mode);
int BobDraw(BOB* bob, SDL_Surface* dest);
int BobDrawScaled(BOB* bob, int32_t width, int32_t height, SDL_Surface* dest);
int BobAnimate(BOB* bob);
int BobLoadAnimation(BOB* bob, int32_t slot, int32_t count, const int32_t* indices);
int BobSetPosition(BOB* bob, int32_t x, int32_t y);
int BobSetAnimDelay(BOB* bob, int32_t delay);
int BobSetAnimation(BOB* bob, int32_t slot);
