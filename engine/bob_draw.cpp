// Drawing of sprite frames onto the back picture: at their real size, or
// stretched through a kept copy of the stretched frame.
#include "engine/bob.h"

#include "engine/display.h"

namespace {

// Larger drawn sizes are stretched directly instead of through a copy.
const int32_t BOB_SCALED_COPY_MAX_SIDE = 4 * BACK_SURFACE_SIZE;

// The frame a draw shows; nullptr for a null record or a frame never made.
const Picture* FrameToDraw(const BOB* bob, int32_t frame)
{
    if (bob == nullptr || frame < 0 || frame >= BOB_MAX_FRAMES || PictureEmpty(bob->frames[frame]))
        return nullptr;
    return &bob->frames[frame];
}

} // namespace

void BobReleaseScaled(BOB* bob)
{
    if (bob == nullptr)
        return;
    bob->scaled = Picture();
    bob->scaledRuns = PictureRuns();
    bob->scaledFrame = 0;
    bob->scaledWidth = 0;
    bob->scaledHeight = 0;
}

int BobDraw(BOB* bob, int32_t frameIndex, int32_t x, int32_t y, Picture& dest)
{
    const Picture* frame = FrameToDraw(bob, frameIndex);
    if (frame == nullptr)
        return 0;
    PictureCopyKeyed(dest, x, y, *frame, bob->frameRuns[frameIndex]);
    return 1;
}

int BobDrawScaled(BOB* bob, int32_t frameIndex, int32_t x, int32_t y, int32_t width, int32_t height, Picture& dest)
{
    const Picture* frame = FrameToDraw(bob, frameIndex);
    if (frame == nullptr)
        return 0;
    if (width <= 0 || height <= 0)
        return 1;
    if (width == bob->width && height == bob->height) {
        PictureCopyKeyed(dest, x, y, *frame, bob->frameRuns[frameIndex]);
        return 1;
    }
    if (width > BOB_SCALED_COPY_MAX_SIDE || height > BOB_SCALED_COPY_MAX_SIDE) {
        PictureCopyScaledKeyed(dest, x, y, width, height, *frame);
        return 1;
    }

    // A stretch costs several times a keyed copy, and the game draws the same
    // frame at the same size for many frames running: keep the picture and
    // its runs. Black stretched onto black stays black, so the copy is keyed
    // as the frame is.
    if (PictureEmpty(bob->scaled) || bob->scaledFrame != frameIndex || bob->scaledWidth != width ||
        bob->scaledHeight != height) {
        bob->scaled = PictureMake(width, height);
        PictureCopyScaledKeyed(bob->scaled, 0, 0, width, height, *frame);
        bob->scaledRuns = PictureRunsOf(bob->scaled);
        bob->scaledFrame = frameIndex;
        bob->scaledWidth = width;
        bob->scaledHeight = height;
    }
    PictureCopyKeyed(dest, x, y, bob->scaled, bob->scaledRuns);
    return 1;
}
