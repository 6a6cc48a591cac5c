// End-to-end tests through quagmore-sim: each test writes its own tiny level
// files, tile sheet and sounds into a temporary data directory, runs the
// simulator on a script and checks what it printed.
#pragma once

#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

using Lines = std::vector<std::string>;

// One `print state`. A field it lacks throws, which fails the test.
struct SimState {
    std::map<std::string, long long> values;
    long long operator[](const std::string& name) const { return values.at(name); }
    // The named fields' values joined by blanks: s("playerx playery") == "100 150".
    std::string operator()(const std::string& names) const;
};

// A 12 x 12 map, row 0 first: ~ water, . land, o pile, E exit, @ start. The
// piece's rows go with their first character at (column, row) on all water.
Lines LevelMap(const Lines& piece, int column = 0, int row = 0);
// The map with the cells {column, row, character} changed.
Lines With(Lines map, const std::vector<std::tuple<int, int, char>>& cells);
// The map as the game shows it once the level has started: start cells are land.
Lines StartedMap(Lines map);
// The map in the level text form, a line each.
std::string LevelText(const Lines& map);

// Boards several scenarios play, all starting at (2, 2) but the last two:
// land to the right; the exit to the right with land beyond it; the one way
// out pushes the pile right into the water and walks on to the exit (RRR),
// and pushing it down loses; RRR pushes the pile into the water (3 moves, 1
// push) or over the land above URRRD walks to the exit (5 moves, none); the
// exit to the right, at (2, 2), (5, 7) and, in a second level, (7, 7).
inline const Lines START_LEVEL = LevelMap({"@..."}, 2, 2);
inline const Lines EXIT_LEVEL = LevelMap({"@E."}, 2, 2);
inline const Lines ONE_WAY_LEVEL = LevelMap({"....", ".@o~E", "..~"}, 1, 1);
inline const Lines TWO_ROUTES_LEVEL = LevelMap({".....", "~@o~E"}, 1, 1);
inline const Lines ONE_STEP_LEVEL = LevelMap({"@E"}, 2, 2);
inline const Lines OTHER_STEP_LEVEL = LevelMap({"@E"}, 5, 7);
inline const Lines SECOND_LEVEL = LevelMap({"@."}, 7, 7);
// Solves a one-step level and plays on until the next level has started.
inline const char* const SOLVE_ONE_STEP = "hold right\nrun 11\nhold\nrun 370\n";

// What one run of the simulator printed, sorted by kind.
struct SimResult {
    int code = -1;
    std::string out, err;
    Lines events;           // "F what ..." lines
    std::vector<SimState> states;
    std::vector<Lines> boards;
    Lines menus;            // the twelve digits after "levels="
    Lines saved;            // the text after "saved="
    Lines statuses;         // the text after "status="
    Lines marks;            // the text after "marks="
    Lines campaigns;        // the text after "campaign="
    std::vector<Lines> records;  // each `print records`: "none", "unreadable" or the file's lines
    // The "F record LEVEL MOVES PUSHES" events, kept apart from the others:
    // the events of the game as it was before records stay as they were.
    Lines recordEvents;
    // The events whose text after the frame number starts with prefix.
    Lines EventsOf(const std::string& prefix) const;
    // Each state's named fields, as SimState joins them.
    Lines StatesOf(const std::string& names) const;
};


class SimTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A 300-byte level file; bytes 144 to 299 are a pattern from tailSeed.
    static Bytes LevelBytes(const Lines& map, int tailSeed = 0);
    void WriteLevel(const std::string& name, const Lines& map, int tailSeed = 0);
    // Saved progress in the home, as a previous run would have left it.
    void WriteProgress(int level);
    // The text at path, its directories made.
    static void WriteString(const std::string& path, const std::string& text);
    // A pack directory of the maps as level1, level2, ... in the text form.
    static void WritePack(const std::string& directory, const std::vector<Lines>& levels);

    // Runs the simulator on the script; an empty home lets it make its own.
    SimResult Run(const std::string& script, const std::string& runHome);
    SimResult Run(const std::string& script) { return Run(script, home); }
    std::string SimCommandLine(const std::string& runHome) const;

    TempDir dir{"quagmore-simtest"};
    const std::string root = dir.path;
    const std::string data = root + "/data", home = root + "/home", temp = root + "/tmp";
    // More options of the simulator for the runs, e.g. " --pack DIR".
    std::string options;
    // Run the simulator without root's rights (as "nobody" when the tests run
    // as root), so that file permissions apply to it.
    bool unprivileged = false;
};
