// Shores drawn with the generated tile sheet: wherever a band of sand or a
// lawn reaches the edge of a cell, the cell beyond carries it on. Checked on
// every shipped level, on boards holding every pattern of eight neighbours
// around a land cell and around an exit, and on the land risen over an exit.
#include "game_fixture.h"

#include "support/bytes.h"

#include <algorithm>
#include <sstream>

namespace {

// Pixels sorted by their dominant hue: the shore's wet edge counts as water.
enum PixelClass { WATER_PIXEL, SAND_PIXEL, GRASS_PIXEL, OTHER_PIXEL };

const int SAND_WARMTH = 40;   // red over blue of the palest sand and more
const int JOIN_SLACK = 1;     // pixels a class may shift along the border

PixelClass ClassOf(uint32_t pixel)
{
    const int r = static_cast<int>(pixel >> 16 & 0xFF);
    const int g = static_cast<int>(pixel >> 8 & 0xFF);
    const int b = static_cast<int>(pixel & 0xFF);
    if (b > r && b >= g)
        return WATER_PIXEL;
    if (g > r && g > b)
        return GRASS_PIXEL;
    if (r >= g && g > b && r - b > SAND_WARMTH)
        return SAND_PIXEL;
    return OTHER_PIXEL;
}

// A place where sand or grass ends at a cell's edge.
struct BrokenJoin {
    int column, row;   // the cell whose pixel it is
    bool vertical;     // on a border between columns
    int offset;        // along the border
};

class ShoreJoinTest : public PictureFixture {
protected:
    ShoreJoinTest() { tileSheetSource = std::string(QUAGMORE_TEST_BUILT_DATA_DIR) + "/pieces.bmp"; }

    // The board's layers alone: no sparkle, player or pile in transit.
    void DrawBoardLayers(GameModel model)
    {
        model.view.sparkleShown = 0;
        model.view.pileShown = 0;
        model.view.player = PLAYER_HIDDEN;
        GameRender(model, sprites, picture);
    }

    // Pixels on both sides of every border between two cells of the board:
    // a sand or grass pixel must find its own class across the border, at
    // its place or one pixel on.
    std::vector<BrokenJoin> BrokenJoins()
    {
        std::vector<BrokenJoin> broken;
        for (bool vertical : {true, false})
            for (int a = 0; a + 1 < BOARD_SIZE; ++a)
                for (int b = 0; b < BOARD_SIZE; ++b) {
                    const int edge = (a + 1) * CELL_SIZE;   // first pixel of the later cell
                    for (int k = 0; k < CELL_SIZE; ++k) {
                        for (int side : {0, 1}) {
                            const int along = b * CELL_SIZE + k;
                            const PixelClass here = Class(vertical, edge - 1 + side, along);
                            if (here != SAND_PIXEL && here != GRASS_PIXEL)
                                continue;
                            bool met = false;
                            for (int shift = -JOIN_SLACK; shift <= JOIN_SLACK; ++shift) {
                                const int across = along + shift;
                                if (across >= b * CELL_SIZE && across < (b + 1) * CELL_SIZE)
                                    met |= Class(vertical, edge - side, across) == here;
                            }
                            if (!met)
                                broken.push_back(vertical ? BrokenJoin{a + side, b, true, k}
                                                          : BrokenJoin{b, a + side, false, k});
                        }
                    }
                }
        return broken;
    }

    void ExpectJoined(const std::string& what)
    {
        const std::vector<BrokenJoin> broken = BrokenJoins();
        std::ostringstream cells;
        for (size_t i = 0; i < broken.size() && i < 8; ++i)
            cells << " (" << broken[i].column << "," << broken[i].row << (broken[i].vertical ? " side " : " end ")
                  << broken[i].offset << ")";
        EXPECT_EQ(broken.size(), 0u) << what << ":" << cells.str();
    }

private:
    PixelClass Class(bool vertical, int across, int along)
    {
        return vertical ? ClassOf(Pixel(picture, across, along)) : ClassOf(Pixel(picture, along, across));
    }
};

TEST_F(ShoreJoinTest, ShippedLevelsAndTheLandOverTheirExits)
{
    for (int level = 1; level <= LAST_LEVEL; ++level) {
        MemoryLevelStore store;
        const Bytes file = ReadFileBytes(std::string(QUAGMORE_TEST_BUILT_DATA_DIR) + "/" + LevelFileName(level));
        ASSERT_EQ(file.size(), static_cast<size_t>(LEVEL_FILE_SIZE)) << level;
        store.levels[level].assign(file.begin(), file.end());
        GameModel model = ModelOnLevel(store, level);
        GameEffects effects;
        GameStep(model, GameInput(), 1000, store, effects);
        ASSERT_EQ(model.view.kind, VIEW_PLAY);
        DrawBoardLayers(model);
        ExpectJoined("level " + std::to_string(level));

        // The level solved: the land has risen over the exit laid last.
        model.view.coverShown = 1;
        model.view.coverWidth = CELL_SIZE;
        DrawBoardLayers(model);
        ExpectJoined("level " + std::to_string(level) + ", land over the exit");
    }
}

// Sixteen boards of sixteen 3 x 3 blocks: the middle of block b on board n
// has neighbour i (clockwise from the top left) land when bit i of 16 n + b
// is set, else water. The middles are land, then exits; the blocks meet each
// other in further patterns.
TEST_F(ShoreJoinTest, EveryNeighbourPattern)
{
    const int offsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
    const int BLOCK = 3, BLOCKS_ACROSS = BOARD_SIZE / BLOCK, PATTERNS = 256;
    const int PER_BOARD = BLOCKS_ACROSS * BLOCKS_ACROSS;
    for (int32_t middle : {TILE_LAND, TILE_EXIT})
        for (int board = 0; board < PATTERNS / PER_BOARD; ++board) {
            GameModel model;
            model.view.kind = VIEW_PLAY;
            GameBoard& cells = model.view.board;
            std::fill(&cells[0][0], &cells[0][0] + BOARD_SIZE * BOARD_SIZE, TILE_WATER);
            for (int block = 0; block < PER_BOARD; ++block) {
                const int pattern = board * PER_BOARD + block;
                const int column = block % BLOCKS_ACROSS * BLOCK + 1, row = block / BLOCKS_ACROSS * BLOCK + 1;
                cells[column][row] = middle;
                for (int i = 0; i < 8; ++i)
                    if (pattern >> i & 1)
                        cells[column + offsets[i][0]][row + offsets[i][1]] = TILE_LAND;
            }
            DrawBoardLayers(model);
            ExpectJoined((middle == TILE_EXIT ? "exits, patterns " : "land, patterns ") +
                         std::to_string(board * PER_BOARD) + " on");
        }
}

} // namespace
