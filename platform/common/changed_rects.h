// What changed between two pictures, as the platforms put only that on the
// screen: the desktop uploads it to its texture, the browser to its canvas.
#pragma once

#include <cstdint>
#include <vector>

struct PlatformRect {
    int x = 0, y = 0, w = 0, h = 0;
};

// The rectangles of next that differ from shown, compared in blocks: per band
// of block rows, one rectangle from the first changed block to the last.
// Pitches are in pixels.
std::vector<PlatformRect> PlatformChangedRects(const uint32_t* shown, int shownPitch, const uint32_t* next,
                                               int nextPitch, int width, int height, int block);
