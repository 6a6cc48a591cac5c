// The picture last shown, kept beside the texture: a frame's picture is
// compared with it a band of rows at a time, and only the changed parts are
// uploaded. A frame that changed nothing uploads and presents nothing.
#include "platform/sdl/sdl_platform.h"
#include "platform/common/changed_rects.h"

#include <algorithm>
#include <cstring>

namespace {

// The compared blocks: one board cell of the game's 600 x 600 picture.
const int PRESENT_BLOCK = 50;

} // namespace

int SdlPresentUpload(const uint32_t* pixels, int pitch, int width, int height)
{
    size_t size = static_cast<size_t>(width) * height;
    std::vector<PlatformRect> rects;
    if (!Sdl.shownValid || Sdl.shown.size() != size) {
        Sdl.shown.assign(size, 0);
        rects.push_back(PlatformRect{0, 0, width, height});
    } else {
        rects = PlatformChangedRects(Sdl.shown.data(), width, pixels, pitch, width, height, PRESENT_BLOCK);
    }
    for (const PlatformRect& changed : rects) {
        const SDL_Rect rect{changed.x, changed.y, changed.w, changed.h};
        const uint32_t* start = pixels + static_cast<size_t>(rect.y) * pitch + rect.x;
        SDL_UpdateTexture(Sdl.picture, &rect, start, pitch * 4);
        if (Sdl.fitStepValid)
            Sdl.fitStepChanged.push_back(rect);
        for (int row = rect.y; row < rect.y + rect.h; ++row)
            std::memcpy(Sdl.shown.data() + static_cast<size_t>(row) * width + rect.x,
                        pixels + static_cast<size_t>(row) * pitch + rect.x, static_cast<size_t>(rect.w) * 4);
        ++Sdl.uploadCount;
    }
    Sdl.shownValid = true;
    return static_cast<int>(rects.size());
}
