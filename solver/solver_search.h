// The solver's inner parts, shared by its source files: cells and steps on the
// board, the walk between pushes, positions packed into a few words, the table
// of positions met and the meter that holds a search to its budget.
#pragma once

#include "solver/solver.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace solver {

using Cells = std::array<uint8_t, LEVEL_TILE_BYTES>;

constexpr char MOVE_LETTERS[] = {SOLVER_LEFT, SOLVER_UP, SOLVER_RIGHT, SOLVER_DOWN};
constexpr int NO_CELL = -1;
constexpr int32_t NO_NODE = -1;

// The cell `steps` cells from `cell` in a direction (a move letter), or NO_CELL
// when that is off the board or the letter is no direction.
int CellToward(int cell, char direction, int steps = 1);

// Neighbours by direction number, in the order of MOVE_LETTERS (left, up,
// right, down), so that the opposite of direction d is (d + 2) % 4. NO_CELL
// off the board. The searches look neighbours up here, not by arithmetic.
constexpr int DIRECTIONS = 4;

constexpr int OppositeDirection(int direction)
{
    return (direction + 2) % DIRECTIONS;
}

inline constexpr auto NEIGHBOURS = [] {
    std::array<std::array<int16_t, DIRECTIONS>, LEVEL_TILE_BYTES> table{};
    const int dc[DIRECTIONS] = {-1, 0, 1, 0};
    const int dr[DIRECTIONS] = {0, -1, 0, 1};
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
        for (int d = 0; d < DIRECTIONS; ++d) {
            const int column = cell / BOARD_SIZE + dc[d];
            const int row = cell % BOARD_SIZE + dr[d];
            const bool inside = column >= 0 && column < BOARD_SIZE && row >= 0 && row < BOARD_SIZE;
            table[cell][d] = static_cast<int16_t>(inside ? column * BOARD_SIZE + row : NO_CELL);
        }
    }
    return table;
}();

// Cells whose code a push can change: water, land and piles. Exits and any
// other code never change.
inline bool CellChanges(uint8_t code)
{
    return code == TILE_WATER || code == TILE_LAND || code == TILE_PILE;
}

// The cells the player can walk to from `from` without pushing, with their
// distances and the cell each was first reached from.
struct Walk {
    std::array<int16_t, LEVEL_TILE_BYTES> distance;
    std::array<int16_t, LEVEL_TILE_BYTES> previous;
    std::array<uint8_t, LEVEL_TILE_BYTES> order;   // cells in order of distance
    int count = 0;
};

constexpr int16_t UNREACHED = -1;

void WalkFrom(const Cells& cells, int from, Walk& walk);

// SolverPushesAtLeast on the cells of a position.
int PushesAtLeast(const Cells& cells, int player);

// A board as two bitsets over the cells: water, and piles. Every other cell
// that can change is land; cells that never change are kept once per search.
constexpr int PACKED_WORDS = (LEVEL_TILE_BYTES + 63) / 64;

struct PackedBoard {
    std::array<uint64_t, PACKED_WORDS> water{};
    std::array<uint64_t, PACKED_WORDS> piles{};
    bool operator==(const PackedBoard&) const = default;
};

PackedBoard PackBoard(const Cells& cells);
// `fixed` holds the start's cells: those that never change are taken from it.
void UnpackBoard(const PackedBoard& board, const Cells& fixed, Cells& cells);

// A position met in a search: a packed board, the cell that names the player's
// place in it (its own cell, or the first cell of its region), and how it was
// reached: from `parent` by walking to `pushFrom` and stepping `move`.
struct SearchNode {
    PackedBoard board;
    int32_t parent;
    int32_t moves;
    int16_t pushes;
    uint8_t place;
    uint8_t player;
    uint8_t pushFrom;
    char move;
    uint8_t estimate;   // pushes still needed at least
    uint8_t flags;
};

enum : uint8_t { NODE_GOAL = 1, NODE_EXPANDED = 2 };

// Nodes in fixed-size chunks: growing never moves or copies them.
class NodeStore {
public:
    int32_t Add(const SearchNode& node);
    SearchNode& operator[](int32_t index) { return chunks_[index >> CHUNK_BITS][index & CHUNK_MASK]; }
    const SearchNode& operator[](int32_t index) const { return chunks_[index >> CHUNK_BITS][index & CHUNK_MASK]; }
    int32_t Size() const { return count_; }
    size_t Bytes() const { return chunks_.size() * CHUNK_SIZE * sizeof(SearchNode); }

private:
    static constexpr int CHUNK_BITS = 15;
    static constexpr int32_t CHUNK_SIZE = int32_t{1} << CHUNK_BITS;
    static constexpr int32_t CHUNK_MASK = CHUNK_SIZE - 1;
    std::vector<std::unique_ptr<SearchNode[]>> chunks_;
    int32_t count_ = 0;
};

// Finds nodes by board and place: open addressing over node numbers. Each slot
// holds part of its node's hash as well, so a probe seldom has to look at a
// node that is not the one sought.
class NodeIndex {
public:
    // The node of that board and place, or NO_NODE.
    int32_t Find(const NodeStore& nodes, const PackedBoard& board, uint8_t place) const;
    // Records a node just added to the store.
    void Insert(const NodeStore& nodes, int32_t index);
    size_t Bytes() const { return slots_.size() * sizeof(uint64_t); }

private:
    void Grow(const NodeStore& nodes);
    void Place(uint64_t hash, int32_t index);
    std::vector<uint64_t> slots_;   // the hash's high half and node number + 1; 0 for an empty slot
    size_t used_ = 0;
};

// Positions the bound found lost, kept for the search that found them: a lost
// position is met again from many others, and its bound would be worked out
// afresh each time. A fixed table of one position a slot (a later one takes
// the slot over), kept by each thread from search to search and outside the
// budget: it saves only time, and a search takes the same positions in the
// same order with it as without.
class LostPositions {
public:
    // A new search: what the last one found no longer holds.
    void Begin();
    bool Holds(const PackedBoard& board, uint8_t player) const;
    void Add(const PackedBoard& board, uint8_t player);

private:
    static constexpr int SLOT_BITS = 15;
    struct Slot {
        PackedBoard board;
        uint32_t search = 0;   // the search that filled it; 0: none
        uint8_t player = 0;
    };
    std::vector<Slot> slots_;   // made at the first Add
    uint32_t search_ = 0;
};

// Holds a search to its budget. Check() is called once per position taken up.
class BudgetMeter {
public:
    BudgetMeter(const SolverBudget& budget, const std::atomic<bool>* cancel);
    // The reason to stop now, or SOLVER_STOP_NONE. `bytes` is the memory held.
    SolverStop Check(long statesKept, size_t bytes);
    double Seconds() const;
    size_t PeakBytes() const { return peakBytes_; }

private:
    SolverBudget budget_;
    const std::atomic<bool>* cancel_;
    std::chrono::steady_clock::time_point began_;
    long checks_ = 0;
    size_t peakBytes_ = 0;
};

} // namespace solver
