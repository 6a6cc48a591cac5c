// Random places and the climb from a place to a level.
//
// A place starts walkable from start to exit. Each step of the climb changes
// one thing (land to water or back, a pile added, taken away or moved, the
// exit moved) and keeps the change when the solver still solves the level
// with no fewer pushes than before and no more than the options allow. Now
// and then, and at the end, the level is tidied: piles it does not need (they
// only stand in the way) and land its solution has no use for are taken away,
// which may cost pushes the climb then wins back. Steps are counted, and every
// search is held to a number of positions, so the climb is the same on every
// machine.
#include "solver/generator_climb.h"
#include "solver/solver_search.h"

#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

namespace {

using solver::NEIGHBOURS;
using solver::NO_CELL;

// Changes tried per climb at most.
constexpr int CLIMB_STEPS = 1500;
// A climb whose pushes have not grown for this many changes (or this many per
// push of its target) stops: a level within the range serves, else it starts afresh elsewhere.
constexpr int CLIMB_STALE_STEPS = 120, CLIMB_STALE_PER_PUSH = 8;
// Changes between two tidyings of the climb.
constexpr int CLIMB_TIDY_EVERY = 100;
// Changes tried once the target is reached, toward a level that takes longer to prove.
constexpr int CLIMB_POLISH_STEPS = 40;
// Rounds of tidying before a level that keeps changing is given up.
constexpr int TIDY_ROUNDS = 4;
// A change is tried with a search of at most this many times the positions the
// level before it took, and never fewer than the floor.
constexpr long CLIMB_STATES_GROWTH = 3;
constexpr long CLIMB_STATES_FLOOR = 4000;
// and never more than the cap, or than the growth times the positions a level is asked to take.
constexpr long CLIMB_STATES_CAP = 60'000;
// At the thorough pace, a pile more that changes nothing yet is kept while the search grows
// at most this many times: the water that a later change puts in the way may need it.
constexpr long SPARE_PILE_GROWTH = 2;
// A place tried as drawn is searched with this many times the positions its proof may take held at most.
constexpr long SETTLE_KEPT_PER_PROOF = 2;
// Rooms of a place, their sides, and the cells from the board's edge they keep.
constexpr int ROOMS_MIN = 3, ROOMS_MAX = 5;
constexpr int ROOM_SIDE_MIN = 2, ROOM_SIDE_MAX = 4;
constexpr int EDGE_MARGIN = 1;
// How often, in percent, each change is tried; the rest move the exit.
constexpr int CHANGE_FLIP = 50, CHANGE_ADD_PILE = 15, CHANGE_REMOVE_PILE = 10, CHANGE_MOVE_PILE = 20;
// Tries at finding a cell fit for a change before the change is given up.
constexpr int PICK_TRIES = 24;

enum GeneratorChange {
    GENERATOR_CHANGE_FLIP,
    GENERATOR_CHANGE_ADD_PILE,
    GENERATOR_CHANGE_REMOVE_PILE,
    GENERATOR_CHANGE_MOVE_PILE,
    GENERATOR_CHANGE_MOVE_EXIT,
};

SolverBudget CountedBudget(const GeneratorOptions& options)
{
    SolverBudget budget;
    budget.maxStates = options.maxStates;
    budget.maxSeconds = std::numeric_limits<double>::infinity();
    return budget;
}

int CellAt(int column, int row)
{
    return LevelByteIndex(column, row);
}

int RandomCell(GeneratorRandom& random)
{
    return GeneratorRandomBelow(random, LEVEL_TILE_BYTES);
}

int CountCode(const LevelFile& file, uint8_t code)
{
    int count = 0;
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell)
        count += file.bytes[cell] == code ? 1 : 0;
    return count;
}

// A cell holding `code`, drawn at random; NO_CELL when none was found.
int PickCell(GeneratorRandom& random, const LevelFile& file, uint8_t code)
{
    std::vector<int> cells;
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell)
        if (file.bytes[cell] == code)
            cells.push_back(cell);
    return cells.empty() ? NO_CELL : cells[GeneratorRandomBelow(random, static_cast<int>(cells.size()))];
}

void Room(LevelFile& file, int column, int row, int width, int height)
{
    for (int c = column; c < column + width; ++c)
        for (int r = row; r < row + height; ++r)
            file.bytes[CellAt(c, r)] = TILE_LAND;
}

