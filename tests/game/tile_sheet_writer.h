// A tile sheet for tests and the benchmark: every cell a flat colour of its
// own, so a pixel of the back surface tells which frame was drawn there.
#pragma once

#include <cstdint>
#include <string>

enum { TEST_SHEET_COLUMNS = 16, TEST_SHEET_ROWS = 6, TEST_CELL_SIZE = 50, TEST_CELL_PITCH = 51 };
// The pile's frame is transparent in its right half, so the land under it shows.
enum { TEST_PILE_OPAQUE_WIDTH = 25 };

// The colour of cell (column, row) as a 0xRRGGBB value; never black.
uint32_t TestCellColour(int column, int row);
// Writes the sheet as a 24-bit bottom-up BMP. Returns false on failure.
bool WriteTestTileSheet(const std::string& path);
