#include "tile_sheet_writer.h"

#include <cstdio>
#include <vector>

namespace {

const int SHEET_WIDTH = TEST_SHEET_COLUMNS * TEST_CELL_PITCH + 1;
const int SHEET_HEIGHT = TEST_SHEET_ROWS * TEST_CELL_PITCH + 1;
const uint32_t GRID_COLOUR = 0x404040;
const int PILE_ROW = 4;

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Colour of sheet pixel (x, y), y counted from the top.
uint32_t SheetPixel(int x, int y)
{
    if (x % TEST_CELL_PITCH == 0 || y % TEST_CELL_PITCH == 0)
        return GRID_COLOUR;
    int column = x / TEST_CELL_PITCH;
    int row = y / TEST_CELL_PITCH;
    int inCellX = x % TEST_CELL_PITCH - 1;
    if (row == PILE_ROW && column == 0 && inCellX >= TEST_PILE_OPAQUE_WIDTH)
        return 0;
    return TestCellColour(column, row);
}

} // namespace

uint32_t TestCellColour(int column, int row)
{
    uint32_t red = 20 + 14 * static_cast<uint32_t>(column);
    uint32_t green = 30 + 40 * static_cast<uint32_t>(row);
    uint32_t blue = 0x99;
    return red << 16 | green << 8 | blue;
}

bool WriteTestTileSheet(const std::string& path)
{
    const int rowBytes = (SHEET_WIDTH * 3 + 3) / 4 * 4;
    const uint32_t pixelOffset = 54;
    const uint32_t imageSize = static_cast<uint32_t>(rowBytes * SHEET_HEIGHT);
    std::vector<uint8_t> file;
    file.push_back('B');
    file.push_back('M');
    PutLittleEndian(file, pixelOffset + imageSize, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, pixelOffset, 4);
    PutLittleEndian(file, 40, 4);
    PutLittleEndian(file, SHEET_WIDTH, 4);
    PutLittleEndian(file, SHEET_HEIGHT, 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, imageSize, 4);
    for (int i = 0; i < 4; ++i)
        PutLittleEndian(file, 0, 4);
    // Bottom row first, each pixel blue, green, red, rows padded to 4 bytes.
    for (int y = SHEET_HEIGHT - 1; y >= 0; --y) {
        for (int x = 0; x < SHEET_WIDTH; ++x) {
            uint32_t colour = SheetPixel(x, y);
            PutLittleEndian(file, colour & 0xFF, 1);
            PutLittleEndian(file, colour >> 8 & 0xFF, 1);
            PutLittleEndian(file, colour >> 16 & 0xFF, 1);
        }
        for (int pad = SHEET_WIDTH * 3; pad < rowBytes; ++pad)
            file.push_back(0);
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
