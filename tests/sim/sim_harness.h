// End-to-end tests through quagmore-sim: each test writes its own tiny level
// files, tile sheet and sounds into a temporary data directory, runs the
// simulator on a script and checks what it printed.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;
// One `print state`: its fields by name. A name it lacks fails the test.
struct SimState {
    std::map<std::string, long long> values;
    long long operator[](const std::string& name) const;
};

// A 12 x 12 map, row 0 first, column 0 first in each row: ~ water, . land,
// o pile, E exit, @ start. The piece's rows are placed with their first
// character at (column, row) on an otherwise all-water board.
Lines LevelMap(const Lines& piece, int column = 0, int row = 0);
// The map as the game shows it once the level has started: start cells are land.
Lines StartedMap(const Lines& map);
char MapCell(const Lines& map, int column, int row);

// The colour (0xRRGGBB) that the test tile sheet holds in cell (column, row).
uint32_t SheetColour(int column, int row);

// What one run of the simulator printed, sorted by kind.
struct SimResult {
    int code = -1;          // exit code
    std::string out;        // everything printed on standard output
    std::string err;
    Lines events;           // "F what ..." lines
    std::vector<SimState> states;
    std::vector<Lines> boards;
    Lines menus;            // the twelve digits after "levels="
    Lines saved;            // the text after "saved="
    // The events whose text (after the frame number) starts with prefix.
    Lines EventsOf(const std::string& prefix) const;
};

// A 24-bit BMP written by `shot`.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;   // 0xRRGGBB, top row first
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a 300-byte level file into the data directory; bytes 144 to 299
    // are a pattern that starts from tailSeed.
    void WriteLevel(const std::string& name, const Lines& map, int tailSeed = 0);
    static std::vector<uint8_t> LevelBytes(const Lines& map, int tailSeed = 0);
    // Stores saved progress in the home, as a previous run would have.
    void WriteProgress(int level);
    void RemoveDataFile(const std::string& name);

    // Runs the simulator on the script with the test's data directory and
    // home; an empty home lets the simulator make (and remove) its own.
    SimResult Run(const std::string& script, const std::string& home);
    SimResult Run(const std::string& script) { return Run(script, home); }
    std::string SimCommandLine(const std::string& home) const;
    Picture ReadPicture(const std::string& name) const;
    std::vector<uint8_t> ReadFile(const std::string& path) const;

    std::string root;       // the test's temporary directory
    std::string data;       // --data
    std::string home;       // --home
    std::string temp;       // TMPDIR of the simulator
    // Run the simulator without root's rights (as "nobody" when the tests run
    // as root), so that file permissions apply to it.
    bool unprivileged = false;
};

SimResult ParseSimOutput(int code, const std::string& out, const std::string& err);
