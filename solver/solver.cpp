// Cell-level play rules and the solver. The search steps from push to push:
// between pushes the board stays the same and the player walks by the shortest
// way, so a search over (pushes, moves) in lexicographic order with a
// breadth-first walk inside each node finds the fewest pushes, then moves. The
// informed search orders by pushes made plus a bound from below on the pushes
// still needed (solver_bound.cpp), which keeps that order exact while it
// leaves out positions that can't be won. Positions are packed into bitsets
// and the search stops, undecided, at its budget of positions, memory and time.
#include "solver/solver_search.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using solver::CellToward;
using solver::NO_CELL;

bool SolverPositionFromLevel(const LevelFile& file, SolverPosition& position)
{
    if (file.bytes.size() < LEVEL_TILE_BYTES)
        return false;
    bool haveStart = false;
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i) {
        const uint8_t code = file.bytes[i];
        switch (code) {
        case TILE_LAND:
        case TILE_PILE:
        case TILE_EXIT: position.cells[i] = code; break;
        case TILE_START:
            position.cells[i] = TILE_LAND;
            position.player = i;
            haveStart = true;
            break;
        default: position.cells[i] = TILE_WATER; break;
        }
    }
    return haveStart;
}

SolverStepResult SolverStep(SolverPosition& position, char direction)
{
    const int next = CellToward(position.player, direction);
    if (next == NO_CELL)
        return SOLVER_BLOCKED;

    switch (position.cells[next]) {
    case TILE_PILE: {
        // A pile moves only while the cell beyond it is on the board and is land or water.
        const int beyond = CellToward(position.player, direction, 2);
        if (beyond == NO_CELL)
            return SOLVER_BLOCKED;
        const uint8_t target = position.cells[beyond];
        if (target != TILE_LAND && target != TILE_WATER)
            return SOLVER_BLOCKED;
        position.cells[next] = TILE_LAND;
        position.cells[beyond] = target == TILE_WATER ? TILE_LAND : TILE_PILE;
        position.player = next;
        return target == TILE_WATER ? SOLVER_PUSHED_WATER : SOLVER_PUSHED_LAND;
    }
    case TILE_LAND: position.player = next; return SOLVER_WALKED;
    case TILE_EXIT: position.player = next; return SOLVER_REACHED_EXIT;
    default: return SOLVER_BLOCKED;
    }
}

int SolverReplay(SolverPosition& position, const std::string& moves, bool& reachedExit, int& pushes)
{
    reachedExit = false;
    pushes = 0;
    int played = 0;
    for (char move : moves) {
        ++played;
        const SolverStepResult result = SolverStep(position, move);
        if (result == SOLVER_PUSHED_LAND || result == SOLVER_PUSHED_WATER)
            ++pushes;
        if (result == SOLVER_REACHED_EXIT) {
            reachedExit = true;
            break;
        }
    }
    return played;
}

namespace {

using namespace solver;

char MoveBetween(int from, int to)
{
    const int difference = to - from;
    if (difference == -BOARD_SIZE)
        return SOLVER_LEFT;
    if (difference == BOARD_SIZE)
        return SOLVER_RIGHT;
    return difference == -1 ? SOLVER_UP : SOLVER_DOWN;
}

// The letters of the walk from the walk's start to `to`.
std::string WalkPath(const Walk& walk, int to)
{
    std::string path;
    for (int cell = to; walk.previous[cell] != UNREACHED; cell = walk.previous[cell])
        path += MoveBetween(walk.previous[cell], cell);
    return {path.rbegin(), path.rend()};
}

// The moves from the start to node `index`, walk and push by push.
std::string PushPath(const Cells& fixed, const NodeStore& nodes, int32_t index)
{
    std::vector<std::string> pieces;
    Walk walk;
    Cells cells;
    for (int32_t i = index; nodes[i].parent != NO_NODE; i = nodes[i].parent) {
        const SearchNode& parent = nodes[nodes[i].parent];
        UnpackBoard(parent.board, fixed, cells);
        WalkFrom(cells, parent.player, walk);
        pieces.push_back(WalkPath(walk, nodes[i].pushFrom) + nodes[i].move);
    }
    std::string path;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece)
        path += *piece;
    return path;
}