// Land along a row, then a column, from one cell to the other.
void Path(LevelFile& file, int fromColumn, int fromRow, int toColumn, int toRow)
{
    for (int c = std::min(fromColumn, toColumn); c <= std::max(fromColumn, toColumn); ++c)
        file.bytes[CellAt(c, fromRow)] = TILE_LAND;
    for (int r = std::min(fromRow, toRow); r <= std::max(fromRow, toRow); ++r)
        file.bytes[CellAt(toColumn, r)] = TILE_LAND;
}

// One change of the climb; false when none could be made.
bool Change(LevelFile& file, GeneratorRandom& random, const GeneratorOptions& options)
{
    const int roll = GeneratorRandomBelow(random, 100);
    const GeneratorChange change = roll < CHANGE_FLIP                                              ? GENERATOR_CHANGE_FLIP
                                   : roll < CHANGE_FLIP + CHANGE_ADD_PILE                          ? GENERATOR_CHANGE_ADD_PILE
                                   : roll < CHANGE_FLIP + CHANGE_ADD_PILE + CHANGE_REMOVE_PILE     ? GENERATOR_CHANGE_REMOVE_PILE
                                   : roll < CHANGE_FLIP + CHANGE_ADD_PILE + CHANGE_REMOVE_PILE + CHANGE_MOVE_PILE
                                       ? GENERATOR_CHANGE_MOVE_PILE
                                       : GENERATOR_CHANGE_MOVE_EXIT;
    const int piles = CountCode(file, TILE_PILE);
    switch (change) {
    case GENERATOR_CHANGE_FLIP:
        // Land to water, or water beside the place to land.
        for (int tries = 0; tries < PICK_TRIES; ++tries) {
            const int cell = RandomCell(random);
            if (file.bytes[cell] == TILE_LAND) {
                file.bytes[cell] = TILE_WATER;
                return true;
            }
            if (file.bytes[cell] == TILE_WATER && GeneratorSolidNeighbours(file, cell) > 0) {
                file.bytes[cell] = TILE_LAND;
                return true;
            }
        }
        return false;
    case GENERATOR_CHANGE_ADD_PILE: {
        const int cell = piles < options.maxPiles ? PickCell(random, file, TILE_LAND) : NO_CELL;
        if (cell == NO_CELL)
            return false;
        file.bytes[cell] = TILE_PILE;
        return true;
    }
    case GENERATOR_CHANGE_REMOVE_PILE: {
        const int cell = piles > options.minPiles ? PickCell(random, file, TILE_PILE) : NO_CELL;
        if (cell == NO_CELL)
            return false;
        file.bytes[cell] = TILE_LAND;
        return true;
    }
    case GENERATOR_CHANGE_MOVE_PILE: {
        const int cell = PickCell(random, file, TILE_PILE);
        if (cell == NO_CELL)
            return false;
        const int next = NEIGHBOURS[cell][GeneratorRandomBelow(random, solver::DIRECTIONS)];
        if (next == NO_CELL || file.bytes[next] != TILE_LAND)
            return false;
        file.bytes[cell] = TILE_LAND;
        file.bytes[next] = TILE_PILE;
        return true;
    }
    case GENERATOR_CHANGE_MOVE_EXIT: {
        const int exit = PickCell(random, file, TILE_EXIT);
        for (int tries = 0; exit != NO_CELL && tries < PICK_TRIES; ++tries) {
            const int cell = RandomCell(random);
            if (file.bytes[cell] == TILE_WATER && GeneratorSolidNeighbours(file, cell) > 0) {
                file.bytes[exit] = TILE_WATER;
                file.bytes[cell] = TILE_EXIT;
                return true;
            }
        }
        return false;
    }
    }
    return false;
}

struct Solved {
    LevelFile file;
    SolverResult result;
};

