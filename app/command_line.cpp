// The game's command line: --help, --version, --pack DIR, or one level file.
#include "app/command_line.h"

#include "quagmore_version.h"

#include <cstdio>

namespace {

const char* const PROGRAM = "quagmore";
const char* const USAGE_LINE = "Usage: quagmore [OPTION]... [FILE]\n";
const char* const PACK_OPTION = "--pack";

const char* const HELP_TEXT =
    "Quagmore, a tile puzzle: walk a board of water and land, push piles of\n"
    "dirt into the water to make land, and build your way to the exit.\n"
    "\n"
    "With FILE, plays that level: a 300-byte level file, or level text (12 lines\n"
    "of 12 of ~ water, . land, o pile, E exit, @ start); nothing is saved for it.\n"
    "A level link ('http://.../index.html#level=...', or '#level=...' alone, as\n"
    "File > Share level makes in the editor) is played the same way, and so is a\n"
    "level file dropped on the window.\n"
    "\n"
    "Options:\n"
    "      --pack DIR  play the levels of DIR (level1 ... levelN, N up to 99, each\n"
    "                  a level file or text) in order, with progress of their own\n"
    "  -h, --help      print this help and exit\n"
    "      --version   print the version and exit\n"
    "A file or pack that is no level is named on standard error, with exit status 2.\n"
    "\n"
    "Keys: the arrows walk and push, R restarts the level, D opens the editor\n"
    "(S saves, L loads, Enter leaves it), Esc quits.\n"
    "Progress is kept in $XDG_CONFIG_HOME/quagmore/progress, a pack's in\n"
    "$XDG_CONFIG_HOME/quagmore/packs/NAME-HASH/progress.\n"
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
    AppCommandLine play = Action(APP_COMMAND_LINE_PLAY);
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
            const std::string packEquals = std::string(PACK_OPTION) + "=";
            if (arg == PACK_OPTION || arg.compare(0, packEquals.size(), packEquals) == 0) {
                std::string dir = arg == PACK_OPTION ? (at + 1 < argc ? argv[++at] : "") : arg.substr(packEquals.size());
                if (dir.empty())
                    return Bad("option '--pack' needs a directory");
                if (!play.packDir.empty())
                    return Bad("more than one pack: '" + play.packDir + "' and '" + dir + "'");
                play.packDir = dir;
                continue;
            }
            return Bad("unknown option '" + arg + "'");
        }
        if (!play.levelFile.empty())
            return Bad("more than one level file: '" + play.levelFile + "' and '" + arg + "'");
        play.levelFile = arg;
    }
    if (!play.levelFile.empty() && !play.packDir.empty())
        return Bad("a level file and a pack can't be played together");
    return play;
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
