// The generated tile sheet: format, grid, and where black (the transparent
// colour) may and may not appear.
#include "data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int CELL = 50, PITCH = 51, COLUMNS = 16, ROWS = 6;
constexpr int ROW_WATER = 0, ROW_PLAYER = 1, ROW_LAND = 2, ROW_BANNER = 3, ROW_PILE = 4, ROW_EXIT = 5;
constexpr int EDGE_SKIP = 12;      // ends of an edge that belong to the neighbouring side

enum Side { LEFT = 1, TOP = 2, RIGHT = 4, BOTTOM = 8 };
// Water sides of land frames 0..14, by the shore-frame table.
constexpr unsigned LAND_WATER[15] = {
    0, BOTTOM, RIGHT, TOP, LEFT, LEFT | TOP, LEFT | BOTTOM, RIGHT | BOTTOM, RIGHT | TOP,
    LEFT | TOP | RIGHT, LEFT | TOP | BOTTOM, LEFT | BOTTOM | RIGHT, TOP | BOTTOM | RIGHT,
    LEFT | RIGHT, TOP | BOTTOM,
};

const Picture& Sheet()
{
    static const Picture sheet = DecodeBmp(ReadDataFile("pieces.bmp"));
    return sheet;
}

Rgb CellAt(int column, int row, int x, int y)
{
    return Sheet().At(1 + PITCH * column + x, 1 + PITCH * row + y);
}

int CountBlack(int column, int row)
{
    int n = 0;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x) n += CellAt(column, row, x, y).IsBlack();
    return n;
}

int CountDiffering(int columnA, int rowA, int columnB, int rowB)
{
    int n = 0;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x) n += !(CellAt(columnA, rowA, x, y) == CellAt(columnB, rowB, x, y));
    return n;
}

// A sprite stands free in its cell: black all round its border, and in
// corner blocks of the given size.
bool FreeStanding(int column, int row, int corner)
{
    for (int k = 0; k < CELL; ++k)
        for (int e : {0, CELL - 1})
            if (!CellAt(column, row, k, e).IsBlack() || !CellAt(column, row, e, k).IsBlack()) return false;
    for (int y = 0; y < corner; ++y)
        for (int x = 0; x < corner; ++x)
            for (int cx : {x, CELL - 1 - x})
                for (int cy : {y, CELL - 1 - y})
                    if (!CellAt(column, row, cx, cy).IsBlack()) return false;
    return true;
}

