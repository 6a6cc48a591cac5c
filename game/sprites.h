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
    // Land by its water sides: frame m has shore on the SIDE_* bits of m, cut
    // from the land frame that shows them, or the island for all four.
    BOB shore;
    // The inside corners in SheetCorner order, each only the square at its
    // corner of the cell.
    BOB corner;
    // The pile without its shadow, for the pile in transit over water.
    BOB pileOverWater;
};

// Cuts every sprite's frames from the sheet, as the sheet layout places them.
// A sheet without pixels gives transparent frames.
void SpritesBuild(GameSprites& sprites, const BitmapFile& sheet);
void SpritesRelease(GameSprites& sprites);
