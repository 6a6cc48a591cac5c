// The game's command line: --help, --version, --pack DIR, --campaign NAME,
// --daily [DATE], or one level file.
#include "app/command_line.h"

#include "quagmore_version.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const PROGRAM = "quagmore";
const char* const USAGE_LINE = "Usage: quagmore [OPTION]... [FILE]\n";
const char* const PACK_OPTION = "--pack";
const char* const CAMPAIGN_OPTION = "--campaign";
const char* const DAILY_OPTION = "--daily";

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
    "      --campaign NAME  play the campaign NAME (in any case): Quagmore, Bonus,\n"
    "                  or a pack in $XDG_DATA_HOME/quagmore/packs/NAME/\n"
    "      --daily [YYYY-MM-DD]  play the level of the day (UTC), today's or the date's\n"
    "  -h, --help      print this help and exit\n"
    "      --version   print the version and exit\n"
    "A file or pack that is no level, an unknown campaign or a bad date is named on\n"
    "standard error, with exit status 2.\n"
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

// Takes "--name VALUE" or "--name=VALUE" into *value: 1 when argv[*at] is
// that option, 0 when it is not, -1 when it is wrong (then *play is the
// complaint).
int TakeValue(int argc, const char* const* argv, int* at, const char* name, std::string* value, const char* needs,
              const char* what, AppCommandLine* play)
{
    const std::string arg = argv[*at];
    const std::string equals = std::string(name) + "=";
    if (arg != name && arg.compare(0, equals.size(), equals) != 0)
        return 0;
    const std::string given = arg == name ? (*at + 1 < argc ? argv[++*at] : "") : arg.substr(equals.size());
    if (given.empty()) {
        *play = Bad(std::string("option '") + name + "' needs " + needs);
        return -1;
    }
    if (!value->empty()) {
        *play = Bad(std::string("more than one ") + what + ": '" + *value + "' and '" + given + "'");
        return -1;
    }
    *value = given;
    return 1;
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
            int taken = TakeValue(argc, argv, &at, PACK_OPTION, &play.packDir, "a directory", "pack", &play);
            if (taken == 0)
                taken = TakeValue(argc, argv, &at, CAMPAIGN_OPTION, &play.campaignName, "a name", "campaign", &play);
            if (taken < 0)
                return play;
            if (taken > 0)
                continue;
            if (arg == DAILY_OPTION || arg.compare(0, std::strlen(DAILY_OPTION) + 1, std::string(DAILY_OPTION) + "=") == 0) {
                // The date is optional: the next argument is it when it starts with a digit.
                if (arg != DAILY_OPTION)
                    play.dailyDate = arg.substr(std::strlen(DAILY_OPTION) + 1);
                else if (at + 1 < argc && argv[at + 1][0] >= '0' && argv[at + 1][0] <= '9')
                    play.dailyDate = argv[++at];
                if (arg != DAILY_OPTION && play.dailyDate.empty())
                    return Bad("option '--daily=' needs a date");
                if (play.daily)
                    return Bad("option '--daily' is given twice");
                play.daily = true;
                continue;
            }
            return Bad("unknown option '" + arg + "'");
        }
        if (!play.levelFile.empty())
            return Bad("more than one level file: '" + play.levelFile + "' and '" + arg + "'");
        play.levelFile = arg;
    }
    const int chosen = !play.levelFile.empty() + !play.packDir.empty() + !play.campaignName.empty() + play.daily;
    if (chosen > 1)
        return Bad("only one of a level file, --pack, --campaign and --daily can be given");
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
