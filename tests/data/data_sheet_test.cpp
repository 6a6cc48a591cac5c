// The generated tile sheet: format, grid, and where black (the transparent
// colour) may and may not appear.
#include "data_files.h"

#include "format/sheet_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr int CELL = SHEET_CELL, PITCH = SHEET_PITCH, WIDTH = SHEET_WIDTH, HEIGHT = SHEET_HEIGHT;
constexpr int ROW_WATER = SHEET_ROW_WATER, ROW_PLAYER = SHEET_ROW_PLAYER, ROW_LAND = SHEET_ROW_LAND;
constexpr int ROW_BANNER = SHEET_ROW_BANNER, ROW_PILE = SHEET_ROW_PILE, ROW_EXIT = SHEET_ROW_EXIT;
constexpr int PILE_OVER_WATER_COLUMN = SHEET_PILE_OVER_WATER_COLUMN, EXIT_ON_LAND_COLUMN = SHEET_EXIT_ON_LAND_COLUMN;
constexpr int PILE_SHADOW_TOP = 36;  // the pile's shadow lies below this row
constexpr uint32_t BLACK = 0;


const BmpImage& Sheet()
{
    static const BmpImage sheet = [] {
        BmpImage image;
        EXPECT_TRUE(BmpDecode(ReadDataFile("pieces.bmp"), &image));
        if (image.width != WIDTH || image.height != HEIGHT)
            image = {WIDTH, HEIGHT, std::vector<uint32_t>(WIDTH * HEIGHT, 1)};   // fail the checks, not crash
        return image;
    }();
    return sheet;
}

uint32_t CellAt(int column, int row, int x, int y)
{
    return Sheet().At(1 + PITCH * column + x, 1 + PITCH * row + y);
}

// Pixels of cell (column, row) that are black, or, given another cell, that differ from it.
int Count(int column, int row, int otherColumn = -1, int otherRow = -1)
{
    int n = 0;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x)
            n += otherColumn < 0 ? CellAt(column, row, x, y) == BLACK
                                 : CellAt(column, row, x, y) != CellAt(otherColumn, otherRow, x, y);
    return n;
}

// A sprite stands free in its cell: black all round its border, and in
// corner blocks of the given size.
bool FreeStanding(int column, int row, int corner)
{
    for (int a = 0; a < CELL; ++a)
        for (int b = 0; b < CELL; ++b) {
            const bool border = a == 0 || b == 0 || a == CELL - 1 || b == CELL - 1;
            const bool inCorner = std::min(a, CELL - 1 - a) < corner && std::min(b, CELL - 1 - b) < corner;
            if ((border || inCorner) && CellAt(column, row, a, b) != BLACK)
                return false;
        }
    return true;
}

int Distance(uint32_t a, uint32_t b)
{
    int sum = 0;
    for (int shift : {0, 8, 16})
        sum += std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF));
    return sum;
}

// A seamless tile steps no more in colour across its wrap (last column to
// first, last row to first) than between neighbouring pixels inside it.
void ExpectSeamless(int column, int row)
{
    long wrapSum = 0, innerSum = 0;
    for (int i = 0; i < CELL; ++i) {
        wrapSum += Distance(CellAt(column, row, CELL - 1, i), CellAt(column, row, 0, i)) +
                   Distance(CellAt(column, row, i, CELL - 1), CellAt(column, row, i, 0));
        for (int j = 0; j + 1 < CELL; ++j)
            innerSum += Distance(CellAt(column, row, j, i), CellAt(column, row, j + 1, i)) +
                        Distance(CellAt(column, row, i, j), CellAt(column, row, i, j + 1));
    }
    const double wrap = wrapSum / (2.0 * CELL), inner = innerSum / (2.0 * CELL * (CELL - 1));
    EXPECT_LE(wrap, 2 * inner + 4) << "cell " << column << "," << row;
}

// An uncompressed 24-bit bottom-up BMP, headers and size consistent; the
// lines between the cells are one colour, not black.
TEST(TileSheet, IsA24BitBottomUpBmpOnAGrid)
{
    const Bytes file = ReadDataFile("pieces.bmp");
    BmpImage image;   // the decoder insists on "BM", 24 bits and no compression
    ASSERT_TRUE(BmpDecode(file, &image));
    EXPECT_EQ(image.width, WIDTH);
    EXPECT_EQ(image.height, HEIGHT);
    EXPECT_GT(GetLe32(file, 22), 0u);   // bottom row first
    EXPECT_EQ(GetLe32(file, 2), file.size());
    EXPECT_EQ(GetLe32(file, 10), 54u);   // pixels right after the 40-byte header, of one plane
    EXPECT_EQ(GetLe32(file, 14), 40u);
    EXPECT_EQ(GetLe16(file, 26), 1u);
    EXPECT_EQ(file.size(), 54u + ((WIDTH * 3 + 3) & ~3u) * HEIGHT);

    const uint32_t grid = Sheet().At(0, 0);
    EXPECT_NE(grid, BLACK);
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x)
            if (x % PITCH == 0 || y % PITCH == 0) {
                ASSERT_EQ(Sheet().At(x, y), grid) << x << "," << y;
            }
}

