// The game as one value: everything the rules read and write, and what the
// last frame's picture showed. A model can be copied, stepped and compared;
// it touches no engine object.
#pragma once

#include "game/board.h"
#include "game/random.h"

#include <cstdint>
#include <string>
#include <vector>

// A walking or glinting picture: the frame shown and where its animation
// list stands.
struct GameAnim {
    int32_t frame = 0;
    int32_t slot = 0;    // which list plays
    int32_t step = 0;    // entry of the list last shown
    int32_t ticks = 0;   // frames since the entry changed
    bool operator==(const GameAnim&) const = default;
};

// The editor's pending mouse presses; both buttons share the position of the
// latest press. A press waits in play until the editor takes it.
struct GamePress {
    uint8_t leftPending = 0;
    uint8_t rightPending = 0;
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const GamePress&) const = default;
};

// One step that undo can take back: the position as it stood before the step
// began, and the counters then. Board codes are tile codes, kept in a byte.
struct GameUndoStep {
    uint8_t board[BOARD_SIZE][BOARD_SIZE] = {};  // [column][row]
    int32_t playerX = 0;
    int32_t playerY = 0;
    int32_t pileX = 0;
    int32_t pileY = 0;
    GameAnim walk;
    int32_t moves = 0;
    int32_t pushes = 0;
    // A restart's entry: the moves it took back, as letters. A step's entry
    // leaves it empty; taking it back shortens the letters to its moves.
    std::string path;
    bool operator==(const GameUndoStep&) const = default;
};

// A board of the editor as undo and the play-test keep it: the codes exactly
// as drawn or loaded, start cells and unknown bytes included.
struct GameEditorBoard {
    int32_t board[BOARD_SIZE][BOARD_SIZE] = {};  // [column][row]
    bool operator==(const GameEditorBoard&) const = default;
};

// What the editor keeps besides its board: the boards before each change,
// the grid, the cell a press acted on, and the board a play-test plays.
struct GameEditorState {
    std::vector<GameEditorBoard> undo;  // the latest last; D starts it anew
    uint8_t grid = 0;                   // G: the cells outlined, presses highlighted
    uint8_t gridHeld = 0;               // G was down in the last editor frame
    uint8_t playHeld = 0;               // P was down in the last editor frame
    int32_t pressedColumn = 0;          // the cell the latest press acted on...
    int32_t pressedRow = 0;
    int32_t pressedFrames = 0;          // ...highlighted for this many more frames
    // The play-test: P plays the drawn board; the editor gets it back as it was.
    uint8_t playTest = 0;               // play frames play the drawn board; a solve counts for nothing
    GameEditorBoard drawn;
    int32_t drawnExitFrame = 0;         // the exit and player pictures the editor showed
    GameAnim drawnWalk;
    bool operator==(const GameEditorState&) const = default;
};

// A level solved in play, kept for the shell, which reads it when the step
// returns EFFECT_SOLVED: the level, the board it was played on (the cell
// bytes of its file) and the attempt that solved it.
struct GameSolve {
    int32_t level = 0;
    int8_t cells[LEVEL_TILE_BYTES] = {};
    int32_t moves = 0;
    int32_t pushes = 0;
    std::string path;
    bool operator==(const GameSolve&) const = default;
};

// What the status line says for the solver, besides the dead-end warning.
enum GameHintNote : uint8_t {
    HINT_NOTE_NONE,
    HINT_NOTE_NOT_FOUND,     // the search for a hint ended undecided
    HINT_NOTE_WALK,          // the exit can be reached without a push
};

// The solver's part of play: what is due to be asked about the position, and
// what the answers said. The rules say when a question is due and when an
// answer no longer holds; the shell asks a solver and writes the answers back.
struct GameHint {
    uint8_t keyHeld = 0;           // H was down in the last play frame
    uint8_t hintDue = 0;           // H went down: the next push is wanted
    uint8_t checkDue = 0;          // a push changed the board: can the level still be won?
    // Counts that tell an answer to an older position from one to this
    // position: every step, undo and level start changes the position; only
    // undo, restart and level start can turn a lost position into one that
    // is not (a push never can).
    uint32_t positionCount = 0;
    uint32_t resetCount = 0;
    uint8_t stuck = 0;             // the position can't be won: the warning shows
    uint8_t shown = 0;             // the next push is drawn over the picture
    int32_t column = 0;            // ...the pile's cell
    int32_t row = 0;
    int32_t direction = 0;         // ...and the push's GameDirection
    GameHintNote note = HINT_NOTE_NONE;
    bool operator==(const GameHint&) const = default;
};

