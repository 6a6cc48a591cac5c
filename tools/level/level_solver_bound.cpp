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
// The player walks on land only, so every water cell on the way to the exit
// must first take a pile, each its own pile, and only water that some movable
// pile can ever reach can take one. The way with the fewest such cells
// therefore bounds the pushes from below; with no way, or more water on the
// best one than movable piles, the position is lost.
//
// The bound falls by at most one per push: a push fills at most one water
// cell, and piles that can never move, walls and unreachable water only
// grow. So the informed search may order positions by pushes made plus this
// bound and still meet the fewest pushes first.
#include "tools/level/level_solver_search.h"

#include <deque>
#include <limits>

namespace solver {
namespace {

constexpr int FAR = std::numeric_limits<int>::max();

struct Stuck {
    std::array<bool, LEVEL_TILE_BYTES> pile{};   // piles that can never move
};

// True when nothing can ever stand on or enter `cell` (NO_CELL: off the board).
bool IsWall(const Cells& cells, const Stuck& stuck, int cell)
{
    return cell == NO_CELL || !CellChanges(cells[cell]) || stuck.pile[cell];
}

// True when a pile on `cell` can't move along the line of `direction`.
bool LineBlocked(const Cells& cells, const Stuck& stuck, int cell, char direction)
{
    const char opposite = direction == SOLVER_LEFT ? SOLVER_RIGHT : SOLVER_DOWN;
    return IsWall(cells, stuck, CellToward(cell, direction)) || IsWall(cells, stuck, CellToward(cell, opposite));
}

// The largest set of piles each of which is blocked along both lines by walls
// and piles of the set: none of them can ever be the first to move.
Stuck FindStuckPiles(const Cells& cells)
{
    Stuck stuck;
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i)
        stuck.pile[i] = cells[i] == TILE_PILE;
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < LEVEL_TILE_BYTES; ++i) {
            if (stuck.pile[i] && !(LineBlocked(cells, stuck, i, SOLVER_LEFT) && LineBlocked(cells, stuck, i, SOLVER_UP))) {
                stuck.pile[i] = false;
                changed = true;
            }
        }
    }
    return stuck;
}

// Cells some movable pile might reach, pushes of other piles allowed for: a
// pile may go from a cell to the next when the cell behind it could hold the
// player and the next could hold a pile, whatever lies on them now.
std::array<bool, LEVEL_TILE_BYTES> PileReach(const Cells& cells, const Stuck& stuck)
{
    std::array<bool, LEVEL_TILE_BYTES> reach{};
    std::array<uint8_t, LEVEL_TILE_BYTES> pending;
    int count = 0;
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i) {
        if (cells[i] == TILE_PILE && !stuck.pile[i]) {
            reach[i] = true;
            pending[count++] = static_cast<uint8_t>(i);
        }
    }
    while (count > 0) {
        const int cell = pending[--count];
        for (char move : MOVE_LETTERS) {
            const int to = CellToward(cell, move);
            const char back = move == SOLVER_LEFT ? SOLVER_RIGHT
                              : move == SOLVER_RIGHT ? SOLVER_LEFT
                              : move == SOLVER_UP   ? SOLVER_DOWN
                                                    : SOLVER_UP;
            if (IsWall(cells, stuck, to) || IsWall(cells, stuck, CellToward(cell, back)) || reach[to])
                continue;
            reach[to] = true;
            pending[count++] = static_cast<uint8_t>(to);
        }
    }
    return reach;
}

} // namespace

int PushesAtLeast(const Cells& cells, int player)
{
    const Stuck stuck = FindStuckPiles(cells);
    const std::array<bool, LEVEL_TILE_BYTES> reach = PileReach(cells, stuck);
    int movablePiles = 0;
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i)
        movablePiles += cells[i] == TILE_PILE && !stuck.pile[i];

    // Fewest water cells on a way from the player to a cell beside the exit:
    // land and movable piles cost nothing, water a pile can reach costs one.
    std::array<int, LEVEL_TILE_BYTES> cost;
    cost.fill(FAR);
    std::deque<int> pending{player};
    cost[player] = 0;
    int best = FAR;
    while (!pending.empty()) {
        const int cell = pending.front();
        pending.pop_front();
        for (char move : MOVE_LETTERS) {
            const int to = CellToward(cell, move);
            if (to == NO_CELL)
                continue;
            if (cells[to] == TILE_EXIT && cost[cell] < best)
                best = cost[cell];
            int step = 0;
            if (cells[to] == TILE_WATER && reach[to])
                step = 1;
            else if (cells[to] != TILE_LAND && !(cells[to] == TILE_PILE && !stuck.pile[to]))
                continue;
            if (cost[cell] + step >= cost[to])
                continue;
            cost[to] = cost[cell] + step;
            if (step == 0)
                pending.push_front(to);
            else
                pending.push_back(to);
        }
    }
    return best == FAR || best > movablePiles ? SOLVER_HOPELESS : best;
}

} // namespace solver

int SolverPushesAtLeast(const SolverPosition& position)
{
    return solver::PushesAtLeast(position.cells, position.player);
}
