// The harness of the simulator tests: data files, runs and their output.
#include "sim_harness.h"

#include "format/level_format.h"
#include "support/tile_sheet.h"
#include "support/wav.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const MAP_CHARS = "~.oE@";
const uint8_t MAP_CODES[] = {TILE_WATER, TILE_LAND, TILE_PILE, TILE_EXIT, TILE_START};
const int SIM_TIMEOUT_SECONDS = 60;
const size_t SILENCE_SAMPLES = 64;
const uint8_t SILENT_SAMPLE = 0x80;

} // namespace

std::string SimState::operator()(const std::string& names) const
{
    std::istringstream in(names);
    std::string joined;
    for (std::string name; in >> name;) {
        if (!joined.empty())
            joined += ' ';
        joined += std::to_string(values.at(name));
    }
    return joined;
}

Lines LevelMap(const Lines& piece, int column, int row)
{
    Lines map(BOARD_SIZE, std::string(BOARD_SIZE, '~'));
    for (size_t r = 0; r < piece.size(); ++r)
        map.at(row + r).replace(static_cast<size_t>(column), piece[r].size(), piece[r]);
    return map;
}

Lines With(Lines map, const std::vector<std::tuple<int, int, char>>& cells)
{
    for (const auto& [column, row, code] : cells)
        map.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = code;
    return map;
}

Lines StartedMap(Lines map)
{
    for (std::string& line : map)
        std::replace(line.begin(), line.end(), '@', '.');
    return map;
}

std::string LevelText(const Lines& map)
{
    std::string text;
    for (const std::string& line : map)
        text += line + "\n";
    return text;
}

Lines SimResult::EventsOf(const std::string& prefix) const
{
    Lines found;
    for (const std::string& event : events)
        if (event.compare(event.find(' ') + 1, prefix.size(), prefix) == 0)
            found.push_back(event);
    return found;
}

Lines SimResult::StatesOf(const std::string& names) const
{
    Lines found;
    for (const SimState& state : states)
        found.push_back(state(names));
    return found;
}


void SimTest::SetUp()
{
    ASSERT_FALSE(root.empty());
    for (const std::string& made : {data, home, temp})
        std::filesystem::create_directories(made);
    ASSERT_TRUE(WriteTestTileSheet(data + "/pieces.bmp"));
    for (const char* sound : {"splash.wav", "start.wav", "bifald.wav", "finished.wav"})
        ASSERT_TRUE(WriteFileBytes(data + "/" + sound, WavPlain(Bytes(SILENCE_SAMPLES, SILENT_SAMPLE))));
}

Bytes SimTest::LevelBytes(const Lines& map, int tailSeed)
{
    Bytes bytes(LEVEL_FILE_SIZE, 0);
    for (int column = 0; column < BOARD_SIZE; ++column)
        for (int row = 0; row < BOARD_SIZE; ++row) {
            const char* at = std::strchr(MAP_CHARS, map.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)));
            bytes[static_cast<size_t>(LevelByteIndex(column, row))] = at != nullptr ? MAP_CODES[at - MAP_CHARS] : 0;
        }
    for (int i = LEVEL_TILE_BYTES; i < LEVEL_FILE_SIZE; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>((tailSeed + 3 * i) & 0x7F);
    return bytes;
}

void SimTest::WriteLevel(const std::string& name, const Lines& map, int tailSeed)
{
    ASSERT_TRUE(WriteFileBytes(data + "/" + name, LevelBytes(map, tailSeed)));
}

void SimTest::WriteProgress(int level)
{
    WriteString(home + "/config/quagmore/progress", "Level=" + std::to_string(level) + "\n");
}

void SimTest::WriteString(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(WriteFileText(path, text)) << path;
}

void SimTest::WritePack(const std::string& directory, const std::vector<Lines>& levels)
{
    for (size_t at = 0; at < levels.size(); ++at)
        WriteString(directory + "/level" + std::to_string(at + 1), LevelText(levels[at]));
}

std::string SimTest::SimCommandLine(const std::string& runHome) const
{
    std::string line = "cd " + root + " && TMPDIR=" + temp + " timeout " + std::to_string(SIM_TIMEOUT_SECONDS);
    if (unprivileged && geteuid() == 0) {
        // nobody must reach the test's directories: open them to everyone first.
        line = "find " + root + " -type d -exec chmod a+rwx {} + && " + line + " setpriv --reuid=nobody --regid=nogroup --clear-groups";
    }
    line += std::string(" ") + QUAGMORE_SIM_PATH + " --data " + data + options;
    return runHome.empty() ? line : line + " --home " + runHome;
}

SimResult SimTest::Run(const std::string& script, const std::string& runHome)
{
    static int runs = 0;
    const std::string name = root + "/run" + std::to_string(++runs);
    WriteString(name + ".script", script);
    const int status = std::system(
        (SimCommandLine(runHome) + " " + name + ".script > " + name + ".out 2> " + name + ".err < /dev/null").c_str());

    SimResult result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileText(name + ".out");
    result.err = ReadFileText(name + ".err");
    Lines lines;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    for (size_t at = 0; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        const size_t equals = line.find('=');
        const std::string name = line.substr(0, equals);
        if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
            const bool record = line.compare(line.find(' ') + 1, 7, "record ") == 0;
            (record ? result.recordEvents : result.events).push_back(line);
        } else if (name == "records") {
            // The file's lines follow, as many as the header says.
            const std::string count = line.substr(equals + 1);
            Lines file;
            if (count == "none" || count == "unreadable")
                file.push_back(count);
            size_t n = file.empty() ? std::stoul(count) : 0;
            for (; n > 0 && at + 1 < lines.size(); --n)
                file.push_back(lines[++at]);
            result.records.push_back(file);
        } else if (name == "marks") {
            result.marks.push_back(line.substr(equals + 1));
        } else if (name == "campaign") {
            result.campaigns.push_back(line.substr(equals + 1));
        } else if (line.size() == BOARD_SIZE && line.find_first_not_of("~.oE@?") == std::string::npos &&
                   at + BOARD_SIZE <= lines.size()) {
            result.boards.emplace_back(lines.begin() + static_cast<long>(at), lines.begin() + static_cast<long>(at + BOARD_SIZE));
            at += BOARD_SIZE - 1;
        } else if (name == "status") {
            result.statuses.push_back(line.substr(equals + 1));
        } else if (name == "levels" || name == "saved") {
            (name == "levels" ? result.menus : result.saved).push_back(line.substr(equals + 1));
        } else if (equals != std::string::npos && (name == "level" || !result.states.empty())) {
            if (name == "level")    // the first field of a state
                result.states.emplace_back();
            result.states.back().values[name] = std::stoll(line.substr(equals + 1));
        } else {
            ADD_FAILURE() << "unexpected output line: " << line;
        }
    }
    return result;
}
