// Watch solution in the shell: once the rules want a watch, the path comes
// from the player's best in the records when the board has one, else from
// the solver, asked on a worker of its own so that no frame waits for it.
#include "app/app.h"

#include "game/watch.h"

#include <cstdio>
#include <memory>

namespace {

const char* const WATCH_TRACE = "watch";

struct WatchShell {
    SolverWorkerKind kind = SOLVER_WORKER_THREAD;
    SolverBudget budget = AppGameSolverBudget();
    std::unique_ptr<SolverWorker> worker;   // made at the first search
    uint64_t askedId = 0;
};

WatchShell Shell;

const char* EndName(GameWatchEnd end)
{
    switch (end) {
    case WATCH_END_EXIT: return "exit";
    case WATCH_END_STOPPED: return "stopped";
    case WATCH_END_LEVEL: return "level";
    case WATCH_END_PATH: return "path";
    case WATCH_END_NONE: break;
    }
    return "none";
}

// The position the current level starts from, as its file holds it.
bool StartPosition(SolverPosition& position)
{
    LevelFile file;
    file.bytes.assign(reinterpret_cast<const uint8_t*>(Game.levelBuffer),
                      reinterpret_cast<const uint8_t*>(Game.levelBuffer) + LEVEL_FILE_SIZE);
    return SolverPositionFromLevel(file, position);
}

// The player's best of the board, when it still leads from the start to the
// exit (the records file may have been edited by hand).
bool BestPath(std::string& path)
{
    SolverPosition start;
    if (!RecordsBestPath(Game.currentLevel, Game.levelBuffer, &path) || !StartPosition(start))
        return false;
    bool reachedExit = false;
    int pushes = 0;
    SolverReplay(start, path, reachedExit, pushes);
    if (!reachedExit)
        std::fprintf(stderr, "Quagmore: the record of level %d does not reach the exit; the solver's path is shown\n",
                     static_cast<int>(Game.currentLevel));
    return reachedExit;
}

void Begin(const std::string& path, GameWatchSource source)
{
    GameEffects effects;
    WatchBegin(Game, path, source, AppLevelStore(), effects);
    AppApplyEffects(effects);
    if (WatchPlaying(Game))
        PlatformTraceText(WATCH_TRACE, std::string(source == WATCH_SOURCE_BEST ? "best " : "solution ") +
                                           std::to_string(path.size()));
}

void Refuse(GameWatchNote note)
{
    WatchRefuse(Game, note);
    PlatformTraceText(WATCH_TRACE, note == WATCH_NOTE_UNSOLVABLE ? "unsolvable" : "undecided");
}

void Search()
{
    SolverPosition start;
    if (!StartPosition(start)) {
        Refuse(WATCH_NOTE_UNSOLVABLE);
        return;
    }
    if (Shell.worker == nullptr)
        Shell.worker = std::make_unique<SolverWorker>(Shell.kind);
    Shell.askedId = Shell.worker->Ask(start, Shell.budget);
    WatchSearching(Game);
    PlatformTraceText(WATCH_TRACE, "searching");
}

void TakeAnswer()
{
    if (Shell.worker == nullptr)
        return;
    std::optional<SolverAnswer> answer = Shell.worker->Take();
    if (!answer || answer->id != Shell.askedId)
        return;
    switch (answer->result.outcome) {
    case SOLVER_SOLVED:
        Begin(answer->result.moves, WATCH_SOURCE_SOLVER);
        break;
    case SOLVER_UNSOLVABLE:
        Refuse(WATCH_NOTE_UNSOLVABLE);
        break;
    case SOLVER_UNDECIDED:
        Refuse(WATCH_NOTE_UNDECIDED);
        break;
    }
}

} // namespace

void AppWatchSetup(SolverWorkerKind kind, const SolverBudget& budget)
{
    Shell.worker.reset();
    Shell.kind = kind;
    Shell.budget = budget;
    Shell.askedId = 0;
}

void AppWatchFrame()
{
    GameWatch& watch = Game.watch;
    if (watch.ended != WATCH_END_NONE) {
        PlatformTraceText(WATCH_TRACE, std::string("end ") + EndName(watch.ended));
        watch.ended = WATCH_END_NONE;
    }
    switch (watch.phase) {
    case WATCH_OFF:
    case WATCH_PLAYING:
        // A search no longer wanted is dropped.
        if (Shell.worker != nullptr && Shell.worker->Busy())
            Shell.worker->Cancel();
        break;
    case WATCH_WANTED: {
        std::string best;
        if (BestPath(best))
            Begin(best, WATCH_SOURCE_BEST);
        else
            Search();
        break;
    }
    case WATCH_SEARCHING:
        TakeAnswer();
        break;
    }
}

void AppWatchStop()
{
    Shell.worker.reset();
}
