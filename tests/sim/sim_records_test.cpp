// Records through the game: written on a first solve, improved by fewer
// moves or by fewer pushes, kept across runs, keyed by the board, and a
// records file that is damaged or can't be read.
#include "sim_harness.h"

#include <filesystem>
#include <sstream>

namespace {

// The two routes of TWO_ROUTES_LEVEL.
const char* const PUSH_ROUTE = "hold right\nrun 30\nhold\nrun 1\n";                               // RRR: 3 / 1
const char* const LAND_ROUTE = "hold up\nrun 10\nhold right\nrun 30\nhold down\nrun 10\nhold\nrun 1\n";  // URRRD: 5 / 0

// A records line with its board hash taken out: the line with "board=*",
// and the hash.
std::pair<std::string, std::string> SplitBoard(const std::string& line)
{
    const std::string key = "board=";
    const size_t HASH_DIGITS = 16;
    const size_t at = line.find(key);
    if (at == std::string::npos)
        return {line, ""};
    const size_t start = at + key.size();
    const std::string hash = line.substr(start, HASH_DIGITS);
    const bool wellFormed = hash.size() == HASH_DIGITS && hash.find_first_not_of("0123456789abcdef") == std::string::npos &&
                            line.compare(start + HASH_DIGITS, 1, " ") == 0;
    if (!wellFormed)
        return {line, ""};
    return {line.substr(0, start) + "* " + line.substr(start + HASH_DIGITS + 1), hash};
}

Lines FileLines(const std::string& path)
{
    Lines lines;
    std::istringstream in(ReadFileText(path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

Lines WithoutBoards(const Lines& lines)
{
    Lines out;
    for (const std::string& line : lines)
        out.push_back(SplitBoard(line).first);
    return out;
}

std::string Line(int level, const char* kind, int moves, int pushes, const char* path)
{
    return "level=" + std::to_string(level) + " board=* kind=" + kind + " moves=" + std::to_string(moves) +
           " pushes=" + std::to_string(pushes) + " path=" + path;
}

} // namespace

// Which solve beats which record is the records' unit tests'; here the game
// hands its solves over and shows the best to beat.
TEST_F(SimTest, RecordsAreWrittenInTheFrameOfTheSolveAndShown)
{
    WriteLevel("level1.dat", TWO_ROUTES_LEVEL);
    WriteLevel("level2.dat", TWO_ROUTES_LEVEL);
    SimResult run = Run(std::string("print records\nprint marks\n") + PUSH_ROUTE +
                        "print records\nprint status\nmenu 21\nrun 1\nprint status\n" + LAND_ROUTE +
                        "print records\nprint marks\nmenu 22\nrun 1\nprint status\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.recordEvents, (Lines{"31 record 1 3 1", "83 record 1 5 0"}));
    EXPECT_EQ(run.EventsOf("sound bifald"), (Lines{"31 sound bifald.wav", "83 sound bifald.wav"}));
    ASSERT_EQ(run.records.size(), 3u);
    EXPECT_EQ(run.records[0], Lines{"none"});
    EXPECT_EQ(WithoutBoards(run.records[1]), (Lines{Line(1, "moves", 3, 1, "RRR"), Line(1, "pushes", 3, 1, "RRR")}));
    EXPECT_EQ(WithoutBoards(run.records[2]), (Lines{Line(1, "moves", 3, 1, "RRR"), Line(1, "pushes", 5, 0, "URRRD")}));
    EXPECT_EQ(run.marks, (Lines{"", "1: 3 / 0"}));
    // The status line shows the best to beat, as it stood when the level started.
    EXPECT_EQ(run.statuses, (Lines{"Level 1   Moves 3   Pushes 1", "Level 1   Moves 0   Pushes 0   Best 3 / 1",
                                   "Level 2   Moves 0   Pushes 0"}));
}

TEST_F(SimTest, RecordsAreKeptAcrossRunsAndFollowUndoAndRestart)
{
    WriteLevel("level1.dat", TWO_ROUTES_LEVEL);
    WriteLevel("level2.dat", TWO_ROUTES_LEVEL);
    SimResult first = Run(LAND_ROUTE);
    ASSERT_EQ(first.code, 0) << first.err;
    const Lines written = FileLines(home + "/config/quagmore/records");
    // On level 2, a solve through an undo, a restart and the undo of that
    // restart records only the moves that stayed.
    SimResult second = Run("menu 21\nrun 1\nprint marks\nprint status\n"
                           "menu 22\nrun 1\nhold up\nrun 10\nhold left\nrun 10\nhold z\nrun 1\n"
                           "hold r\nrun 1\nhold z\nrun 1\nhold right\nrun 30\nhold down\nrun 10\nhold\nrun 1\n"
                           "print records\n");
    ASSERT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(second.marks, Lines{"1: 5 / 0"});
    EXPECT_EQ(second.statuses, Lines{"Level 1   Moves 0   Pushes 0   Best 5 / 0"});
    EXPECT_EQ(WithoutBoards(written), (Lines{Line(1, "moves", 5, 0, "URRRD"), Line(1, "pushes", 5, 0, "URRRD")}));
    ASSERT_EQ(second.records.size(), 1u);
    EXPECT_EQ(Lines(second.records[0].begin(), second.records[0].begin() + 2), written);
    EXPECT_EQ(WithoutBoards(Lines(second.records[0].begin() + 2, second.records[0].end())),
              (Lines{Line(2, "moves", 5, 0, "URRRD"), Line(2, "pushes", 5, 0, "URRRD")}));
    EXPECT_EQ(second.recordEvents, Lines{"66 record 2 5 0"});
}

TEST_F(SimTest, RecordsBelongToTheBoardNotToTheLevelFile)
{
    WriteLevel("level1.dat", TWO_ROUTES_LEVEL);
    WriteLevel("level2.dat", TWO_ROUTES_LEVEL);
    ASSERT_EQ(Run(PUSH_ROUTE).code, 0);
    // The bytes after the board are no part of it.
    WriteLevel("level1.dat", TWO_ROUTES_LEVEL, 77);
    const char* const look = "menu 21\nrun 1\nprint marks\nprint status\n";
    SimResult sameBoard = Run(look);
    EXPECT_EQ(sameBoard.marks, Lines{"1: 3 / 1"});
    EXPECT_EQ(sameBoard.statuses, Lines{"Level 1   Moves 0   Pushes 0   Best 3 / 1"});
    // Another board under the same name starts afresh; the old board's
    // records stay in the file.
    WriteLevel("level1.dat", With(TWO_ROUTES_LEVEL, {{1, 1, '~'}}));
    SimResult otherBoard = Run(std::string(look) + LAND_ROUTE + "print records\nprint marks\n");
    ASSERT_EQ(otherBoard.code, 0) << otherBoard.err;
    EXPECT_EQ(otherBoard.marks, (Lines{"", "1: 5 / 0"}));
    EXPECT_EQ(otherBoard.statuses, Lines{"Level 1   Moves 0   Pushes 0"});
    EXPECT_EQ(otherBoard.recordEvents, Lines{"52 record 1 5 0"});
    ASSERT_EQ(otherBoard.records.size(), 1u);
    const Lines& lines = otherBoard.records[0];
    EXPECT_EQ(WithoutBoards(lines), (Lines{Line(1, "moves", 3, 1, "RRR"), Line(1, "pushes", 3, 1, "RRR"),
                                           Line(1, "moves", 5, 0, "URRRD"), Line(1, "pushes", 5, 0, "URRRD")}));
    EXPECT_NE(SplitBoard(lines[0]).second, SplitBoard(lines[2]).second);
}

TEST_F(SimTest, DamagedOrUnreadableRecordsNeverStopTheGameOrTouchTheProgress)
{
    WriteLevel("level1.dat", TWO_ROUTES_LEVEL);
    WriteLevel("level2.dat", TWO_ROUTES_LEVEL);
    const std::string file = home + "/config/quagmore/records";
    const Lines damaged = {"# kept by hand", "level=1 board=0123456789abcdef kind=moves moves=9 pushes=0 path=RR",
                           std::string("\x01\xfe junk\x7f", 8), "level=2 board=0123456789abcdef kind=pushes moves=2 pushes=1 path=RL"};
    WriteProgress(1);
    WriteString(file, damaged[0] + "\n" + damaged[1] + "\n" + damaged[2] + "\n" + damaged[3] + "\n");
    SimResult run = Run(std::string(PUSH_ROUTE) + "print records\nprint saved\nprint marks\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.recordEvents, Lines{"31 record 1 3 1"});
    ASSERT_EQ(run.records.size(), 1u);
    EXPECT_EQ(Lines(run.records[0].begin(), run.records[0].begin() + 4), damaged);
    EXPECT_EQ(WithoutBoards(Lines(run.records[0].begin() + 4, run.records[0].end())),
              (Lines{Line(1, "moves", 3, 1, "RRR"), Line(1, "pushes", 3, 1, "RRR")}));
    EXPECT_EQ(run.saved, Lines{"2"});
    EXPECT_EQ(run.marks, Lines{"1: 3 / 1"});
    // Said once, though the file was read twice.
    EXPECT_EQ(run.err, "Quagmore: " + file + ": 3 lines not read as records, kept as written\n");

    // A directory where the file should be: no records, and the rest as ever.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    WriteProgress(1);
    SimResult unreadable = Run(std::string(PUSH_ROUTE) + "print records\nprint saved\nprint marks\n");
    ASSERT_EQ(unreadable.code, 0) << unreadable.err;
    EXPECT_EQ(unreadable.recordEvents, Lines{});
    EXPECT_EQ(unreadable.records, std::vector<Lines>{Lines{"unreadable"}});
    EXPECT_EQ(unreadable.saved, Lines{"2"});
    EXPECT_EQ(unreadable.EventsOf("message"), Lines{});
    EXPECT_NE(unreadable.err.find("the records could not be read"), std::string::npos) << unreadable.err;
    EXPECT_TRUE(std::filesystem::is_directory(file));
}
