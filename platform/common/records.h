// Records: for every board played, its fewest-moves solve and its
// fewest-pushes solve, each with its moves as letters, kept in the text file
// "records" beside the saved progress. One line per record:
//
//   level=3 board=0123456789abcdef kind=moves moves=22 pushes=5 path=LLURD...
//
// The board is the FNV-1a 64-bit hash of the level file's 144 cell bytes
// (column by column), in 16 lowercase hex digits, so a level file replaced by
// another board starts without records. A line not in exactly this form
// (damaged, foreign, written by a later version) is skipped when read and
// written back unchanged, in its place, whenever the file is rewritten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum RecordKind : uint8_t { RECORD_MOVES, RECORD_PUSHES, RECORD_KINDS };

struct RecordKey {
    int32_t level = 0;
    uint64_t board = 0;
    bool operator==(const RecordKey&) const = default;
};

struct Record {
    RecordKey key;
    RecordKind kind = RECORD_MOVES;
    int32_t moves = 0;
    int32_t pushes = 0;
    std::string path;   // one of L, U, R, D per move
    bool operator==(const Record&) const = default;
};

// The best of a board's records: the fewest moves and the fewest pushes.
struct RecordsBest {
    bool known = false;
    int32_t moves = 0;
    int32_t pushes = 0;
    bool operator==(const RecordsBest&) const = default;
};

// One line of the file: a record, or text kept as it was read.
struct RecordsLine {
    std::string text;   // without its newline
    bool valid = false;
    Record record;      // when valid
};

enum class RecordsState { Missing, Read, Unreadable };

struct RecordsFile {
    RecordsState state = RecordsState::Missing;
    std::string why;              // Unreadable: what is wrong
    std::vector<RecordsLine> lines;
    int damagedLines = 0;         // lines kept but not read
};

// A solve longer than this is not recorded; a line claiming more is no record.
enum { RECORDS_MAX_MOVES = 100000 };
// A records file longer than this is not read, and not written over.
inline constexpr uint64_t RECORDS_MAX_BYTES = 4 * 1024 * 1024;

// FNV-1a 64 of a board's cell bytes: the first LEVEL_TILE_BYTES of its
// level file.
uint64_t RecordsBoardHash(const uint8_t* cells, size_t count);
// The records file of the progress file at progressPath: "records" in its
// directory. The one place where the two paths meet.
std::string RecordsPathBeside(const std::string& progressPath);
// The records file of the saved progress in use.
std::string RecordsPath();

bool RecordsParseLine(const std::string& text, Record* record);
std::string RecordsFormatLine(const Record& record);
// The lines of a file's content; a last line without its newline counts.
RecordsFile RecordsParse(const std::string& content);
// The content that holds the lines, each ending in a newline.
std::string RecordsContent(const RecordsFile& file);

RecordsBest RecordsBestOf(const RecordsFile& file, const RecordKey& key);
// Keeps a solve of the board where it beats the record of a kind: fewer
// moves (fewer pushes breaks a tie) for RECORD_MOVES, fewer pushes (fewer
// moves breaks a tie) for RECORD_PUSHES. A record improved is replaced in its
// line, a new one added at the end. Returns how many records changed.
int RecordsImprove(RecordsFile& file, const RecordKey& key, int32_t moves, int32_t pushes, const std::string& path);

// Reads the file leniently: a missing file is no records; one that can't be
// read (not a regular file, too long, no access, in a directory not ours) is
// Unreadable and is never written over.
RecordsFile RecordsLoad(const std::string& path);
// Replaces the file with the lines (a new file renamed over the old). False
// with *why when it did not reach the disk.
bool RecordsSave(const std::string& path, const RecordsFile& file, std::string* why);
