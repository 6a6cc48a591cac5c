// Two pictures compared a band of block rows at a time.
#include "platform/common/changed_rects.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

bool BlockDiffers(const uint32_t* shown, int shownPitch, const uint32_t* next, int nextPitch, int x, int y,
                  int width, int height)
{
    for (int row = y; row < y + height; ++row) {
        if (std::memcmp(shown + static_cast<size_t>(row) * shownPitch + x,
                        next + static_cast<size_t>(row) * nextPitch + x, static_cast<size_t>(width) * 4) != 0)
            return true;
    }
    return false;
}

} // namespace

std::vector<PlatformRect> PlatformChangedRects(const uint32_t* shown, int shownPitch, const uint32_t* next,
                                               int nextPitch, int width, int height, int block)
{
    std::vector<PlatformRect> rects;
    for (int y = 0; y < height; y += block) {
        int bandHeight = std::min(block, height - y);
        int first = -1;
        int last = -1;
        for (int x = 0; x < width; x += block) {
            if (BlockDiffers(shown, shownPitch, next, nextPitch, x, y, std::min(block, width - x), bandHeight)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0)
            rects.push_back(PlatformRect{first, y, std::min(last + block, width) - first, bandHeight});
    }
    return rects;
}
