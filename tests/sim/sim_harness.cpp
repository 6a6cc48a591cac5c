// The harness of the simulator tests: data files, runs and their output.
#include "tests/sim/sim_harness.h"

#include "game/board.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace {

const char* const MAP_CHARS = "~.oE@";
const int32_t MAP_CODES[] = {TILE_WATER, TILE_LAND, TILE_PILE, TILE_EXIT, TILE_START};

// The tile sheet: 16 x 6 cells of 50 pixels on a 51-pixel pitch.
const int SHEET_COLUMNS = 16, SHEET_ROWS = 6, SHEET_PITCH = CELL_SIZE + 1;
const int SHEET_WIDTH = SHEET_COLUMNS * SHEET_PITCH + 1;    // 817
const int SHEET_HEIGHT = SHEET_ROWS * SHEET_PITCH + 1;      // 307
const int SIM_TIMEOUT_SECONDS = 60;
const int STATE_FIELDS = 33;

const char* const SOUND_FILES[] = {"splash.wav", "start.wav", "bifald.wav", "finished.wav"};

void Put(std::string* out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t Get(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes.at(at + static_cast<size_t>(i));
    return value;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A 24-bit bottom-up BMP whose cells have the colours of SheetColour; the
// lines between the cells are black.
std::string TileSheetBmp()
{
    const int rowBytes = (SHEET_WIDTH * 3 + 3) & ~3;
    std::string bmp = "BM";
    Put(&bmp, static_cast<uint32_t>(54 + rowBytes * SHEET_HEIGHT), 4);
    Put(&bmp, 0, 4);
    Put(&bmp, 54, 4);
    Put(&bmp, 40, 4);
    Put(&bmp, SHEET_WIDTH, 4);
    Put(&bmp, SHEET_HEIGHT, 4);
    Put(&bmp, 1, 2);
    Put(&bmp, 24, 2);
    bmp.append(24, 0);  // compression to colours important: all zero
    for (int y = SHEET_HEIGHT - 1; y >= 0; --y) {
        for (int x = 0; x < SHEET_WIDTH; ++x) {
            bool line = x % SHEET_PITCH == 0 || y % SHEET_PITCH == 0;
            uint32_t colour = line ? 0 : SheetColour(x / SHEET_PITCH, y / SHEET_PITCH);
            Put(&bmp, colour, 3);   // little-endian 0xRRGGBB is blue, green, red
        }
        bmp.append(static_cast<size_t>(rowBytes - SHEET_WIDTH * 3), '\0');
    }
    return bmp;
}

// A short silent RIFF WAVE: PCM, mono, 8-bit, 11025 Hz.
std::string SilentWav()
{
    const uint32_t samples = 64;
    std::string wav = "RIFF";
    Put(&wav, 36 + samples, 4);
    wav += "WAVEfmt ";
    Put(&wav, 16, 4);
    Put(&wav, 1, 2);        // PCM
    Put(&wav, 1, 2);        // mono
    Put(&wav, 11025, 4);
    Put(&wav, 11025, 4);
    Put(&wav, 1, 2);
    Put(&wav, 8, 2);
    wav += "data";
    Put(&wav, samples, 4);
    wav.append(samples, static_cast<char>(0x80));
    return wav;
}

bool IsBoardLine(const std::string& line)
{
    return line.size() == BOARD_SIZE && line.find_first_not_of("~.oE@?") == std::string::npos;
}

bool IsEvent(const std::string& line)
{
    size_t space = line.find(' ');
    return space != std::string::npos && space > 0 && line.find_first_not_of("0123456789") == space;
}

} // namespace

Lines LevelMap(const Lines& piece, int column, int row)
{
    Lines map(BOARD_SIZE, std::string(BOARD_SIZE, '~'));
    for (size_t r = 0; r < piece.size(); ++r)
        for (size_t c = 0; c < piece[r].size(); ++c)
            map.at(static_cast<size_t>(row) + r).at(static_cast<size_t>(column) + c) = piece[r][c];
    return map;
}

Lines StartedMap(const Lines& map)
{
    Lines started = map;
    for (std::string& line : started)
        for (char& c : line)
            if (c == '@')
                c = '.';
    return started;
}

char MapCell(const Lines& map, int column, int row)
{
    return map.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
}

uint32_t SheetColour(int column, int row)
{
    const uint32_t red = 8 + 16 * static_cast<uint32_t>(column);
    const uint32_t green = 20 + 40 * static_cast<uint32_t>(row);
    const uint32_t blue = 100;
    return (red << 16) | (green << 8) | blue;
}

long long SimState::operator[](const std::string& name) const
{
    auto value = values.find(name);
    if (value == values.end()) {
        ADD_FAILURE() << "print state has no field " << name;
        return LLONG_MIN;
    }
    return value->second;
}

Lines SimResult::EventsOf(const std::string& prefix) const
{
    Lines found;
    for (const std::string& event : events)
        if (event.compare(event.find(' ') + 1, prefix.size(), prefix) == 0)
            found.push_back(event);
    return found;
}

SimResult ParseSimOutput(int code, const std::string& out, const std::string& err)
{
    SimResult result;
    result.code = code;
    result.out = out;
    result.err = err;
    Lines lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    for (size_t at = 0; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        if (line.rfind("level=", 0) == 0 && at + STATE_FIELDS <= lines.size()) {
            SimState state;
            for (int field = 0; field < STATE_FIELDS; ++field, ++at) {
                size_t equals = lines[at].find('=');
                state.values[lines[at].substr(0, equals)] = std::stoll(lines[at].substr(equals + 1));
            }
            --at;
            result.states.push_back(state);
        } else if (line.rfind("levels=", 0) == 0) {
            result.menus.push_back(line.substr(7));
        } else if (line.rfind("saved=", 0) == 0) {
            result.saved.push_back(line.substr(6));
        } else if (IsEvent(line)) {
            result.events.push_back(line);
        } else if (IsBoardLine(line) && at + BOARD_SIZE <= lines.size()) {
            result.boards.push_back(Lines(lines.begin() + static_cast<long>(at),
                                          lines.begin() + static_cast<long>(at + BOARD_SIZE)));
            at += BOARD_SIZE - 1;
        } else {
            ADD_FAILURE() << "unexpected output line: " << line;
        }
    }
    return result;
}

void SimTest::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quagmore-simtest.XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    data = root + "/data";
    home = root + "/home";
    temp = root + "/tmp";
    for (const std::string& dir : {data, home, temp})
        std::filesystem::create_directories(dir);
    WriteBytes(data + "/pieces.bmp", TileSheetBmp());
    for (const char* sound : SOUND_FILES)
        WriteBytes(data + "/" + sound, SilentWav());
}

