// Watching a solution: the keys that stop it, the path that steers the
// player, and the level given back from its start with the player's history.
#include "game/watch.h"

#include "game/play.h"

#include <utility>

namespace {

// The keys of a frame that count as keys here, one bit each. F1 is not among
// them: its panel holds the game and gives it back as it was.
bool GameInput::* const WATCH_KEYS[] = {
    &GameInput::left,  &GameInput::up,     &GameInput::right, &GameInput::down,  &GameInput::reset,
    &GameInput::editor, &GameInput::save,  &GameInput::load,  &GameInput::escape, &GameInput::enter,
    &GameInput::undo,  &GameInput::skip,   &GameInput::play,  &GameInput::grid,  &GameInput::hint,
    &GameInput::watch,
};
const uint32_t WATCH_KEY_BIT = 1u << (sizeof WATCH_KEYS / sizeof WATCH_KEYS[0] - 1);

uint32_t KeysOf(const GameInput& input)
{
    uint32_t bits = 0;
    for (size_t at = 0; at < sizeof WATCH_KEYS / sizeof WATCH_KEYS[0]; ++at)
        if (input.*WATCH_KEYS[at])
            bits |= 1u << at;
    return bits;
}

void ReleaseKeys(GameInput& input, uint32_t bits)
{
    for (size_t at = 0; at < sizeof WATCH_KEYS / sizeof WATCH_KEYS[0]; ++at)
        if (bits & (1u << at))
            input.*WATCH_KEYS[at] = false;
}

void Request(GameModel& model)
{
    // Nothing to watch in the editor, its play-test or a solve's sequence.
    if (model.editor || model.edit.playTest || model.levelComplete)
        return;
    model.watch.phase = WATCH_WANTED;
    model.watch.note = WATCH_NOTE_NONE;
}

void Forget(GameWatch& watch, GameWatchEnd end)
{
    watch.phase = WATCH_OFF;
    watch.path.clear();
    watch.played = 0;
    watch.undo.clear();
    watch.ended = end;
}

bool Wanted(const GameWatch& watch)
{
    return watch.phase == WATCH_WANTED || watch.phase == WATCH_SEARCHING;
}

} // namespace

GameInput WatchTakeKeys(GameModel& model, const GameInput& input)
{
    GameWatch& watch = model.watch;
    const uint32_t down = KeysOf(input);
    const uint32_t pressed = down & ~watch.keysDown;
    watch.keysDown = down;
    if (pressed != 0)
        watch.note = WATCH_NOTE_NONE;
    GameInput keys = input;
    if (watch.phase != WATCH_OFF) {
        // No key acts during a watch; one going down ends it and acts only
        // once pressed again.
        if (pressed != 0) {
            WatchStop(model, WATCH_END_STOPPED);
            watch.keysIgnored = down;
        }
        ReleaseKeys(keys, down);
        return keys;
    }
    watch.keysIgnored &= down;
    ReleaseKeys(keys, watch.keysIgnored);
    if (pressed & ~watch.keysIgnored & WATCH_KEY_BIT)
        Request(model);
    return keys;
}

void WatchToggle(GameModel& model)
{
    if (model.watch.phase != WATCH_OFF)
        WatchStop(model, WATCH_END_STOPPED);
    else
        Request(model);
}

void WatchSearching(GameModel& model)
{
    if (model.watch.phase == WATCH_WANTED)
        model.watch.phase = WATCH_SEARCHING;
}

void WatchSteer(GameModel& model, GameInput& moveInput)
{
    GameWatch& watch = model.watch;
    if (watch.phase != WATCH_PLAYING)
        return;
    moveInput.left = moveInput.up = moveInput.right = moveInput.down = false;
    if (model.levelComplete || !PlayerAligned(model))
        return;
    // On the exit the exit rule solves the level in this frame.
    if (model.board[PlayerColumn(model)][PlayerRow(model)] == TILE_EXIT)
        return;
    if (watch.played >= static_cast<int32_t>(watch.path.size())) {
        WatchStop(model, WATCH_END_PATH);
        return;
    }
    // The path's letters are those of a solve's path, as the records keep them.
    const char letter = watch.path[static_cast<size_t>(watch.played++)];
    moveInput.left = letter == PlayDirectionLetter(DIRECTION_LEFT);
    moveInput.up = letter == PlayDirectionLetter(DIRECTION_UP);
    moveInput.right = letter == PlayDirectionLetter(DIRECTION_RIGHT);
    moveInput.down = letter == PlayDirectionLetter(DIRECTION_DOWN);
}

void WatchBegin(GameModel& model, const std::string& path, GameWatchSource source, GameLevelStore& store,
                GameEffects& effects)
{
    GameWatch& watch = model.watch;
    if (!Wanted(watch))
        return;
    if (model.editor || model.edit.playTest || model.levelComplete) {
        Forget(watch, WATCH_END_NONE);
        return;
    }
    // A restart as R makes it, so that undo after the watch brings the
    // attempt back; the watch's own steps are kept apart and dropped.
    GameRestartLevel(model, store, effects);
    PlayStandStill(model);
    watch.undo = std::move(model.undo);
    model.undo.clear();
    watch.phase = WATCH_PLAYING;
    watch.source = source;
    watch.path = path;
    watch.played = 0;
    watch.note = WATCH_NOTE_NONE;
    watch.ended = WATCH_END_NONE;
}

void WatchRefuse(GameModel& model, GameWatchNote note)
{
    if (!Wanted(model.watch))
        return;
    Forget(model.watch, WATCH_END_NONE);
    model.watch.note = note;
}

void WatchStop(GameModel& model, GameWatchEnd end)
{
    GameWatch& watch = model.watch;
    if (watch.phase == WATCH_OFF)
        return;
    if (watch.phase == WATCH_PLAYING) {
        std::vector<GameUndoStep> history = std::move(watch.undo);
        // The board the level started from, as the restart before the watch read it.
        GameStartBoard(model, model.levelBuffer);
        PlayStandStill(model);
        model.undo = std::move(history);
    }
    Forget(watch, end);
}

void WatchLevelStarted(GameModel& model)
{
    model.watch.note = WATCH_NOTE_NONE;
    if (model.watch.phase != WATCH_OFF)
        Forget(model.watch, WATCH_END_LEVEL);
}

bool WatchPlaying(const GameModel& model)
{
    return model.watch.phase == WATCH_PLAYING;
}
