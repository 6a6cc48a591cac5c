// Levels made by the solver: random places climbed toward more pushes, each
// level proven before it is handed out. The same options give the same levels
// on every machine: the random numbers are our own and every search is held
// to a number of positions, never to a time.
#pragma once

#include "format/level_text.h"

#include <atomic>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// The level the game plays on a day is made with these pushes, from a seed of the date.
enum { GENERATOR_DAILY_MIN_PUSHES = 10, GENERATOR_DAILY_MAX_PUSHES = 16 };

// How the climb treats a pile added that changes nothing yet. Thorough keeps
// it while the search stays small, for water a later change may put in its
// way: the climb reaches more pushes, at more cost. Quick refuses it: levels of
// a medium number of pushes come sooner.
enum GeneratorPace { GENERATOR_PACE_THOROUGH, GENERATOR_PACE_QUICK };

// The places levels are made from. Rooms: a few rooms joined by paths, climbed
// a change at a time toward the pushes wanted. Yard: one room holding the piles
// and a ditch of water to the exit that takes all of them, each yard tried as
// drawn, with no climb: few levels, each long to prove, for the hardest.
enum GeneratorShape { GENERATOR_SHAPE_ROOMS, GENERATOR_SHAPE_YARD };

struct GeneratorOptions {
    uint64_t seed = 1;
    int count = 1;                    // levels wanted
    int minPushes = 10, maxPushes = 20;
    int minPiles = 1, maxPiles = 12;
    long maxStates = 2'000'000;       // positions one search may hold (the game's hint budget)
    long minStates = 0;               // positions the proof of the fewest pushes must take at least
    long maxProof = LONG_MAX;         // and at most, so that a hint from the start comes quickly
    long climbPositions = LONG_MAX;   // positions the changes of one climb may search in all
    GeneratorPace pace = GENERATOR_PACE_THOROUGH;
    GeneratorShape shape = GENERATOR_SHAPE_ROOMS;
};

// A level and what was measured of it.
struct GeneratedLevel {
    LevelFile file;          // 300 bytes
    std::string path;        // the fewest-push solution, fewest moves among those: L, U, R, D
    int pushes = 0, moves = 0;
    int changes = 0;         // how often the path turns from pushing one pile to pushing another
    long states = 0;         // positions the solver searched to prove the fewest pushes
    double traps = 0;        // of the positions reachable from the start, the share that is lost
};

// Makes options.count levels, each passing GeneratorMeasure, no two the same
// board under the turns and mirrors of the board. Fewer when `cancel` is set
// (from any thread) or when the options let too few levels be found.
std::vector<GeneratedLevel> GeneratorRun(const GeneratorOptions& options, const std::atomic<bool>* cancel = nullptr);

// "YYYY-MM-DD" (UTC date) -> the options of that day's level (10 to 16 pushes, one level, at
// the quick pace). False with *why for a bad date.
bool GeneratorDailyOptions(const std::string& date, GeneratorOptions* options, std::string* why);

// Proves and measures a level. True when it holds everything a generated level
// holds: solvable, its path replays to the exit, the exit not in reach without a
// push, fewest pushes and piles within the options, every pile needed (without any one of
// them proven unsolvable), every dead end counted, and it looks like a place
// (GeneratorLooksLikePlace). False with *why otherwise.
bool GeneratorMeasure(const LevelFile& file, const GeneratorOptions& options, GeneratedLevel* level, std::string* why);

// A place, not noise: every land cell is one the player can walk to at some
// point of `path`; no land, pile or start stands alone among water (the exit
// may: it is where the way ends); and land that touches only one other cell
// that is not water is a cell the player stands on or a pile is pushed onto
// in `path`, not a stray spit.
bool GeneratorLooksLikePlace(const LevelFile& file, const std::string& path, std::string* why);

// The board's cells as seen in the first, in byte order, of its eight turns
// and mirrors: two boards are the same under symmetry when these are equal.
std::string GeneratorCanonicalBoard(const LevelFile& file);

// One line of solutions.txt, without its newline:
// "level3 pushes=14 moves=61 changes=6 states=48210 traps=0.41 path=RRDDL..."
std::string GeneratorSolutionLine(int number, const GeneratedLevel& level);
