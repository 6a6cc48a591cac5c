// The application shell: the main function and main loop, the events of the
// window, the menu and About box, saved progress, start-up and shutdown, and
// the carrying out of what the game's steps return.
#pragma once

#include "app/campaign.h"
#include "app/campaign_list.h"
#include "app/daily.h"
#include "game/model.h"
#include "game/sprites.h"
#include "game/step.h"

#include "format/level_format.h"
#include "platform/platform.h"
#include "solver/solver_worker.h"

#include <cstdint>
#include <string>
#include <vector>

enum : uint16_t {
    IDM_EXIT = 2,
    IDM_ABOUT = 4,
    IDM_RESET = 5,
    IDM_LEVEL_1 = 21,
    IDM_LEVEL_LAST = IDM_LEVEL_1 + LEVEL_COUNT - 1,
    IDM_ZOOM_1 = 41,
    IDM_ZOOM_LAST = IDM_ZOOM_1 + PLATFORM_ZOOM_MAX - 1,
    IDM_FULLSCREEN = 45,
    IDM_ZOOM_FIT = 46,
    IDM_DAILY = 60,
    IDM_WATCH = 61,
    IDM_SHARE_LEVEL = 62,
    IDM_CAMPAIGN_FIRST = 300,   // + the index of the campaign in File › Campaign
    IDM_CAMPAIGN_LAST = IDM_CAMPAIGN_FIRST + APP_CAMPAIGNS_MAX - 1,
};

// The one game and the pictures it is drawn with.
extern GameModel Game;
extern GameSprites Sprites;
// The sound of each GameSound, as loaded at start-up.
extern int32_t SoundIds[GAME_SOUNDS];

// The program: second-copy check, window, start-up, first level, main loop,
// shutdown. Returns the process exit code: 1 when the window can't be made.
// The platform's directories must be set before it is called.
int AppMain();

// One event of the window.
void AppHandleEvent(const PlatformEvent& event);
void ShowMessage(const char* text);

// The menu bar: File (Reset, Levels with a grayed Level item for each level
// of the campaign, Exit), View (Zoom 1x to 4x, Zoom to fit, Fullscreen) and
// Help (About).
std::vector<PlatformMenuItem> AppMenu();
// Enables the zooms whose window fits the display, and Zoom to fit where the
// platform draws it.
void EnableViewMenu();
void HandleMenuCommand(uint32_t id);
// The texts of the About box.
PlatformAboutText AboutText();
void ShowAboutBox();
// The keys of play, the editor and the view, for the help panel.
PlatformHelpText HelpText();
void ShowHelpBox();
uint8_t ReadSavedLevel();
// Saves the level once per solve; a failed save is shown to the player.
void WriteSavedLevel(uint8_t level);
// Shows what the player must know about the saved progress (a damaged file
// set aside), once.
void ShowProgressNotice();
void EnableLevelMenu(int32_t level);
// Records: the Levels menu marked with each level's best result.
void RecordsShowInMenu();
// A level has started: the status line's best becomes that of its board.
void RecordsLevelStarted();
GameBest RecordsStatusBest();
// Another campaign is played: its records are read and marked in the menu.
void RecordsCampaignChanged();
// A level solved in play: kept where it beats a record, and the file written
// only then.
void RecordsSolved(const GameSolve& solve);
// The path of the board's fewest-pushes record (fewest moves among those),
// the player's best to watch. False when the board has none.
bool RecordsBestPath(int32_t level, const int8_t* cells, std::string* path);
// File › Share level (app/share_level.cpp): the editor's board as a level
// link handed to the player; the item is enabled only in the editor.
void AppShareLevel();
void AppShareLevelMenuUpdate();
int GameStartup();
int GameShutdown();

// The level files of the data directories, as the game's steps ask for them.
GameLevelStore& AppLevelStore();
// Reads up to size bytes of a level's file into bytes; bytes past the file's
// end keep what they held. False when it can't be opened, with *why (when
// given) saying why.
bool AppReadLevelFile(int32_t level, int8_t* bytes, size_t size, std::string* why);
// The keys of this frame as the game's input.
GameInput AppReadInput();
// Carries out a step's effects in their order.
void AppApplyEffects(const GameEffects& effects);
// One frame: the step, its effects, the picture and its presentation.
void AppRunFrame();
// Hands the game's status line to the menu bar.
void AppUpdateStatus();
// Starts the current level outside a frame (first level, menu choices).
void AppStartLevel();

// Hints and the dead-end warning (app/hint_shell.cpp). The game searches on a
// thread of its own within AppGameSolverBudget; the simulator answers inline
// within AppExactSolverBudget, which has no time limit, so its frames come out
// the same on every machine.
using AppHintReport = void (*)(const std::string& event);
SolverBudget AppGameSolverBudget();
SolverBudget AppExactSolverBudget();
// How the solver runs, and who hears of a hint shown ("hint C R D") or the
// warning ("stuck"). Set before the main loop.
void AppHintSetup(SolverWorkerKind kind, const SolverBudget& budget, AppHintReport report);
// After a frame's step: takes the answer that has come, then asks what is due.
void AppHintFrame();
// Ends a search under way, and the solver's thread.
void AppHintStop();

// Watch solution (app/watch_shell.cpp): the path of a watch the rules want,
// from the records or from a solver of its own, which runs as the hints' does.
void AppWatchSetup(SolverWorkerKind kind, const SolverBudget& budget);
// After a frame's step: tells how a watch ended ("watch end ..."), finds the
// path of one wanted, and takes the solver's answer.
void AppWatchFrame();
// Ends a search under way, and the solver's thread.
void AppWatchStop();
