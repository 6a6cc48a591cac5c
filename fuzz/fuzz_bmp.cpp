// The BMP loader on any bytes, and sprite frames cut from what it loads: cells
// inside, across and outside the picture, before it and past it.
#include "format/bitmap.h"
#include "engine/bob.h"
#include "fuzz/fuzz_support.h"

namespace {

enum { FRAME_SIZE = 50, FRAMES = 4 };

struct FrameCut {
    int32_t cellX, cellY;
};

const FrameCut CUTS[FRAMES] = {{0, 0}, {1, 1}, {15, 5}, {-20, 7}};

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
    if (BobCreate(&bob, FRAME_SIZE, FRAME_SIZE, FRAMES) == 1) {
        for (int frame = 0; frame < FRAMES; ++frame)
            BobLoadFrame(&bob, &bitmap, frame, CUTS[frame].cellX, CUTS[frame].cellY);
        BobDestroy(&bob);
    }
    BitmapUnload(&bitmap);
    return 0;
}
