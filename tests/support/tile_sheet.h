// The test tile sheet: every cell a flat colour of its own, so a pixel of the
// back picture tells which frame was drawn there. It has the game's layout
// (format/sheet_layout.h); the pile is opaque only in its left half, so the
// land under it shows, and the inside corners and the exit on land only in a
// square at their corner and in their middle, so the land around them shows.
#pragma once

#include "support/bytes.h"

#include <string>

// The colour of cell (column, row) as 0xRRGGBB; never black.
uint32_t TestCellColour(int column, int row);
// Writes the sheet as a 24-bit bottom-up BMP. Returns false on failure.
bool WriteTestTileSheet(const std::string& path);
