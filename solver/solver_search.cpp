// The solver's inner parts: cells, the walk, packed boards, the node table and
// the budget meter.
#include "solver/solver_search.h"

namespace solver {

namespace {

// Time and the cancel flag are looked at once per this many positions.
constexpr long CHECK_INTERVAL = 64;
constexpr size_t INDEX_FIRST_SLOTS = 1024;

uint64_t HashPosition(const PackedBoard& board, uint8_t place)
{
    uint64_t hash = place;
    for (int i = 0; i < PACKED_WORDS; ++i) {
        hash = (hash ^ board.water[i]) * 0x9E3779B97F4A7C15ull;
        hash = (hash ^ board.piles[i]) * 0xC2B2AE3D27D4EB4Full;
    }
    return hash ^ (hash >> 29);
}

} // namespace

int CellToward(int cell, char direction, int steps)
{
    int dc = 0;
    int dr = 0;
    switch (direction) {
    case SOLVER_LEFT: dc = -steps; break;
    case SOLVER_UP: dr = -steps; break;
    case SOLVER_RIGHT: dc = steps; break;
    case SOLVER_DOWN: dr = steps; break;
    default: return NO_CELL;
    }
    const int column = cell / BOARD_SIZE + dc;
    const int row = cell % BOARD_SIZE + dr;
    return BoardHasCell(column, row) ? LevelByteIndex(column, row) : NO_CELL;
}

void WalkFrom(const Cells& cells, int from, Walk& walk)
{
    walk.distance.fill(UNREACHED);
    walk.distance[from] = 0;
    walk.previous[from] = UNREACHED;
    walk.order[0] = static_cast<uint8_t>(from);
    walk.count = 1;
    for (int next = 0; next < walk.count; ++next) {
        const int cell = walk.order[next];
        for (int d = 0; d < DIRECTIONS; ++d) {
            const int to = NEIGHBOURS[cell][d];
            if (to == NO_CELL || cells[to] != TILE_LAND || walk.distance[to] != UNREACHED)
                continue;
            walk.distance[to] = static_cast<int16_t>(walk.distance[cell] + 1);
            walk.previous[to] = static_cast<int16_t>(cell);
            walk.order[walk.count++] = static_cast<uint8_t>(to);
        }
    }
}

PackedBoard PackBoard(const Cells& cells)
{
    PackedBoard board;
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i) {
        const uint64_t bit = uint64_t{1} << (i % 64);
        if (cells[i] == TILE_WATER)
            board.water[i / 64] |= bit;
        else if (cells[i] == TILE_PILE)
            board.piles[i / 64] |= bit;
    }
    return board;
}

void UnpackBoard(const PackedBoard& board, const Cells& fixed, Cells& cells)
{
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i) {
        if (!CellChanges(fixed[i])) {
            cells[i] = fixed[i];
            continue;
        }
        const uint64_t bit = uint64_t{1} << (i % 64);
        if (board.water[i / 64] & bit)
            cells[i] = TILE_WATER;
        else if (board.piles[i / 64] & bit)
            cells[i] = TILE_PILE;
        else
            cells[i] = TILE_LAND;
    }
}

int32_t NodeStore::Add(const SearchNode& node)
{
    if ((count_ & CHUNK_MASK) == 0)
        chunks_.push_back(std::unique_ptr<SearchNode[]>(new SearchNode[CHUNK_SIZE]));   // each node is written when added
    const int32_t index = count_++;
    (*this)[index] = node;
    return index;
}

namespace {

constexpr uint64_t SLOT_NODE_MASK = 0xFFFFFFFFull;

uint64_t SlotTag(uint64_t hash)
{
    return hash & ~SLOT_NODE_MASK;
}

} // namespace

void LostPositions::Begin()
{
    if (++search_ == 0) {   // the count went round: slots of an old search could read as this one's
        slots_.clear();
        search_ = 1;
    }
}

bool LostPositions::Holds(const PackedBoard& board, uint8_t player) const
{
    if (slots_.empty())
        return false;
    const Slot& slot = slots_[HashPosition(board, player) & (slots_.size() - 1)];
    return slot.search == search_ && slot.player == player && slot.board == board;
}

void LostPositions::Add(const PackedBoard& board, uint8_t player)
{
    if (slots_.empty())
        slots_.resize(size_t{1} << SLOT_BITS);
    Slot& slot = slots_[HashPosition(board, player) & (slots_.size() - 1)];
    slot.board = board;
    slot.search = search_;
    slot.player = player;
}

int32_t NodeIndex::Find(const NodeStore& nodes, const PackedBoard& board, uint8_t place) const
{
    if (slots_.empty())
        return NO_NODE;
    const uint64_t hash = HashPosition(board, place);
    const size_t mask = slots_.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const uint64_t entry = slots_[slot];
        if (entry == 0)
            return NO_NODE;
        if (SlotTag(entry) != SlotTag(hash))
            continue;
        const int32_t index = static_cast<int32_t>(entry & SLOT_NODE_MASK) - 1;
        const SearchNode& node = nodes[index];
        if (node.place == place && node.board == board)
            return index;
    }
}

void NodeIndex::Insert(const NodeStore& nodes, int32_t index)
{
    // Kept at most half full, so probes stay short.
    if ((used_ + 1) * 2 > slots_.size())
        Grow(nodes);
    const SearchNode& node = nodes[index];
    Place(HashPosition(node.board, node.place), index);
}

void NodeIndex::Place(uint64_t hash, int32_t index)
{
    const size_t mask = slots_.size() - 1;
    size_t slot = hash & mask;
    while (slots_[slot] != 0)
        slot = (slot + 1) & mask;
    slots_[slot] = SlotTag(hash) | static_cast<uint64_t>(index + 1);
    ++used_;
}

void NodeIndex::Grow(const NodeStore& nodes)
{
    std::vector<uint64_t> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? INDEX_FIRST_SLOTS : old.size() * 2, 0);
    used_ = 0;
    for (uint64_t entry : old) {
        if (entry != 0) {
            const int32_t index = static_cast<int32_t>(entry & SLOT_NODE_MASK) - 1;
            Place(HashPosition(nodes[index].board, nodes[index].place), index);
        }
    }
}

BudgetMeter::BudgetMeter(const SolverBudget& budget, const std::atomic<bool>* cancel)
    : budget_(budget), cancel_(cancel), began_(std::chrono::steady_clock::now())
{
}

SolverStop BudgetMeter::Check(long statesKept, size_t bytes)
{
    if (bytes > peakBytes_)
        peakBytes_ = bytes;
    if (statesKept >= budget_.maxStates)
        return SOLVER_STOP_STATES;
    if (bytes > budget_.maxBytes)
        return SOLVER_STOP_MEMORY;
    if (checks_++ % CHECK_INTERVAL != 0)
        return SOLVER_STOP_NONE;
    if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed))
        return SOLVER_STOP_CANCELLED;
    if (Seconds() > budget_.maxSeconds)
        return SOLVER_STOP_TIME;
    return SOLVER_STOP_NONE;
}

double BudgetMeter::Seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
}

} // namespace solver
