// Cell-level play rules and the solver. The search steps from push to push:
// between pushes the board stays the same and the player walks by the shortest
// way, so a lexicographic Dijkstra search over (pushes, moves) with a
// breadth-first walk inside each node finds the fewest pushes, then moves.
// Boards are interned, so nodes that share a board share its storage.
#include "tools/level/level_solver.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <queue>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {

constexpr char MOVE_LETTERS[] = {SOLVER_LEFT, SOLVER_UP, SOLVER_RIGHT, SOLVER_DOWN};
constexpr int NO_PARENT = -1;

constexpr int NO_CELL = -1;

// The cell `steps` cells from `cell` in a direction (a move letter), or NO_CELL
// when that is off the board or the letter is no direction.
int CellToward(int cell, char direction, int steps = 1)
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

using Cells = std::array<uint8_t, LEVEL_TILE_BYTES>;

// Boards met during a search, each stored once; a node refers to its board by index.
struct BoardTable {
    std::vector<std::unique_ptr<Cells>> storage;
    std::unordered_map<std::string_view, int32_t> ids;   // keys view into `storage`
};

std::string_view BoardKey(const Cells& cells)
{
    return {reinterpret_cast<const char*>(cells.data()), cells.size()};
}

int32_t BoardIntern(BoardTable& table, const Cells& cells)
{
    auto found = table.ids.find(BoardKey(cells));
    if (found != table.ids.end())
        return found->second;
    table.storage.push_back(std::make_unique<Cells>(cells));
    const int32_t id = static_cast<int32_t>(table.storage.size() - 1);
    table.ids.emplace(BoardKey(*table.storage.back()), id);
    return id;
}

