// quagmore-level: shows, converts, checks, solves and generates Quagmore levels.
#include "level_generate.h"

#include "format/level_pack.h"
#include "format/level_text.h"
#include "solver/generator.h"
#include "solver/solver.h"

#include "quagmore_version.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>
#include <sys/stat.h>

namespace {

// Longer searches are asked for in error: a day.
constexpr double LONGEST_SEARCH_SECONDS = 86400;

enum { EXIT_OK = 0, EXIT_PROBLEM = 1, EXIT_USAGE = 2, EXIT_UNDECIDED = 3 };

const char* const PROGRAM = "quagmore-level";

const char* const USAGE_LINE = "Usage: quagmore-level COMMAND [ARGUMENTS]\n";

// A printf format: the defaults of the solver's budget fill it in.
const char* const HELP_FORMAT =
    "\n"
    "Commands:\n"
    "  show FILE                    print a level as text\n"
    "  pack TEXT DAT                write the level file DAT from the level text TEXT\n"
    "  unpack DAT TEXT              write the level file DAT as level text TEXT\n"
    "  check [OPTIONS] FILE|DIR...  report every problem of each level; a DIR is a\n"
    "                               pack (level1 ... levelN, N up to 99), each of\n"
    "                               whose levels must also be solvable\n"
    "  solve [OPTIONS] FILE...      find the solution with the fewest pushes and,\n"
    "                               among those, the fewest moves\n"
    "  generate [OPTIONS] DIR       make levels, each proven, as DIR/level1.txt ...\n"
    "                               and their solutions as DIR/solutions.txt\n"
    "  generate --daily DATE DIR    the level of the day DATE (YYYY-MM-DD)\n"
    "  -h, --help                   print this help and exit\n"
    "  --version                    print the version and exit\n"
    "\n"
    "Options of solve (--max-states and --max-seconds also for check, per level):\n"
    "  --dead-ends                  also count the positions from which the exit can\n"
    "                               no longer be reached\n"
    "  --max-states N               hold at most N positions in a search (default %ld)\n"
    "  --max-seconds S              search for at most S seconds (default %g)\n"
    "A search also stops when its tables reach %zu MiB. A level whose search\n"
    "stops before it is decided is reported as undecided.\n"
    "\n"
    "Options of generate (the same options give the same files on every machine):\n"
    "  --seed N                     the random numbers' seed (default 1)\n"
    "  --count K                    levels to make, 1 to 99 (default 1)\n"
    "  --pushes A-B                 the fewest pushes of each level (default %d-%d)\n"
    "  --piles A-B                  the piles of each level (default %d-%d)\n"
    "  --max-states N               positions a search may hold (default %ld)\n"
    "  --min-states N               positions the proof of the fewest pushes must\n"
    "                               take at least (default 0)\n"
    "  --max-proof N                and at most (default: no limit)\n"
    "  --shape rooms|yard           rooms joined by paths, climbed toward the\n"
    "                               pushes (default); or one yard of piles and a\n"
    "                               ditch to the exit, for levels long to prove\n"
    "\n"
    "A FILE whose name ends in .dat is a 300-byte level file; any other is level text\n"
    "(in a pack, a level of exactly 300 bytes is a level file whatever its name):\n"
    "12 lines of 12 characters, the top row first, each line from the left:\n"
    "  ~ water   . land   o pile of dirt   E exit   @ start\n"
    "Solutions are strings of L, U, R and D, one letter per cell stepped.\n"
    "\n"
    "Exit status: 0 success, 1 a problem found (or a level unsolvable), 2 bad usage,\n"
    "3 a level undecided (and no problem found).\n"
    "See quagmore-level(6) for more.\n";

int Usage(const std::string& complaint)
{
    std::fprintf(stderr, "%s: %s\n%sTry '%s --help' for more.\n", PROGRAM, complaint.c_str(), USAGE_LINE, PROGRAM);
    return EXIT_USAGE;
}

void ReportProblems(const std::string& path, const std::vector<LevelProblem>& problems)
{
    for (const LevelProblem& problem : problems)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), problem.text.c_str());
}

// Adds the problems that keep a level file from being shown or written as text.
void AddTextProblems(const LevelFile& file, std::vector<LevelProblem>& problems)
{
    for (const LevelProblem& problem : LevelCheck(file))
        if (LevelProblemBlocksText(problem.kind))
            problems.push_back(problem);
}

int CommandShow(const std::string& path)
{
    LevelFile file;
    std::vector<LevelProblem> problems;
    if (!LevelLoad(path, file, problems)) {
        ReportProblems(path, problems);
        return EXIT_PROBLEM;
    }
    std::fputs(LevelTextFormat(file).c_str(), stdout);
    // Unknown bytes and missing cells show as '?'; say why.
    AddTextProblems(file, problems);
    ReportProblems(path, problems);
    return problems.empty() ? EXIT_OK : EXIT_PROBLEM;
}

