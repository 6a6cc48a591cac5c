// quagmore-sim: the game's own main function over the headless platform,
// driven by a script that is read one line at a time while the game runs.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum { SIM_EXIT_ERROR = 2 };

enum SimCommandKind {
    SIM_HOLD,      // hold KEY...
    SIM_RUN,       // run N
    SIM_CLICK,     // click left|right X Y
    SIM_MENU,      // menu ID
    SIM_CLOSE,     // close
    SIM_FOCUS,     // focus off|on
    SIM_CLOCK,     // clock MS
    SIM_PRINT,     // print board|state|menu|saved|status|records|marks|campaign
    SIM_SHOT,      // shot FILE
    SIM_WATCH,     // watch verdict, watch solver
    SIM_DROP,      // drop FILE
};

enum SimPrintWhat {
    SIM_PRINT_BOARD,
    SIM_PRINT_STATE,
    SIM_PRINT_MENU,
    SIM_PRINT_SAVED,
    SIM_PRINT_STATUS,
    SIM_PRINT_RECORDS,
    SIM_PRINT_MARKS,
    SIM_PRINT_CAMPAIGN,
};

struct SimCommand {
    SimCommandKind kind = SIM_CLOSE;
    std::vector<PlatformKey> keys; // hold: keys to hold down
    uint64_t frames = 0;           // run
    PlatformMouseButton button = PLATFORM_BUTTON_LEFT;  // click
    bool doubleClick = false;      // click double: the second press of a double click
    int x = 0, y = 0;              // click: picture pixel
    uint32_t value = 0;            // menu: command id; clock: milliseconds
    bool on = false;               // focus
    SimPrintWhat what = SIM_PRINT_BOARD;
    std::string file;              // shot, drop; watch: "verdict" or "solver"
};

struct SimOptions {
    std::string dataDir;           // empty: the built data directory
    std::string homeDir;           // empty: a temporary home removed at exit
    std::string scriptPath;        // empty or "-": standard input
    std::string levelFile;         // --level: a level file played as the game plays it
    std::string packDir;           // --pack: a pack of levels played as the game plays it
    std::string campaignName;      // --campaign: a campaign chosen by name, as the game's option
    std::string dailyDate;         // --daily: the level of that day, as the game's option
    bool help = false;
    bool version = false;
};

struct SimScript {
    std::FILE* file = nullptr;
    std::string name;              // for error messages
    int lineNumber = 0;
    bool ended = false;
};

// The run as a whole: options, the script, and the temporary home.
struct SimSession {
    SimOptions options;
    SimScript script;
    std::string home;              // the home in use
    bool homeIsTemporary = false;
    bool draining = false;         // a run with the focus off waits for the event queue to empty
    bool closePressed = false;     // the script has ended and the close box was pressed
    bool watchVerdict = false;     // the editor's verdicts are printed as events
    bool watchSolver = false;      // the solver's events are printed: once H is held or "watch solver" given
};

extern SimSession Sim;

// sim_args.cpp
bool SimParseArguments(int argc, char** argv, SimOptions* options, std::string* error);
const char* SimUsage();

// sim_script.cpp
bool SimScriptOpen(SimScript* script, const std::string& path, std::string* error);
void SimScriptClose(SimScript* script);
// Parses one line. Returns 1 for a command, 0 for a blank or comment line,
// -1 for an error (described in *error).
int SimParseLine(const std::string& line, SimCommand* command, std::string* error);
// Reads lines up to the next command. Returns 1 for a command, 0 at the end of
// the script, -1 for an error.
int SimScriptNext(SimScript* script, SimCommand* command, std::string* error);

// sim_run.cpp: the headless platform's hooks and the execution of commands.
void SimInstallHooks();
// Hears of the solver's events ("hint C R D", "stuck") and prints them once
// they are watched.
void SimSolverEvent(const std::string& event);
// Stops the run with an error naming the current script line: exit code 2.
[[noreturn]] void SimFail(const std::string& message);

// sim_home.cpp
bool SimPrepareHome(std::string* error);
void SimRemoveTemporaryHome();

// sim_signals.cpp
void SimCatchSignals();
// True once a signal asked the run to stop: the game is then ended through
// its close box, as the real game is.
bool SimStopSignalled();
// After the game has ended: dies of the signal that stopped the run, if one did.
void SimExitForSignal();
// Standard output can no longer be written: stops the run.
[[noreturn]] void SimOutputClosed();

// sim_print.cpp
// One line of output, flushed at once.
void SimOutput(const std::string& line);
// One event line, prefixed with the number of frames begun.
void SimEvent(const std::string& text);
void SimPrintBoard();
void SimPrintState();
void SimPrintMenu();
void SimPrintSaved();
void SimPrintStatus();
// "records=N" and the records file's N lines as they are; "records=none"
// without a file, "records=unreadable" for one that can't be read.
void SimPrintRecords();
// "marks=" and the marks of the Levels menu: "N: TEXT" for each marked
// level, joined by "; ".
void SimPrintMarks();
// "campaign=NAME levels=N": the campaign played and its number of levels.
void SimPrintCampaign();
// Writes the back picture as a 24-bit BMP. False with *error when it can't.
bool SimWriteShot(const std::string& path, std::string* error);
