// The fewest pushes a position may still be won in, from below, and the
// positions that can't be won at all.
//
// A pile moves along a line only when the player can stand on one side of it
// and the other side takes it, so a pile with a wall on either side along both
// lines can never move. Walls for this are the board's edge, the exit and any
// other cell that never changes (the player can't stand on them and a pile
// can't enter them), and piles that can never move themselves. Such a pile
// fills no water, and no one ever walks over its cell.
//
// A movable pile needs at least as many pushes to reach a cell as it takes
// moves when the only rule is that walls stop it, on either side: its pile
// distance. The player walks on land only, so every water cell on the way to
// the exit must first take a pile, each its own pile, and only water with a
// pile distance can take one. On a way with n such cells, the farthest at
// distance d, the pile for that cell makes d pushes and each of the others at
// least one: n + d - 1. With N the fewest such cells on any way and D the
// least farthest distance on any way, N + D - 1 is no more than that for
// every way, so it bounds the pushes from below; with no way, or more water
// on every way than movable piles, the position is lost.
//
// The bound falls by at most one per push: a push moves one pile one cell (its
// distances fall by one at most) or fills one water cell at distance one, and
// walls and piles that can never move only grow. So the informed search may
// order positions by pushes made plus this bound and still meet the fewest
// pushes first.
#include "solver/solver_search.h"

#include <algorithm>

namespace solver {
namespace {

constexpr uint8_t NO_DISTANCE = 255;

// Cells nothing can ever stand on or enter: those that never change, piles
// that can never move, and (as NO_CELL) everything off the board. Kept one
// place up, so that NO_CELL needs no test of its own.
struct Walls {
    std::array<bool, LEVEL_TILE_BYTES + 1> at{};
    bool operator()(int cell) const { return at[cell + 1]; }
    void Set(int cell, bool wall) { at[cell + 1] = wall; }
};

// True when a pile on `cell` can't move along the line of `direction`.
bool LineBlocked(const Walls& walls, int cell, int direction)
{
    return walls(NEIGHBOURS[cell][direction]) || walls(NEIGHBOURS[cell][OppositeDirection(direction)]);
}

constexpr int ACROSS = 0;   // left and right
constexpr int ALONG = 1;    // up and down

// The board's piles, in the order of their cells.
struct Piles {
    std::array<uint8_t, LEVEL_TILE_BYTES> at;
    int count = 0;
};

// The walls, with the largest set of piles each of which is blocked along
// both lines by walls and piles of the set: none of them can ever be the
// first to move. Also gives the board's piles.
Walls FindWalls(const Cells& cells, Piles& all)
{
    Walls walls;
    walls.Set(NO_CELL, true);
    std::array<uint8_t, LEVEL_TILE_BYTES>& piles = all.at;
    int& count = all.count;
    count = 0;
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i) {
        walls.Set(i, !CellChanges(cells[i]) || cells[i] == TILE_PILE);
        if (cells[i] == TILE_PILE)
            piles[count++] = static_cast<uint8_t>(i);
    }
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < count; ++i) {
            const int pile = piles[i];
            if (walls(pile) && !(LineBlocked(walls, pile, ACROSS) && LineBlocked(walls, pile, ALONG))) {
                walls.Set(pile, false);
                changed = true;
            }
        }
    }
    return walls;
}

// The fewest moves that bring a pile from one of `sources` to each cell when
// only walls stop a pile, behind it or ahead of it.
std::array<uint8_t, LEVEL_TILE_BYTES> SpreadFrom(const std::array<uint8_t, LEVEL_TILE_BYTES>& sources, int count,
                                                 const Walls& walls)
{
    std::array<uint8_t, LEVEL_TILE_BYTES> distance;
    distance.fill(NO_DISTANCE);
    std::array<uint8_t, LEVEL_TILE_BYTES> order = sources;
    for (int i = 0; i < count; ++i)
        distance[order[i]] = 0;
    for (int next = 0; next < count; ++next) {
        const int cell = order[next];
        for (int d = 0; d < DIRECTIONS; ++d) {
            const int to = NEIGHBOURS[cell][d];
            const int behind = NEIGHBOURS[cell][OppositeDirection(d)];
            if (walls(to) || walls(behind) || distance[to] != NO_DISTANCE)
                continue;
            distance[to] = static_cast<uint8_t>(distance[cell] + 1);
            order[count++] = static_cast<uint8_t>(to);
        }
    }
    return distance;
}

// The distances from each single cell when the only walls are the cells that
// never change. A search asks for the bound of many thousands of positions of
// one board's layout, most with no pile that can never move, so each thread
// keeps the table of the last layout it met: the distances from a set of piles
// are then the least of theirs.
struct LayoutDistances {
    Walls layout;
    bool made = false;
    std::array<std::array<uint8_t, LEVEL_TILE_BYTES>, LEVEL_TILE_BYTES> from;
};

const LayoutDistances& DistancesOfLayout(const Walls& layout)
{
    thread_local LayoutDistances table;
    if (table.made && table.layout.at == layout.at)
        return table;
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
        std::array<uint8_t, LEVEL_TILE_BYTES> source;
        source[0] = static_cast<uint8_t>(cell);
        table.from[cell] = SpreadFrom(source, layout(cell) ? 0 : 1, layout);
    }
    table.layout = layout;
    table.made = true;
    return table;
}

