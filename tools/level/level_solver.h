// The play rules at the level of cells, and a solver that finds the solution
// with the fewest pushes and, among those, the fewest moves.
#pragma once

#include "tools/level/level_map.h"

#include <array>
#include <cstdint>
#include <string>

// Move letters, one per cell stepped.
enum : char { SOLVER_LEFT = 'L', SOLVER_UP = 'U', SOLVER_RIGHT = 'R', SOLVER_DOWN = 'D' };

// A position in play: the board as the game holds it (water, land, pile, exit;
// the start cell already land) and the player's cell. Cells are indexed like the
// level file, column * 12 + row.
struct SolverPosition {
    std::array<uint8_t, LEVEL_TILE_BYTES> cells{};
    int player = 0;
};

enum SolverStepResult {
    SOLVER_BLOCKED,        // the player stands
    SOLVER_WALKED,         // onto land
    SOLVER_PUSHED_LAND,    // a pile moved one cell along land
    SOLVER_PUSHED_WATER,   // a pile filled water, which is land now
    SOLVER_REACHED_EXIT,   // the player stands on the exit: solved
};

// The position a level starts in: unknown bytes are water, the start cell is
// land with the player on it (the last start in file order when there are several).
// Returns false when the level has no start or is shorter than the board.
bool SolverPositionFromLevel(const LevelFile& file, SolverPosition& position);

// One step of the player in a direction (a move letter), applied to `position`.
SolverStepResult SolverStep(SolverPosition& position, char direction);

// Plays a string of move letters. Returns the number of letters played before
// the exit was reached (all of them when it wasn't) and sets `reachedExit`.
// Blocked steps are played as standing still; `pushes` counts the pushes.
int SolverReplay(SolverPosition& position, const std::string& moves, bool& reachedExit, int& pushes);

struct SolverLimits {
    long maxStates = 5'000'000;   // give up (result incomplete) after this many positions
};

struct SolverResult {
    bool solved = false;
    bool complete = true;      // false when the state limit stopped the search
    std::string moves;         // L, U, R, D
    int pushes = 0;
    long statesSearched = 0;   // positions after a push (board and player) taken from the queue
    double seconds = 0;
};

SolverResult SolverSolve(const SolverPosition& start, const SolverLimits& limits = {});

// Every position reachable from the start, split into those from which the exit
// can still be reached and dead ends, from which it can't. A position here is a
// board and the region the player can walk in: walking never makes a dead end.
struct SolverDeadEnds {
    bool complete = true;          // false when the state limit stopped the search
    long reachable = 0;            // positions reachable from the start, exits included
    long dead = 0;                 // of those, positions from which the exit can't be reached
    long deadBoards = 0;           // boards (ignoring the player) on which every position is dead
    // A play with the fewest pushes from the start into a dead end; its last
    // letter is the push that made it one, so without it the level can still be won.
    std::string example;
    double seconds = 0;
};

SolverDeadEnds SolverFindDeadEnds(const SolverPosition& start, const SolverLimits& limits = {});
