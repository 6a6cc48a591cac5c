// The level tool's readers on any bytes, as level text and as a level file,
// the game's reader of the player's own levels and of level links, and the
// solver on whatever board comes of them, under a small budget.
#include "fuzz/fuzz_support.h"
#include "format/level_link.h"
#include "format/level_pack.h"
#include "format/level_text.h"
#include "solver/solver.h"

namespace {

// Small enough that every input ends in a few milliseconds.
SolverBudget FuzzBudget()
{
    SolverBudget budget;
    budget.maxStates = 500;
    budget.maxSeconds = 1;
    budget.maxBytes = size_t{16} << 20;
    return budget;
}

void CheckAndSolve(const LevelFile& file)
{
    LevelCheck(file);
    LevelTextFormat(file);
    SolverPosition start;
    if (!SolverPositionFromLevel(file, start))
        return;
    SolverPushesAtLeast(start);
    const SolverResult result = SolverSolve(start, FuzzBudget());
    if (result.outcome == SOLVER_SOLVED) {
        bool reached = false;
        int pushes = 0;
        SolverReplay(start, result.moves, reached, pushes);
        if (!reached || pushes != result.pushes)
            __builtin_trap();   // a solution that does not play out is a fault
    }
    SolverFindDeadEnds(start, FuzzBudget());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    LevelFile parsed;
    std::vector<LevelProblem> problems;
    if (LevelTextParse(text, parsed, problems))
        CheckAndSolve(parsed);
    LevelFile bytes;
    bytes.bytes.assign(data, data + size);
    CheckAndSolve(bytes);

    // What the game accepts to play is a whole level with nothing to report.
    for (const char* name : {"level1", "level1.dat"}) {
        LevelFile played;
        std::string why;
        if (!LevelFromContent(name, text, played, why))
            continue;
        if (played.bytes.size() != LEVEL_FILE_SIZE || !LevelCheck(played).empty())
            __builtin_trap();
        LevelPackKey(name, {played, parsed});
    }

    // A link the game takes is a playable level whose board makes the same link.
    LevelFile linked;
    std::string why;
    if (LevelLinkParse(LEVEL_LINK_MARK + text, linked, why)) {
        if (linked.bytes.size() != LEVEL_FILE_SIZE || !LevelCheck(linked).empty() ||
            LevelLinkMake(linked) != LEVEL_LINK_MARK + text.substr(0, LEVEL_LINK_CHARS))
            __builtin_trap();
    }
    return 0;
}
