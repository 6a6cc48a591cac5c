// The tile sheet, the thirteen sprite objects cut from it and the four sound ids.
#pragma once

#include "engine/bitmap.h"
#include "engine/bob.h"

enum { BANNER_PIECES = 7, GAME_SOUNDS = 4 };
enum { SOUND_SPLASH = 0, SOUND_START = 1, SOUND_APPLAUSE = 2, SOUND_FINISHED = 3 };

extern BitmapFile TileSheet;
extern BOB WaterSprite;
extern BOB SparkleSprite;
extern BOB LandSprite;
extern BOB PileSprite;
extern BOB ExitSprite;
extern BOB PlayerSprite;
extern BOB BannerSprites[BANNER_PIECES];
extern int32_t SoundIds[GAME_SOUNDS];
