// quagmore-level: shows, converts, checks and solves Quagmore levels.
#include "tools/level/level_map.h"
#include "tools/level/level_solver.h"

#include "quagmore_version.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

enum { EXIT_OK = 0, EXIT_PROBLEM = 1, EXIT_USAGE = 2 };

const char* const PROGRAM = "quagmore-level";

const char* const USAGE_LINE = "Usage: quagmore-level COMMAND [ARGUMENTS]\n";

const char* const HELP_TEXT =
    "\n"
    "Commands:\n"
    "  show FILE                    print a level as text\n"
    "  pack TEXT DAT                write the level file DAT from the level text TEXT\n"
    "  unpack DAT TEXT              write the level file DAT as level text TEXT\n"
    "  check FILE...                report every problem of each level\n"
    "  solve [--dead-ends] FILE...  find the solution with the fewest pushes and,\n"
    "                               among those, the fewest moves; --dead-ends also\n"
    "                               counts the positions from which the exit can no\n"
    "                               longer be reached\n"
    "  -h, --help                   print this help and exit\n"
    "  --version                    print the version and exit\n"
    "\n"
    "A FILE whose name ends in .dat is a 300-byte level file; any other is level text:\n"
    "12 lines of 12 characters, the top row first, each line from the left:\n"
    "  ~ water   . land   o pile of dirt   E exit   @ start\n"
    "Solutions are strings of L, U, R and D, one letter per cell stepped.\n"
    "\n"
    "Exit status: 0 success, 1 a problem found (or a level unsolvable), 2 bad usage.\n"
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

int CommandCheck(const std::vector<std::string>& paths)
{
    int status = EXIT_OK;
    for (const std::string& path : paths) {
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

int CommandSolve(const std::vector<std::string>& paths, bool deadEnds)
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
        const SolverResult result = SolverSolve(start);
        if (result.solved) {
            std::printf("%s: solved\n", path.c_str());
            std::printf("  solution: %s\n", result.moves.c_str());
            std::printf("  moves: %zu, pushes: %d\n", result.moves.size(), result.pushes);
        } else {
            std::printf("%s: %s\n", path.c_str(),
                        result.complete ? "unsolvable" : "search abandoned at the state limit");
            status = EXIT_PROBLEM;
        }
        std::printf("  states searched: %ld, time: %.1f ms\n", result.statesSearched, result.seconds * 1000);

        if (deadEnds) {
            const SolverDeadEnds report = SolverFindDeadEnds(start);
            if (!report.complete) {
                std::printf("  dead ends: not counted, over %ld positions\n", report.reachable);
                continue;
            }
            std::printf("  reachable positions: %ld, dead ends: %ld (%ld boards), time: %.1f ms\n",
                        report.reachable, report.dead, report.deadBoards, report.seconds * 1000);
            if (!report.example.empty())
                std::printf("  shortest play into a dead end: %s\n", report.example.c_str());
        }
    }
    return status;
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
        std::fputs(USAGE_LINE, stdout);
        std::fputs(HELP_TEXT, stdout);
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
    if (command == "check") {
        if (args.empty())
            return Usage("check takes at least one FILE");
        return CommandCheck(args);
    }
    if (command == "solve") {
        bool deadEnds = false;
        std::vector<std::string> paths;
        for (const std::string& arg : args) {
            if (arg == "--dead-ends")
                deadEnds = true;
            else if (arg.size() > 1 && arg[0] == '-')
                return Usage("unknown option '" + arg + "' for solve");
            else
                paths.push_back(arg);
        }
        if (paths.empty())
            return Usage("solve takes at least one FILE");
        return CommandSolve(paths, deadEnds);
    }
    if (command.size() > 1 && command[0] == '-')
        return Usage("unknown option '" + command + "'");
    return Usage("unknown command '" + command + "'");
}
