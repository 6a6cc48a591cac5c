// The records file: its lines read and written, the board hash, and the rules
// by which a solve becomes a record.
#include "platform/common/records.h"
#include "platform/common/common.h"
#include "platform/common/safe_file.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>

namespace {

const char* const RECORDS_FILE = "records";
const unsigned RECORDS_MODE = 0644;
const uint64_t FNV_OFFSET_BASIS = 0xcbf29ce484222325ULL;
const uint64_t FNV_PRIME = 0x100000001b3ULL;
const int BOARD_HEX_DIGITS = 16;
const int32_t RECORDS_MAX_LEVEL = 255;
const char* const MOVE_LETTERS = "LURD";

const char* const KIND_NAMES[RECORD_KINDS] = {"moves", "pushes"};

// Reads "name=" at *at; true and *at past it when it is there.
bool TakeName(const std::string& text, size_t* at, const char* name)
{
    std::string field = std::string(name) + "=";
    if (text.compare(*at, field.size(), field) != 0)
        return false;
    *at += field.size();
    return true;
}

// A field's value runs to the next blank or the end of the line.
std::string TakeValue(const std::string& text, size_t* at)
{
    size_t end = text.find(' ', *at);
    if (end == std::string::npos)
        end = text.size();
    std::string value = text.substr(*at, end - *at);
    *at = end;
    return value;
}

// One blank between fields, nothing after the last.
bool TakeBlank(const std::string& text, size_t* at)
{
    if (*at >= text.size() || text[*at] != ' ')
        return false;
    ++*at;
    return true;
}

// Decimal digits, no sign, at most limit.
bool ParseNumber(const std::string& value, int32_t limit, int32_t* number)
{
    if (value.empty())
        return false;
    int64_t total = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
        total = total * 10 + (c - '0');
        if (total > limit)
            return false;
    }
    *number = static_cast<int32_t>(total);
    return true;
}

bool ParseBoard(const std::string& value, uint64_t* board)
{
    if (value.size() != BOARD_HEX_DIGITS)
        return false;
    uint64_t total = 0;
    for (char c : value) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return false;
        total = total << 4 | static_cast<uint64_t>(digit);
    }
    *board = total;
    return true;
}

bool ParseKind(const std::string& value, RecordKind* kind)
{
    for (int k = 0; k < RECORD_KINDS; ++k)
        if (value == KIND_NAMES[k]) {
            *kind = static_cast<RecordKind>(k);
            return true;
        }
    return false;
}

bool IsMovePath(const std::string& path)
{
    return path.find_first_not_of(MOVE_LETTERS) == std::string::npos;
}

// Whether a solve beats a record of the kind.
bool Beats(RecordKind kind, int32_t moves, int32_t pushes, const Record& record)
{
    if (kind == RECORD_MOVES)
        return moves < record.moves || (moves == record.moves && pushes < record.pushes);
    return pushes < record.pushes || (pushes == record.pushes && moves < record.moves);
}

std::string DirectoryOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

uint64_t RecordsBoardHash(const uint8_t* cells, size_t count)
{
    uint64_t hash = FNV_OFFSET_BASIS;
    for (size_t i = 0; i < count; ++i) {
        hash ^= cells[i];
        hash *= FNV_PRIME;
    }
    return hash;
}

std::string RecordsPathBeside(const std::string& progressPath)
{
    return DirectoryOf(progressPath) + "/" + RECORDS_FILE;
}

std::string RecordsPath()
{
    return RecordsPathBeside(PlatformProgressPath());
}

bool RecordsParseLine(const std::string& text, Record* record)
{
    Record parsed;
    size_t at = 0;
    uint64_t board = 0;
    if (!TakeName(text, &at, "level") || !ParseNumber(TakeValue(text, &at), RECORDS_MAX_LEVEL, &parsed.key.level))
        return false;
    if (!TakeBlank(text, &at) || !TakeName(text, &at, "board") || !ParseBoard(TakeValue(text, &at), &board))
        return false;
    parsed.key.board = board;
    if (!TakeBlank(text, &at) || !TakeName(text, &at, "kind") || !ParseKind(TakeValue(text, &at), &parsed.kind))
        return false;
    if (!TakeBlank(text, &at) || !TakeName(text, &at, "moves") ||
        !ParseNumber(TakeValue(text, &at), RECORDS_MAX_MOVES, &parsed.moves))
        return false;
    if (!TakeBlank(text, &at) || !TakeName(text, &at, "pushes") ||
        !ParseNumber(TakeValue(text, &at), parsed.moves, &parsed.pushes))
        return false;
    if (!TakeBlank(text, &at) || !TakeName(text, &at, "path"))
        return false;
    parsed.path = TakeValue(text, &at);
    // The moves are the path's letters; nothing follows it.
    if (at != text.size() || parsed.path.size() != static_cast<size_t>(parsed.moves) || !IsMovePath(parsed.path))
        return false;
    *record = parsed;
    return true;
}

