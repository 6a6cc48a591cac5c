// Watching a solution: the level plays itself from its start along a path of
// moves, at walking speed, with its own pictures and sounds. A new key, a
// click or a menu command stops it and gives the level back from its start;
// a watched solve counts for nothing and the player's undo history comes back
// as it was, with the restart before the watch as its latest step.
//
// The rules decide when a watch is wanted and play it; the shell finds the
// path (the solver's, or the player's best from the records) and hands it in.
#pragma once

#include "game/step.h"

#include <string>

// The model's part of a watch lives in GameModel::watch (game/model.h).

// The play frame's keys, after the watch has had them: while a watch is
// wanted, searched for or played, a key going down stops it and no key acts;
// after a stop, the keys that were down stay without effect until released.
// W going down outside a watch asks for one. Returns the keys play acts on.
GameInput WatchTakeKeys(GameModel& model, const GameInput& input);
// File > Watch solution: asks for a watch, or stops the one under way.
void WatchToggle(GameModel& model);
// The shell has asked the solver for the path.
void WatchSearching(GameModel& model);
// While a watch plays, the arrows of the frame come from the path: the next
// move when the player stands on a cell. A path used up before the exit ends
// the watch.
void WatchSteer(GameModel& model, GameInput& moveInput);
// The shell found the path: the level restarts from its start (as R does) and
// plays along it. Ignored unless a watch is still wanted.
void WatchBegin(GameModel& model, const std::string& path, GameWatchSource source, GameLevelStore& store,
                GameEffects& effects);
// The shell found nothing to watch: the status line says why.
void WatchRefuse(GameModel& model, GameWatchNote note);
// Ends the watch under way, if any: the level from its start for the player,
// with the undo history as it stood before the watch.
void WatchStop(GameModel& model, GameWatchEnd end);
// A level (re)starts by any other way: a watch wanted or under way is over.
void WatchLevelStarted(GameModel& model);
// True while a watch plays (the replay, its level-complete sequence included).
bool WatchPlaying(const GameModel& model);
