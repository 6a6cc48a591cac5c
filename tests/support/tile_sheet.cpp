#include "support/tile_sheet.h"

#include "support/bmp.h"

#include "format/sheet_layout.h"

uint32_t TestCellColour(int column, int row)
{
    const uint32_t red = 20 + 14 * static_cast<uint32_t>(column);
    const uint32_t green = 30 + 40 * static_cast<uint32_t>(row);
    const uint32_t blue = 0x99;
    return red << 16 | green << 8 | blue;
}

namespace {

const int PILE_OPAQUE_WIDTH = 25;
const int CORNER_OPAQUE_SIZE = 10;
const int EXIT_OPAQUE_INSET = 15;
const uint32_t GRID_COLOUR = 0x404040;

// Whether pixel (x, y) of cell (column, row), counted within the cell, is drawn.
bool CellOpaque(int column, int row, int x, int y)
{
    if (column == 0 && row == SHEET_ROW_PILE)   // the pile
        return x < PILE_OPAQUE_WIDTH;
    const int corner = column - SHEET_CORNER_COLUMN;
    if (row == SHEET_ROW_PILE && corner >= 0 && corner < SHEET_CORNERS) {
        const bool right = corner == 1 || corner == 2, bottom = corner >= 2;
        const int fromSide = right ? SHEET_CELL - 1 - x : x, fromEnd = bottom ? SHEET_CELL - 1 - y : y;
        return fromSide < CORNER_OPAQUE_SIZE && fromEnd < CORNER_OPAQUE_SIZE;
    }
    if (row == SHEET_ROW_EXIT && (column == SHEET_EXIT_ON_LAND_COLUMN || column == SHEET_EXIT_ON_LAND_COLUMN + 1)) {
        const auto inside = [](int v) {
            return v >= EXIT_OPAQUE_INSET && v < int{SHEET_CELL} - EXIT_OPAQUE_INSET;
        };
        return inside(x) && inside(y);
    }
    return true;
}

uint32_t TestSheetPixel(int x, int y)
{
    if (x % SHEET_PITCH == 0 || y % SHEET_PITCH == 0)
        return GRID_COLOUR;
    const int column = x / SHEET_PITCH;
    const int row = y / SHEET_PITCH;
    if (!CellOpaque(column, row, x % SHEET_PITCH - 1, y % SHEET_PITCH - 1))
        return 0;
    return TestCellColour(column, row);
}

} // namespace

bool WriteTestTileSheet(const std::string& path)
{
    BmpOptions options;
    options.width = SHEET_WIDTH;
    options.height = SHEET_HEIGHT;
    return WriteFileBytes(path, BmpEncode(options, TestSheetPixel));
}
