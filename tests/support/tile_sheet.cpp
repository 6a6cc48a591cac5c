#include "support/tile_sheet.h"

#include "support/bmp.h"

uint32_t TestCellColour(int column, int row)
{
    const uint32_t red = 20 + 14 * static_cast<uint32_t>(column);
    const uint32_t green = 30 + 40 * static_cast<uint32_t>(row);
    const uint32_t blue = 0x99;
    return red << 16 | green << 8 | blue;
}

namespace {

// Whether pixel (x, y) of cell (column, row), counted within the cell, is drawn.
bool CellOpaque(int column, int row, int x, int y)
{
    if (column == TEST_PILE_COLUMN && row == TEST_PILE_ROW)
        return x < TEST_PILE_OPAQUE_WIDTH;
    const int corner = column - TEST_CORNER_COLUMN;
    if (row == TEST_CORNER_ROW && corner >= 0 && corner < SHEET_CORNERS) {
        const bool right = corner == 1 || corner == 2, bottom = corner >= 2;
        const int fromSide = right ? TEST_CELL_SIZE - 1 - x : x, fromEnd = bottom ? TEST_CELL_SIZE - 1 - y : y;
        return fromSide < TEST_CORNER_OPAQUE_SIZE && fromEnd < TEST_CORNER_OPAQUE_SIZE;
    }
    if (row == TEST_EXIT_ROW && (column == TEST_EXIT_COLUMN || column == TEST_EXIT_COLUMN + 1)) {
        const auto inside = [](int v) {
            return v >= int{TEST_EXIT_OPAQUE_INSET} && v < int{TEST_CELL_SIZE} - int{TEST_EXIT_OPAQUE_INSET};
        };
        return inside(x) && inside(y);
    }
    return true;
}

} // namespace

uint32_t TestSheetPixel(int x, int y)
{
    if (x % TEST_CELL_PITCH == 0 || y % TEST_CELL_PITCH == 0)
        return TEST_SHEET_GRID_COLOUR;
    const int column = x / TEST_CELL_PITCH;
    const int row = y / TEST_CELL_PITCH;
    if (!CellOpaque(column, row, x % TEST_CELL_PITCH - 1, y % TEST_CELL_PITCH - 1))
        return 0;
    return TestCellColour(column, row);
}

Bytes TestTileSheetBmp()
{
    BmpOptions options;
    options.width = TEST_SHEET_WIDTH;
    options.height = TEST_SHEET_HEIGHT;
    return BmpEncode(options, TestSheetPixel);
}

bool WriteTestTileSheet(const std::string& path)
{
    return WriteFileBytes(path, TestTileSheetBmp());
}