void SimTest::TearDown()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::vector<uint8_t> SimTest::LevelBytes(const Lines& map, int tailSeed)
{
    std::vector<uint8_t> bytes(LEVEL_FILE_SIZE, 0);
    for (int column = 0; column < BOARD_SIZE; ++column)
        for (int row = 0; row < BOARD_SIZE; ++row) {
            const char* at = std::strchr(MAP_CHARS, MapCell(map, column, row));
            bytes[static_cast<size_t>(column * BOARD_SIZE + row)] =
                static_cast<uint8_t>(at != nullptr ? MAP_CODES[at - MAP_CHARS] : 0);
        }
    for (int i = LEVEL_TILE_BYTES; i < LEVEL_FILE_SIZE; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>((tailSeed + 3 * i) & 0x7F);
    return bytes;
}

void SimTest::WriteLevel(const std::string& name, const Lines& map, int tailSeed)
{
    std::vector<uint8_t> bytes = LevelBytes(map, tailSeed);
    WriteBytes(data + "/" + name, std::string(bytes.begin(), bytes.end()));
}

void SimTest::WriteProgress(int level)
{
    std::filesystem::create_directories(home + "/config/quagmore");
    WriteBytes(home + "/config/quagmore/progress", "Level=" + std::to_string(level) + "\n");
}

void SimTest::RemoveDataFile(const std::string& name)
{
    std::filesystem::remove(data + "/" + name);
}

std::string SimTest::SimCommandLine(const std::string& runHome) const
{
    std::string line = "cd " + root + " && TMPDIR=" + temp + " timeout " + std::to_string(SIM_TIMEOUT_SECONDS);
    if (unprivileged && geteuid() == 0) {
        // nobody must reach the test's directories: open them to everyone first.
        line = "find " + root + " -type d -exec chmod a+rwx {} + && " + line + " setpriv --reuid=nobody --regid=nogroup --clear-groups";
    }
    line += std::string(" ") + QUAGMORE_SIM_PATH + " --data " + data;
    if (!runHome.empty())
        line += " --home " + runHome;
    return line;
}

SimResult SimTest::Run(const std::string& script, const std::string& runHome)
{
    static int runs = 0;
    const std::string name = root + "/run" + std::to_string(++runs);
    WriteBytes(name + ".script", script);
    const std::string command =
        SimCommandLine(runHome) + " " + name + ".script > " + name + ".out 2> " + name + ".err < /dev/null";
    const int status = std::system(command.c_str());
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ParseSimOutput(code, ReadText(name + ".out"), ReadText(name + ".err"));
}

std::vector<uint8_t> SimTest::ReadFile(const std::string& path) const
{
    std::string text = ReadText(path);
    return std::vector<uint8_t>(text.begin(), text.end());
}

Picture SimTest::ReadPicture(const std::string& name) const
{
    Picture picture;
    std::vector<uint8_t> bmp = ReadFile(root + "/" + name);
    if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M' || Get(bmp, 28, 2) != 24) {
        ADD_FAILURE() << name << " is no 24-bit BMP";
        return picture;
    }
    const uint32_t offset = Get(bmp, 10, 4);
    picture.width = static_cast<int>(Get(bmp, 18, 4));
    picture.height = static_cast<int>(Get(bmp, 22, 4));
    const size_t rowBytes = static_cast<size_t>((picture.width * 3 + 3) & ~3);
    picture.pixels.resize(static_cast<size_t>(picture.width * picture.height));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[static_cast<size_t>(y * picture.width + x)] =
                Get(bmp, offset + static_cast<size_t>(picture.height - 1 - y) * rowBytes + static_cast<size_t>(x) * 3, 3);
    return picture;
}
