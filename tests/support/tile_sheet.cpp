#include "support/tile_sheet.h"

#include "support/bmp.h"

uint32_t TestCellColour(int column, int row)
{
    const uint32_t red = 20 + 14 * static_cast<uint32_t>(column);
    const uint32_t green = 30 + 40 * static_cast<uint32_t>(row);
    const uint32_t blue = 0x99;
    return red << 16 | green << 8 | blue;
}

uint32_t TestSheetPixel(int x, int y)
{
    if (x % TEST_CELL_PITCH == 0 || y % TEST_CELL_PITCH == 0)
        return TEST_SHEET_GRID_COLOUR;
    const int column = x / TEST_CELL_PITCH;
    const int row = y / TEST_CELL_PITCH;
    if (column == TEST_PILE_COLUMN && row == TEST_PILE_ROW && x % TEST_CELL_PITCH - 1 >= TEST_PILE_OPAQUE_WIDTH)
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
