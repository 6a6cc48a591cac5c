// The tile sheet, the sprite objects cut from it and the sound ids. They are
// built at start-up and released at shutdown by the application shell.
#include "game/sprites.h"

#include "engine/sound.h"

BitmapFile TileSheet;
BOB WaterSprite;
BOB SparkleSprite;
BOB LandSprite;
BOB PileSprite;
BOB ExitSprite;
BOB PlayerSprite;
BOB BannerSprites[BANNER_PIECES];
BOB ShoreSprite;
BOB CornerSprite;
BOB PileOverWaterSprite;
int32_t SoundIds[GAME_SOUNDS] = {SOUND_NONE, SOUND_NONE, SOUND_NONE, SOUND_NONE};
