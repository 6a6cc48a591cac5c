// What every generated level must hold, proven with the solver, and what is
// measured of it for solutions.txt.
#include "solver/generator.h"
#include "solver/generator_climb.h"
#include "solver/solver_search.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

namespace {

using solver::Cells;
using solver::NEIGHBOURS;
using solver::NO_CELL;

std::string CellName(int cell)
{
    return "column " + std::to_string(cell / BOARD_SIZE) + ", row " + std::to_string(cell % BOARD_SIZE);
}

// Generated levels are searched to a count of positions, never to a time, so
// that the same level is proven or refused alike on every machine.
SolverBudget CountedBudget(const GeneratorOptions& options)
{
    SolverBudget budget;
    budget.maxStates = options.maxStates;
    budget.maxSeconds = std::numeric_limits<double>::infinity();
    return budget;
}

// How often the moves turn from pushing one pile to pushing another.
int PileChanges(SolverPosition position, const std::string& path)
{
    // Each pile keeps a number while it moves; a pile that fills water is gone.
    std::array<int, LEVEL_TILE_BYTES> pileAt;
    pileAt.fill(-1);
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell)
        if (position.cells[cell] == TILE_PILE)
            pileAt[cell] = cell;
    int changes = 0;
    int last = -1;
    for (char move : path) {
        const SolverStepResult step = SolverStep(position, move);
        if (step != SOLVER_PUSHED_LAND && step != SOLVER_PUSHED_WATER)
            continue;
        const int pileCell = position.player;   // the player stands where the pile was
        const int pile = pileAt[pileCell];
        pileAt[pileCell] = -1;
        if (step == SOLVER_PUSHED_LAND)
            pileAt[solver::CellToward(pileCell, move)] = pile;
        if (last != -1 && pile != last)
            ++changes;
        last = pile;
    }
    return changes;
}

bool Fail(std::string* why, const std::string& text)
{
    if (why != nullptr)
        *why = text;
    return false;
}

} // namespace

bool GeneratorFindPathCells(const LevelFile& file, const std::string& path, GeneratorPathCells* cells)
{
    SolverPosition position;
    if (!SolverPositionFromLevel(file, position))
        return false;
    *cells = GeneratorPathCells();
    solver::Walk walk;
    auto reach = [&] {
        solver::WalkFrom(position.cells, position.player, walk);
        for (int i = 0; i < walk.count; ++i)
            cells->reached[walk.order[i]] = true;
    };
    reach();
    cells->used[position.player] = true;
    for (char move : path) {
        const SolverStepResult step = SolverStep(position, move);
        cells->used[position.player] = true;
        if (step == SOLVER_PUSHED_LAND || step == SOLVER_PUSHED_WATER) {
            cells->used[solver::CellToward(position.player, move)] = true;
            reach();
        }
        if (step == SOLVER_REACHED_EXIT)
            break;
    }
    return true;
}

int GeneratorSolidNeighbours(const LevelFile& file, int cell)
{
    int count = 0;
    for (int d = 0; d < solver::DIRECTIONS; ++d) {
        const int next = NEIGHBOURS[cell][d];
        count += next != NO_CELL && file.bytes[next] != TILE_WATER ? 1 : 0;
    }
    return count;
}

bool GeneratorLooksLikePlace(const LevelFile& file, const std::string& path, std::string* why)
{
    GeneratorPathCells cells;
    if (!GeneratorFindPathCells(file, path, &cells))
        return Fail(why, "no start");
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
        const uint8_t code = file.bytes[cell];
        const int solid = GeneratorSolidNeighbours(file, cell);
        if ((code == TILE_LAND || code == TILE_START) && !cells.reached[cell])
            return Fail(why, "land the player never comes to at " + CellName(cell));
        // The exit may stand alone across the water: it is where the way ends.
        if (code != TILE_WATER && code != TILE_EXIT && solid == 0)
            return Fail(why, "a lone cell in the water at " + CellName(cell));
        if (code == TILE_LAND && solid == 1 && !cells.used[cell])
            return Fail(why, "a spit of land that the solution has no use for at " + CellName(cell));
    }
    return true;
}

