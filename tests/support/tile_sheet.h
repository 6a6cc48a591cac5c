// The test tile sheet: every cell a flat colour of its own, so a pixel of the
// back surface tells which frame was drawn there.
#pragma once

#include "support/bytes.h"

#include <string>

enum { TEST_SHEET_COLUMNS = 16, TEST_SHEET_ROWS = 6, TEST_CELL_SIZE = 50, TEST_CELL_PITCH = 51 };
enum {
    TEST_SHEET_WIDTH = TEST_SHEET_COLUMNS * TEST_CELL_PITCH + 1,   // 817
    TEST_SHEET_HEIGHT = TEST_SHEET_ROWS * TEST_CELL_PITCH + 1,     // 307
};
// The pile's cell (column 0, row 4) is black, so transparent, in its right
// half, so the land under a pile shows.
enum { TEST_PILE_COLUMN = 0, TEST_PILE_ROW = 4, TEST_PILE_OPAQUE_WIDTH = 25 };
// The inside corners (columns 3 to 6 of row 4: top left, top right, bottom
// right, bottom left) are opaque only in a square at their corner, and the
// exit on land (columns 2 and 3 of row 5) only in a square in the middle, so
// the land around it shows.
enum { TEST_CORNER_COLUMN = 3, TEST_CORNER_ROW = 4, TEST_CORNER_OPAQUE_SIZE = 10 };
enum { TEST_EXIT_COLUMN = 2, TEST_EXIT_ROW = 5, TEST_EXIT_OPAQUE_INSET = 15 };
// The lines between the cells.
const uint32_t TEST_SHEET_GRID_COLOUR = 0x404040;

// The colour of cell (column, row) as 0xRRGGBB; never black.
uint32_t TestCellColour(int column, int row);
// Colour of sheet pixel (x, y), y counted from the top.
uint32_t TestSheetPixel(int x, int y);
// The sheet as a 24-bit bottom-up BMP.
Bytes TestTileSheetBmp();
// Writes that BMP. Returns false on failure.
bool WriteTestTileSheet(const std::string& path);