uint64_t NodeKey(int32_t board, int player)
{
    return static_cast<uint64_t>(board) * LEVEL_TILE_BYTES + static_cast<uint64_t>(player);
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

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

// The cells the player can walk to from `from` without pushing, with their
// distances and the cell each was first reached from.
struct SolverWalk {
    std::array<int16_t, LEVEL_TILE_BYTES> distance;
    std::array<int16_t, LEVEL_TILE_BYTES> previous;
    std::array<uint8_t, LEVEL_TILE_BYTES> order;   // cells in order of distance
    int count = 0;
};

constexpr int16_t UNREACHED = -1;

void WalkFrom(const Cells& cells, int from, SolverWalk& walk)
{
    walk.distance.fill(UNREACHED);
    walk.distance[from] = 0;
    walk.previous[from] = UNREACHED;
    walk.order[0] = static_cast<uint8_t>(from);
    walk.count = 1;
    for (int next = 0; next < walk.count; ++next) {
        const int cell = walk.order[next];
        for (char move : MOVE_LETTERS) {
            const int to = CellToward(cell, move);
            if (to == NO_CELL || cells[to] != TILE_LAND || walk.distance[to] != UNREACHED)
                continue;
            walk.distance[to] = static_cast<int16_t>(walk.distance[cell] + 1);
            walk.previous[to] = static_cast<int16_t>(cell);
            walk.order[walk.count++] = static_cast<uint8_t>(to);
        }
    }
}

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
std::string WalkPath(const SolverWalk& walk, int to)
{
    std::string path;
    for (int cell = to; walk.previous[cell] != UNREACHED; cell = walk.previous[cell])
        path += MoveBetween(walk.previous[cell], cell);
    return {path.rbegin(), path.rend()};
}

// A node of the search: a board and the player's cell right after a push (or
// at the start, or on the exit), reached from its parent by walking to
// `pushFrom` and stepping `move`.
struct PushNode {
    int32_t board;
    int32_t parent;
    uint8_t player;
    uint8_t pushFrom;
    char move;
    bool goal;
    bool expanded;
    int32_t pushes;
    int32_t moves;
};

std::string PushPath(const BoardTable& boards, const std::vector<PushNode>& nodes, int32_t index)
{
    std::vector<std::string> pieces;
    SolverWalk walk;
    for (int32_t i = index; nodes[i].parent != NO_PARENT; i = nodes[i].parent) {
        const PushNode& parent = nodes[nodes[i].parent];
        WalkFrom(*boards.storage[parent.board], parent.player, walk);
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
void ForEachPush(const Cells& cells, const SolverWalk& walk, Visit visit)
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

} // namespace

SolverResult SolverSolve(const SolverPosition& start, const SolverLimits& limits)
{
    const auto began = std::chrono::steady_clock::now();
    SolverResult result;
    BoardTable boards;
    std::vector<PushNode> nodes;
    std::unordered_map<uint64_t, int32_t> index;

    // Queue entries order by pushes, then moves; ties go to the older node.
    using Entry = std::tuple<int32_t, int32_t, int32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;

    const int32_t startBoard = BoardIntern(boards, start.cells);
    nodes.push_back({startBoard, NO_PARENT, static_cast<uint8_t>(start.player), 0, 0, false, false, 0, 0});
    index.emplace(NodeKey(startBoard, start.player), 0);
    queue.emplace(0, 0, 0);

    SolverWalk walk;
    while (!queue.empty()) {
        // Plain copies, not a structured binding: the push callback captures them.
        const int32_t pushes = std::get<0>(queue.top());
        const int32_t moves = std::get<1>(queue.top());
        const int32_t current = std::get<2>(queue.top());
        queue.pop();
        if (nodes[current].expanded || pushes != nodes[current].pushes || moves != nodes[current].moves)
            continue;
        if (nodes[current].goal) {
            result.solved = true;
            result.moves = PushPath(boards, nodes, current);
            result.pushes = pushes;
            break;
        }
        nodes[current].expanded = true;
        if (++result.statesSearched > limits.maxStates) {
            result.complete = false;
            break;
        }

        const int32_t boardId = nodes[current].board;
        const Cells cells = *boards.storage[boardId];
        WalkFrom(cells, nodes[current].player, walk);
        ForEachPush(cells, walk, [&](int from, char move, const SolverPosition& next, SolverStepResult step) {
            const bool goal = step == SOLVER_REACHED_EXIT;
            const int32_t nextBoard = goal ? boardId : BoardIntern(boards, next.cells);
            const int32_t nextPushes = pushes + (goal ? 0 : 1);
            const int32_t nextMoves = moves + walk.distance[from] + 1;
            const auto [slot, added] =
                index.emplace(NodeKey(nextBoard, next.player), static_cast<int32_t>(nodes.size()));
            if (added) {
                nodes.push_back({nextBoard, current, static_cast<uint8_t>(next.player),
                                 static_cast<uint8_t>(from), move, goal, false, nextPushes, nextMoves});
            } else {
                PushNode& seen = nodes[slot->second];
                if (seen.expanded || std::tie(seen.pushes, seen.moves) <= std::tie(nextPushes, nextMoves))
                    return;
                seen.parent = current;
                seen.pushFrom = static_cast<uint8_t>(from);
                seen.move = move;
                seen.pushes = nextPushes;
                seen.moves = nextMoves;
            }
            queue.emplace(nextPushes, nextMoves, slot->second);
        });
    }
    result.seconds = SecondsSince(began);
    return result;
}

SolverDeadEnds SolverFindDeadEnds(const SolverPosition& start, const SolverLimits& limits)
{
    const auto began = std::chrono::steady_clock::now();
    SolverDeadEnds report;
    BoardTable boards;
    std::vector<PushNode> nodes;
    std::unordered_map<uint64_t, int32_t> index;   // (board, first cell of the player's region)
    std::vector<std::pair<int32_t, int32_t>> edges;   // (from, to)
    SolverWalk walk;

    auto regionKey = [&](int32_t board, int player) {
        WalkFrom(*boards.storage[board], player, walk);
        int first = player;
        for (int i = 0; i < walk.count; ++i)
            first = std::min<int>(first, walk.order[i]);
        return NodeKey(board, first);
    };

    // Breadth-first by pushes over every board and region the player can reach;
    // positions that differ only by walking are one node.
    const int32_t startBoard = BoardIntern(boards, start.cells);
    nodes.push_back({startBoard, NO_PARENT, static_cast<uint8_t>(start.player), 0, 0, false, false, 0, 0});
    index.emplace(regionKey(startBoard, start.player), 0);
    for (size_t current = 0; current < nodes.size(); ++current) {
        if (static_cast<long>(current) >= limits.maxStates) {
            report.complete = false;
            break;
        }
        const int32_t boardId = nodes[current].board;
        const Cells cells = *boards.storage[boardId];
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
            nodes[current].goal = true;
            continue;
        }
        for (const auto& [from, move, next] : pushes) {
            const int32_t nextBoard = BoardIntern(boards, next.cells);
            const auto [slot, added] =
                index.emplace(regionKey(nextBoard, next.player), static_cast<int32_t>(nodes.size()));
            if (added)
                nodes.push_back({nextBoard, static_cast<int32_t>(current), static_cast<uint8_t>(next.player),
                                 static_cast<uint8_t>(from), move, false, false, 0, 0});
            edges.emplace_back(static_cast<int32_t>(current), slot->second);
        }
    }
    report.reachable = static_cast<long>(nodes.size());
    if (!report.complete) {
        report.seconds = SecondsSince(began);
        return report;
    }

    // Backward from the exits along reversed edges: what is reached can still win.
    std::vector<int32_t> firstEdge(nodes.size() + 1, 0);
    for (const auto& edge : edges)
        ++firstEdge[edge.second + 1];
    for (size_t i = 1; i < firstEdge.size(); ++i)
        firstEdge[i] += firstEdge[i - 1];
    std::vector<int32_t> predecessors(edges.size());
    std::vector<int32_t> fill(firstEdge.begin(), firstEdge.end() - 1);
    for (const auto& edge : edges)
        predecessors[fill[edge.second]++] = edge.first;

    std::vector<bool> alive(nodes.size(), false);
    std::vector<int32_t> pending;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].goal) {
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

    std::vector<bool> boardAlive(boards.storage.size(), false);
    int32_t firstDead = NO_PARENT;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (alive[i]) {
            boardAlive[nodes[i].board] = true;
        } else {
            ++report.dead;
            if (firstDead == NO_PARENT)
                firstDead = static_cast<int32_t>(i);
        }
    }
    for (bool a : boardAlive)
        report.deadBoards += a ? 0 : 1;
    if (firstDead != NO_PARENT)
        report.example = PushPath(boards, nodes, firstDead);
    report.seconds = SecondsSince(began);
    return report;
}
