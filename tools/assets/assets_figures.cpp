// The player (four directions, two walking frames each) and the pile of dirt,
// with its shadow on land and without it over water.
#include "assets_shapes.h"

using namespace assets;

namespace {

enum Facing { FACING_LEFT, FACING_RIGHT, FACING_UP, FACING_DOWN };

constexpr float FIGURE_OUTLINE = 1.6f;
constexpr float HEAD_X = 25.0f, HEAD_Y = 12.5f, HEAD_R = 9.0f;
constexpr float CAP_LINE = 10.5f;     // the cap covers the head above this line
constexpr float LIMB_R = 3.0f, LEG_R = 3.6f, HAND_R = 2.6f;
constexpr float HIP_Y = 33.0f, FOOT_Y = 45.0f, SHOE_HEIGHT = 2.6f;

struct Part {
    float d;              // signed distance of the part
    AssetsColor color;    // its colour where it is the frontmost part
};

struct Figure {
    Part parts[14];
    int count = 0;
    void Add(float d, AssetsColor c) { parts[count++] = {d, c}; }
};

AssetsColor Leg(float y, float footY, AssetsColor trousers)
{
    return y > footY - SHOE_HEIGHT ? SHOE : trousers;
}

// Front (down) and back (up) views. phase swaps which leg and arm lead.
void FrontOrBack(Figure& f, float x, float y, bool front, float phase)
{
    if (front) {
        f.Add(SdCircle(x, y, 21.5f, 14.5f, 1.4f), EYE);
        f.Add(SdCircle(x, y, 28.5f, 14.5f, 1.4f), EYE);
        f.Add(SdBox(x, y, 15.0f, 8.5f, 35.0f, 11.8f, 1.5f), CAP_MID);
    }
    const float head = SdCircle(x, y, HEAD_X, HEAD_Y, HEAD_R);
    f.Add(std::max(head, y - CAP_LINE), Shade3(x, y, HEAD_X, HEAD_Y, HEAD_R, CAP_LIGHT, CAP_MID, CAP_MID));
    f.Add(head, front ? Shade3(x, y, HEAD_X, HEAD_Y, HEAD_R, SKIN, SKIN, SKIN_DARK, 0.5f) : HAIR);
    const float leftHand = 32.0f + phase * 1.5f, rightHand = 32.0f - phase * 1.5f;
    f.Add(SdCircle(x, y, 12.0f, leftHand, HAND_R), SKIN);
    f.Add(SdCircle(x, y, 38.0f, rightHand, HAND_R), SKIN_DARK);
    f.Add(SdSegment(x, y, 15.5f, 23.0f, 12.0f, leftHand - 2, LIMB_R), SHIRT_LIGHT);
    f.Add(SdSegment(x, y, 34.5f, 23.0f, 38.0f, rightHand - 2, LIMB_R), SHIRT_DARK);
    f.Add(SdBox(x, y, 15.0f, 20.0f, 35.0f, 34.5f, 6.0f),
          Shade3(x, y, 25.0f, 27.0f, 10.0f, SHIRT_LIGHT, SHIRT_MID, SHIRT_DARK, 0.45f));
    const float leftFoot = FOOT_Y - (phase > 0 ? 2.0f : 0.0f);
    const float rightFoot = FOOT_Y - (phase < 0 ? 2.0f : 0.0f);
    f.Add(SdSegment(x, y, 20.5f, HIP_Y, 20.5f, leftFoot - LEG_R, LEG_R), Leg(y, leftFoot, TROUSERS));
    f.Add(SdSegment(x, y, 29.5f, HIP_Y, 29.5f, rightFoot - LEG_R, LEG_R), Leg(y, rightFoot, TROUSERS_DARK));
}

// Side view facing left; stride spreads the legs, otherwise they pass.
void SideLeft(Figure& f, float x, float y, bool stride)
{
    f.Add(SdCircle(x, y, 20.0f, 14.0f, 1.4f), EYE);
    f.Add(SdBox(x, y, 12.0f, 8.5f, 25.0f, 11.8f, 1.5f), CAP_MID);
    const float head = SdCircle(x, y, HEAD_X, HEAD_Y, HEAD_R - 0.5f);
    f.Add(std::max(head, y - CAP_LINE), Shade3(x, y, HEAD_X, HEAD_Y, HEAD_R, CAP_LIGHT, CAP_MID, CAP_MID));
    f.Add(std::max(head, 28.5f - x), HAIR);
    f.Add(head, Shade3(x, y, HEAD_X, HEAD_Y, HEAD_R, SKIN, SKIN, SKIN_DARK, 0.5f));
    const float handX = stride ? 19.0f : 28.5f;
    f.Add(SdCircle(x, y, handX, 32.0f, HAND_R), SKIN);
    f.Add(SdSegment(x, y, 25.0f, 23.0f, handX, 30.0f, LIMB_R), SHIRT_LIGHT);
    f.Add(SdBox(x, y, 18.0f, 20.0f, 32.0f, 34.5f, 6.0f),
          Shade3(x, y, 25.0f, 27.0f, 8.0f, SHIRT_LIGHT, SHIRT_MID, SHIRT_DARK, 0.45f));
    const float frontFoot = stride ? 17.5f : 23.0f, backFoot = stride ? 32.5f : 27.0f;
    f.Add(SdSegment(x, y, 23.0f, HIP_Y, frontFoot, FOOT_Y - LEG_R, LEG_R), Leg(y, FOOT_Y, TROUSERS));
    f.Add(SdSegment(x, y, 27.0f, HIP_Y, backFoot, FOOT_Y - LEG_R, LEG_R), Leg(y, FOOT_Y, TROUSERS_DARK));
}

bool PlayerAt(int frame, float x, float y, AssetsColor* out)
{
    const Facing facing = static_cast<Facing>(frame / 2);
    const int step = frame % 2;
    Figure f;
    switch (facing) {
    case FACING_LEFT: SideLeft(f, x, y, step == 0); break;
    case FACING_RIGHT: SideLeft(f, ASSETS_CELL - x, y, step == 0); break;
    case FACING_UP: FrontOrBack(f, x, y, false, step == 0 ? 1.0f : -1.0f); break;
    case FACING_DOWN: FrontOrBack(f, x, y, true, step == 0 ? 1.0f : -1.0f); break;
    }
    float nearest = 1e9f;
    for (int i = 0; i < f.count; ++i) {
        if (f.parts[i].d < 0) return Set(out, f.parts[i].color);
        nearest = std::min(nearest, f.parts[i].d);
    }
    if (nearest < FIGURE_OUTLINE) return Set(out, OUTLINE);
    if (SdEllipse(x, y, 25.0f, 45.5f, 11.0f, 3.0f) < 0) return Set(out, SHADOW);
    return false;
}

}  // namespace

