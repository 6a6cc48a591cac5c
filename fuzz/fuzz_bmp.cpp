// The BMP loader on any bytes, and sprite frames cut from what it loads: cells
// inside, across and outside the picture, by cell and by pixel.
#include "engine/bitmap.h"
#include "engine/bob.h"
#include "fuzz/fuzz_support.h"

namespace {

enum { FRAME_SIZE = 50, FRAMES = 4 };

struct FrameCut {
    int32_t cellX, cellY, mode;
};

const FrameCut CUTS[FRAMES] = {
    {0, 0, BOB_EXTRACT_CELL},
    {1, 1, BOB_EXTRACT_CELL},
    {15, 5, BOB_EXTRACT_CELL},
    {-20, 7, BOB_EXTRACT_ABSOLUTE},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzDirectory() + "/input.bmp";
    if (!FuzzWriteFile(path, data, size))
        return 0;
    BitmapFile bitmap{};
    if (BitmapLoad(&bitmap, path.c_str()) != 1)
        return 0;
    BOB bob{};
    if (BobCreate(&bob, 0, 0, FRAME_SIZE, FRAME_SIZE, FRAMES, BOB_ANIM_LISTS, 0) == 1) {
        for (int frame = 0; frame < FRAMES; ++frame)
            BobLoadFrame(&bob, &bitmap, frame, CUTS[frame].cellX, CUTS[frame].cellY, CUTS[frame].mode);
        BobDestroy(&bob);
    }
    BitmapUnload(&bitmap);
    return 0;
}
