// The text form, level files and their checks.
#include "tools/level/level_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

const char* const SAMPLE =
    "~~~~~~~~~~~~\n"
    "~@..o~~~~~~~\n"
    "~~~~.~~~~~~~\n"
    "~~~~.~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~~\n"
    "~~~~~~~~~~~E\n";

bool HasKind(const std::vector<LevelProblem>& problems, LevelProblemKind kind)
{
    return std::any_of(problems.begin(), problems.end(),
                       [kind](const LevelProblem& p) { return p.kind == kind; });
}

LevelFile Parsed(const std::string& text)
{
    LevelFile file;
    std::vector<LevelProblem> problems;
    EXPECT_TRUE(LevelTextParse(text, file, problems));
    return file;
}

} // namespace

TEST(LevelText, ParsesColumnMajorWithZeroTail)
{
    const LevelFile file = Parsed(SAMPLE);
    ASSERT_EQ(file.bytes.size(), static_cast<size_t>(LEVEL_FILE_SIZE));
    // '@' is column 1 of line 2 (row 1), 'o' column 4 of row 1, 'E' column 11 of row 11.
    EXPECT_EQ(file.bytes[1 * 12 + 1], TILE_START);
    EXPECT_EQ(file.bytes[4 * 12 + 1], TILE_PILE);
    EXPECT_EQ(file.bytes[4 * 12 + 2], TILE_LAND);
    EXPECT_EQ(file.bytes[2 * 12 + 1], TILE_LAND);
    EXPECT_EQ(file.bytes[11 * 12 + 11], TILE_EXIT);
    EXPECT_EQ(file.bytes[0], TILE_WATER);
    EXPECT_EQ(file.bytes[1 * 12 + 0], TILE_WATER);
    for (int i = LEVEL_TILE_BYTES; i < LEVEL_FILE_SIZE; ++i)
        EXPECT_EQ(file.bytes[i], 0) << "byte " << i;
    EXPECT_TRUE(LevelCheck(file).empty());
}

TEST(LevelText, RoundTripsBothWays)
{
    EXPECT_EQ(LevelTextFormat(Parsed(SAMPLE)), SAMPLE);

    // Every tile code in every position, as a level file -> text -> level file.
    LevelFile file = LevelFileBlank();
    const uint8_t codes[] = {TILE_WATER, TILE_LAND, TILE_PILE, TILE_EXIT, TILE_START};
    for (int i = 0; i < LEVEL_TILE_BYTES; ++i)
        file.bytes[i] = codes[(i * 7 + i / 12) % 5];
    EXPECT_EQ(Parsed(LevelTextFormat(file)).bytes, file.bytes);
}

TEST(LevelText, AcceptsCarriageReturnsAndNoFinalNewline)
{
    std::string crlf;
    for (char c : std::string(SAMPLE))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Parsed(crlf).bytes, Parsed(SAMPLE).bytes);
    std::string bare = SAMPLE;
    bare.pop_back();
    EXPECT_EQ(Parsed(bare).bytes, Parsed(SAMPLE).bytes);
}

TEST(LevelText, RejectsWrongShapesAndCharacters)
{
    const std::string sample = SAMPLE;
    const std::string lines[] = {
        sample.substr(13),                               // 11 lines
        sample + "~~~~~~~~~~~~\n",                       // 13 lines
        "~" + sample,                                    // a line of 13
        sample.substr(1),                                // a line of 11
        sample.substr(0, 20) + "x" + sample.substr(21),  // unknown character
        sample.substr(0, 20) + " " + sample.substr(21),  // a space is no tile either
    };
    for (const std::string& text : lines) {
        LevelFile file;
        std::vector<LevelProblem> problems;
        EXPECT_FALSE(LevelTextParse(text, file, problems)) << text;
        EXPECT_TRUE(HasKind(problems, LEVEL_PROBLEM_TEXT_SHAPE)) << text;
    }
    LevelFile file;
    std::vector<LevelProblem> problems;
    LevelTextParse(sample.substr(0, 20) + "x" + sample.substr(21), file, problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].text.find("line 2, character 8"), std::string::npos) << problems[0].text;
}

TEST(LevelCheck, FindsEachKindOfProblem)
{
    const LevelFile good = Parsed(SAMPLE);

    LevelFile shortFile = good;
    shortFile.bytes.resize(LEVEL_TILE_BYTES - 1);
    EXPECT_TRUE(HasKind(LevelCheck(shortFile), LEVEL_PROBLEM_SHORT_FILE));

    LevelFile exact = good;   // 144 bytes is a whole board
    exact.bytes.resize(LEVEL_TILE_BYTES);
    EXPECT_TRUE(LevelCheck(exact).empty());

    for (uint8_t bad : {0, 19, 200}) {
        LevelFile file = good;
        file.bytes[5 * 12 + 7] = bad;
        const auto problems = LevelCheck(file);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].kind, LEVEL_PROBLEM_UNKNOWN_BYTE);
        EXPECT_NE(problems[0].text.find("byte 67"), std::string::npos) << problems[0].text;
    }

    LevelFile tail = good;   // bytes after the board are not read as tiles
    tail.bytes[200] = 99;
    EXPECT_TRUE(LevelCheck(tail).empty());

    LevelFile noStart = good;
    noStart.bytes[1 * 12 + 1] = TILE_LAND;
    EXPECT_TRUE(HasKind(LevelCheck(noStart), LEVEL_PROBLEM_NO_START));

    LevelFile twoStarts = good;
    twoStarts.bytes[4 * 12 + 3] = TILE_START;
    const auto starts = LevelCheck(twoStarts);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].kind, LEVEL_PROBLEM_SEVERAL_STARTS);

    LevelFile noExit = good;
    noExit.bytes[11 * 12 + 11] = TILE_WATER;
    EXPECT_TRUE(HasKind(LevelCheck(noExit), LEVEL_PROBLEM_NO_EXIT));

    LevelFile empty;   // an empty file has every problem at once
    const auto all = LevelCheck(empty);
    EXPECT_TRUE(HasKind(all, LEVEL_PROBLEM_SHORT_FILE));
    EXPECT_TRUE(HasKind(all, LEVEL_PROBLEM_NO_START));
    EXPECT_TRUE(HasKind(all, LEVEL_PROBLEM_NO_EXIT));
}

TEST(LevelFiles, LoadByNameWriteAndReadBack)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quagmore-level-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const LevelFile level = Parsed(SAMPLE);
    std::string error;
    ASSERT_TRUE(LevelWriteBytes((dir / "a.dat").string(), level, error)) << error;
    ASSERT_TRUE(LevelWriteText((dir / "a.txt").string(), SAMPLE, error)) << error;
    EXPECT_EQ(std::filesystem::file_size(dir / "a.dat"), static_cast<uintmax_t>(LEVEL_FILE_SIZE));

    LevelFile fromDat, fromText;
    std::vector<LevelProblem> problems;
    ASSERT_TRUE(LevelLoad((dir / "a.dat").string(), fromDat, problems));
    ASSERT_TRUE(LevelLoad((dir / "a.txt").string(), fromText, problems));
    EXPECT_EQ(fromDat.bytes, level.bytes);
    EXPECT_EQ(fromText.bytes, level.bytes);

    EXPECT_FALSE(LevelLoad((dir / "missing.dat").string(), fromDat, problems));
    EXPECT_TRUE(HasKind(problems, LEVEL_PROBLEM_UNREADABLE));
    EXPECT_FALSE(LevelWriteBytes((dir / "no" / "such" / "dir.dat").string(), level, error));
    std::filesystem::remove_all(dir);
}
