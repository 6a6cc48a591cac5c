// The game's command line: options only, for now.
#include "app/command_line.h"

#include "quagmore_version.h"

#include <cstdio>

namespace {

const char* const PROGRAM = "quagmore";
const char* const USAGE_LINE = "Usage: quagmore [OPTION]...\n";

const char* const HELP_TEXT =
    "Quagmore, a tile puzzle: walk a board of water and land, push piles of\n"
    "dirt into the water to make land, and build your way to the exit.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "Keys: the arrows walk and push, R restarts the level, D opens the editor\n"
    "(S saves, L loads, Enter leaves it), Esc quits.\n"
    "Progress is kept in $XDG_CONFIG_HOME/quagmore/progress.\n"
    "See quagmore(6) for everything else.\n";

AppCommandLine Bad(const std::string& complaint)
{
    AppCommandLine commandLine;
    commandLine.action = APP_COMMAND_LINE_BAD;
    commandLine.complaint = complaint;
    return commandLine;
}

AppCommandLine Action(AppCommandLineAction action)
{
    AppCommandLine commandLine;
    commandLine.action = action;
    return commandLine;
}

// Help and version are only worth an exit code of 0 when they were written.
int FinishOutput()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return APP_EXIT_OK;
    std::fprintf(stderr, "%s: can't write to standard output\n", PROGRAM);
    return APP_EXIT_OUTPUT_FAILED;
}

} // namespace

AppCommandLine AppParseCommandLine(int argc, const char* const* argv)
{
    bool optionsEnded = false;
    for (int at = 1; at < argc; ++at) {
        const std::string arg = argv[at];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "-h" || arg == "--help")
                return Action(APP_COMMAND_LINE_HELP);
            if (arg == "--version")
                return Action(APP_COMMAND_LINE_VERSION);
            return Bad("unknown option '" + arg + "'");
        }
        return Bad("unexpected argument '" + arg + "'");
    }
    return Action(APP_COMMAND_LINE_PLAY);
}

int AppCommandLineReply(const AppCommandLine& commandLine)
{
    switch (commandLine.action) {
    case APP_COMMAND_LINE_HELP:
        std::fputs(USAGE_LINE, stdout);
        std::fputs(HELP_TEXT, stdout);
        return FinishOutput();
    case APP_COMMAND_LINE_VERSION:
        std::printf("%s %s\n", PROGRAM, QUAGMORE_VERSION);
        return FinishOutput();
    case APP_COMMAND_LINE_BAD:
        std::fprintf(stderr, "%s: %s\n%sTry '%s --help' for more.\n", PROGRAM, commandLine.complaint.c_str(),
                     USAGE_LINE, PROGRAM);
        return APP_EXIT_USAGE;
    case APP_COMMAND_LINE_PLAY:
        break;
    }
    return APP_EXIT_OK;
}
