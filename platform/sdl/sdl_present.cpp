// The picture last shown, kept beside the texture: a frame's picture is
// compared with it a band of rows at a time, and only the changed parts are
// uploaded. A frame that changed nothing uploads and presents nothing.
#include "platform/sdl/sdl_platform.h"

#include <algorithm>
#include <cstring>

namespace {

// The compared blocks: one board cell of the game's 600 x 600 picture.
const int PRESENT_BLOCK = 50;

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

std::vector<SDL_Rect> SdlPresentChangedRects(const uint32_t* shown, int shownPitch, const uint32_t* next,
                                             int nextPitch, int width, int height, int block)
{
    std::vector<SDL_Rect> rects;
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
            rects.push_back(SDL_Rect{first, y, std::min(last + block, width) - first, bandHeight});
    }
    return rects;
}

int SdlPresentUpload(const uint32_t* pixels, int pitch, int width, int height)
{
    size_t size = static_cast<size_t>(width) * height;
    std::vector<SDL_Rect> rects;
    if (!Sdl.shownValid || Sdl.shown.size() != size) {
        Sdl.shown.assign(size, 0);
        rects.push_back(SDL_Rect{0, 0, width, height});
    } else {
        rects = SdlPresentChangedRects(Sdl.shown.data(), width, pixels, pitch, width, height, PRESENT_BLOCK);
    }
    for (const SDL_Rect& rect : rects) {
        const uint32_t* start = pixels + static_cast<size_t>(rect.y) * pitch + rect.x;
        SDL_UpdateTexture(Sdl.picture, &rect, start, pitch * 4);
        for (int row = rect.y; row < rect.y + rect.h; ++row)
            std::memcpy(Sdl.shown.data() + static_cast<size_t>(row) * width + rect.x,
                        pixels + static_cast<size_t>(row) * pitch + rect.x, static_cast<size_t>(rect.w) * 4);
        ++Sdl.uploadCount;
    }
    Sdl.shownValid = true;
    return static_cast<int>(rects.size());
}
