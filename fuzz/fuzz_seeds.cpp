// Writes the seed corpus of every fuzz target: small good inputs of each kind,
// a few spoiled ones, and inputs that once found a fault. Usage:
//   fuzz-seeds OUTPUT_DIR LEVEL_SOURCE_DIR
// makes OUTPUT_DIR/<target>/<seed> for each target.
#include "support/bmp.h"
#include "support/wav.h"
#include "format/level_link.h"
#include "format/level_text.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Seed {
    std::string name;
    Bytes bytes;
};

Bytes FromText(const std::string& text)
{
    return {text.begin(), text.end()};
}

Bytes ReadText(const std::string& path)
{
    Bytes bytes = ReadFileBytes(path);
    if (bytes.empty())
        std::fprintf(stderr, "fuzz-seeds: can't read %s\n", path.c_str());
    return bytes;
}

std::vector<Seed> BmpSeeds()
{
    auto colours = [](int x, int y) { return static_cast<uint32_t>((x * 40) << 16 | (y * 70) << 8 | 0x20); };
    BmpOptions topDown{5, 3};
    topDown.topDown = true;
    BmpOptions gap{3, 2};
    gap.gapBeforePixels = 7;
    gap.lastRowPadding = false;
    return {
        {"small.bmp", BmpEncode(BmpOptions{3, 2}, colours)},
        {"top-down.bmp", BmpEncode(topDown, colours)},
        {"gap.bmp", BmpEncode(gap, colours)},
    };
}

std::vector<Seed> WavSeeds()
{
    const Bytes samples{128, 140, 150, 140, 128, 116, 106, 116};
    return {
        {"plain.wav", WavPlain(samples)},
        {"chunks.wav", WavForm({WavChunk("LIST", FromText("INFOabc")), WavChunk("data", samples),
                                WavChunk("fmt ", WavFormatBody(1, 2, 44100, 16))})},
        {"not-pcm.wav", WavForm({WavChunk("fmt ", WavFormatBody(3, 1, 11025, 32)), WavChunk("data", samples)})},
    };
}

// The shipped levels: for the game as level files (one with bytes past the
// board, which choose the game target's steps), for the level readers as text
// and as the board of a link.
void LevelSeeds(const std::string& levelDir, std::vector<Seed>& files, std::vector<Seed>& texts)
{
    for (int level = 1; level <= LAST_LEVEL; ++level) {
        const std::string name = "level" + std::to_string(level);
        const Bytes text = ReadText(levelDir + "/" + name + ".txt");
        texts.push_back({name + ".txt", text});
        LevelFile file;
        std::vector<LevelProblem> problems;
        if (!LevelTextParse(std::string(text.begin(), text.end()), file, problems))
            continue;
        texts.push_back({name + ".link", FromText(LevelLinkMake(file).substr(std::string(LEVEL_LINK_MARK).size()))});
        files.push_back({name + ".dat", file.bytes});
        if (level == 1) {
            texts.push_back({name + ".dat", file.bytes});
            file.bytes.insert(file.bytes.end(), {2, 2, 3, 3, 0, 1, 2, 3});
            files.push_back({name + "-steps.dat", file.bytes});
        }
    }
    files.push_back({"short.dat", Bytes(150, TILE_LAND)});
    std::string crlf = "@o~E~~~~~~~~\r\n";
    for (int row = 1; row < BOARD_SIZE; ++row)
        crlf += std::string(BOARD_SIZE, '~') + "\r\n";
    texts.push_back({"crlf.txt", FromText(crlf)});
}

std::vector<Seed> ProgressSeeds()
{
    return {
        {"level255", FromText("Level=255\n")},
        {"cr", FromText("Level=7\r\n")},
        {"other-key", FromText("Stage=\n")},
    };
}

std::vector<Seed> SettingsSeeds()
{
    return {
        {"view", FromText("zoom=2\nfullscreen=1\n")},
        {"keys", FromText("left=A\nup=W\nright=D\ndown=S\nrestart=F5\nhint=Keypad 0\n")},
        {"damaged", FromText("zoom=banana\nfullscreen=7\n=x\nno equals\r\nzoom=3\n")},
    };
}

std::vector<Seed> RecordsSeeds()
{
    return {
        {"two", FromText("# notes\nlevel=1 board=0123456789abcdef kind=moves moves=3 pushes=1 path=RDL\r\n\n"
                         "level=12 board=ffffffffffffffff kind=pushes moves=5 pushes=0 path=URRRD")},
    };
}

std::vector<Seed> SimScriptSeeds()
{
    return {
        {"play.sim", FromText("# walk and push\nhold right\nrun 20\nhold\nprint board\nprint state\n")},
        {"editor.sim", FromText("hold d\nrun 1\nhold\nclick left 75 125\nclick right 10 10\nrun 2\n"
                                "hold s\nrun 1\nhold enter\nrun 1\nprint saved\n")},
        {"menu.sim", FromText("menu 21\nfocus off\nrun 3\nfocus on\nclock 6000\nprint menu\n"
                              "shot out.bmp\nHOLD Left UP\nclose\n")},
        {"bad.sim", FromText("run -1\nclick middle 1 2\nmenu 70000\nfrob\n")},
    };
}

bool WriteSeeds(const std::filesystem::path& directory, const std::vector<Seed>& seeds)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    for (const Seed& seed : seeds) {
        if (!WriteFileBytes((directory / seed.name).string(), seed.bytes)) {
            std::fprintf(stderr, "fuzz-seeds: can't write %s\n", (directory / seed.name).c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Usage: fuzz-seeds OUTPUT_DIR LEVEL_SOURCE_DIR\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::string levels = argv[2];
    std::vector<Seed> levelFiles, levelTexts;
    LevelSeeds(levels, levelFiles, levelTexts);
    const bool written = WriteSeeds(out / "bmp", BmpSeeds()) && WriteSeeds(out / "wav", WavSeeds()) &&
                         WriteSeeds(out / "game_level", levelFiles) && WriteSeeds(out / "level_text", levelTexts) &&
                         WriteSeeds(out / "progress", ProgressSeeds()) &&
                         WriteSeeds(out / "records", RecordsSeeds()) &&
                         WriteSeeds(out / "settings", SettingsSeeds()) &&
                         WriteSeeds(out / "sim_script", SimScriptSeeds());
    return written ? 0 : 1;
}