// Watching a solution (game/watch.h): where the watch stands, the path it
// plays and what it keeps of the player's attempt.
enum GameWatchPhase : uint8_t {
    WATCH_OFF,
    WATCH_WANTED,      // W or the menu asked: the shell looks for a path
    WATCH_SEARCHING,   // the solver looks for the fewest pushes
    WATCH_PLAYING,     // the level plays itself along the path
};
enum GameWatchSource : uint8_t {
    WATCH_SOURCE_SOLVER,   // the fewest pushes (and among those the fewest moves)
    WATCH_SOURCE_BEST,     // the player's own best, from the records
};
// What the status line says when there is nothing to watch.
enum GameWatchNote : uint8_t { WATCH_NOTE_NONE, WATCH_NOTE_UNDECIDED, WATCH_NOTE_UNSOLVABLE };
// How the last watch ended, until the shell has told of it.
enum GameWatchEnd : uint8_t {
    WATCH_END_NONE,
    WATCH_END_EXIT,       // the exit was reached and the sequence is over
    WATCH_END_STOPPED,    // a key, a click or the menu
    WATCH_END_LEVEL,      // a level was started some other way
    WATCH_END_PATH,       // the path ended before the exit
};
struct GameWatch {
    GameWatchPhase phase = WATCH_OFF;
    GameWatchSource source = WATCH_SOURCE_SOLVER;
    std::string path;                  // move letters
    int32_t played = 0;                // letters of the path begun
    std::vector<GameUndoStep> undo;    // the player's history, given back when the watch ends
    uint32_t keysDown = 0;             // the keys of the last play frame, one bit each
    uint32_t keysIgnored = 0;          // keys that stopped a watch: no effect until released
    GameWatchNote note = WATCH_NOTE_NONE;
    GameWatchEnd ended = WATCH_END_NONE;
    bool operator==(const GameWatch&) const = default;
};

enum GameViewKind : uint8_t { VIEW_NONE, VIEW_PLAY, VIEW_EDITOR };
enum GamePlayerShown : uint8_t { PLAYER_HIDDEN, PLAYER_WHOLE, PLAYER_SHRUNK };

// The picture of the last frame. A play frame lays the board's layers once
// the player's move is chosen, before a pushed pile lands and before the exit
// is covered, and the level-complete sequence draws the player before the
// next level may start; the view keeps the values as they stood then.
struct GameView {
    GameViewKind kind = VIEW_NONE;
    int32_t board[BOARD_SIZE][BOARD_SIZE] = {};
    int32_t exitFrame = 0;
    uint8_t sparkleShown = 0;
    uint8_t pileShown = 0;           // the pile in transit
    uint8_t pileOverWater = 0;       // ...half or more over water, as it stood once moved: no shadow
    GamePlayerShown player = PLAYER_HIDDEN;
    int32_t playerX = 0, playerY = 0, playerFrame = 0;
    int32_t playerWidth = CELL_SIZE, playerHeight = CELL_SIZE;
    uint8_t coverShown = 0;          // land rising over the exit
    int32_t coverWidth = 0;
    uint8_t bannerShown = 0;
    bool operator==(const GameView&) const = default;
};

struct GameModel {
    int32_t board[BOARD_SIZE][BOARD_SIZE] = {};  // [column][row]
    int8_t levelBuffer[LEVEL_FILE_SIZE] = {};    // byte column * 12 + row

    uint8_t currentLevel = 1;      // the level being played
    uint8_t lastLevel = LAST_LEVEL;  // the campaign's last level: solving it ends the campaign
    int32_t resetLevel = -1;       // the level a reset returns to
    uint8_t editor = 0;            // frames run the editor
    uint8_t clearBoard = 0;        // the next editor frame empties the board

    // Movement.
    int32_t direction = 0;         // a GameDirection
    uint8_t moving = 0;
    uint8_t pushing = 0;
    int32_t stepX = 0;
    int32_t stepY = 0;
    int32_t playerX = 0;           // picture position of the player's top-left corner
    int32_t playerY = 0;
    GameAnim walk;                 // the player's picture
    // The pile in transit. Outside a push it holds the last pile cell laid,
    // where the next push's pile starts from as it is shown.
    int32_t pileX = 0;
    int32_t pileY = 0;

    // The exits: the position of the last exit laid is the one the land rises
    // over when the level is solved.
    int32_t exitX = 0;
    int32_t exitY = 0;
    int32_t exitFrame = 0;         // 1 once an exit is reached: the open exit
    // The land picture last laid (the land of the last pile, else of the
    // last land cell); during the sequence the covering land's.
    int32_t landFrame = 0;

    // The level-complete sequence.
    uint8_t levelComplete = 0;
    uint8_t finishedSound = 0;     // "finished" still to be played
    uint8_t allFinished = 0;       // the last level solved: the sequence never moves on
    uint32_t completionTime = 0;   // clock of the last frame before the exit was reached
    int32_t drawnWidth = CELL_SIZE;
    int32_t drawnHeight = CELL_SIZE;
    int32_t landRiseWidth = 0;
    uint8_t playerGone = 0;

    // The sparkle.
    uint32_t sparkleTime = 0;
    uint8_t newSparkle = 1;
    int32_t sparkleColumn = 0;
    int32_t sparkleRow = 0;
    GameAnim sparkle;

    // Counted from the level start: cells stepped, and the steps among them
    // that pushed a pile.
    int32_t moves = 0;
    int32_t pushes = 0;
    // The moves of the attempt as letters, one of L, U, R, D per move: they
    // follow undo and restart as the counters do.
    std::string path;
    // The last level solved in play.
    GameSolve solved;
    // The steps undo can take back, the latest last; a level start empties it.
    std::vector<GameUndoStep> undo;
    uint8_t undoHeld = 0;          // the undo key was down in the last play frame
    uint32_t undoRepeatAt = 0;     // clock at which a held undo key takes the next step back

    GameHint hint;
    GameWatch watch;
    GamePress press;
    GameEditorState edit;
    GameRandom random;
    GameView view;
    bool operator==(const GameModel&) const = default;
};