bool GeneratorMeasure(const LevelFile& file, const GeneratorOptions& options, GeneratedLevel* level, std::string* why)
{
    const std::vector<LevelProblem> problems = LevelCheck(file);
    if (!problems.empty())
        return Fail(why, problems.front().text);
    SolverPosition start;
    if (!SolverPositionFromLevel(file, start))
        return Fail(why, "no start");
    const SolverBudget budget = CountedBudget(options);
    const SolverResult result = SolverSolve(start, budget);
    if (result.outcome != SOLVER_SOLVED)
        return Fail(why, result.outcome == SOLVER_UNSOLVABLE ? "unsolvable" : "undecided within the positions allowed");
    if (result.pushes == 0)
        return Fail(why, "the exit is in reach without a push");
    if (result.pushes < options.minPushes || result.pushes > options.maxPushes)
        return Fail(why, "fewest pushes " + std::to_string(result.pushes) + " out of range");
    if (result.statesSearched < options.minStates)
        return Fail(why, "proven in fewer positions than asked for");
    if (result.statesSearched > options.maxProof)
        return Fail(why, "proven in more positions than allowed");

    SolverPosition replayed = start;
    bool reachedExit = false;
    int replayPushes = 0;
    const int played = SolverReplay(replayed, result.moves, reachedExit, replayPushes);
    if (!reachedExit || played != static_cast<int>(result.moves.size()) || replayPushes != result.pushes)
        return Fail(why, "the solution does not replay to the exit");

    std::string place;
    if (!GeneratorLooksLikePlace(file, result.moves, &place))
        return Fail(why, place);

    const long piles = std::count(start.cells.begin(), start.cells.end(), TILE_PILE);
    if (piles < options.minPiles || piles > options.maxPiles)
        return Fail(why, std::to_string(piles) + " piles, out of range");
    for (int cell = 0; cell < LEVEL_TILE_BYTES; ++cell) {
        if (start.cells[cell] != TILE_PILE)
            continue;
        SolverPosition without = start;
        without.cells[cell] = TILE_LAND;
        const SolverResult less = SolverSolve(without, budget);
        if (less.outcome != SOLVER_UNSOLVABLE)
            return Fail(why, "the pile at " + CellName(cell) +
                                 (less.outcome == SOLVER_SOLVED ? " is not needed" : " is not proven needed"));
    }

    const SolverDeadEnds deadEnds = SolverFindDeadEnds(start, budget);
    if (!deadEnds.complete || deadEnds.reachable == 0)
        return Fail(why, "dead ends not counted within the positions allowed");

    level->file = file;
    level->file.bytes.resize(LEVEL_FILE_SIZE, 0);
    level->path = result.moves;
    level->pushes = result.pushes;
    level->moves = static_cast<int>(result.moves.size());
    level->changes = PileChanges(start, result.moves);
    level->states = result.statesSearched;
    level->traps = static_cast<double>(deadEnds.dead) / static_cast<double>(deadEnds.reachable);
    return true;
}

int GeneratorTurnedCell(int symmetry, int column, int row)
{
    int c = symmetry & 1 ? BOARD_SIZE - 1 - column : column;
    int r = symmetry & 2 ? BOARD_SIZE - 1 - row : row;
    if (symmetry & 4)
        std::swap(c, r);
    return LevelByteIndex(c, r);
}

std::string GeneratorCanonicalBoard(const LevelFile& file)
{
    std::string best;
    for (int symmetry = 0; symmetry < GENERATOR_SYMMETRIES; ++symmetry) {
        std::string cells(LEVEL_TILE_BYTES, '\0');
        for (int column = 0; column < BOARD_SIZE; ++column) {
            for (int row = 0; row < BOARD_SIZE; ++row) {
                const size_t from = static_cast<size_t>(LevelByteIndex(column, row));
                cells[static_cast<size_t>(GeneratorTurnedCell(symmetry, column, row))] =
                    from < file.bytes.size() ? static_cast<char>(file.bytes[from]) : '\0';
            }
        }
        if (symmetry == 0 || cells < best)
            best = cells;
    }
    return best;
}

std::string GeneratorSolutionLine(int number, const GeneratedLevel& level)
{
    char counts[160];
    std::snprintf(counts, sizeof counts, "level%d pushes=%d moves=%d changes=%d states=%ld traps=%.2f path=", number,
                  level.pushes, level.moves, level.changes, level.states, level.traps);
    return counts + level.path;
}
