// The pictures the game draws with: the sprite objects cut from the tile
// sheet. They hold frames only; where and which frame comes from the model.
#pragma once

#include "engine/bob.h"

#include "format/sheet_layout.h"

struct BitmapFile;

struct GameSprites {
    BOB water;
    BOB sparkle;
    BOB land;
    BOB pile;
    BOB exit;
    BOB player;
    BOB banner[SHEET_BANNER_PIECES];
};

// Cuts every sprite's frames from the sheet, as the sheet layout places them.
// A sheet without pixels gives transparent frames.
void SpritesBuild(GameSprites& sprites, const BitmapFile& sheet);
void SpritesRelease(GameSprites& sprites);