// Solves within the options' positions, or within `maxStates` when fewer;
// adds the positions searched, solved or not, to *spent.
std::optional<Solved> Solve(const LevelFile& file, const GeneratorOptions& options, const std::atomic<bool>* cancel,
                            long maxStates = LONG_MAX, long* spent = nullptr)
{
    SolverPosition start;
    if (!SolverPositionFromLevel(file, start))
        return std::nullopt;
    SolverBudget budget = CountedBudget(options);
    budget.maxStates = std::min(budget.maxStates, maxStates);
    SolverResult result = SolverSolve(start, budget, cancel);
    if (spent != nullptr)
        *spent += result.statesSearched;
    if (result.outcome != SOLVER_SOLVED)
        return std::nullopt;
    return Solved{file, std::move(result)};
}

// Takes away each pile without which the level is still solved, and each land
// cell the player never comes to on the solution; solves again after each round.
std::optional<Solved> Tidy(Solved level, const GeneratorOptions& options, const std::atomic<bool>* cancel)
{
    for (int round = 0; round < TIDY_ROUNDS; ++round) {
        bool changed = false;
        for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
            if (level.file.bytes[cell] != TILE_PILE)
                continue;
            LevelFile without = level.file;
            without.bytes[cell] = TILE_LAND;
            if (std::optional<Solved> less = Solve(without, options, cancel)) {
                level = std::move(*less);
                changed = true;
            }
        }
        LevelFile trimmed = level.file;
        std::string unused;
        while (!GeneratorLooksLikePlace(trimmed, level.result.moves, &unused)) {
            // Take away land out of the player's reach, lone piles and spits of land the solution has no use for.
            GeneratorPathCells cells;
            GeneratorFindPathCells(trimmed, level.result.moves, &cells);
            LevelFile next = trimmed;
            for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
                const uint8_t code = trimmed.bytes[cell];
                const int solid = GeneratorSolidNeighbours(trimmed, cell);
                if ((code == TILE_LAND && (!cells.reached[cell] || (solid == 1 && !cells.used[cell]))) ||
                    (code == TILE_PILE && solid == 0))
                    next.bytes[cell] = TILE_WATER;
            }
            if (next.bytes == trimmed.bytes)
                return std::nullopt;   // what is left can't be trimmed into a place
            trimmed = next;
        }
        if (trimmed.bytes != level.file.bytes) {
            std::optional<Solved> again = Solve(trimmed, options, cancel);
            if (!again)
                return std::nullopt;
            level = std::move(*again);
            changed = true;
        }
        if (!changed)
            return level;
    }
    return std::nullopt;
}

} // namespace

LevelFile GeneratorRandomPlace(GeneratorRandom& random, const GeneratorOptions& options)
{
    LevelFile file = LevelFileBlank();
    const int rooms = GeneratorRandomBetween(random, ROOMS_MIN, ROOMS_MAX);
    const int last = BOARD_SIZE - 1 - EDGE_MARGIN;
    int previousColumn = -1, previousRow = -1;
    int startCell = NO_CELL, exitCell = NO_CELL;
    for (int room = 0; room < rooms; ++room) {
        const int width = GeneratorRandomBetween(random, ROOM_SIDE_MIN, ROOM_SIDE_MAX);
        const int height = GeneratorRandomBetween(random, ROOM_SIDE_MIN, ROOM_SIDE_MAX);
        const int column = GeneratorRandomBetween(random, EDGE_MARGIN, last - width + 1);
        const int row = GeneratorRandomBetween(random, EDGE_MARGIN, last - height + 1);
        Room(file, column, row, width, height);
        const int cellColumn = GeneratorRandomBetween(random, column, column + width - 1);
        const int cellRow = GeneratorRandomBetween(random, row, row + height - 1);
        if (room > 0)
            Path(file, previousColumn, previousRow, cellColumn, cellRow);
        previousColumn = cellColumn;
        previousRow = cellRow;
        if (room == 0)
            startCell = CellAt(cellColumn, cellRow);
        exitCell = CellAt(cellColumn, cellRow);
    }
    const int piles = GeneratorRandomBetween(random, options.minPiles, std::min(options.maxPiles, options.minPiles + 2));
    for (int pile = 0; pile < piles; ++pile) {
        const int cell = PickCell(random, file, TILE_LAND);
        if (cell != NO_CELL && cell != startCell && cell != exitCell)
            file.bytes[cell] = TILE_PILE;
    }
    // Should the last room's cell be the start's, the place has no exit and the climb refuses it.
    file.bytes[exitCell] = TILE_EXIT;
    file.bytes[startCell] = TILE_START;
    return file;
}

