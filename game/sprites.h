// The tile sheet, the sprite objects cut from it and the four sound ids.
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
// Land by its water sides: frame m has water on the sides of mask m
// (SHORE_SIDE_* bits), cut from the land frame that shows them or the island.
extern BOB ShoreSprite;
// The four inside corners, in the order of the SHORE_CORNER_* bits.
extern BOB CornerSprite;
// The pile without its shadow, for the pile in transit over water.
extern BOB PileOverWaterSprite;
extern int32_t SoundIds[GAME_SOUNDS];