int Distance(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Mean colour step across the wrap of a tile (last column to first, last row
// to first) and between neighbouring pixels inside it. A seamless tile steps
// no more across its wrap than inside.
void WrapAndInnerSteps(int column, int row, double* wrap, double* inner)
{
    long wrapSum = 0, innerSum = 0, innerCount = 0;
    for (int i = 0; i < CELL; ++i) {
        wrapSum += Distance(CellAt(column, row, CELL - 1, i), CellAt(column, row, 0, i));
        wrapSum += Distance(CellAt(column, row, i, CELL - 1), CellAt(column, row, i, 0));
        for (int j = 0; j + 1 < CELL; ++j) {
            innerSum += Distance(CellAt(column, row, j, i), CellAt(column, row, j + 1, i));
            innerSum += Distance(CellAt(column, row, i, j), CellAt(column, row, i, j + 1));
            innerCount += 2;
        }
    }
    *wrap = wrapSum / (2.0 * CELL);
    *inner = static_cast<double>(innerSum) / innerCount;
}

// Pixel k along one edge of a cell, k = 0..49.
Rgb EdgePixel(int column, int row, Side side, int k)
{
    switch (side) {
    case LEFT: return CellAt(column, row, 0, k);
    case RIGHT: return CellAt(column, row, CELL - 1, k);
    case TOP: return CellAt(column, row, k, 0);
    case BOTTOM: return CellAt(column, row, k, CELL - 1);
    }
    return {};
}

TEST(TileSheet, IsAnUncompressed24BitBottomUpBmpOf817By307)
{
    const std::vector<uint8_t> file = ReadDataFile("pieces.bmp");
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    const uint32_t row = (817 * 3 + 3) & ~3u;
    EXPECT_EQ(Le32(file, 2), file.size());
    EXPECT_EQ(Le32(file, 10), 54u);
    EXPECT_EQ(Le32(file, 14), 40u);
    EXPECT_EQ(static_cast<int32_t>(Le32(file, 18)), 817);
    EXPECT_EQ(static_cast<int32_t>(Le32(file, 22)), 307);   // positive: bottom row first
    EXPECT_EQ(Le16(file, 26), 1u);
    EXPECT_EQ(Le16(file, 28), 24u);
    EXPECT_EQ(Le32(file, 30), 0u);
    EXPECT_EQ(file.size(), 54u + row * 307u);
}

TEST(TileSheet, GridLinesAreOneColourAndNotBlack)
{
    const Picture& s = Sheet();
    const Rgb grid = s.At(0, 0);
    EXPECT_FALSE(grid.IsBlack());
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (x % PITCH == 0 || y % PITCH == 0) {
                ASSERT_EQ(s.At(x, y), grid) << x << "," << y;
            }
}

TEST(TileSheet, WaterIsOpaqueAndTilesWithoutSeam)
{
    EXPECT_EQ(CountBlack(0, ROW_WATER), 0);
    double wrap = 0, inner = 0;
    WrapAndInnerSteps(0, ROW_WATER, &wrap, &inner);
    EXPECT_LE(wrap, 2 * inner + 4);
}

TEST(TileSheet, SparkleIsWaterWithAGlintThatGrowsPeaksAndFades)
{
    int glint[9] = {};
    for (int f = 1; f <= 8; ++f) {
        EXPECT_EQ(CountBlack(f, ROW_WATER), 0) << "frame " << f;
        glint[f] = CountDiffering(f, ROW_WATER, 0, ROW_WATER);
        // Away from the glint it is the same water.
        for (int x : {0, CELL - 1})
            for (int y : {0, CELL - 1}) EXPECT_EQ(CellAt(f, ROW_WATER, x, y), CellAt(0, ROW_WATER, x, y));
    }
    EXPECT_GT(glint[1], 0);
    const int* peak = std::max_element(glint + 1, glint + 8);
    EXPECT_GT(peak - glint, 1);
    EXPECT_LT(peak - glint, 7);
    for (int f = 1; f < peak - glint; ++f) EXPECT_LT(glint[f], glint[f + 1]) << "frame " << f;
    for (int f = static_cast<int>(peak - glint); f < 7; ++f) EXPECT_GT(glint[f], glint[f + 1]) << "frame " << f;
}

TEST(TileSheet, PlayerPileAndBannerAreSpritesOnBlack)
{
    for (int f = 0; f < 8; ++f) {
        EXPECT_TRUE(FreeStanding(f, ROW_PLAYER, 5)) << "player frame " << f;
        EXPECT_GT(CELL * CELL - CountBlack(f, ROW_PLAYER), 400) << "player frame " << f;
    }
    // The two walking frames of each direction differ, and the directions differ.
    for (int d = 0; d < 4; ++d) EXPECT_GT(CountDiffering(2 * d, ROW_PLAYER, 2 * d + 1, ROW_PLAYER), 20);
    EXPECT_GT(CountDiffering(0, ROW_PLAYER, 2, ROW_PLAYER), 100);
    EXPECT_GT(CountDiffering(4, ROW_PLAYER, 6, ROW_PLAYER), 50);

    EXPECT_TRUE(FreeStanding(0, ROW_PILE, 5));
    EXPECT_GT(CELL * CELL - CountBlack(0, ROW_PILE), 600);
    for (int p = 0; p < 7; ++p) {
        EXPECT_TRUE(FreeStanding(p, ROW_BANNER, 3)) << "banner piece " << p;
        EXPECT_GT(CELL * CELL - CountBlack(p, ROW_BANNER), 200) << "banner piece " << p;
    }
}

TEST(TileSheet, ExitFramesFillTheirCellAndDiffer)
{
    for (int f = 0; f < 2; ++f) EXPECT_EQ(CountBlack(f, ROW_EXIT), 0) << "exit frame " << f;
    EXPECT_GT(CountDiffering(0, ROW_EXIT, 1, ROW_EXIT), 300);
}

TEST(TileSheet, LandIsTransparentExactlyOnItsWaterSides)
{
    for (int f = 0; f < 15; ++f) {
        EXPECT_FALSE(CellAt(f, ROW_LAND, CELL / 2, CELL / 2).IsBlack()) << "frame " << f;
        for (Side side : {LEFT, TOP, RIGHT, BOTTOM}) {
            const bool water = LAND_WATER[f] & side;
            for (int k = EDGE_SKIP; k < CELL - EDGE_SKIP; ++k)
                ASSERT_EQ(EdgePixel(f, ROW_LAND, side, k).IsBlack(), water)
                    << "frame " << f << " side " << side << " pixel " << k;
        }
        // A corner is transparent when either side beside it faces water.
        const struct {
            unsigned sides;
            int x, y;
        } corners[] = {{LEFT | TOP, 0, 0}, {TOP | RIGHT, CELL - 1, 0}, {RIGHT | BOTTOM, CELL - 1, CELL - 1},
                       {BOTTOM | LEFT, 0, CELL - 1}};
        for (const auto& c : corners)
            EXPECT_EQ(CellAt(f, ROW_LAND, c.x, c.y).IsBlack(), (LAND_WATER[f] & c.sides) != 0)
                << "frame " << f << " corner " << c.x << "," << c.y;
    }
    EXPECT_EQ(CountBlack(0, ROW_LAND), 0);
}

TEST(TileSheet, LandJoinsWithoutSeam)
{
    // Inland land tiles like the water does, and every solid side of every
    // frame carries exactly the inland edge, so any two land cells that meet
    // on solid sides continue each other.
    double wrap = 0, inner = 0;
    WrapAndInnerSteps(0, ROW_LAND, &wrap, &inner);
    EXPECT_LE(wrap, 2 * inner + 4);
    for (int f = 1; f < 15; ++f)
        for (Side side : {LEFT, TOP, RIGHT, BOTTOM}) {
            if (LAND_WATER[f] & side) continue;
            for (int k = EDGE_SKIP; k < CELL - EDGE_SKIP; ++k)
                ASSERT_EQ(EdgePixel(f, ROW_LAND, side, k), EdgePixel(0, ROW_LAND, side, k))
                    << "frame " << f << " side " << side << " pixel " << k;
        }
}

TEST(TileSheet, BannerLettersDoNotRunIntoEachOther)
{
    // The banner's pieces, scaled to 100 x 100, in its two rows.
    struct Piece {
        int sprite, x;
    };
    const std::vector<std::vector<Piece>> rows = {
        {{0, 124}, {1, 222}, {2, 296}, {2, 370}},
        {{3, 98}, {4, 176}, {5, 266}, {1, 356}, {6, 438}},
    };
    for (const auto& row : rows) {
        int previousRight = -1;
        for (const Piece& p : row) {
            int left = CELL, right = -1;
            for (int y = 0; y < CELL; ++y)
                for (int x = 0; x < CELL; ++x)
                    if (!CellAt(p.sprite, ROW_BANNER, x, y).IsBlack()) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            ASSERT_GE(right, left);
            EXPECT_GT(p.x + 2 * left, previousRight) << "piece " << p.sprite << " at " << p.x;
            previousRight = p.x + 2 * right + 1;
        }
    }
}

}  // namespace
