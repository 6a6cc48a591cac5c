// The records file: its line form, lines kept as they were, the keying by
// board, the rules by which a solve beats a record, and files that can't be
// read.
#include "platform/common/records.h"
#include "platform/platform.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const RecordKey LEVEL_3{3, 0x0123456789abcdefULL};

// The records of the file, one "kind moves pushes path" each, in line order.
std::vector<std::string> Kept(const RecordsFile& file)
{
    std::vector<std::string> kept;
    for (const RecordsLine& line : file.lines)
        kept.push_back(line.valid ? std::string(line.record.kind == RECORD_MOVES ? "moves " : "pushes ") +
                                        std::to_string(line.record.moves) + " " + std::to_string(line.record.pushes) +
                                        " " + line.record.path
                                  : "kept " + line.text);
    return kept;
}

} // namespace

TEST(Records, LineFormReadsBackAndRejectsAnythingElse)
{
    const Record record{LEVEL_3, RECORD_PUSHES, 6, 2, "RRDLUR"};
    const std::string line = RecordsFormatLine(record);
    EXPECT_EQ(line, "level=3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR");
    Record read;
    ASSERT_TRUE(RecordsParseLine(line, &read));
    EXPECT_EQ(read, record);
    // A solve of no moves has an empty path.
    ASSERT_TRUE(RecordsParseLine("level=0 board=ffffffffffffffff kind=moves moves=0 pushes=0 path=", &read));
    EXPECT_EQ(read.key.board, ~0ULL);

    const char* const damaged[] = {
        "level=3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLU",      // path shorter than the moves
        "level=3 board=0123456789abcdef kind=pushes moves=6 pushes=7 path=RRDLUR",     // more pushes than moves
        "level=3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUX",     // no move letter
        "level=3 board=0123456789ABCDEF kind=pushes moves=6 pushes=2 path=RRDLUR",     // upper-case hex
        "level=3 board=0123456789abcde kind=pushes moves=6 pushes=2 path=RRDLUR",      // 15 digits
        "level=256 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR",   // no level byte
        "level=3 board=0123456789abcdef kind=steps moves=6 pushes=2 path=RRDLUR",      // unknown kind
        "level=3 board=0123456789abcdef kind=pushes pushes=2 moves=6 path=RRDLUR",     // fields swapped
        "level=3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR ",    // a blank after
        "level=3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR\r",   // a CR after
        "level=3  board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR",    // two blanks
        "level=-3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR",    // a sign
        "level=3 board=0123456789abcdef kind=moves moves=100001 pushes=0 path=",       // over the move limit
        "# level=3 board=0123456789abcdef kind=pushes moves=6 pushes=2 path=RRDLUR",
        "",
    };
    for (const char* text : damaged)
        EXPECT_FALSE(RecordsParseLine(text, &read)) << text;
}

TEST(Records, BoardHashIsFnv1a64OverTheCells)
{
    // The published FNV-1a 64 values of "" and "a".
    const uint8_t a = 'a';
    EXPECT_EQ(RecordsBoardHash(&a, 0), 0xcbf29ce484222325ULL);
    EXPECT_EQ(RecordsBoardHash(&a, 1), 0xaf63dc4c8601ec8cULL);
}