AssetsShader AssetsPlayer(int frame)
{
    return [frame](float x, float y, AssetsColor* out) { return PlayerAt(frame, x, y, out); };
}

namespace {

bool PileAt(bool shadow, float x, float y, AssetsColor* out)
{
    // A mound of dirt: a wide base with three rounded lumps on it.
    const float mound = std::min({SdEllipse(x, y, 25.0f, 34.0f, 19.0f, 10.0f),
                                  SdCircle(x, y, 25.0f, 23.0f, 11.0f),
                                  SdCircle(x, y, 16.0f, 29.0f, 8.0f),
                                  SdCircle(x, y, 34.5f, 29.5f, 8.0f)});
    if (mound < 0) {
        const struct { float x, y, r; } pebbles[] = {{19, 33, 1.8f}, {31, 25, 1.5f}, {28, 37, 1.6f}, {22, 21, 1.2f}};
        for (const auto& p : pebbles) {
            const float d = SdCircle(x, y, p.x, p.y, p.r);
            if (d < 0) return Set(out, (x - p.x) + (y - p.y) < 0 ? GLOW_WHITE : PEBBLE);
        }
        return Set(out, Shade3(x, y, 25.0f, 29.0f, 14.0f, DIRT_LIGHT, DIRT_MID, DIRT_DARK, 0.3f));
    }
    if (mound < FIGURE_OUTLINE) return Set(out, DIRT_OUTLINE);
    if (shadow && SdEllipse(x, y, 28.0f, 43.0f, 19.0f, 4.5f) < 0) return Set(out, SHADOW);
    return false;
}

}  // namespace

bool AssetsPile(float x, float y, AssetsColor* out)
{
    return PileAt(true, x, y, out);
}

bool AssetsPileOverWater(float x, float y, AssetsColor* out)
{
    return PileAt(false, x, y, out);
}