std::string RecordsFormatLine(const Record& record)
{
    char head[128];
    std::snprintf(head, sizeof head, "level=%d board=%016" PRIx64 " kind=%s moves=%d pushes=%d path=",
                  static_cast<int>(record.key.level), record.key.board, KIND_NAMES[record.kind],
                  static_cast<int>(record.moves), static_cast<int>(record.pushes));
    return head + record.path;
}

RecordsFile RecordsParse(const std::string& content)
{
    RecordsFile file;
    file.state = RecordsState::Read;
    size_t at = 0;
    while (at < content.size()) {
        size_t end = content.find('\n', at);
        if (end == std::string::npos)
            end = content.size();
        RecordsLine line;
        line.text = content.substr(at, end - at);
        line.valid = RecordsParseLine(line.text, &line.record);
        if (!line.valid)
            ++file.damagedLines;
        file.lines.push_back(std::move(line));
        at = end + 1;
    }
    return file;
}

std::string RecordsContent(const RecordsFile& file)
{
    std::string content;
    for (const RecordsLine& line : file.lines)
        content += line.text + "\n";
    return content;
}

RecordsBest RecordsBestOf(const RecordsFile& file, const RecordKey& key)
{
    RecordsBest best;
    for (const RecordsLine& line : file.lines) {
        if (!line.valid || !(line.record.key == key))
            continue;
        if (!best.known || line.record.moves < best.moves)
            best.moves = line.record.moves;
        if (!best.known || line.record.pushes < best.pushes)
            best.pushes = line.record.pushes;
        best.known = true;
    }
    return best;
}

int RecordsImprove(RecordsFile& file, const RecordKey& key, int32_t moves, int32_t pushes, const std::string& path)
{
    if (moves < 0 || moves > RECORDS_MAX_MOVES || pushes < 0 || pushes > moves ||
        path.size() != static_cast<size_t>(moves) || !IsMovePath(path))
        return 0;
    int changed = 0;
    for (int k = 0; k < RECORD_KINDS; ++k) {
        RecordKind kind = static_cast<RecordKind>(k);
        // The line holding the record now: the best of the kind when the
        // file has more than one.
        RecordsLine* held = nullptr;
        for (RecordsLine& line : file.lines)
            if (line.valid && line.record.key == key && line.record.kind == kind &&
                (held == nullptr || Beats(kind, line.record.moves, line.record.pushes, held->record)))
                held = &line;
        if (held != nullptr && !Beats(kind, moves, pushes, held->record))
            continue;
        RecordsLine line;
        line.valid = true;
        line.record = Record{key, kind, moves, pushes, path};
        line.text = RecordsFormatLine(line.record);
        if (held != nullptr)
            *held = std::move(line);
        else
            file.lines.push_back(std::move(line));
        ++changed;
    }
    return changed;
}

RecordsFile RecordsLoad(const std::string& path)
{
    RecordsFile file;
    if (!PlatformUserDirTrusted(DirectoryOf(path))) {
        file.state = RecordsState::Unreadable;
        file.why = "its directory is not the player's own";
        return file;
    }
    std::string content;
    std::string why;
    if (!SafeFileRead(path, RECORDS_MAX_BYTES, &content, &why)) {
        if (errno != ENOENT) {
            file.state = RecordsState::Unreadable;
            file.why = why;
        }
        return file;
    }
    return RecordsParse(content);
}

bool RecordsSave(const std::string& path, const RecordsFile& file, std::string* why)
{
    if (file.state == RecordsState::Unreadable) {
        *why = "the records file can't be read and is left as it is";
        return false;
    }
    std::string problem;
    if (!PlatformUserDirUsable(DirectoryOf(path), &problem)) {
        *why = problem;
        return false;
    }
    return SafeFileWrite(path, RecordsContent(file), RECORDS_MODE, why);
}