TEST(Records, SolvesBeatRecordsByMovesOrByPushesAndEachBoardHasItsOwn)
{
    RecordsFile file;
    // The first solve is both records.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 9, 3, "RRRRRRRRR"), 2);
    // Worse or equal: nothing changes.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 9, 3, "LLLLLLLLL"), 0);
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 11, 4, "RRRRRRRRRRR"), 0);
    // Fewer moves, more pushes: the moves record only.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 7, 4, "UUUUUUU"), 1);
    // Fewer pushes, more moves: the pushes record only.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 12, 1, "DDDDDDDDDDDD"), 1);
    // Ties are broken by the other count.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 7, 2, "LLLLLLL"), 1);
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 10, 1, "RRRRRRRRRR"), 1);
    EXPECT_EQ(Kept(file), (std::vector<std::string>{"moves 7 2 LLLLLLL", "pushes 10 1 RRRRRRRRRR"}));
    EXPECT_EQ(RecordsBestOf(file, LEVEL_3), (RecordsBest{true, 7, 1}));

    // The same level on another board, and another level on the same board,
    // start afresh and leave level 3's records alone.
    const RecordKey otherBoard{3, LEVEL_3.board + 1};
    const RecordKey otherLevel{4, LEVEL_3.board};
    EXPECT_FALSE(RecordsBestOf(file, otherBoard).known);
    EXPECT_EQ(RecordsImprove(file, otherBoard, 20, 5, std::string(20, 'U')), 2);
    EXPECT_EQ(RecordsImprove(file, otherLevel, 30, 6, std::string(30, 'D')), 2);
    EXPECT_EQ(RecordsBestOf(file, otherBoard), (RecordsBest{true, 20, 5}));
    EXPECT_EQ(RecordsBestOf(file, LEVEL_3), (RecordsBest{true, 7, 1}));
    EXPECT_EQ(file.lines.size(), 6u);

    // A solve that could not be read back is not kept.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 3, 0, "RR"), 0);
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 3, 0, "RxR"), 0);
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 3, 4, "RRR"), 0);
}

TEST(Records, LinesThatAreNoRecordsAreKeptInTheirPlace)
{
    const std::string damaged = "level=3 board=0123456789abcdef kind=moves moves=2 pushes=0 path=R";
    const std::string binary("\x00\xff\x01junk", 7);
    const std::string content = "# my notes\n" + damaged + "\n" +
                                RecordsFormatLine({LEVEL_3, RECORD_MOVES, 5, 1, "RRDDL"}) + "\n" + binary + "\n\n" +
                                "level=9 board=0000000000000000 kind=moves";   // no newline at the end
    RecordsFile file = RecordsParse(content);
    EXPECT_EQ(file.damagedLines, 5);
    EXPECT_EQ(RecordsBestOf(file, LEVEL_3), (RecordsBest{true, 5, 1}));   // the damaged line counts for nothing
    // The moves record is rewritten in its line; the pushes record is new.
    EXPECT_EQ(RecordsImprove(file, LEVEL_3, 4, 1, "RRDD"), 2);
    EXPECT_EQ(Kept(file), (std::vector<std::string>{"kept # my notes", "kept " + damaged, "moves 4 1 RRDD",
                                                   "kept " + binary, "kept ", "kept level=9 board=0000000000000000 kind=moves",
                                                   "pushes 4 1 RRDD"}));
    // Written back, every line ends in a newline and reads the same.
    RecordsFile again = RecordsParse(RecordsContent(file));
    EXPECT_EQ(Kept(again), Kept(file));
    EXPECT_EQ(RecordsContent(again), RecordsContent(file));
}

TEST(Records, FilesOnDiskMissingDamagedOrUnreadable)
{
    TempDir dir{"quagmore-records"};
    ASSERT_FALSE(dir.path.empty());
    const std::string config = dir.path + "/config";
    fs::create_directories(config);
    chmod(config.c_str(), 0700);
    const std::string path = RecordsPathBeside(config + "/progress");
    EXPECT_EQ(path, config + "/records");

    // Missing: nothing to read, and the first save makes the file.
    RecordsFile file = RecordsLoad(path);
    EXPECT_EQ(file.state, RecordsState::Missing);
    RecordsImprove(file, LEVEL_3, 2, 0, "RR");
    std::string why;
    ASSERT_TRUE(RecordsSave(path, file, &why)) << why;
    EXPECT_EQ(ReadFileText(path), RecordsContent(file));
    EXPECT_EQ(Kept(RecordsLoad(path)), Kept(file));

    // Too long, a directory, a FIFO: not read, and never written over.
    const std::string huge(RECORDS_MAX_BYTES + 1, 'x');
    WriteFileText(path, huge);
    RecordsFile tooLong = RecordsLoad(path);
    EXPECT_EQ(tooLong.state, RecordsState::Unreadable);
    EXPECT_FALSE(tooLong.why.empty());
    EXPECT_FALSE(RecordsSave(path, tooLong, &why));
    EXPECT_EQ(fs::file_size(path), huge.size());
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_EQ(RecordsLoad(path).state, RecordsState::Unreadable);
    fs::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(RecordsLoad(path).state, RecordsState::Unreadable);
}
