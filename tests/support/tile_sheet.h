// The test tile sheet: every cell a flat colour of its own, so a pixel of the
// back picture tells which frame was drawn there.
#pragma once

#include "support/bytes.h"

#include "format/sheet_layout.h"

#include <string>

// The game's sheet layout.
enum { TEST_SHEET_COLUMNS = SHEET_COLUMNS, TEST_SHEET_ROWS = SHEET_ROWS, TEST_CELL_SIZE = SHEET_CELL, TEST_CELL_PITCH = SHEET_PITCH };
enum {
    TEST_SHEET_WIDTH = SHEET_WIDTH,     // 817
    TEST_SHEET_HEIGHT = SHEET_HEIGHT,   // 307
};
// The pile's cell (column 0, row 4) is black, so transparent, in its right
// half, so the land under a pile shows.
enum { TEST_PILE_COLUMN = 0, TEST_PILE_ROW = SHEET_ROW_PILE, TEST_PILE_OPAQUE_WIDTH = 25 };
// The inside corners are opaque only in a square at their corner, and the
// exit on land only in a square in the middle, so the land around it shows.
enum { TEST_CORNER_COLUMN = SHEET_CORNER_COLUMN, TEST_CORNER_ROW = SHEET_ROW_PILE, TEST_CORNER_OPAQUE_SIZE = 10 };
enum { TEST_EXIT_COLUMN = SHEET_EXIT_ON_LAND_COLUMN, TEST_EXIT_ROW = SHEET_ROW_EXIT, TEST_EXIT_OPAQUE_INSET = 15 };
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