// Calls `visit` (cell walked from, move, position after the step, step result)
// for every push and every step onto the exit that the player can make from
// anywhere in `walk`.
template <typename Visit>
void ForEachPush(const Cells& cells, const Walk& walk, Visit visit)
{
    for (int i = 0; i < walk.count; ++i) {
        const int from = walk.order[i];
        for (char move : MOVE_LETTERS) {
            // Most steps from a walked cell are walks or blocked: look before copying the board.
            const int ahead = CellToward(from, move);
            if (ahead == NO_CELL || (cells[ahead] != TILE_PILE && cells[ahead] != TILE_EXIT))
                continue;
            SolverPosition next;
            next.cells = cells;
            next.player = from;
            const SolverStepResult step = SolverStep(next, move);
            if (step == SOLVER_PUSHED_LAND || step == SOLVER_PUSHED_WATER || step == SOLVER_REACHED_EXIT)
                visit(from, move, next, step);
        }
    }
}

// A queue entry: the node's pushes plus its bound, its moves, and the node.
// The node number breaks ties, so that older nodes go first.
struct QueueEntry {
    int32_t order;
    int32_t moves;
    int32_t node;
};

bool ComesLater(const QueueEntry& a, const QueueEntry& b)
{
    return std::tie(a.order, a.moves, a.node) > std::tie(b.order, b.moves, b.node);
}

// The board after the pile on `pileCell` was pushed a cell in `move`'s direction.
PackedBoard PushedBoard(const PackedBoard& board, int pileCell, char move, SolverStepResult step)
{
    PackedBoard next = board;
    const int target = CellToward(pileCell, move);
    next.piles[pileCell / 64] &= ~(uint64_t{1} << (pileCell % 64));
    if (step == SOLVER_PUSHED_WATER)
        next.water[target / 64] &= ~(uint64_t{1} << (target % 64));
    else
        next.piles[target / 64] |= uint64_t{1} << (target % 64);
    return next;
}

SearchNode MakeNode(const PackedBoard& board, int32_t parent, int place, int player, int pushFrom, char move)
{
    SearchNode node{};
    node.board = board;
    node.parent = parent;
    node.place = static_cast<uint8_t>(place);
    node.player = static_cast<uint8_t>(player);
    node.pushFrom = static_cast<uint8_t>(pushFrom);
    node.move = move;
    return node;
}

// The first cell of the region the player can walk in: all places in one region are one.
int RegionPlace(const Cells& cells, int player, Walk& walk)
{
    WalkFrom(cells, player, walk);
    int first = player;
    for (int i = 0; i < walk.count; ++i)
        first = std::min<int>(first, walk.order[i]);
    return first;
}

} // namespace

