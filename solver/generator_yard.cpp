// A yard: one room of land holding the start and the piles, and a lane from
// its side to a ditch of water before the exit that takes every pile to cross. Piles wander
// a yard in many ways that all look alike to the solver's bound, so a yard's
// proof is long for its size: the shape for the hardest levels.
#include "solver/generator_climb.h"

#include <algorithm>

namespace {

// The yard's sides; its distance from the board's edge.
constexpr int YARD_WIDTH_MIN = 4, YARD_WIDTH_MAX = 7;
constexpr int YARD_HEIGHT_MIN = 4, YARD_HEIGHT_MAX = 5;
constexpr int YARD_MARGIN = 1;
// Land between the yard and the ditch at most.
constexpr int LANE_MAX = 3;
// Water cells inside the yard, in the piles' way.
constexpr int YARD_HOLES_MAX = 3;
// Rows above the yard at most.
constexpr int YARD_TOP_MAX = 1;

// The cells in an order drawn at random.
void Shuffle(GeneratorRandom& random, std::vector<int>& cells)
{
    for (size_t i = cells.size(); i > 1; --i)
        std::swap(cells[i - 1], cells[static_cast<size_t>(GeneratorRandomBelow(random, static_cast<int>(i)))]);
}

} // namespace

LevelFile GeneratorRandomYard(GeneratorRandom& random, const GeneratorOptions& options)
{
    // Drawn with the yard at the top and the ditch leaving its bottom side, then turned.
    LevelFile drawn = LevelFileBlank();
    const int width = GeneratorRandomBetween(random, YARD_WIDTH_MIN, YARD_WIDTH_MAX);
    const int left = GeneratorRandomBetween(random, YARD_MARGIN, BOARD_SIZE - YARD_MARGIN - width);
    const int top = GeneratorRandomBetween(random, 0, YARD_TOP_MAX);
    // A ditch cell for each pile, with room for the exit under it.
    const int ditch = GeneratorRandomBetween(random, options.minPiles, options.maxPiles);
    const int heightMax = std::min(YARD_HEIGHT_MAX, BOARD_SIZE - top - ditch - 1);
    if (heightMax < YARD_HEIGHT_MIN)
        return drawn;   // no exit: the generator refuses it
    const int height = GeneratorRandomBetween(random, YARD_HEIGHT_MIN, heightMax);
    // A pile on the yard's edge can only slide along it, so piles start inside the edge.
    std::vector<int> inside, edge;
    for (int column = left; column < left + width; ++column)
        for (int row = top; row < top + height; ++row) {
            drawn.bytes[LevelByteIndex(column, row)] = TILE_LAND;
            const bool onEdge = column == left || column == left + width - 1 || row == top || row == top + height - 1;
            (onEdge ? edge : inside).push_back(LevelByteIndex(column, row));
        }
    // Down from the yard: a lane of land, then the ditch, each cell water, then the exit, in one line.
    const int below = BOARD_SIZE - top - height;   // rows under the yard
    const int lane = GeneratorRandomBetween(random, 0, std::min(LANE_MAX, below - ditch - 1));
    const int column = GeneratorRandomBetween(random, left, left + width - 1);
    for (int row = top + height; row < top + height + lane; ++row)
        drawn.bytes[LevelByteIndex(column, row)] = TILE_LAND;
    drawn.bytes[LevelByteIndex(column, top + height + lane + ditch)] = TILE_EXIT;

    // Holes on the edge, the start anywhere and the piles inside, on cells drawn without repeats.
    Shuffle(random, edge);
    Shuffle(random, inside);
    const int piles = std::min(ditch, static_cast<int>(inside.size()));
    for (int pile = 0; pile < piles; ++pile)
        drawn.bytes[inside[static_cast<size_t>(pile)]] = TILE_PILE;
    const int holes = GeneratorRandomBetween(random, 0, YARD_HOLES_MAX);
    const int laneTop = LevelByteIndex(column, top + height - 1);
    for (int hole = 0; hole < holes; ++hole)
        if (edge[static_cast<size_t>(hole)] != laneTop)
            drawn.bytes[edge[static_cast<size_t>(hole)]] = TILE_WATER;
    std::vector<int> free;
    for (int cell : inside)
        if (drawn.bytes[cell] == TILE_LAND)
            free.push_back(cell);
    for (size_t i = static_cast<size_t>(holes); i < edge.size(); ++i)
        if (edge[i] != laneTop)
            free.push_back(edge[i]);
    if (free.empty())
        return drawn;
    drawn.bytes[free[static_cast<size_t>(GeneratorRandomBelow(random, static_cast<int>(free.size())))]] = TILE_START;

    LevelFile turned = LevelFileBlank();
    const int symmetry = GeneratorRandomBelow(random, GENERATOR_SYMMETRIES);
    for (int c = 0; c < BOARD_SIZE; ++c)
        for (int r = 0; r < BOARD_SIZE; ++r)
            turned.bytes[GeneratorTurnedCell(symmetry, c, r)] = drawn.bytes[LevelByteIndex(c, r)];
    return turned;
}
