// Where the picture lies in the window: at the largest whole number of
// drawable pixels per picture pixel that fits, centred with black bars, or
// scaled down smoothly when even one to one does not fit; fitted, as large
// as the window allows; and the window's first size and place on the display.
//
// Window sizes, the menu bar and mouse positions are in window coordinates;
// the picture is placed in drawable pixels, which a high-DPI display has more
// of (two per coordinate at a scale of 2). A zoom is picture pixels per
// window coordinate, so the picture has the same size on the desktop at
// every scale, and a whole-number scale keeps it sharp.
#include "platform/sdl/sdl_platform.h"

#include <algorithm>

namespace {

// The first window takes at most this share of the display's usable area.
const int FIRST_SIZE_PERCENT = 90;
const int PERCENT = 100;

} // namespace

SdlViewFit SdlViewLayout(const SDL_Rect& area, int sourceWidth, int sourceHeight, SdlScaling scaling)
{
    SdlViewFit fit;
    if (area.w <= 0 || area.h <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return fit;
    int zoom = std::min(area.w / sourceWidth, area.h / sourceHeight);
    int width = sourceWidth * zoom;
    int height = sourceHeight * zoom;
    if (zoom == 0 || scaling == SdlScaling::Fit) {
        // The largest size of the same shape.
        int64_t byWidth = static_cast<int64_t>(area.w) * sourceHeight;
        int64_t byHeight = static_cast<int64_t>(area.h) * sourceWidth;
        if (byWidth <= byHeight) {
            width = area.w;
            height = static_cast<int>(byWidth / sourceWidth);
        } else {
            height = area.h;
            width = static_cast<int>(byHeight / sourceHeight);
        }
    }
    fit.zoom = zoom;
    fit.picture = SDL_Rect{area.x + (area.w - width) / 2, area.y + (area.h - height) / 2, width, height};
    return fit;
}

SDL_Point SdlViewWindowSize(int zoom, int menuBarHeight, int sourceWidth, int sourceHeight)
{
    return SDL_Point{sourceWidth * zoom, menuBarHeight + sourceHeight * zoom};
}

bool SdlViewZoomFits(int zoom, const SDL_Rect& usable, int menuBarHeight, int sourceWidth, int sourceHeight,
                     int percent)
{
    SDL_Point size = SdlViewWindowSize(zoom, menuBarHeight, sourceWidth, sourceHeight);
    return static_cast<int64_t>(size.x) * PERCENT <= static_cast<int64_t>(usable.w) * percent &&
           static_cast<int64_t>(size.y) * PERCENT <= static_cast<int64_t>(usable.h) * percent;
}

int SdlViewFirstZoom(const SDL_Rect& usable, int (*menuBarHeight)(int zoom), int sourceWidth, int sourceHeight)
{
    int zoom = PLATFORM_ZOOM_MAX;
    while (zoom > 1 && !SdlViewZoomFits(zoom, usable, menuBarHeight(zoom), sourceWidth, sourceHeight,
                                        FIRST_SIZE_PERCENT))
        --zoom;
    return zoom;
}

SDL_Point SdlViewFirstPosition(const SDL_Rect& usable, SDL_Point size, SDL_Point preferred)
{
    bool fits = preferred.x >= usable.x && preferred.y >= usable.y &&
                preferred.x + size.x <= usable.x + usable.w && preferred.y + size.y <= usable.y + usable.h;
    if (fits)
        return preferred;
    return SDL_Point{usable.x + (usable.w - size.x) / 2, usable.y + (usable.h - size.y) / 2};
}

SDL_Rect SdlViewArea(const SdlViewGeometry& geometry)
{
    if (geometry.window.y <= 0)
        return SDL_Rect{0, 0, 0, 0};
    // The bar's last coordinate row ends at a drawable row rounded up, so
    // the picture never overlaps it.
    int bar = static_cast<int>((static_cast<int64_t>(geometry.menuBarHeight) * geometry.drawable.y +
                                geometry.window.y - 1) /
                               geometry.window.y);
    return SDL_Rect{0, bar, geometry.drawable.x, std::max(geometry.drawable.y - bar, 0)};
}

SDL_Point SdlViewDrawableFromWindow(const SdlViewGeometry& geometry, int x, int y)
{
    if (geometry.window.x <= 0 || geometry.window.y <= 0)
        return SDL_Point{x, y};
    return SDL_Point{static_cast<int>(static_cast<int64_t>(x) * geometry.drawable.x / geometry.window.x),
                     static_cast<int>(static_cast<int64_t>(y) * geometry.drawable.y / geometry.window.y)};
}