int CommandPack(const std::string& textPath, const std::string& datPath)
{
    std::string content;
    LevelFile file;
    std::vector<LevelProblem> problems;
    if (!LevelReadFile(textPath, content, problems) || !LevelTextParse(content, file, problems)) {
        ReportProblems(textPath, problems);
        return EXIT_PROBLEM;
    }
    std::string error;
    if (!LevelWriteBytes(datPath, file, error)) {
        std::fprintf(stderr, "%s: %s\n", PROGRAM, error.c_str());
        return EXIT_PROBLEM;
    }
    return EXIT_OK;
}

int CommandUnpack(const std::string& datPath, const std::string& textPath)
{
    std::string content;
    std::vector<LevelProblem> problems;
    if (!LevelReadFile(datPath, content, problems)) {
        ReportProblems(datPath, problems);
        return EXIT_PROBLEM;
    }
    LevelFile file;
    file.bytes.assign(content.begin(), content.end());
    // Only what the text can hold is converted: a whole board of tile codes.
    AddTextProblems(file, problems);
    if (!problems.empty()) {
        ReportProblems(datPath, problems);
        std::fprintf(stderr, "%s: %s not written\n", PROGRAM, textPath.c_str());
        return EXIT_PROBLEM;
    }
    std::string error;
    if (!LevelWriteText(textPath, LevelTextFormat(file), error)) {
        std::fprintf(stderr, "%s: %s\n", PROGRAM, error.c_str());
        return EXIT_PROBLEM;
    }
    return EXIT_OK;
}

// Reads a level file or text and lists its problems: those that kept it from
// being read, or else those the check finds.
std::vector<LevelProblem> LoadAndCheck(const std::string& path, LevelFile& file)
{
    std::vector<LevelProblem> problems;
    if (LevelLoad(path, file, problems))
        problems = LevelCheck(file);
    return problems;
}

const char* StopText(SolverStop stop)
{
    switch (stop) {
    case SOLVER_STOP_STATES: return "the limit of positions";
    case SOLVER_STOP_MEMORY: return "the memory limit";
    case SOLVER_STOP_TIME: return "the time limit";
    case SOLVER_STOP_CANCELLED: return "a cancel";
    case SOLVER_STOP_NONE: break;
    }
    return "no limit";
}

// Solves one level and prints the answer; returns the level's exit status.
int SolveLevel(const std::string& path, const SolverPosition& start, const SolverBudget& budget, bool deadEnds)
{
    int status = EXIT_OK;
    const SolverResult result = SolverSolve(start, budget);
    switch (result.outcome) {
    case SOLVER_SOLVED:
        std::printf("%s: solved\n", path.c_str());
        std::printf("  solution: %s\n", result.moves.c_str());
        std::printf("  moves: %zu, pushes: %d\n", result.moves.size(), result.pushes);
        break;
    case SOLVER_UNSOLVABLE:
        std::printf("%s: unsolvable\n", path.c_str());
        status = EXIT_PROBLEM;
        break;
    case SOLVER_UNDECIDED:
        std::printf("%s: undecided, the search stopped at %s\n", path.c_str(), StopText(result.stop));
        status = EXIT_UNDECIDED;
        break;
    }
    std::printf("  states searched: %ld, kept: %ld, memory: %.1f MiB, time: %.1f ms\n", result.statesSearched,
                result.statesKept, static_cast<double>(result.peakBytes) / (1 << 20), result.seconds * 1000);

    if (deadEnds) {
        const SolverDeadEnds report = SolverFindDeadEnds(start, budget);
        if (!report.complete) {
            std::printf("  dead ends: not counted, stopped at %s after %ld positions\n", StopText(report.stop),
                        report.reachable);
            return status;
        }
        std::printf("  reachable positions: %ld, dead ends: %ld (%ld boards), time: %.1f ms\n", report.reachable,
                    report.dead, report.deadBoards, report.seconds * 1000);
        if (!report.example.empty())
            std::printf("  shortest play into a dead end: %s\n", report.example.c_str());
    }
    return status;
}

// A problem or an unsolvable level outweighs an undecided one.
int WorseStatus(int a, int b)
{
    if (a == EXIT_PROBLEM || b == EXIT_PROBLEM)
        return EXIT_PROBLEM;
    return a == EXIT_UNDECIDED || b == EXIT_UNDECIDED ? EXIT_UNDECIDED : EXIT_OK;
}

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// One line for one level of a pack: read and checked as the game reads it,
// then solved within the budget.
int CheckPackLevel(const std::string& path, const SolverBudget& budget)
{
    LevelFile file;
    std::string why;
    SolverPosition start;
    if (!LevelReadPlayable(path, file, why) || !SolverPositionFromLevel(file, start)) {
        std::printf("%s: %s\n", path.c_str(), why.empty() ? "no position to solve" : why.c_str());
        return EXIT_PROBLEM;
    }
    const SolverResult result = SolverSolve(start, budget);
    switch (result.outcome) {
    case SOLVER_SOLVED:
        std::printf("%s: ok, solvable: pushes %d, moves %zu\n", path.c_str(), result.pushes, result.moves.size());
        return EXIT_OK;
    case SOLVER_UNSOLVABLE:
        std::printf("%s: unsolvable\n", path.c_str());
        return EXIT_PROBLEM;
    case SOLVER_UNDECIDED:
        break;
    }
    std::printf("%s: undecided, the search stopped at %s\n", path.c_str(), StopText(result.stop));
    return EXIT_UNDECIDED;
}