SolverResult SolverSolve(const SolverPosition& start, const SolverBudget& budget, const std::atomic<bool>* cancel,
                         SolverMethod method)
{
    BudgetMeter meter(budget, cancel);
    SolverResult result;
    const bool informed = method == SOLVER_INFORMED;
    const Cells& fixed = start.cells;
    NodeStore nodes;
    NodeIndex index;
    thread_local LostPositions lost;
    lost.Begin();
    std::vector<QueueEntry> queue;
    auto enqueue = [&](int32_t node) {
        queue.push_back({nodes[node].pushes + nodes[node].estimate, nodes[node].moves, node});
        std::push_heap(queue.begin(), queue.end(), ComesLater);
    };

    // The start itself is searched even when it can't be won: its pushes all lead to lost positions.
    SearchNode first = MakeNode(PackBoard(start.cells), NO_NODE, start.player, start.player, 0, 0);
    first.estimate = static_cast<uint8_t>(informed ? std::max(0, PushesAtLeast(start.cells, start.player)) : 0);
    index.Insert(nodes, nodes.Add(first));
    enqueue(0);

    result.outcome = SOLVER_UNSOLVABLE;
    Cells cells;
    Walk walk;
    while (!queue.empty()) {
        std::pop_heap(queue.begin(), queue.end(), ComesLater);
        const QueueEntry entry = queue.back();
        queue.pop_back();
        SearchNode& node = nodes[entry.node];
        if ((node.flags & NODE_EXPANDED) || entry.moves != node.moves || entry.order != node.pushes + node.estimate)
            continue;
        if (node.flags & NODE_GOAL) {
            result.outcome = SOLVER_SOLVED;
            result.moves = PushPath(fixed, nodes, entry.node);
            result.pushes = node.pushes;
            break;
        }
        node.flags |= NODE_EXPANDED;
        ++result.statesSearched;
        result.stop = meter.Check(nodes.Size(), nodes.Bytes() + index.Bytes() + queue.capacity() * sizeof(QueueEntry));
        if (result.stop != SOLVER_STOP_NONE) {
            result.outcome = SOLVER_UNDECIDED;
            break;
        }

        const int32_t current = entry.node;
        const int32_t pushes = node.pushes;
        const int32_t moves = node.moves;
        const PackedBoard board = node.board;
        UnpackBoard(board, fixed, cells);
        WalkFrom(cells, node.player, walk);
        ForEachPush(cells, walk, [&](int from, char move, const SolverPosition& next, SolverStepResult step) {
            const bool goal = step == SOLVER_REACHED_EXIT;
            const PackedBoard nextBoard = goal ? board : PushedBoard(board, next.player, move, step);
            const int32_t nextPushes = pushes + (goal ? 0 : 1);
            const int32_t nextMoves = moves + walk.distance[from] + 1;
            int32_t seen = index.Find(nodes, nextBoard, static_cast<uint8_t>(next.player));
            if (seen == NO_NODE) {
                const bool bounded = informed && !goal;
                const uint8_t player = static_cast<uint8_t>(next.player);
                if (bounded && lost.Holds(nextBoard, player))
                    return;
                const int estimate = bounded ? PushesAtLeast(next.cells, next.player) : 0;
                if (estimate == SOLVER_HOPELESS) {
                    lost.Add(nextBoard, player);
                    return;
                }
                SearchNode added = MakeNode(nextBoard, current, next.player, next.player, from, move);
                added.pushes = static_cast<int16_t>(nextPushes);
                added.moves = nextMoves;
                added.estimate = static_cast<uint8_t>(estimate);
                added.flags = goal ? NODE_GOAL : 0;
                seen = nodes.Add(added);
                index.Insert(nodes, seen);
            } else {
                SearchNode& known = nodes[seen];
                if ((known.flags & NODE_EXPANDED) || std::tie(known.pushes, known.moves) <= std::tie(nextPushes, nextMoves))
                    return;
                known.parent = current;
                known.pushFrom = static_cast<uint8_t>(from);
                known.move = move;
                known.pushes = static_cast<int16_t>(nextPushes);
                known.moves = nextMoves;
            }
            enqueue(seen);
        });
    }
    result.statesKept = nodes.Size();
    result.peakBytes = meter.PeakBytes();
    result.seconds = meter.Seconds();
    return result;
}

