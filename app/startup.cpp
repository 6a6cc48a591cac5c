// Start-up and shutdown of everything the game uses: the display, input,
// sound, the four effects, the tile sheet and the sprite objects cut from it.
// The layout of the tile sheet is kept here.
#include "app/app.h"

#include "game/board.h"
#include "game/shore_pieces.h"
#include "game/sprites.h"

#include "engine/bitmap.h"
#include "engine/bob.h"
#include "engine/display.h"
#include "engine/input.h"
#include "engine/sound.h"

#include <string>

namespace {

const int32_t MODE_WIDTH = 1024;
const int32_t MODE_HEIGHT = 768;
const int32_t MODE_BITS = 32;
// Every sprite covers one cell of the board.
const int32_t SPRITE_SIZE = CELL_SIZE;

const char* const TILE_SHEET_FILE = "pieces.bmp";
// In the order of SoundIds.
const char* const SOUND_FILES[GAME_SOUNDS] = {"splash.wav", "start.wav", "bifald.wav", "finished.wav"};

enum : uint32_t {
    ONE_FRAME_FLAGS = BOB_SHOWN | BOB_ONE_FRAME,
    CYCLE_FLAGS = BOB_SHOWN | BOB_FRAME_CYCLE,
    LIST_FLAGS = BOB_SHOWN | BOB_ANIM_LISTS,
};

// The tile sheet, cell (column, row):
//   row 0  water (0), sparkle frames 1 to 8 (1..8)
//   row 1  player, 8 walking frames (0..7)
//   row 2  land frames 0 to 15 (0..15)
//   row 3  banner pieces 0 to 6 (0..6)
//   row 4  pile (0), pile over water (1), island (2),
//          inside corners top-left, top-right, bottom-right, bottom-left (3..6)
//   row 5  exit on water, closed and open (0, 1), no longer cut;
//          exit on land, closed and open (2, 3)
const int32_t LAND_ROW = 2;
const int32_t ISLAND_COLUMN = 2;
const int32_t ISLAND_ROW = 4;
const int32_t CORNER_COLUMN = 3;
const int32_t CORNER_ROW = 4;

// A sprite object and where its frames lie on the tile sheet: frame f is the
// cell (firstColumn + f, row).
struct SpriteLayout {
    BOB* sprite;
    int32_t frames;
    uint32_t flags;
    int32_t firstColumn;
    int32_t row;
};

// In the order they are built.
const SpriteLayout SPRITE_LAYOUT[] = {
    {&WaterSprite, 1, ONE_FRAME_FLAGS, 0, 0},
    {&SparkleSprite, 9, LIST_FLAGS, 0, 0},
    {&LandSprite, 16, CYCLE_FLAGS, 0, LAND_ROW},
    {&PileSprite, 1, ONE_FRAME_FLAGS, 0, 4},
    {&ExitSprite, 2, CYCLE_FLAGS, 2, 5},
    {&PlayerSprite, 8, LIST_FLAGS, 0, 1},
    {&BannerSprites[0], 1, ONE_FRAME_FLAGS, 0, 3},
    {&BannerSprites[1], 1, ONE_FRAME_FLAGS, 1, 3},
    {&BannerSprites[2], 1, ONE_FRAME_FLAGS, 2, 3},
    {&BannerSprites[3], 1, ONE_FRAME_FLAGS, 3, 3},
    {&BannerSprites[4], 1, ONE_FRAME_FLAGS, 4, 3},
    {&BannerSprites[5], 1, ONE_FRAME_FLAGS, 5, 3},
    {&BannerSprites[6], 1, ONE_FRAME_FLAGS, 6, 3},
    {&PileOverWaterSprite, 1, ONE_FRAME_FLAGS, 1, 4},
};

// The sparkle's glint: frame 8 is cut but never shown.
const int32_t SPARKLE_LIST[] = {0, 1, 2, 3, 4, 5, 6, 7, 0};
const int32_t SPARKLE_DELAY = 4;
// Walking: slot 0 left, 1 right, 2 up, 3 down.
const int32_t PLAYER_LISTS[][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
const int32_t PLAYER_DELAY = 1;

template <size_t N>
int32_t CountOf(const int32_t (&)[N])
{
    return static_cast<int32_t>(N);
}

void BuildSprite(const SpriteLayout& layout)
{
    BobCreate(layout.sprite, 0, 0, SPRITE_SIZE, SPRITE_SIZE, layout.frames, layout.flags, 0);
    for (int32_t frame = 0; frame < layout.frames; ++frame)
        BobLoadFrame(layout.sprite, &TileSheet, frame, layout.firstColumn + frame, layout.row, BOB_EXTRACT_CELL);
}

// Frame m of the shore sprite: the land frame whose picture has water on the
// sides of mask m, or the island for all four.
void BuildShoreSprite()
{
    BobCreate(&ShoreSprite, 0, 0, SPRITE_SIZE, SPRITE_SIZE, SHORE_SIDE_MASKS, CYCLE_FLAGS, 0);
    for (int32_t mask = 0; mask < SHORE_SIDE_MASKS; ++mask) {
        const int32_t landFrame = ShoreFrameShowing(static_cast<uint32_t>(mask));
        if (landFrame >= 0)
            BobLoadFrame(&ShoreSprite, &TileSheet, mask, landFrame, LAND_ROW, BOB_EXTRACT_CELL);
        else
            BobLoadFrame(&ShoreSprite, &TileSheet, mask, ISLAND_COLUMN, ISLAND_ROW, BOB_EXTRACT_CELL);
    }
}

// The corner pieces: only the square at each one's corner of its cell, so
// that drawing one costs little.
void BuildCornerSprite()
{
    const int32_t pitch = SPRITE_SIZE + 1;
    BobCreate(&CornerSprite, 0, 0, SHORE_CORNER_SIZE, SHORE_CORNER_SIZE, SHORE_CORNERS, CYCLE_FLAGS, 0);
    for (int32_t corner = 0; corner < SHORE_CORNERS; ++corner) {
        int32_t x = 0;
        int32_t y = 0;
        ShoreCornerOrigin(corner, &x, &y);
        BobLoadFrame(&CornerSprite, &TileSheet, corner, 1 + pitch * (CORNER_COLUMN + corner) + x,
                     1 + pitch * CORNER_ROW + y, BOB_EXTRACT_ABSOLUTE);
    }
}

// The two sprites that play animation lists.
void LoadAnimations()
{
    BobLoadAnimation(&SparkleSprite, 0, CountOf(SPARKLE_LIST), SPARKLE_LIST);
    BobSetAnimDelay(&SparkleSprite, SPARKLE_DELAY);
    int32_t slot = 0;
    for (const auto& list : PLAYER_LISTS)
        BobLoadAnimation(&PlayerSprite, slot++, CountOf(list), list);
    BobSetAnimDelay(&PlayerSprite, PLAYER_DELAY);
}

// A part of the engine that fails to start is answered with a beep.
void BeepUnless(int started)
{
    if (!started)
        PlatformBeep();
}

} // namespace

int GameStartup()
{
    DisplayStart(MODE_WIDTH, MODE_HEIGHT, MODE_BITS);
    BeepUnless(InputStart());
    BeepUnless(KeyboardAttach());
    BeepUnless(MouseAttach());
    BeepUnless(SoundSystemStart());

    for (int sound = 0; sound < GAME_SOUNDS; ++sound)
        SoundIds[sound] = SoundLoadWave(PlatformFindDataFile(SOUND_FILES[sound]).c_str(), 0);
    // The start jingle is started and stopped at once; nothing else plays it.
    SoundPlay(SoundIds[SOUND_START], 0);
    SoundStop(SoundIds[SOUND_START]);

    if (!BitmapLoad(&TileSheet, PlatformFindDataFile(TILE_SHEET_FILE).c_str()))
        ShowMessage("Ingen pieces");
    for (const SpriteLayout& layout : SPRITE_LAYOUT)
        BuildSprite(layout);
    BuildShoreSprite();
    BuildCornerSprite();
    LoadAnimations();
    return 1;
}

int GameShutdown()
{
    // The banner pieces go before the player, unlike the build order.
    BobDestroy(&WaterSprite);
    BobDestroy(&SparkleSprite);
    BobDestroy(&LandSprite);
    BobDestroy(&PileSprite);
    BobDestroy(&ExitSprite);
    for (BOB& banner : BannerSprites)
        BobDestroy(&banner);
    BobDestroy(&PlayerSprite);
    BobDestroy(&CornerSprite);
    BobDestroy(&PileOverWaterSprite);
    BobDestroy(&ShoreSprite);
    BitmapUnload(&TileSheet);

    KeyboardDetach();
    MouseDetach();
    InputStop();

    for (int32_t id : SoundIds)
        SoundDelete(id);
    SoundSystemStop();

    DisplayShutdown();
    return 1;
}