// Water, inland land, the sparkle frames and the exit fill their cells.
// Water and land tile without a seam (the shores are the shore join tests');
// the sparkle is that water with a glint that grows, peaks and fades; the two
// exit frames differ.
TEST(TileSheet, WaterLandSparkleAndExitAreOpaque)
{
    for (int row : {ROW_WATER, ROW_LAND}) {
        EXPECT_EQ(Count(0, row), 0);
        ExpectSeamless(0, row);
    }
    int glint[9] = {};
    for (int f = 1; f <= 8; ++f) {
        EXPECT_EQ(Count(f, ROW_WATER), 0) << "frame " << f;
        glint[f] = Count(f, ROW_WATER, 0, ROW_WATER);
        for (int x : {0, CELL - 1})   // away from the glint it is the same water
            for (int y : {0, CELL - 1})
                EXPECT_EQ(CellAt(f, ROW_WATER, x, y), CellAt(0, ROW_WATER, x, y)) << "frame " << f;
    }
    EXPECT_GT(glint[1], 0);
    const int peak = static_cast<int>(std::max_element(glint + 1, glint + 8) - glint);
    EXPECT_GT(peak, 1);
    EXPECT_LT(peak, 7);
    for (int f = 1; f < 7; ++f)
        EXPECT_TRUE(f < peak ? glint[f] < glint[f + 1] : glint[f] > glint[f + 1]) << "frame " << f;

    for (int f = 0; f < 2; ++f)
        EXPECT_EQ(Count(f, ROW_EXIT), 0) << "exit frame " << f;
    EXPECT_GT(Count(0, ROW_EXIT, 1, ROW_EXIT), 300);
}

// The pile over water is the pile without its shadow; the exit on land
// stands free in its cell, in two frames that differ.
TEST(TileSheet, PlayerPilesExitOnLandAndBannerAreSpritesOnBlack)
{
    const struct {
        int row, column, frames, corner, minimumPixels;
    } sprites[] = {{ROW_PLAYER, 0, 8, 5, 400}, {ROW_PILE, 0, 1, 5, 600}, {ROW_PILE, PILE_OVER_WATER_COLUMN, 1, 5, 600},
                   {ROW_BANNER, 0, 7, 3, 200}, {ROW_EXIT, EXIT_ON_LAND_COLUMN, 2, 5, 1000}};
    for (const auto& s : sprites)
        for (int f = s.column; f < s.column + s.frames; ++f) {
            EXPECT_TRUE(FreeStanding(f, s.row, s.corner)) << "row " << s.row << " frame " << f;
            EXPECT_GT(CELL * CELL - Count(f, s.row), s.minimumPixels) << "row " << s.row << " frame " << f;
        }
    EXPECT_GT(Count(EXIT_ON_LAND_COLUMN, ROW_EXIT, EXIT_ON_LAND_COLUMN + 1, ROW_EXIT), 100);
    int shadow = 0;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x) {
            const uint32_t dry = CellAt(0, ROW_PILE, x, y), wet = CellAt(PILE_OVER_WATER_COLUMN, ROW_PILE, x, y);
            if (wet != BLACK && y < PILE_SHADOW_TOP) {
                EXPECT_EQ(wet, dry) << x << "," << y;
            }
            shadow += wet == BLACK && dry != BLACK;
        }
    EXPECT_GT(shadow, 50);
    // The two walking frames of each direction differ, and the directions differ.
    for (int d = 0; d < 4; ++d)
        EXPECT_GT(Count(2 * d, ROW_PLAYER, 2 * d + 1, ROW_PLAYER), 20);
    EXPECT_GT(Count(0, ROW_PLAYER, 2, ROW_PLAYER), 100);
    EXPECT_GT(Count(4, ROW_PLAYER, 6, ROW_PLAYER), 50);
}

TEST(TileSheet, BannerLettersDoNotRunIntoEachOther)
{
    // The banner's pieces (sprite, left edge), drawn at twice their size, row by row.
    std::map<int, std::vector<std::pair<int, int>>> rows;
    for (const SheetBannerPlace& place : SHEET_BANNER_LAYOUT)
        rows[place.y].push_back({place.piece, place.x});
    for (const auto& [y, row] : rows) {
        int previousRight = -1;
        for (const auto& [sprite, at] : row) {
            int left = CELL, right = -1;
            for (int y = 0; y < CELL; ++y)
                for (int x = 0; x < CELL; ++x)
                    if (CellAt(sprite, ROW_BANNER, x, y) != BLACK) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            ASSERT_GE(right, left);
            EXPECT_GT(at + SHEET_BANNER_DRAWN_SIZE / CELL * left, previousRight) << "piece " << sprite << " at " << at;
            previousRight = at + SHEET_BANNER_DRAWN_SIZE / CELL * right + 1;
        }
    }
}

}  // namespace