std::optional<LevelFile> GeneratorSettle(const LevelFile& place, const GeneratorOptions& options,
                                         const std::atomic<bool>* cancel)
{
    const long kept = options.maxProof > LONG_MAX / SETTLE_KEPT_PER_PROOF ? LONG_MAX : SETTLE_KEPT_PER_PROOF * options.maxProof;
    auto fits = [&](const Solved& level) {
        return level.result.pushes >= options.minPushes && level.result.pushes <= options.maxPushes &&
               level.result.statesSearched >= options.minStates && level.result.statesSearched <= options.maxProof;
    };
    std::optional<Solved> solved = Solve(place, options, cancel, kept);
    if (!solved || !fits(*solved))
        return std::nullopt;
    std::optional<Solved> tidy = Tidy(std::move(*solved), options, cancel);
    if (!tidy || !fits(*tidy))
        return std::nullopt;
    return tidy->file;
}

std::optional<LevelFile> GeneratorClimb(const LevelFile& place, GeneratorRandom& random,
                                        const GeneratorOptions& options, const std::atomic<bool>* cancel)
{
    std::optional<Solved> current = Solve(place, options, cancel);
    if (!current)
        return std::nullopt;
    const int target = GeneratorRandomBetween(random, options.minPushes, options.maxPushes);
    int stale = 0;
    int polish = 0;   // changes tried since the target was reached
    const int staleSteps = std::max(CLIMB_STALE_STEPS, CLIMB_STALE_PER_PUSH * target);
    const long spareGrowth = options.pace == GENERATOR_PACE_THOROUGH ? SPARE_PILE_GROWTH : 0;
    long spent = 0;   // positions the changes tried have searched
    for (int step = 0; step < CLIMB_STEPS && stale < staleSteps && spent < options.climbPositions; ++step) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        if (current->result.pushes >= target && polish++ == CLIMB_POLISH_STEPS) {
            // Tidied, the level may take fewer pushes: then the climb goes on from there.
            std::optional<Solved> tidy = Tidy(std::move(*current), options, cancel);
            if (!tidy)
                return std::nullopt;
            if (tidy->result.pushes >= options.minPushes)
                return tidy->file;
            current = std::move(tidy);
            stale = 0;
            polish = 0;
        }
        if (step % CLIMB_TIDY_EVERY == CLIMB_TIDY_EVERY - 1) {
            // Piles that only stand in the way are taken away as the climb goes,
            // so that it builds on piles the level needs.
            std::optional<Solved> tidy = Tidy(std::move(*current), options, cancel);
            if (!tidy)
                return std::nullopt;
            current = std::move(tidy);
        }
        LevelFile next = current->file;
        ++stale;
        if (!Change(next, random, options))
            continue;
        // A change that makes the search far longer at once is passed over: the
        // climb grows the search a little at a time, and stays quick.
        const long climbStates = std::min(std::max(CLIMB_STATES_FLOOR, CLIMB_STATES_GROWTH * current->result.statesKept),
                                          std::max(CLIMB_STATES_CAP, CLIMB_STATES_GROWTH * options.minStates));
        std::optional<Solved> tried = Solve(next, options, cancel, climbStates, &spent);
        if (!tried || tried->result.pushes > options.maxPushes || tried->result.pushes < current->result.pushes)
            continue;
        // More pushes are kept; so are as many pushes with no pile more (piles that
        // change nothing only make the search longer) or with a spare pile (above),
        // once the target is reached only when the solver takes no fewer positions to prove them.
        if (tried->result.pushes > current->result.pushes) {
            stale = 0;
            current = std::move(tried);
        } else if ((CountCode(tried->file, TILE_PILE) <= CountCode(current->file, TILE_PILE) ||
                    tried->result.statesKept <= spareGrowth * current->result.statesKept) &&
                   (polish == 0 || tried->result.statesSearched >= current->result.statesSearched)) {
            current = std::move(tried);
        }
    }
    // Stalled short of the target, a level within the range still serves.
    if (current->result.pushes < options.minPushes)
        return std::nullopt;
    std::optional<Solved> tidy = Tidy(std::move(*current), options, cancel);
    if (!tidy || tidy->result.pushes < options.minPushes)
        return std::nullopt;
    return tidy->file;
}
