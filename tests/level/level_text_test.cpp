// The text form, level files and their checks.
#include "support/temp_dir.h"
#include "level_test_boards.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

const std::string SAMPLE = TestText({"", "~@..o", "~~~~.", "~~~~.", "", "", "", "", "", "", "", "~~~~~~~~~~~E"});

bool HasKind(const std::vector<LevelProblem>& problems, LevelProblemKind kind)
{
    return std::any_of(problems.begin(), problems.end(), [kind](const LevelProblem& p) { return p.kind == kind; });
}


} // namespace

// Column-major bytes (column * 12 + row) with a zero tail; every tile kind
// round trips through file and text, CRLF and a missing final newline included.
TEST(LevelText, ParsesColumnMajorAndRoundTrips)
{
    const LevelFile file = TestParse(SAMPLE);
    ASSERT_EQ(file.bytes.size(), static_cast<size_t>(LEVEL_FILE_SIZE));
    const struct {
        int index;
        uint8_t code;
    } cells[] = {{1 * 12 + 1, TILE_START}, {4 * 12 + 1, TILE_PILE}, {4 * 12 + 2, TILE_LAND}, {2 * 12 + 1, TILE_LAND},
                 {11 * 12 + 11, TILE_EXIT}, {0, TILE_WATER}, {1 * 12 + 0, TILE_WATER}};
    for (const auto& cell : cells)
        EXPECT_EQ(file.bytes[cell.index], cell.code) << "byte " << cell.index;
    EXPECT_TRUE(std::all_of(file.bytes.begin() + LEVEL_TILE_BYTES, file.bytes.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(LevelCheck(file).empty());
    EXPECT_EQ(LevelTextFormat(file), SAMPLE);

    std::string crlf;
    for (char c : SAMPLE)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(TestParse(crlf).bytes, file.bytes);
    EXPECT_EQ(TestParse(SAMPLE.substr(0, SAMPLE.size() - 1)).bytes, file.bytes);
}

TEST(LevelText, RejectsWrongShapesAndCharacters)
{
    const std::string lines[] = {
        SAMPLE.substr(13),                               // 11 lines
        SAMPLE + "~~~~~~~~~~~~\n",                       // 13 lines
        "~" + SAMPLE,                                    // a line of 13
        SAMPLE.substr(1),                                // a line of 11
        SAMPLE.substr(0, 20) + " " + SAMPLE.substr(21),  // a space is no tile
        SAMPLE.substr(0, 20) + "x" + SAMPLE.substr(21),  // nor is an unknown character
    };
    std::vector<LevelProblem> problems;
    for (const std::string& text : lines) {
        LevelFile file;
        problems.clear();
        EXPECT_FALSE(LevelTextParse(text, file, problems)) << text;
        EXPECT_TRUE(HasKind(problems, LEVEL_PROBLEM_TEXT_SHAPE)) << text;
    }
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].text.find("line 2, character 8"), std::string::npos) << problems[0].text;
}

// Each fault gives its own problem (and only that); a whole board
// of 144 bytes and bytes after the board are fine; an empty file has every problem.
TEST(LevelCheck, FindsEachKindOfProblem)
{
    const struct {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> spoil;
        int kind;   // -1: no problem
    } cases[] = {
        {"143 bytes", [](auto& b) { b.resize(LEVEL_TILE_BYTES - 1); }, LEVEL_PROBLEM_SHORT_FILE},
        {"144 bytes", [](auto& b) { b.resize(LEVEL_TILE_BYTES); }, -1},
        {"byte 0", [](auto& b) { b[67] = 0; }, LEVEL_PROBLEM_UNKNOWN_BYTE},
        {"byte 19", [](auto& b) { b[67] = 19; }, LEVEL_PROBLEM_UNKNOWN_BYTE},
        {"byte 200", [](auto& b) { b[67] = 200; }, LEVEL_PROBLEM_UNKNOWN_BYTE},
        {"tail", [](auto& b) { b[200] = 99; }, -1},
        {"no start", [](auto& b) { b[1 * 12 + 1] = TILE_LAND; }, LEVEL_PROBLEM_NO_START},
        {"two starts", [](auto& b) { b[4 * 12 + 3] = TILE_START; }, LEVEL_PROBLEM_SEVERAL_STARTS},
        {"no exit", [](auto& b) { b[11 * 12 + 11] = TILE_WATER; }, LEVEL_PROBLEM_NO_EXIT},
    };
    for (const auto& c : cases) {
        LevelFile file = TestParse(SAMPLE);
        c.spoil(file.bytes);
        const std::vector<LevelProblem> problems = LevelCheck(file);
        if (c.kind < 0) {
            EXPECT_TRUE(problems.empty()) << c.what;
            continue;
        }
        EXPECT_TRUE(HasKind(problems, static_cast<LevelProblemKind>(c.kind))) << c.what;
        // Cutting the last byte also cuts the exit; every other fault stands alone.
        EXPECT_EQ(problems.size(), c.kind == LEVEL_PROBLEM_SHORT_FILE ? 2u : 1u) << c.what;
        if (c.kind == LEVEL_PROBLEM_UNKNOWN_BYTE) {
            EXPECT_NE(problems[0].text.find("byte 67"), std::string::npos) << problems[0].text;
        }
    }
    const auto all = LevelCheck(LevelFile{});
    for (LevelProblemKind kind : {LEVEL_PROBLEM_SHORT_FILE, LEVEL_PROBLEM_NO_START, LEVEL_PROBLEM_NO_EXIT})
        EXPECT_TRUE(HasKind(all, kind)) << kind;
}

TEST(LevelFiles, LoadByNameWriteAndReadBack)
{
    const TempDir dir("quagmore-level-test");
    const LevelFile level = TestParse(SAMPLE);
    std::string error;
    ASSERT_TRUE(LevelWriteBytes(dir.File("a.dat"), level, error)) << error;
    ASSERT_TRUE(LevelWriteText(dir.File("a.txt"), SAMPLE, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(dir.File("a.dat")), static_cast<uintmax_t>(LEVEL_FILE_SIZE));
    for (const char* name : {"a.dat", "a.txt"}) {
        LevelFile loaded;
        std::vector<LevelProblem> problems;
        ASSERT_TRUE(LevelLoad(dir.File(name), loaded, problems)) << name;
        EXPECT_EQ(loaded.bytes, level.bytes) << name;
    }
    LevelFile missing;
    std::vector<LevelProblem> problems;
    EXPECT_FALSE(LevelLoad(dir.File("missing.dat"), missing, problems));
    EXPECT_TRUE(HasKind(problems, LEVEL_PROBLEM_UNREADABLE));
    EXPECT_FALSE(LevelWriteBytes(dir.File("no/such/dir.dat"), level, error));
}
