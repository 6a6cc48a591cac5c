// In-memory pictures: rendering shaders into pixels and copying blocks.
#include "assets.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SUPERSAMPLE = 4;

uint8_t ToByte(float v)
{
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

bool IsKey(const AssetsImage& img, int x, int y)
{
    const uint8_t* p = &img.rgba[(static_cast<size_t>(y) * img.width + x) * 4];
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

}  // namespace

AssetsImage AssetsImageMake(int width, int height)
{
    AssetsImage img;
    img.width = width;
    img.height = height;
    img.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
    return img;
}

void AssetsImageSet(AssetsImage& img, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    if (x < 0 || y < 0 || x >= img.width || y >= img.height) return;
    uint8_t* p = &img.rgba[(static_cast<size_t>(y) * img.width + x) * 4];
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

void AssetsRenderShader(AssetsImage& img, int x0, int y0, int size, const AssetsShader& shader)
{
    const float unit = static_cast<float>(ASSETS_CELL) / static_cast<float>(size);
    const int samples = SUPERSAMPLE * SUPERSAMPLE;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            AssetsColor sum;
            int opaque = 0;
            for (int sy = 0; sy < SUPERSAMPLE; ++sy) {
                for (int sx = 0; sx < SUPERSAMPLE; ++sx) {
                    const float x = (static_cast<float>(px) + (sx + 0.5f) / SUPERSAMPLE) * unit;
                    const float y = (static_cast<float>(py) + (sy + 0.5f) / SUPERSAMPLE) * unit;
                    AssetsColor c;
                    if (shader(x, y, &c)) {
                        sum.r += c.r;
                        sum.g += c.g;
                        sum.b += c.b;
                        ++opaque;
                    }
                }
            }
            if (opaque * 2 < samples) {
                AssetsImageSet(img, x0 + px, y0 + py, 0, 0, 0, 0);
                continue;
            }
            uint8_t r = ToByte(sum.r / opaque), g = ToByte(sum.g / opaque), b = ToByte(sum.b / opaque);
            if (r == 0 && g == 0 && b == 0) r = g = b = 1;   // black is reserved for transparency
            AssetsImageSet(img, x0 + px, y0 + py, r, g, b, 255);
        }
    }
}

void AssetsBlitScaled(AssetsImage& dst, int dx, int dy, int dw, int dh, const AssetsImage& src,
                      int sx, int sy, int sw, int sh)
{
    for (int y = 0; y < dh; ++y) {
        for (int x = 0; x < dw; ++x) {
            const int fx = sx + x * sw / dw, fy = sy + y * sh / dh;
            if (IsKey(src, fx, fy)) continue;
            const uint8_t* p = &src.rgba[(static_cast<size_t>(fy) * src.width + fx) * 4];
            AssetsImageSet(dst, dx + x, dy + y, p[0], p[1], p[2], 255);
        }
    }
}
