// The generator's inner parts: a random place to start from, and the climb
// that changes it a cell at a time toward a level of the pushes wanted.
#pragma once

#include "solver/generator.h"
#include "solver/generator_random.h"
#include "solver/solver.h"

#include <array>
#include <atomic>
#include <optional>
#include <string>

// The cells a solution has to do with, played from the level's start.
struct GeneratorPathCells {
    std::array<bool, LEVEL_TILE_BYTES> reached{};   // the player can walk there at some point of the play
    std::array<bool, LEVEL_TILE_BYTES> used{};      // the player stands there, or a pile is pushed there
};

// The cells of `path` played on `file`; false when the level has no start.
bool GeneratorFindPathCells(const LevelFile& file, const std::string& path, GeneratorPathCells* cells);

// The board's turns and mirrors, and the byte `symmetry` takes (column, row)
// to: bit 0 of it mirrors the columns, bit 1 the rows, bit 2 swaps the two.
enum { GENERATOR_SYMMETRIES = 8 };
int GeneratorTurnedCell(int symmetry, int column, int row);

// Cells that are not water beside `cell`, of its four.
int GeneratorSolidNeighbours(const LevelFile& file, int cell);

// A few rooms of land joined by paths, the start in the first, the exit in
// the last and piles on the land between: walkable from start to exit at once.
LevelFile GeneratorRandomPlace(GeneratorRandom& random, const GeneratorOptions& options);

// One room of land with the start, piles and a few holes, and a ditch of
// water as long as the piles are many from its side to the exit; turned or
// mirrored at random.
LevelFile GeneratorRandomYard(GeneratorRandom& random, const GeneratorOptions& options);

// `place` as drawn, tidied, when it is solved within the options' pushes by a
// proof of positions within the options' range; nothing otherwise.
std::optional<LevelFile> GeneratorSettle(const LevelFile& place, const GeneratorOptions& options,
                                         const std::atomic<bool>* cancel);

// Changes `place` one cell at a time, keeping each change that leaves it
// solvable with at least the pushes it had, until its fewest pushes reach a
// target drawn from the options' range; then takes away piles that are not
// needed and land the player never comes to. Nothing when no such level came
// of it (or `cancel` was set).
std::optional<LevelFile> GeneratorClimb(const LevelFile& place, GeneratorRandom& random,
                                        const GeneratorOptions& options, const std::atomic<bool>* cancel);
