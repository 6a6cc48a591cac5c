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
    return "usage: quagmore-sim [--data DIR] [--home DIR] [--level FILE | --pack DIR] [SCRIPT]\n"
           "  --data DIR    the game's data directory (default: the one beside the program)\n"
           "  --home DIR    holds the user's data, config and runtime directories\n"
           "                (default: a new temporary directory, removed at exit)\n"
           "  --level FILE  play the level file FILE, as 'quagmore FILE' does (or a\n"
           "                level link, '...#level=...')\n"
           "  --pack DIR    play the pack of levels in DIR, as 'quagmore --pack DIR' does\n"
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
            int taken = TakeOption(argc, argv, &at, "--data", &options->dataDir);
            if (taken == 0)
                taken = TakeOption(argc, argv, &at, "--home", &options->homeDir);
            if (taken == 0)
                taken = TakeOption(argc, argv, &at, "--pack", &options->packDir);
            bool levelOption = taken == 0;
            if (levelOption)
                taken = TakeOption(argc, argv, &at, "--level", &options->levelFile);
            if (taken == -1) {
                *error = "option " + arg.substr(0, arg.find('=')) + (levelOption ? " needs a file" : " needs a directory");
                return false;
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
    if (!options->levelFile.empty() && !options->packDir.empty()) {
        *error = "a level file and a pack can't be played together";
        return false;
    }
    return true;
}
