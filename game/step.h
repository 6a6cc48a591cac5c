// One frame of the game as a step of the model: the input of the frame goes
// in, what the shell must carry out comes back as values, in order. The
// rules read no keyboard, draw nothing and touch no file, sound or menu.
#pragma once

#include "game/model.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The keys and buttons of one frame.
struct GameInput {
    bool keyboard = true;   // the keyboard could be read; without one no key below is down
    bool left = false, up = false, right = false, down = false;
    bool reset = false;     // R
    bool editor = false;    // D
    bool save = false;      // S
    bool load = false;      // L
    bool escape = false;    // Escape, seen even without a keyboard
    bool enter = false;     // either Enter key, seen even without a keyboard
    bool undo = false;      // Z, Backspace or U
    bool skip = false;      // Space
    bool help = false;      // F1: the shell opens the help panel; the rules never see it
    bool play = false;      // P: the editor plays its board
    bool grid = false;      // G: the editor's grid
    bool hint = false;      // H
    bool watch = false;     // W: watch the level solved
};

enum GameSound : int32_t { SOUND_SPLASH = 0, SOUND_START = 1, SOUND_APPLAUSE = 2, SOUND_FINISHED = 3, GAME_SOUNDS = 4 };

enum GameEffectKind : uint8_t {
    EFFECT_SOUND,          // value: a GameSound
    EFFECT_MESSAGE,        // text: a message box
    EFFECT_QUIT,           // the player asked to end the program
    EFFECT_LEVEL_STARTED,  // value: the level
    EFFECT_LEVELS_OPEN,    // value: levels 1 to value may be chosen from the menu
    EFFECT_PROGRESS,       // value: the level reached; opens it in the menu and saves it when higher
                           // (never made in a play-test, whose solve counts for nothing)
    EFFECT_PAUSE,          // value: milliseconds the shell waits before the frame is shown
    EFFECT_SOLVED,         // value: the level solved in play; the model's `solved` tells how
};

struct GameEffect {
    GameEffectKind kind = EFFECT_SOUND;
    int32_t value = 0;
    const char* text = nullptr;  // a string literal
};

enum { GAME_EFFECTS_MAX = 32 };

// The effects of one step, in the order they happened.
struct GameEffects {
    GameEffect items[GAME_EFFECTS_MAX];
    int count = 0;
    void Add(GameEffectKind kind, int32_t value = 0, const char* text = nullptr);
};

// Where level files come from and go: the shell reads and writes them when
// the rules ask, inside the step, so that a save and a load in one frame see
// each other.
class GameLevelStore {
public:
    virtual ~GameLevelStore() = default;
    // Reads up to size bytes of the level's file into bytes; bytes past the
    // file's end keep what they held. False when the file can't be opened.
    virtual bool LevelRead(int32_t level, int8_t* bytes, size_t size) = 0;
    // Writes the editor's level file. False when it did not reach the disk.
    virtual bool LevelWrite(const int8_t* bytes, size_t size) = 0;
};

enum { EDITOR_CLICK_PAUSE_MS = 150 };
enum GameButton : uint8_t { BUTTON_LEFT, BUTTON_RIGHT };

// One frame: play or the editor, whichever the model is in.
void GameStep(GameModel& model, const GameInput& input, uint32_t now, GameLevelStore& store, GameEffects& effects);
// Builds the board of the current level from its file.
void GameStartLevel(GameModel& model, GameLevelStore& store, GameEffects& effects);
// The values every level start sets, and the board from a level's first 144
// bytes: start cells become land with the player on the last one.
void GameStartBoard(GameModel& model, const int8_t* bytes);
// Starts the level a reset returns to (in a play-test, the drawn board).
void GameResetLevel(GameModel& model, GameLevelStore& store, GameEffects& effects);
// The level chosen from the menu.
void GameChooseLevel(GameModel& model, int32_t level, GameLevelStore& store, GameEffects& effects);
// Restarts the level as a step undo can take back (R, File > Reset): the
// position before it returns with the next undo. In the editor and in the
// level-complete sequence it is a plain level start.
void GameRestartLevel(GameModel& model, GameLevelStore& store, GameEffects& effects);
// The best result of the level the status line names, as the shell knows it.
struct GameBest {
    bool known = false;
    int32_t moves = 0;
    int32_t pushes = 0;
};
// What the status line calls the level being played: "Level 3" by default, a
// campaign's name with the number ("Bonus 14"), or a name alone ("Daily
// 2026-12-07").
struct GameStatusName {
    std::string word = "Level";
    bool numbered = true;
};
// The status line of the menu bar: the level, its counters and, when known,
// its best result in play; the editor's keys in the editor.
std::string GameStatusLine(const GameModel& model, const GameBest& best = {}, const GameStatusName& name = {});
// The level the status line names.
int32_t GameStatusLevel(const GameModel& model);
// A mouse press on the picture, kept for the editor's next frame. Every
// press counts, the second of a double click too.
void GamePressRecord(GameModel& model, GameButton button, int32_t x, int32_t y);
// The editor's board has changed since the editor opened on its empty board:
// there is something to judge and to play.
bool EditorBoardTouched(const GameModel& model);