// Every level of a pack, one line each, then the pack's own line.
int CheckPack(const std::string& directory, const SolverBudget& budget)
{
    std::vector<std::string> paths;
    std::string why;
    if (!LevelPackList(directory, paths, why)) {
        std::printf("%s: %s\n", directory.c_str(), why.c_str());
        return EXIT_PROBLEM;
    }
    int status = EXIT_OK;
    size_t good = 0;
    for (const std::string& path : paths) {
        const int level = CheckPackLevel(path, budget);
        good += level == EXIT_OK ? 1 : 0;
        status = WorseStatus(status, level);
    }
    if (good == paths.size())
        std::printf("%s: ok, %zu levels\n", directory.c_str(), paths.size());
    else
        std::printf("%s: %zu of %zu levels not ok\n", directory.c_str(), paths.size() - good, paths.size());
    return status;
}

int CommandCheck(const std::vector<std::string>& paths, const SolverBudget& budget)
{
    int status = EXIT_OK;
    for (const std::string& path : paths) {
        if (IsDirectory(path)) {
            status = WorseStatus(status, CheckPack(path, budget));
            continue;
        }
        LevelFile file;
        std::vector<LevelProblem> problems = LoadAndCheck(path, file);
        if (problems.empty()) {
            std::printf("%s: ok\n", path.c_str());
        } else {
            for (const LevelProblem& problem : problems)
                std::printf("%s: %s\n", path.c_str(), problem.text.c_str());
            status = EXIT_PROBLEM;
        }
    }
    return status;
}

int CommandSolve(const std::vector<std::string>& paths, const SolverBudget& budget, bool deadEnds)
{
    int status = EXIT_OK;
    for (const std::string& path : paths) {
        LevelFile file;
        std::vector<LevelProblem> problems = LoadAndCheck(path, file);
        SolverPosition start;
        if (!problems.empty() || !SolverPositionFromLevel(file, start)) {
            ReportProblems(path, problems);
            status = EXIT_PROBLEM;
            continue;
        }
        status = WorseStatus(status, SolveLevel(path, start, budget, deadEnds));
    }
    return status;
}

// A whole decimal number above zero; false for anything else.
bool ParsePositive(const std::string& text, long& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value > 0;
}

bool ParsePositive(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value > 0 && value <= LONGEST_SEARCH_SECONDS;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage("no command given");
    const std::string command = args[0];
    args.erase(args.begin());

    if (command == "--help" || command == "-h" || command == "help") {
        const SolverBudget defaults;
        std::fputs(USAGE_LINE, stdout);
        const GeneratorOptions generator;
        std::printf(HELP_FORMAT, defaults.maxStates, defaults.maxSeconds, defaults.maxBytes >> 20, generator.minPushes,
                    generator.maxPushes, generator.minPiles, generator.maxPiles, generator.maxStates);
        return EXIT_OK;
    }
    if (command == "--version") {
        std::printf("%s %s\n", PROGRAM, QUAGMORE_VERSION);
        return EXIT_OK;
    }
    if (command == "show") {
        if (args.size() != 1)
            return Usage("show takes one FILE");
        return CommandShow(args[0]);
    }
    if (command == "pack") {
        if (args.size() != 2)
            return Usage("pack takes TEXT and DAT");
        return CommandPack(args[0], args[1]);
    }
    if (command == "unpack") {
        if (args.size() != 2)
            return Usage("unpack takes DAT and TEXT");
        return CommandUnpack(args[0], args[1]);
    }

    if (command == "generate")
        return LevelGenerateCommand(args, Usage);

    if (command == "solve" || command == "check") {
        const bool solve = command == "solve";
        bool deadEnds = false;
        SolverBudget budget;
        std::vector<std::string> paths;
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg == "--dead-ends" && solve) {
                deadEnds = true;
            } else if (arg == "--max-states" || arg == "--max-seconds") {
                if (i + 1 == args.size())
                    return Usage(arg + " takes a number");
                const std::string& number = args[++i];
                const bool good = arg == "--max-states" ? ParsePositive(number, budget.maxStates)
                                                        : ParsePositive(number, budget.maxSeconds);
                if (!good)
                    return Usage("bad number '" + number + "' for " + arg);
            } else if (arg.size() > 1 && arg[0] == '-') {
                return Usage("unknown option '" + arg + "' for " + command);
            } else {
                paths.push_back(arg);
            }
        }
        if (paths.empty())
            return Usage(command + " takes at least one FILE");
        return solve ? CommandSolve(paths, budget, deadEnds) : CommandCheck(paths, budget);
    }
    if (command.size() > 1 && command[0] == '-')
        return Usage("unknown option '" + command + "'");
    return Usage("unknown command '" + command + "'");
}
