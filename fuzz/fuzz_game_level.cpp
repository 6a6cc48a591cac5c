// The game's level reader on any file: the input is both the first level and
// the editor's level.dat. The game, started once over the headless platform,
// starts the level for each input, plays a few steps on the board it read,
// goes to the editor, loads, paints and saves there, and comes back to play.
// Bytes past the level's 300 choose the steps and the cells painted.
#include "app/app.h"
#include "engine/input.h"
#include "fuzz/fuzz_support.h"
#include "game/board.h"
#include "game/editor.h"
#include "game/game_state.h"
#include "game/play.h"
#include "platform/headless/headless.h"
#include "support/bytes.h"
#include "support/tile_sheet.h"
#include "support/wav.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int FRAMES_PER_STEP = int{CELL_SIZE} / int{PLAYER_STEP};
constexpr size_t MAX_STEPS = 4;
const uint8_t ARROWS[] = {DIK_LEFT, DIK_UP, DIK_RIGHT, DIK_DOWN};
// The steps when the input ends with the level: right, down, left, up.
const uint8_t DEFAULT_STEPS[] = {2, 3, 0, 1};

struct FuzzGame {
    std::string dataDir;
    std::string homeDir;
};

// The game, started on data files of its own: the test tile sheet and four tiny sounds.
const FuzzGame& Game()
{
    static const FuzzGame game = [] {
        FuzzGame made{FuzzDirectory() + "/data", FuzzDirectory() + "/home"};
        std::filesystem::create_directories(made.dataDir);
        WriteTestTileSheet(made.dataDir + "/pieces.bmp");
        for (const char* name : {"splash.wav", "start.wav", "bifald.wav", "finished.wav"})
            WriteFileBytes(made.dataDir + "/" + name, WavPlain({128, 130, 126, 128}));
        HeadlessReset();
        PlatformSetDirectories(made.dataDir, made.homeDir);
        if (GameStartup() != 1)
            std::abort();
        return made;
    }();
    return game;
}

void HoldKeyFor(uint8_t key, int frames, void (*frame)())
{
    HeadlessSetKey(key, true);
    for (int i = 0; i < frames; ++i)
        frame();
    HeadlessSetKey(key, false);
}

void PlayFrameOnce()
{
    PlayFrame();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzGame& game = Game();
    if (!FuzzWriteFile(game.dataDir + "/" + LevelFileName(1), data, size) ||
        !FuzzWriteFile(PlatformUserFilePath(LevelFileName(EDITOR_LEVEL)), data, size))
        return 0;
    GameState = GameStateRecord();
    MouseClick = MouseClickRecord();
    HeadlessReleaseAllKeys();

    const uint8_t* steps = DEFAULT_STEPS;
    size_t stepCount = sizeof DEFAULT_STEPS;
    if (size > LEVEL_FILE_SIZE) {
        steps = data + LEVEL_FILE_SIZE;
        stepCount = std::min<size_t>(size - LEVEL_FILE_SIZE, MAX_STEPS);
    }
    StartLevel();
    for (size_t i = 0; i < stepCount; ++i)
        HoldKeyFor(ARROWS[steps[i] % 4], FRAMES_PER_STEP, PlayFrameOnce);

    // The editor: load level.dat, paint a cell with each button, save, and back to play.
    HoldKeyFor(DIK_D, 1, PlayFrameOnce);
    EditorFrame();
    HoldKeyFor(DIK_L, 1, EditorFrame);
    const int32_t x = stepCount > 0 ? steps[0] * 3 : 0;
    const int32_t y = stepCount > 1 ? steps[1] * 3 : 0;
    RecordLeftClick(x, y);
    EditorFrame();
    RecordRightClick(y, x);
    EditorFrame();
    HoldKeyFor(DIK_S, 1, EditorFrame);
    HoldKeyFor(DIK_RETURN, 1, EditorFrame);
    for (int i = 0; i < FRAMES_PER_STEP; ++i)
        PlayFrame();
    return 0;
}
