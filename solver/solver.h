// The play rules at the level of cells, and a solver that finds the solution
// with the fewest pushes and, among those, the fewest moves.
#pragma once

#include "format/level_text.h"

#include <array>
#include <atomic>
#include <cstddef>
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

// What one search may spend. Past any of these the answer is undecided.
struct SolverBudget {
    long maxStates = 5'000'000;              // positions the search holds at once
    double maxSeconds = 60;                  // wall-clock time
    size_t maxBytes = size_t{768} << 20;     // memory of the search's tables
};

enum SolverOutcome {
    SOLVER_SOLVED,
    SOLVER_UNSOLVABLE,     // every position reachable was searched: no way to the exit
    SOLVER_UNDECIDED,      // the budget ran out or the search was cancelled first
};

// Why an undecided search stopped.
enum SolverStop {
    SOLVER_STOP_NONE,
    SOLVER_STOP_STATES,
    SOLVER_STOP_MEMORY,
    SOLVER_STOP_TIME,
    SOLVER_STOP_CANCELLED,
};

// How the solver searches. Informed search leaves out positions that can no
// longer be won and looks first where the fewest pushes may still do; the
// exhaustive search looks at every position in order of pushes and moves. Both
// give a solution of the same pushes and moves.
enum SolverMethod { SOLVER_INFORMED, SOLVER_EXHAUSTIVE };

struct SolverResult {
    SolverOutcome outcome = SOLVER_UNDECIDED;
    SolverStop stop = SOLVER_STOP_NONE;
    std::string moves;         // L, U, R, D
    int pushes = 0;
    long statesSearched = 0;   // positions after a push (board and player) taken from the queue
    long statesKept = 0;       // positions held when the search ended
    size_t peakBytes = 0;      // the most memory the search's tables took
    double seconds = 0;
};

// Searches for the solution with the fewest pushes and, among those, the
// fewest moves. `cancel`, when given, is polled: once it holds true the search
// stops undecided. It may be set from another thread.
SolverResult SolverSolve(const SolverPosition& start, const SolverBudget& budget = {},
                         const std::atomic<bool>* cancel = nullptr, SolverMethod method = SOLVER_INFORMED);

// A bound from below on the pushes any solution from `position` takes, or
// SOLVER_HOPELESS when none can exist: a pile that no push can ever move again
// is a wall for good, water that no movable pile can ever reach stays water,
// and every water cell on the way to the exit takes a pile of its own.
enum { SOLVER_HOPELESS = -1 };
int SolverPushesAtLeast(const SolverPosition& position);

// Every position reachable from the start, split into those from which the exit
// can still be reached and dead ends, from which it can't. A position here is a
// board and the region the player can walk in: walking never makes a dead end.
struct SolverDeadEnds {
    bool complete = true;          // false when the budget stopped the search
    SolverStop stop = SOLVER_STOP_NONE;
    long reachable = 0;            // positions reachable from the start, exits included
    long dead = 0;                 // of those, positions from which the exit can't be reached
    long deadBoards = 0;           // boards (ignoring the player) on which every position is dead
    // A play with the fewest pushes from the start into a dead end; its last
    // letter is the push that made it one, so without it the level can still be won.
    std::string example;
    double seconds = 0;
};

SolverDeadEnds SolverFindDeadEnds(const SolverPosition& start, const SolverBudget& budget = {},
                                  const std::atomic<bool>* cancel = nullptr);
