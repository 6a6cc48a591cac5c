// Records in the shell: a solve the game reports becomes a record when it
// beats the one kept; the Levels menu shows the best of every level that has
// one, and the status line the best to beat on the level being played: the
// records as they stood when it started.
#include "app/app.h"
#include "app/campaign.h"

#include "platform/common/records.h"

#include <cstdio>
#include <string>

namespace {

const char* const RECORD_TRACE = "record";

struct RecordsShell {
    bool loaded = false;
    RecordsFile file;     // as last read or written
    bool told = false;    // the file's damage has been said on stderr
    GameBest statusBest;  // of the level being played, from its start
};

RecordsShell Shell;

RecordKey KeyOf(int32_t level, const int8_t* cells)
{
    return RecordKey{level, RecordsBoardHash(reinterpret_cast<const uint8_t*>(cells), LEVEL_TILE_BYTES)};
}

GameBest BestOf(int32_t level, const int8_t* cells)
{
    RecordsBest best = RecordsBestOf(Shell.file, KeyOf(level, cells));
    return GameBest{best.known, best.moves, best.pushes};
}

// Says once on stderr what is wrong with the file; the game goes on.
void TellDamage(const std::string& path, const RecordsFile& file)
{
    if (Shell.told)
        return;
    if (file.state == RecordsState::Unreadable) {
        std::fprintf(stderr, "Quagmore: the records could not be read (%s): %s is left as it is; no records are saved "
                     "until it is mended or removed\n", file.why.c_str(), path.c_str());
        Shell.told = true;
    } else if (file.damagedLines > 0) {
        std::fprintf(stderr, "Quagmore: %s: %d line%s not read as records, kept as written\n", path.c_str(),
                     file.damagedLines, file.damagedLines == 1 ? "" : "s");
        Shell.told = true;
    }
}

void Load()
{
    std::string path = RecordsPath();
    Shell.file = RecordsLoad(path);
    Shell.loaded = true;
    TellDamage(path, Shell.file);
}

bool HasRecords(const RecordsFile& file)
{
    for (const RecordsLine& line : file.lines)
        if (line.valid)
            return true;
    return false;
}

// The Levels menu: each level whose board has a record is marked with its
// best. The boards are read from the level files only when there are records.
void MarkLevelMenu()
{
    if (!HasRecords(Shell.file))
        return;
    for (int32_t level = 1; level <= AppCampaignLevelCount(); ++level) {
        int8_t bytes[LEVEL_FILE_SIZE] = {};
        std::string mark;
        if (AppReadLevelFile(level, bytes, sizeof bytes, nullptr)) {
            GameBest best = BestOf(level, bytes);
            if (best.known)
                mark = std::to_string(best.moves) + " / " + std::to_string(best.pushes);
        }
        PlatformMenuSetMark(AppLevelCommand(level), mark);
    }
}

} // namespace

void RecordsShowInMenu()
{
    if (!Shell.loaded)
        Load();
    MarkLevelMenu();
}

void RecordsLevelStarted()
{
    if (!Shell.loaded)
        Load();
    Shell.statusBest = BestOf(Game.currentLevel, Game.levelBuffer);
}

GameBest RecordsStatusBest()
{
    return Shell.statusBest;
}

void RecordsCampaignChanged()
{
    Shell.told = false;
    Load();
    MarkLevelMenu();
}

void RecordsSolved(const GameSolve& solve)
{
    // A single level file brought by the player keeps nothing.
    if (!AppCampaignKeepsRecords())
        return;
    // Read afresh, so that what changed in the file meanwhile is kept.
    std::string path = RecordsPath();
    RecordsFile file = RecordsLoad(path);
    TellDamage(path, file);
    if (file.state == RecordsState::Unreadable)
        return;
    if (RecordsImprove(file, KeyOf(solve.level, solve.cells), solve.moves, solve.pushes, solve.path) == 0) {
        Shell.file = file;
        return;
    }
    std::string why;
    if (!RecordsSave(path, file, &why)) {
        std::fprintf(stderr, "Quagmore: the record of level %d could not be saved: %s\n", static_cast<int>(solve.level),
                     why.c_str());
        return;
    }
    Shell.file = file;
    Shell.loaded = true;
    PlatformTraceText(RECORD_TRACE, std::to_string(solve.level) + " " + std::to_string(solve.moves) + " " +
                                        std::to_string(solve.pushes));
    MarkLevelMenu();
}

bool RecordsBestPath(int32_t level, const int8_t* cells, std::string* path)
{
    if (!Shell.loaded)
        Load();
    const RecordKey key = KeyOf(level, cells);
    for (const RecordsLine& line : Shell.file.lines) {
        if (line.valid && line.record.key == key && line.record.kind == RECORD_PUSHES && !line.record.path.empty()) {
            *path = line.record.path;
            return true;
        }
    }
    return false;
}