SolverDeadEnds SolverFindDeadEnds(const SolverPosition& start, const SolverBudget& budget,
                                  const std::atomic<bool>* cancel)
{
    BudgetMeter meter(budget, cancel);
    SolverDeadEnds report;
    const Cells& fixed = start.cells;
    NodeStore nodes;
    NodeIndex index;
    std::vector<std::pair<int32_t, int32_t>> edges;   // (from, to)
    Walk walk;
    Walk region;
    Cells cells;

    // Breadth-first by pushes over every board and region the player can reach;
    // positions that differ only by walking are one node.
    index.Insert(nodes, nodes.Add(MakeNode(PackBoard(start.cells), NO_NODE, RegionPlace(start.cells, start.player, region),
                                           start.player, 0, 0)));
    for (int32_t current = 0; current < nodes.Size(); ++current) {
        report.stop = meter.Check(nodes.Size(), nodes.Bytes() + index.Bytes() + edges.capacity() * sizeof(edges[0]));
        if (report.stop != SOLVER_STOP_NONE) {
            report.complete = false;
            break;
        }
        UnpackBoard(nodes[current].board, fixed, cells);
        WalkFrom(cells, nodes[current].player, walk);
        std::vector<std::tuple<int, char, SolverPosition>> pushes;
        bool exitInReach = false;
        ForEachPush(cells, walk, [&](int from, char move, const SolverPosition& next, SolverStepResult step) {
            if (step == SOLVER_REACHED_EXIT)
                exitInReach = true;
            else
                pushes.emplace_back(from, move, next);
        });
        if (exitInReach) {
            nodes[current].flags |= NODE_GOAL;
            continue;
        }
        for (const auto& [from, move, next] : pushes) {
            const PackedBoard nextBoard = PackBoard(next.cells);
            const int place = RegionPlace(next.cells, next.player, region);
            int32_t seen = index.Find(nodes, nextBoard, static_cast<uint8_t>(place));
            if (seen == NO_NODE) {
                seen = nodes.Add(MakeNode(nextBoard, current, place, next.player, from, move));
                index.Insert(nodes, seen);
            }
            edges.emplace_back(current, seen);
        }
    }
    report.reachable = nodes.Size();
    if (!report.complete) {
        report.seconds = meter.Seconds();
        return report;
    }

    // Backward from the exits along reversed edges: what is reached can still win.
    const size_t count = static_cast<size_t>(nodes.Size());
    std::vector<int32_t> firstEdge(count + 1, 0);
    for (const auto& edge : edges)
        ++firstEdge[edge.second + 1];
    for (size_t i = 1; i < firstEdge.size(); ++i)
        firstEdge[i] += firstEdge[i - 1];
    std::vector<int32_t> predecessors(edges.size());
    std::vector<int32_t> fill(firstEdge.begin(), firstEdge.end() - 1);
    for (const auto& edge : edges)
        predecessors[fill[edge.second]++] = edge.first;

    std::vector<bool> alive(count, false);
    std::vector<int32_t> pending;
    for (size_t i = 0; i < count; ++i) {
        if (nodes[static_cast<int32_t>(i)].flags & NODE_GOAL) {
            alive[i] = true;
            pending.push_back(static_cast<int32_t>(i));
        }
    }
    while (!pending.empty()) {
        const int32_t current = pending.back();
        pending.pop_back();
        for (int32_t e = firstEdge[current]; e < firstEdge[current + 1]; ++e) {
            const int32_t from = predecessors[e];
            if (!alive[from]) {
                alive[from] = true;
                pending.push_back(from);
            }
        }
    }

    // Nodes grouped by board: a board is dead when none of its nodes is alive.
    std::vector<int32_t> byBoard(count);
    for (size_t i = 0; i < count; ++i)
        byBoard[i] = static_cast<int32_t>(i);
    auto boardOrder = [&](int32_t a, int32_t b) {
        return std::tie(nodes[a].board.water, nodes[a].board.piles) < std::tie(nodes[b].board.water, nodes[b].board.piles);
    };
    std::sort(byBoard.begin(), byBoard.end(), boardOrder);
    for (size_t i = 0; i < count;) {
        bool boardAlive = false;
        size_t j = i;
        for (; j < count && nodes[byBoard[j]].board == nodes[byBoard[i]].board; ++j)
            boardAlive = boardAlive || alive[byBoard[j]];
        report.deadBoards += boardAlive ? 0 : 1;
        i = j;
    }

    int32_t firstDead = NO_NODE;
    for (size_t i = 0; i < count; ++i) {
        if (!alive[i]) {
            ++report.dead;
            if (firstDead == NO_NODE)
                firstDead = static_cast<int32_t>(i);
        }
    }
    if (firstDead != NO_NODE)
        report.example = PushPath(fixed, nodes, firstDead);
    report.seconds = meter.Seconds();
    return report;
}