// Pile distances: the fewest moves that bring some movable pile to each cell
// when only walls stop a pile, behind it or ahead of it; and the movable piles' count.
std::array<uint8_t, LEVEL_TILE_BYTES> PileDistances(const Piles& piles, const Walls& walls, int& count)
{
    std::array<uint8_t, LEVEL_TILE_BYTES> movable;
    count = 0;
    bool frozen = false;   // a pile that can never move, a wall the layout alone does not have
    for (int i = 0; i < piles.count; ++i) {
        const int pile = piles.at[i];
        if (walls(pile))
            frozen = true;
        else
            movable[count++] = static_cast<uint8_t>(pile);
    }
    if (frozen)
        return SpreadFrom(movable, count, walls);
    const LayoutDistances& table = DistancesOfLayout(walls);
    std::array<uint8_t, LEVEL_TILE_BYTES> distance;
    distance.fill(NO_DISTANCE);
    for (int i = 0; i < count; ++i) {
        const std::array<uint8_t, LEVEL_TILE_BYTES>& from = table.from[movable[i]];
        for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell)
            distance[cell] = std::min(distance[cell], from[cell]);
    }
    return distance;
}

// The cells a spread from the player has taken up. Off the board counts as
// taken (kept one place up, as for the walls), so NO_CELL needs no test.
struct Seen {
    std::array<bool, LEVEL_TILE_BYTES + 1> at{true};
    bool operator()(int cell) const { return at[cell + 1]; }
    void Set(int cell) { at[cell + 1] = true; }
};

// True for the cells a way to the exit may cross at no cost: land and movable piles.
bool IsOpen(const Cells& cells, const Walls& walls, int cell)
{
    return (cells[cell] == TILE_LAND || cells[cell] == TILE_PILE) && !walls(cell);
}

// The fewest water cells with a pile distance on a way from the player to the
// exit, or SOLVER_HOPELESS when that takes more than `most` (or there is no
// way). Cells are taken up in order of cost, a layer at a time, so the first
// layer that touches the exit gives the answer.
int FewestWater(const Cells& cells, const Walls& walls, const std::array<uint8_t, LEVEL_TILE_BYTES>& distance,
                int player, int most)
{
    Seen seen;
    std::array<uint8_t, LEVEL_TILE_BYTES> layer;
    std::array<uint8_t, LEVEL_TILE_BYTES> nextLayer;
    int layerSize = 1;
    layer[0] = static_cast<uint8_t>(player);
    seen.Set(player);
    for (int water = 0; water <= most && layerSize > 0; ++water) {
        int nextSize = 0;
        for (int i = 0; i < layerSize; ++i) {
            const int cell = layer[i];
            for (int d = 0; d < DIRECTIONS; ++d) {
                const int to = NEIGHBOURS[cell][d];
                if (seen(to))
                    continue;
                if (cells[to] == TILE_EXIT)
                    return water;
                if (IsOpen(cells, walls, to)) {
                    seen.Set(to);
                    layer[layerSize++] = static_cast<uint8_t>(to);
                } else if (cells[to] == TILE_WATER && distance[to] != NO_DISTANCE) {
                    seen.Set(to);
                    nextLayer[nextSize++] = static_cast<uint8_t>(to);
                }
            }
        }
        layer = nextLayer;
        layerSize = nextSize;
    }
    return SOLVER_HOPELESS;
}

// The least, over the ways from the player to the exit, of the farthest pile
// distance of the water crossed: the region open to the player grows as the
// distance allowed grows, until it touches the exit. Call only when a way exists.
int NearestFarthest(const Cells& cells, const Walls& walls, const std::array<uint8_t, LEVEL_TILE_BYTES>& distance,
                    int player)
{
    Seen seen;
    std::array<uint8_t, LEVEL_TILE_BYTES> pending;   // cells to spread from
    std::array<uint8_t, LEVEL_TILE_BYTES> waiting;   // water beside the region, farther than allowed
    int pendingSize = 1;
    int waitingSize = 0;
    pending[0] = static_cast<uint8_t>(player);
    seen.Set(player);
    for (int allowed = 0;;) {
        while (pendingSize > 0) {
            const int cell = pending[--pendingSize];
            for (int d = 0; d < DIRECTIONS; ++d) {
                const int to = NEIGHBOURS[cell][d];
                if (seen(to))
                    continue;
                if (cells[to] == TILE_EXIT)
                    return allowed;
                const bool water = cells[to] == TILE_WATER && distance[to] != NO_DISTANCE;
                if (!IsOpen(cells, walls, to) && !water)
                    continue;
                seen.Set(to);
                if (water && distance[to] > allowed)
                    waiting[waitingSize++] = static_cast<uint8_t>(to);
                else
                    pending[pendingSize++] = static_cast<uint8_t>(to);
            }
        }
        if (waitingSize == 0)
            return NO_DISTANCE;
        // Allow the nearest waiting water, and all water as near.
        allowed = NO_DISTANCE;
        for (int i = 0; i < waitingSize; ++i)
            allowed = std::min<int>(allowed, distance[waiting[i]]);
        int kept = 0;
        for (int i = 0; i < waitingSize; ++i) {
            if (distance[waiting[i]] <= allowed)
                pending[pendingSize++] = waiting[i];
            else
                waiting[kept++] = waiting[i];
        }
        waitingSize = kept;
    }
}

} // namespace

int PushesAtLeast(const Cells& cells, int player)
{
    Piles piles;
    const Walls walls = FindWalls(cells, piles);
    int movablePiles = 0;
    const std::array<uint8_t, LEVEL_TILE_BYTES> distance = PileDistances(piles, walls, movablePiles);
    const int fewest = FewestWater(cells, walls, distance, player, movablePiles);
    if (fewest == SOLVER_HOPELESS || fewest == 0)
        return fewest;
    return fewest + NearestFarthest(cells, walls, distance, player) - 1;
}

} // namespace solver

int SolverPushesAtLeast(const SolverPosition& position)
{
    return solver::PushesAtLeast(position.cells, position.player);
}
