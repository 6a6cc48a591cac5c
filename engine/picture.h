// The engine's picture: rows of 32-bit pixels 0x00RRGGBB (in memory blue,
// green, red, 0), and the few ways the game draws on one: a fill, a copy that
// leaves out black, and the same copy stretched. Every operation is cut at the
// destination's edges, so a position or size may lie partly or wholly outside.
//
// The type itself needs nothing but this header, so that a platform can show a
// picture without linking the engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Picture {
    int32_t width = 0, height = 0, pitch = 0;  // pitch: pixels from one row to the next
    std::vector<uint32_t> pixels;

    uint32_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(pitch); }
    const uint32_t* Row(int32_t y) const { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(pitch); }
};

// Black: the colour a keyed copy leaves out.
enum : uint32_t { PICTURE_KEY = 0 };

struct PictureRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
};

// Columns [from, to) of a row.
struct PictureRun {
    int32_t from = 0, to = 0;
};

// What a keyed copy of a picture copies: row by row, the runs of pixels that
// are not black. Made once for a picture drawn many times, it turns each
// keyed copy into plain copies of runs.
struct PictureRuns {
    std::vector<uint32_t> rowStart;  // height + 1: row y's runs are runs[rowStart[y]] to runs[rowStart[y + 1]]
    std::vector<PictureRun> runs;
};

// An all-black picture of width x height; an empty one (no pixels, sides 0)
// for a side of 0 or less.
Picture PictureMake(int32_t width, int32_t height);
// True for a picture with no pixels.
bool PictureEmpty(const Picture& picture);
// Sets the pixels of rect to rgb (0xRRGGBB).
void PictureFill(Picture& dest, const PictureRect& rect, uint32_t rgb);
// The runs of source that are not black.
PictureRuns PictureRunsOf(const Picture& source);
// Copies the whole of source with its top-left pixel at (x, y), leaving out
// its black pixels; runs are PictureRunsOf(source), made since its pixels
// last changed.
void PictureCopyKeyed(Picture& dest, int32_t x, int32_t y, const Picture& source, const PictureRuns& runs);
// Copies the whole of source stretched to width x height at (x, y), leaving
// out black; nothing for a width or height of 0 or less. Each drawn pixel
// takes the nearest source pixel: along a side of s source and d drawn
// pixels, with step = floor(s * 65536 / d), drawn pixel i shows source pixel
// floor((floor(step / 2) + i * step) / 65536). Where the stretch is cut at an
// edge, the pixels that remain show what they would uncut.
void PictureCopyScaledKeyed(Picture& dest, int32_t x, int32_t y, int32_t width, int32_t height, const Picture& source);
