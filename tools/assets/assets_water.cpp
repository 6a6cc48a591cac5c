// Water, the sparkle on it, and the exit: standing on water, or set into land.
#include "assets_shapes.h"

using namespace assets;

namespace {

constexpr float WAVE_K = 2.0f * PI / ASSETS_CELL;   // one period per cell keeps the tile seamless

// Glint size of sparkle frames 0..8: grows, peaks at frame 4, fades by 7.
constexpr float GLINT_SIZE[ASSETS_SPARKLE_FRAMES] = {0.0f, 0.22f, 0.45f, 0.75f, 1.0f, 0.75f, 0.45f, 0.22f, 0.1f};
constexpr float GLINT_X = 25.0f, GLINT_Y = 24.0f;
constexpr float GLINT_ARM = 16.0f;     // arm length at full size
constexpr float GLINT_WIDTH = 3.2f;    // arm half width at its root

constexpr float EXIT_INSET = 1.5f;     // water shows in the rounded corners only
constexpr float EXIT_RADIUS = 7.0f;
constexpr float EXIT_BEVEL = 3.0f;
constexpr float HATCH_RADIUS = 13.0f;
constexpr float RING_WIDTH = 2.6f;
constexpr float PLANK_WIDTH = 6.5f;
constexpr float RAY_INNER = 16.5f, RAY_OUTER = 21.5f;
constexpr float EXIT_ON_LAND_SIZE = 0.7f;   // the slab on land, against the cell
constexpr float EXIT_SAND_RIM = 2.0f;       // sand around the slab on land

bool GlintAt(float x, float y, float size, AssetsColor* out)
{
    if (size <= 0) return false;
    const float dx = std::fabs(x - GLINT_X), dy = std::fabs(y - GLINT_Y);
    const float arm = GLINT_ARM * size, width = GLINT_WIDTH * std::sqrt(size);
    const float diag = arm * 0.45f;
    const float ux = (dx + dy) * 0.70710678f, uy = std::fabs(dx - dy) * 0.70710678f;
    const bool straight = dx / width + dy / arm < 1 || dy / width + dx / arm < 1;
    const bool diagonal = uy / (width * 0.7f) + ux / diag < 1;
    if (!straight && !diagonal) return false;
    return Set(out, Length(dx, dy) < arm * 0.3f ? GLINT_CORE : GLINT_RAY);
}

// The exit's slab as a picture of the whole cell at size 1, or shrunk
// around the cell's middle by size: the shapes shrink, the outlines keep
// their width. Returns false outside the slab's outline.
bool ExitSlabAt(int frame, float size, float x, float y, AssetsColor* out)
{
    const float cx = ASSETS_CELL / 2.0f, cy = ASSETS_CELL / 2.0f;
    const float line = 1.0f / size;   // one pixel in the slab's own units
    x = cx + (x - cx) * line;
    y = cy + (y - cy) * line;
    const float slab = SdBox(x, y, EXIT_INSET, EXIT_INSET, ASSETS_CELL - EXIT_INSET,
                             ASSETS_CELL - EXIT_INSET, EXIT_RADIUS);
    if (slab > 0.8f * line) return false;
    if (slab > 0) return Set(out, OUTLINE);
    const float r = Length(x - cx, y - cy);
    const bool open = frame == 1;

    if (r < HATCH_RADIUS) {
        if (open) {
            if (r < 5.0f) return Set(out, GLOW_WHITE);
            if (r < 9.5f) return Set(out, GOLD_LIGHT);
            return Set(out, GOLD_MID);
        }
        // Closed: a wooden hatch of vertical planks with an iron band.
        if (std::fabs(y - cy) < 1.6f) return Set(out, STONE_DARK);
        const float plank = std::fmod(x - (cx - HATCH_RADIUS) + PLANK_WIDTH * 4, PLANK_WIDTH);
        if (plank < 0.9f * line) return Set(out, WOOD_DARK);
        return Set(out, Shade3(x, y, cx, cy, HATCH_RADIUS, WOOD_LIGHT, WOOD_MID, WOOD_DARK, 0.55f));
    }
    if (r < HATCH_RADIUS + RING_WIDTH)
        return Set(out, Shade3(x, y, cx, cy, HATCH_RADIUS, GOLD_LIGHT, GOLD_MID, GOLD_DARK, 0.3f));
    if (r < HATCH_RADIUS + RING_WIDTH + 0.9f * line) return Set(out, OUTLINE);

    if (open && r > RAY_INNER && r < RAY_OUTER) {
        // Eight short rays of light around the open hatch.
        const float angle = std::atan2(y - cy, x - cx);
        const float step = PI / 4;
        const float off = std::fabs(std::remainder(angle, step)) * r;
        if (off < 1.6f * line) return Set(out, GOLD_LIGHT);
    }
    // Stone slab: bevel lit on the top and left, shaded on the bottom and right.
    if (slab > -EXIT_BEVEL) {
        const float toLight = std::min(x, y), toDark = std::min(ASSETS_CELL - x, ASSETS_CELL - y);
        return Set(out, toLight < toDark ? STONE_LIGHT : STONE_DARK);
    }
    if (std::fabs(x - cx) < 0.6f * line || std::fabs(y - cy) < 0.6f * line) return Set(out, STONE_SEAM);
    return Set(out, open ? STONE_LIT : STONE_MID);
}

// The exit standing on water: the slab fills the cell but for its rounded
// corners.
bool ExitAt(int frame, float x, float y, AssetsColor* out)
{
    return ExitSlabAt(frame, 1.0f, x, y, out) || AssetsWater(x, y, out);
}

// The exit set into land: the slab shrunk to sit inside the shore's sand,
// bedded in a rim of sand; transparent beyond, so the cell's own land and
// shores show around it.
bool ExitOnLandAt(int frame, float x, float y, AssetsColor* out)
{
    if (ExitSlabAt(frame, EXIT_ON_LAND_SIZE, x, y, out)) return true;
    const float half = (ASSETS_CELL / 2.0f - EXIT_INSET) * EXIT_ON_LAND_SIZE;
    const float c = ASSETS_CELL / 2.0f;
    const float bed = SdBox(x, y, c - half, c - half, c + half, c + half, EXIT_RADIUS * EXIT_ON_LAND_SIZE);
    if (bed < EXIT_SAND_RIM) return Set(out, SAND_MID);
    return false;
}

}  // namespace

bool AssetsWater(float x, float y, AssetsColor* out)
{
    // Integer wave numbers over one cell, so the pattern tiles without seams.
    const float v = std::sin(WAVE_K * (x + 2 * y) + 1.1f * std::sin(WAVE_K * (2 * x - y)));
    const float w = std::sin(WAVE_K * (3 * x - y) + 1.7f) * 0.2f;
    const float s = v + w;
    if (s > 1.12f) return Set(out, WATER_FOAM);
    if (s > 0.86f) return Set(out, WATER_LIGHT);
    if (s < -0.8f) return Set(out, WATER_DEEP);
    return Set(out, WATER_MID);
}

AssetsShader AssetsSparkle(int frame)
{
    const float size = GLINT_SIZE[frame];
    return [size](float x, float y, AssetsColor* out) {
        return GlintAt(x, y, size, out) || AssetsWater(x, y, out);
    };
}

AssetsShader AssetsExit(int frame)
{
    return [frame](float x, float y, AssetsColor* out) { return ExitAt(frame, x, y, out); };
}

AssetsShader AssetsExitOnLand(int frame)
{
    return [frame](float x, float y, AssetsColor* out) { return ExitOnLandAt(frame, x, y, out); };
}
