// The game's level reader on any file: the input is both the first level and
// the editor's level.dat, read through the shell's level files over the
// headless platform. For each input a fresh model starts the level, plays a
// few steps on the board it read, goes to the editor, loads, paints and saves
// there, and comes back to play; every step's picture is drawn.
// Bytes past the level's 300 choose the steps and the cells painted.
#include "app/app.h"
#include "format/bitmap.h"
#include "format/level_format.h"
#include "fuzz/fuzz_support.h"
#include "game/model.h"
#include "game/play.h"
#include "game/render.h"
#include "game/sprites.h"
#include "game/step.h"
#include "platform/headless/headless.h"
#include "support/tile_sheet.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int FRAMES_PER_STEP = int{CELL_SIZE} / int{PLAYER_STEP};
constexpr uint32_t FRAME_MS = 17;
constexpr size_t MAX_STEPS = 4;
constexpr bool GameInput::*ARROWS[] = {&GameInput::left, &GameInput::up, &GameInput::right, &GameInput::down};
// The steps when the input ends with the level: right, down, left, up.
const uint8_t DEFAULT_STEPS[] = {2, 3, 0, 1};

// The data directory with the test tile sheet, the sprites cut from it and
// the picture they are drawn on, made once.
struct FuzzGame {
    std::string dataDir;
    BitmapFile sheet = {};
    GameSprites sprites = {};
    Picture picture;
};

FuzzGame& FuzzGameSetUp()
{
    static FuzzGame game = [] {
        FuzzGame made;
        made.dataDir = FuzzDirectory() + "/data";
        std::filesystem::create_directories(made.dataDir);
        const std::string sheetPath = made.dataDir + "/pieces.bmp";
        HeadlessReset();
        PlatformSetDirectories(made.dataDir, FuzzDirectory() + "/home");
        if (!WriteTestTileSheet(sheetPath) || BitmapLoad(&made.sheet, sheetPath.c_str()) != 1)
            std::abort();
        SpritesBuild(made.sprites, made.sheet);
        made.picture = PictureMake(BOARD_SIZE * CELL_SIZE, BOARD_SIZE * CELL_SIZE);
        return made;
    }();
    return game;
}

// Runs frames of the model with the input held, drawing the last one.
struct FuzzRun {
    FuzzGame& game;
    GameModel model;
    uint32_t now = 1000;

    void Frames(const GameInput& input, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            GameEffects effects;
            GameStep(model, input, now, AppLevelStore(), effects);
            now += FRAME_MS;
        }
        GameRender(model, game.sprites, game.picture);
    }
    void Press(bool GameInput::*key)
    {
        GameInput input;
        input.*key = true;
        Frames(input, 1);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzGame& game = FuzzGameSetUp();
    if (!FuzzWriteFile(game.dataDir + "/" + LevelFileName(1), data, size) ||
        !FuzzWriteFile(PlatformUserFilePath(LevelFileName(EDITOR_LEVEL)), data, size))
        return 0;

    const uint8_t* steps = DEFAULT_STEPS;
    size_t stepCount = sizeof DEFAULT_STEPS;
    if (size > LEVEL_FILE_SIZE) {
        steps = data + LEVEL_FILE_SIZE;
        stepCount = std::min<size_t>(size - LEVEL_FILE_SIZE, MAX_STEPS);
    }
    FuzzRun run{game, GameModel()};
    GameEffects started;
    GameChooseLevel(run.model, 1, AppLevelStore(), started);
    GameRender(run.model, game.sprites, game.picture);
    for (size_t i = 0; i < stepCount; ++i) {
        GameInput input;
        input.*ARROWS[steps[i] % 4] = true;
        run.Frames(input, FRAMES_PER_STEP);
    }

    // The editor: its first frame empties the board; then load level.dat,
    // paint a cell with each button, save, and back to play.
    run.Press(&GameInput::editor);
    run.Frames(GameInput(), 1);
    run.Press(&GameInput::load);
    const int32_t x = stepCount > 0 ? steps[0] * 3 : 0;
    const int32_t y = stepCount > 1 ? steps[1] * 3 : 0;
    GamePressRecord(run.model, BUTTON_LEFT, x, y);
    run.Frames(GameInput(), 1);
    GamePressRecord(run.model, BUTTON_RIGHT, y, x);
    run.Frames(GameInput(), 1);
    run.Press(&GameInput::save);
    run.Press(&GameInput::enter);
    run.Frames(GameInput(), FRAMES_PER_STEP);
    return 0;
}
