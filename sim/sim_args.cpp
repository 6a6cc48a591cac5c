// Command-line arguments of quagmore-sim.
#include "sim/sim.h"

#include <cstring>

namespace {

// Takes the value of an option given as "--name VALUE" or "--name=VALUE".
// Returns 1 when argv[*at] is that option, 0 when it is not, -1 when its value is missing.
int TakeOption(int argc, char** argv, int* at, const char* name, std::string* value)
{
    const char* arg = argv[*at];
    size_t length = std::strlen(name);
    if (std::strncmp(arg, name, length) != 0)
        return 0;
    if (arg[length] == '=') {
        *value = arg + length + 1;
        return value->empty() ? -1 : 1;
    }
    if (arg[length] != '\0')
        return 0;
    if (*at + 1 >= argc || argv[*at + 1][0] == '\0')
        return -1;
    *value = argv[++*at];
    return 1;
}

} // namespace

const char* SimUsage()
{
    return "usage: quagmore-sim [--data DIR] [--home DIR] [--level FILE | --pack DIR | --campaign NAME | --daily DATE]\n"
           "                    [SCRIPT]\n"
           "  --data DIR    the game's data directory (default: the one beside the program)\n"
           "  --home DIR    holds the user's data, config and runtime directories\n"
           "                (default: a new temporary directory, removed at exit)\n"
           "  --level FILE  play the level file FILE, as 'quagmore FILE' does (or a\n"
           "                level link, '...#level=...')\n"
           "  --pack DIR    play the pack of levels in DIR, as 'quagmore --pack DIR' does\n"
           "  --campaign NAME  play the campaign NAME, as 'quagmore --campaign NAME' does\n"
           "  --daily DATE  play the level of the day DATE (YYYY-MM-DD), as 'quagmore --daily DATE' does\n"
           "  SCRIPT        the script to run; standard input when absent or \"-\"\n"
           "  -h, --help    print this help and exit\n"
           "  --version     print the version and exit\n"
           "See quagmore-sim(6) for the script commands.\n";
}

bool SimParseArguments(int argc, char** argv, SimOptions* options, std::string* error)
{
    bool scriptGiven = false;
    bool optionsEnded = false;
    for (int at = 1; at < argc; ++at) {
        const std::string arg = argv[at];
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (arg == "-h" || arg == "--help") {
                options->help = true;
                continue;
            }
            if (arg == "--version") {
                options->version = true;
                continue;
            }
            // The options with a value, and what the value is.
            struct Valued {
                const char* name;
                std::string* value;
                const char* needs;
            };
            const Valued valued[] = {
                {"--data", &options->dataDir, "a directory"},  {"--home", &options->homeDir, "a directory"},
                {"--pack", &options->packDir, "a directory"},  {"--level", &options->levelFile, "a file"},
                {"--campaign", &options->campaignName, "a name"}, {"--daily", &options->dailyDate, "a date"},
            };
            int taken = 0;
            for (const Valued& option : valued) {
                taken = TakeOption(argc, argv, &at, option.name, option.value);
                if (taken == -1) {
                    *error = std::string("option ") + option.name + " needs " + option.needs;
                    return false;
                }
                if (taken == 1)
                    break;
            }
            if (taken == 0) {
                *error = "unknown option " + arg;
                return false;
            }
            continue;
        }
        if (scriptGiven) {
            *error = "more than one script: " + options->scriptPath + " and " + arg;
            return false;
        }
        options->scriptPath = arg;
        scriptGiven = true;
    }
    if (!options->levelFile.empty() + !options->packDir.empty() + !options->campaignName.empty() +
            !options->dailyDate.empty() > 1) {
        *error = "only one of --level, --pack, --campaign and --daily can be given";
        return false;
    }
    return true;
}
