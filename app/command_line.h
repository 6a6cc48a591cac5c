// The game's command line. It is read before anything else happens, so
// --help, --version and a mistyped option never take the single-instance
// lock or open a window.
#pragma once

#include <string>

enum AppCommandLineAction {
    APP_COMMAND_LINE_PLAY,      // start the game
    APP_COMMAND_LINE_HELP,      // print the help and exit
    APP_COMMAND_LINE_VERSION,   // print the version and exit
    APP_COMMAND_LINE_BAD,       // complain with a usage line and exit
};

struct AppCommandLine {
    AppCommandLineAction action = APP_COMMAND_LINE_PLAY;
    std::string complaint;      // APP_COMMAND_LINE_BAD: what is wrong
    std::string levelFile;      // PLAY: a level file to play instead of the game's levels
    std::string packDir;        // PLAY: a pack of levels to play instead
    std::string campaignName;   // PLAY: a campaign to play by name instead
    bool daily = false;         // PLAY: the level of the day first
    std::string dailyDate;      // PLAY: its date; empty for today's
};

enum { APP_EXIT_OK = 0, APP_EXIT_OUTPUT_FAILED = 1, APP_EXIT_USAGE = 2 };

// Reads the arguments. The first of --help and --version decides; anything
// unknown, a second level file, a second pack or campaign, or more than one
// of a level file, --pack, --campaign and --daily is a bad command line.
AppCommandLine AppParseCommandLine(int argc, const char* const* argv);
// Does what a command line other than PLAY asks: the help or the version on
// standard output, or the complaint and a usage line on standard error.
// Returns the exit code.
int AppCommandLineReply(const AppCommandLine& commandLine);
