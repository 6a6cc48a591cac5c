// Land frames: grass that fills the cell on solid sides and ends in a sandy
// shore, with black (transparent) water beyond it, on the water sides.
#include "assets_shapes.h"

using namespace assets;

namespace {

constexpr float SHORE_MARGIN = 4.0f;    // water left between the shore and the cell edge
constexpr float CORNER_RADIUS = 11.0f;  // rounding where two water sides meet
constexpr float EDGE_WIDTH = 1.2f;      // dark wet line just outside the shore
constexpr float SAND_WIDTH = 5.0f;
constexpr float FAR = 1000.0f;          // a solid side extends past the cell

// Each land frame shows shore on the water sides the game's shore rules give
// it; frame 15, inland with flowers, is not chosen by any rule.
constexpr int FLOWER_FRAME = SHEET_FLOWER_FRAME;

// Tufts of grass at fixed spots well inside the cell, so tiling stays seamless.
struct Tuft {
    float x, y;
};
constexpr Tuft TUFTS[] = {{12, 14}, {34, 10}, {23, 29}, {40, 35}, {10, 40}};
constexpr Tuft FLOWERS[] = {{16, 20}, {35, 30}, {24, 40}};

float ShoreDistance(unsigned sides, float x, float y)
{
    const float x0 = (sides & ASSETS_SIDE_LEFT) ? SHORE_MARGIN : -FAR;
    const float y0 = (sides & ASSETS_SIDE_TOP) ? SHORE_MARGIN : -FAR;
    const float x1 = (sides & ASSETS_SIDE_RIGHT) ? ASSETS_CELL - SHORE_MARGIN : ASSETS_CELL + FAR;
    const float y1 = (sides & ASSETS_SIDE_BOTTOM) ? ASSETS_CELL - SHORE_MARGIN : ASSETS_CELL + FAR;
    return SdBox(x, y, x0, y0, x1, y1, CORNER_RADIUS);
}

AssetsColor Grass(float x, float y, bool flowers)
{
    for (const Tuft& t : TUFTS) {
        // A small "v" of two blades, darker than the lawn.
        const float d = std::min(SdSegment(x, y, t.x - 2.2f, t.y - 3.0f, t.x, t.y, 0.7f),
                                 SdSegment(x, y, t.x + 2.2f, t.y - 3.0f, t.x, t.y, 0.7f));
        if (d < 0) return GRASS_DARK;
        if (SdSegment(x, y, t.x - 1.4f, t.y - 3.4f, t.x - 1.4f, t.y - 3.4f, 0.8f) < 0) return GRASS_LIGHT;
    }
    if (flowers) {
        for (const Tuft& f : FLOWERS) {
            const float r = Length(x - f.x, y - f.y);
            if (r < 1.2f) return GOLD_MID;
            if (r < 2.8f) return GLOW_WHITE;
        }
    }
    return GRASS_MID;
}

bool LandAt(int frame, float x, float y, AssetsColor* out)
{
    const unsigned sides = SheetShoreWaterSides(frame);
    const float d = ShoreDistance(sides, x, y);
    if (d > EDGE_WIDTH) return false;
    if (d > 0) return Set(out, SHORE_EDGE);
    if (d > -SAND_WIDTH) {
        // Which way the shore faces decides the light of its outer strip.
        if (d > -1.6f) {
            const auto distance = [sides](float px, float py) { return ShoreDistance(sides, px, py); };
            return Set(out, ShadeEdge(distance, x, y, SAND_LIGHT, SAND_MID, SAND_DARK));
        }
        return Set(out, SAND_MID);
    }
    if (d > -SAND_WIDTH - 1.2f) return Set(out, GRASS_DARK);
    return Set(out, Grass(x, y, frame == FLOWER_FRAME));
}

}  // namespace

AssetsShader AssetsLand(int frame)
{
    return [frame](float x, float y, AssetsColor* out) { return LandAt(frame, x, y, out); };
}
