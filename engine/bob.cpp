// Sprite objects: creation and frames cut from a bitmap.
#include "engine/bob.h"

#include "format/bitmap.h"

#include <algorithm>

namespace {

bool FrameInRange(int32_t frame)
{
    return frame >= 0 && frame < BOB_MAX_FRAMES;
}

void ReleaseAll(BOB* bob)
{
    for (Picture& frame : bob->frames)
        frame = Picture();
    for (PictureRuns& runs : bob->frameRuns)
        runs = PictureRuns();
    BobReleaseScaled(bob);
}

// Copies the frame-sized block at bitmap pixel (left, top) into the frame.
int LoadBlock(BOB* bob, const BitmapFile* bitmap, int32_t frame, int64_t left, int64_t top)
{
    if (!FrameInRange(frame) || PictureEmpty(bob->frames[frame]))
        return 0;
    Picture& picture = bob->frames[frame];
    const uint8_t* source = bitmap != nullptr ? bitmap->pixels : nullptr;
    const int64_t sourceWidth = source != nullptr ? bitmap->infoHeader.width : 0;
    const int64_t sourceRows = source != nullptr ? BitmapRows(bitmap) : 0;

    for (int32_t row = 0; row < bob->height; ++row) {
        uint32_t* dest = picture.Row(row);
        std::fill(dest, dest + bob->width, BOB_TRANSPARENT);
        const int64_t sourceRow = top + row;
        if (sourceRow < 0 || sourceRow >= sourceRows)
            continue;
        const uint8_t* sourceLine = source + sourceRow * sourceWidth * BITMAP_BYTES_PER_PIXEL;
        for (int32_t column = 0; column < bob->width; ++column) {
            const int64_t sourceColumn = left + column;
            if (sourceColumn < 0 || sourceColumn >= sourceWidth)
                continue;
            const uint8_t* pixel = sourceLine + sourceColumn * BITMAP_BYTES_PER_PIXEL;
            // Stored blue, green, red; the picture's pixel is 0x00RRGGBB.
            dest[column] = static_cast<uint32_t>(pixel[0]) | (static_cast<uint32_t>(pixel[1]) << 8) |
                           (static_cast<uint32_t>(pixel[2]) << 16);
        }
    }
    bob->frameRuns[frame] = PictureRunsOf(picture);
    if (bob->scaledFrame == frame)
        BobReleaseScaled(bob);
    return 1;
}

} // namespace

int BobCreate(BOB* bob, int32_t width, int32_t height, int32_t frameCount)
{
    if (bob == nullptr)
        return 0;
    ReleaseAll(bob);
    bob->width = width;
    bob->height = height;

    if (frameCount < 0 || frameCount > BOB_MAX_FRAMES || width <= 0 || height <= 0)
        return 0;
    // A new picture is all black, so an unloaded frame draws nothing.
    for (int32_t i = 0; i < frameCount; ++i) {
        bob->frames[i] = PictureMake(width, height);
        bob->frameRuns[i] = PictureRunsOf(bob->frames[i]);
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
    // Top-left pixel of the cell in the bitmap.
    const int64_t left = static_cast<int64_t>(cellX) * (bob->width + 1) + 1;
    const int64_t top = static_cast<int64_t>(cellY) * (bob->height + 1) + 1;
    return LoadBlock(bob, bitmap, frame, left, top);
}

int BobLoadFrameAt(BOB* bob, const BitmapFile* bitmap, int32_t frame, int32_t left, int32_t top)
{
    if (bob == nullptr)
        return 0;
    return LoadBlock(bob, bitmap, frame, left, top);
}
