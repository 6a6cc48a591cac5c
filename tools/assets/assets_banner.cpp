// The banner pieces W, E, L, D, O, N and "!": bold golden letters with a dark
// outline and a drop shadow, drawn by a small stroke font. Each letter sits at
// the left of its cell and stays within the width it gets in the banner.
#include "assets_shapes.h"

#include <vector>

using namespace assets;

namespace {

constexpr float STROKE = 4.6f;          // half width of a letter stroke
constexpr float LETTER_OUTLINE = 2.0f;
constexpr float SHADOW_OFFSET = 2.2f;
constexpr float BEVEL = 1.8f;
constexpr AssetsColor LETTER_SHADOW = Rgb(70, 40, 24);

struct Point {
    float x, y;
};

struct Glyph {
    std::vector<std::vector<Point>> strokes;   // polylines
    bool ring = false;                          // the O
    bool dot = false;                           // the dot of "!"
};

const Glyph& GlyphFor(int piece)
{
    static const Glyph glyphs[ASSETS_BANNER_PIECES] = {
        {{{{7.5f, 10}, {15, 40}, {23.5f, 20}, {32, 40}, {39.5f, 10}}}, false, false},          // W
        {{{{28, 10}, {8, 10}, {8, 40}, {28, 40}}, {{8, 25}, {24, 25}}}, false, false},          // E
        {{{{8, 10}, {8, 40}, {28, 40}}}, false, false},                                       // L
        {{{{8, 10}, {8, 40}}, {{8, 10}, {18, 10}, {25, 13.5f}, {29, 20}, {29, 30}, {25, 36.5f}, {18, 40}, {8, 40}}},
         false, false},                                                                       // D
        {{}, true, false},                                                                    // O
        {{{{8, 40}, {8, 10}, {29, 40}, {29, 10}}}, false, false},                             // N
        {{{{10, 10}, {10, 28}}}, false, true},                                                // !
    };
    return glyphs[piece];
}

float GlyphDistance(const Glyph& g, float x, float y)
{
    float d = 1e9f;
    for (const auto& line : g.strokes)
        for (size_t i = 1; i < line.size(); ++i)
            d = std::min(d, SdSegment(x, y, line[i - 1].x, line[i - 1].y, line[i].x, line[i].y, STROKE));
    if (g.ring) d = std::min(d, std::fabs(SdEllipse(x, y, 22.0f, 25.0f, 14.0f, 15.0f)) - STROKE);
    if (g.dot) d = std::min(d, SdCircle(x, y, 10.0f, 37.5f, STROKE + 0.6f));
    return d;
}

bool PieceAt(int piece, float x, float y, AssetsColor* out)
{
    const Glyph& g = GlyphFor(piece);
    const float d = GlyphDistance(g, x, y);
    if (d < 0) {
        if (d < -BEVEL) return Set(out, GOLD_MID);
        const auto distance = [&g](float px, float py) { return GlyphDistance(g, px, py); };
        return Set(out, ShadeEdge(distance, x, y, GOLD_LIGHT, GOLD_MID, GOLD_DARK));
    }
    if (d < LETTER_OUTLINE) return Set(out, OUTLINE);
    if (GlyphDistance(g, x - SHADOW_OFFSET, y - SHADOW_OFFSET) < LETTER_OUTLINE) return Set(out, LETTER_SHADOW);
    return false;
}

}  // namespace

AssetsShader AssetsBannerPiece(int piece)
{
    return [piece](float x, float y, AssetsColor* out) { return PieceAt(piece, x, y, out); };
}
