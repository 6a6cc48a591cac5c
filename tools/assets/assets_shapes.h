// Drawing helpers shared by the art: signed distances (negative inside), the
// palette and light-direction shading.
#pragma once

#include "assets.h"

#include <algorithm>
#include <cmath>

namespace assets {

constexpr float PI = 3.14159265f;
// Light comes from the top left.
constexpr float LIGHT_X = -0.70710678f;
constexpr float LIGHT_Y = -0.70710678f;

constexpr AssetsColor Rgb(float r, float g, float b) { return AssetsColor{r, g, b}; }

// The palette.
constexpr AssetsColor WATER_DEEP = Rgb(34, 112, 196);
constexpr AssetsColor WATER_MID = Rgb(48, 138, 216);
constexpr AssetsColor WATER_LIGHT = Rgb(96, 178, 236);
constexpr AssetsColor WATER_FOAM = Rgb(200, 235, 252);
constexpr AssetsColor GLINT_CORE = Rgb(255, 255, 255);
constexpr AssetsColor GLINT_RAY = Rgb(214, 244, 255);
constexpr AssetsColor SHORE_EDGE = Rgb(30, 72, 104);
constexpr AssetsColor GRASS_LIGHT = Rgb(134, 210, 80);
constexpr AssetsColor GRASS_MID = Rgb(100, 184, 62);
constexpr AssetsColor GRASS_DARK = Rgb(66, 146, 48);
constexpr AssetsColor SAND_LIGHT = Rgb(250, 232, 172);
constexpr AssetsColor SAND_MID = Rgb(234, 206, 136);
constexpr AssetsColor SAND_DARK = Rgb(196, 160, 96);
constexpr AssetsColor DIRT_LIGHT = Rgb(196, 134, 72);
constexpr AssetsColor DIRT_MID = Rgb(152, 96, 50);
constexpr AssetsColor DIRT_DARK = Rgb(108, 64, 34);
constexpr AssetsColor DIRT_OUTLINE = Rgb(52, 30, 16);
constexpr AssetsColor PEBBLE = Rgb(178, 170, 160);
constexpr AssetsColor SHADOW = Rgb(52, 72, 44);
constexpr AssetsColor HAIR = Rgb(120, 70, 32);
constexpr AssetsColor SHOE = Rgb(60, 40, 30);
constexpr AssetsColor STONE_LIGHT = Rgb(236, 234, 226);
constexpr AssetsColor STONE_MID = Rgb(196, 194, 186);
constexpr AssetsColor STONE_DARK = Rgb(128, 126, 124);
constexpr AssetsColor STONE_SEAM = Rgb(150, 148, 142);
constexpr AssetsColor STONE_LIT = Rgb(252, 238, 192);
constexpr AssetsColor WOOD_LIGHT = Rgb(176, 112, 56);
constexpr AssetsColor WOOD_MID = Rgb(140, 84, 40);
constexpr AssetsColor WOOD_DARK = Rgb(92, 54, 26);
constexpr AssetsColor GOLD_LIGHT = Rgb(255, 246, 170);
constexpr AssetsColor GOLD_MID = Rgb(255, 208, 40);
constexpr AssetsColor GOLD_DARK = Rgb(232, 140, 20);
constexpr AssetsColor GLOW_WHITE = Rgb(255, 255, 228);
constexpr AssetsColor OUTLINE = Rgb(28, 24, 34);
constexpr AssetsColor SKIN = Rgb(252, 204, 156);
constexpr AssetsColor SKIN_DARK = Rgb(222, 164, 118);
constexpr AssetsColor SHIRT_LIGHT = Rgb(255, 104, 84);
constexpr AssetsColor SHIRT_MID = Rgb(226, 52, 40);
constexpr AssetsColor SHIRT_DARK = Rgb(160, 28, 30);
constexpr AssetsColor CAP_LIGHT = Rgb(255, 236, 96);
constexpr AssetsColor CAP_MID = Rgb(250, 196, 20);
constexpr AssetsColor TROUSERS = Rgb(56, 64, 150);
constexpr AssetsColor TROUSERS_DARK = Rgb(38, 42, 104);
constexpr AssetsColor EYE = Rgb(30, 26, 40);

inline float Length(float x, float y) { return std::sqrt(x * x + y * y); }

inline float SdCircle(float x, float y, float cx, float cy, float r)
{
    return Length(x - cx, y - cy) - r;
}

// Box [x0, x1] x [y0, y1] with corners rounded by radius.
inline float SdBox(float x, float y, float x0, float y0, float x1, float y1, float radius)
{
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
}

// Capsule around the segment a-b.
inline float SdSegment(float x, float y, float ax, float ay, float bx, float by, float r)
{
    const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return Length(px - dx * t, py - dy * t) - r;
}

// Approximate ellipse distance, good enough near the edge.
inline float SdEllipse(float x, float y, float cx, float cy, float rx, float ry)
{
    return (Length((x - cx) / rx, (y - cy) / ry) - 1.0f) * std::min(rx, ry);
}

// Cel shading against the light: lit above +threshold, shaded below -threshold.
inline AssetsColor Shade3(float x, float y, float cx, float cy, float radius, AssetsColor light,
                          AssetsColor mid, AssetsColor dark, float threshold = 0.35f)
{
    const float s = ((x - cx) * LIGHT_X + (y - cy) * LIGHT_Y) / radius;
    if (s > threshold) return light;
    if (s < -threshold) return dark;
    return mid;
}

// Cel shading of an edge by the outward normal of its distance field:
// lit where the edge faces the light, shaded where it faces away.
template <typename Distance>
AssetsColor ShadeEdge(const Distance& distance, float x, float y, AssetsColor light, AssetsColor mid,
                      AssetsColor dark)
{
    const float e = 0.25f;
    const float nx = distance(x + e, y) - distance(x - e, y);
    const float ny = distance(x, y + e) - distance(x, y - e);
    const float n = Length(nx, ny);
    const float lit = n > 0 ? (nx * LIGHT_X + ny * LIGHT_Y) / n : 0;
    return lit > 0.2f ? light : lit < -0.2f ? dark : mid;
}

inline bool Set(AssetsColor* out, AssetsColor c)
{
    *out = c;
    return true;
}

}  // namespace assets
