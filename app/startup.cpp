// Start-up and shutdown of everything the game uses: the display, the
// keyboard, sound, the four effects, the tile sheet and the sprite objects
// cut from it.
#include "app/app.h"

#include "format/bitmap.h"
#include "engine/bob.h"
#include "engine/display.h"
#include "engine/sound.h"
#include "format/sheet_layout.h"

#include <string>

namespace {

const char* const TILE_SHEET_FILE = "pieces.bmp";
// A sheet a little larger than the layout's loads; one far larger is refused.
const int32_t TILE_SHEET_MAX_WIDTH = 1024;
const int32_t TILE_SHEET_MAX_HEIGHT = 512;
static_assert(TILE_SHEET_MAX_WIDTH >= SHEET_WIDTH && TILE_SHEET_MAX_HEIGHT >= SHEET_HEIGHT);
// In the order of GameSound.
const char* const SOUND_FILES[GAME_SOUNDS] = {"splash.wav", "start.wav", "bifald.wav", "finished.wav"};

BitmapFile TileSheet;

// A part of the engine that fails to start is answered with a beep.
void BeepUnless(int started)
{
    if (!started)
        PlatformBeep();
}

} // namespace

int GameStartup()
{
    DisplayStart();
    PlatformKeys keys;
    BeepUnless(PlatformKeyboardRead(&keys));
    BeepUnless(SoundSystemStart());

    for (int sound = 0; sound < GAME_SOUNDS; ++sound)
        SoundIds[sound] = SoundLoadWave(PlatformFindDataFile(SOUND_FILES[sound]).c_str());
    // The start jingle is started and stopped at once; nothing else plays it.
    SoundPlay(SoundIds[SOUND_START]);
    SoundStop(SoundIds[SOUND_START]);

    if (!BitmapLoadLimited(&TileSheet, PlatformFindDataFile(TILE_SHEET_FILE).c_str(), TILE_SHEET_MAX_WIDTH,
                           TILE_SHEET_MAX_HEIGHT))
        ShowMessage("Ingen pieces");
    SpritesBuild(Sprites, TileSheet);
    return 1;
}

int GameShutdown()
{
    SpritesRelease(Sprites);
    BitmapUnload(&TileSheet);

    for (int32_t id : SoundIds)
        SoundDelete(id);
    SoundSystemStop();

    DisplayShutdown();
    return 1;
}
