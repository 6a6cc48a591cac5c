// The sprite objects and where their frames lie on the tile sheet.
#include "game/sprites.h"

#include "game/shore_pieces.h"

#include "format/level_format.h"

namespace {

// Every sprite covers one cell of the board.
const int32_t SPRITE_SIZE = CELL_SIZE;

// A sprite and its frames: frame f is the sheet cell (firstColumn + f, row).
struct SpriteLayout {
    BOB GameSprites::*sprite;
    int32_t frames;
    int32_t firstColumn;
    int32_t row;
};

// In the order they are built.
const SpriteLayout SPRITE_LAYOUT[] = {
    {&GameSprites::water, SHEET_WATER_FRAMES, 0, SHEET_ROW_WATER},
    {&GameSprites::sparkle, SHEET_SPARKLE_FRAMES, 0, SHEET_ROW_SPARKLE},
    {&GameSprites::land, SHEET_LAND_FRAMES, 0, SHEET_ROW_LAND},
    {&GameSprites::pile, SHEET_PILE_FRAMES, 0, SHEET_ROW_PILE},
    {&GameSprites::exit, SHEET_EXIT_FRAMES, SHEET_EXIT_ON_LAND_COLUMN, SHEET_ROW_EXIT},
    {&GameSprites::player, SHEET_PLAYER_FRAMES, 0, SHEET_ROW_PLAYER},
    {&GameSprites::pileOverWater, SHEET_PILE_FRAMES, SHEET_PILE_OVER_WATER_COLUMN, SHEET_ROW_PILE},
};

void Build(BOB* sprite, int32_t frames, int32_t firstColumn, int32_t row, const BitmapFile& sheet)
{
    BobCreate(sprite, SPRITE_SIZE, SPRITE_SIZE, frames);
    for (int32_t frame = 0; frame < frames; ++frame)
        BobLoadFrame(sprite, &sheet, frame, firstColumn + frame, row);
}

// Frame m of the shore sprite: the land frame whose picture has shore on the
// sides of mask m, or the island for all four.
void BuildShore(BOB* sprite, const BitmapFile& sheet)
{
    BobCreate(sprite, SPRITE_SIZE, SPRITE_SIZE, SIDE_MASKS);
    for (int32_t mask = 0; mask < SIDE_MASKS; ++mask) {
        const int32_t landFrame = SheetShoreFrameShowing(static_cast<uint32_t>(mask));
        if (landFrame >= 0)
            BobLoadFrame(sprite, &sheet, mask, landFrame, SHEET_ROW_LAND);
        else
            BobLoadFrame(sprite, &sheet, mask, SHEET_ISLAND_COLUMN, SHEET_ROW_PILE);
    }
}

// The corner pieces: only the square at each one's corner of its cell, so
// that drawing one costs little.
void BuildCorners(BOB* sprite, const BitmapFile& sheet)
{
    BobCreate(sprite, SHEET_CORNER_SIZE, SHEET_CORNER_SIZE, SHEET_CORNERS);
    for (int32_t corner = 0; corner < SHEET_CORNERS; ++corner) {
        int32_t x = 0;
        int32_t y = 0;
        ShoreCornerOrigin(corner, &x, &y);
        const int32_t pitch = SHEET_PITCH;
        BobLoadFrameAt(sprite, &sheet, corner, 1 + pitch * (SHEET_CORNER_COLUMN + corner) + x,
                       1 + pitch * SHEET_ROW_PILE + y);
    }
}

} // namespace

void SpritesBuild(GameSprites& sprites, const BitmapFile& sheet)
{
    for (const SpriteLayout& layout : SPRITE_LAYOUT)
        Build(&(sprites.*layout.sprite), layout.frames, layout.firstColumn, layout.row, sheet);
    for (int32_t piece = 0; piece < SHEET_BANNER_PIECES; ++piece)
        Build(&sprites.banner[piece], 1, piece, SHEET_ROW_BANNER, sheet);
    BuildShore(&sprites.shore, sheet);
    BuildCorners(&sprites.corner, sheet);
}

void SpritesRelease(GameSprites& sprites)
{
    // The banner pieces go before the player, unlike the build order.
    BobDestroy(&sprites.water);
    BobDestroy(&sprites.sparkle);
    BobDestroy(&sprites.land);
    BobDestroy(&sprites.pile);
    BobDestroy(&sprites.exit);
    for (BOB& banner : sprites.banner)
        BobDestroy(&banner);
    BobDestroy(&sprites.player);
    BobDestroy(&sprites.pileOverWater);
    BobDestroy(&sprites.shore);
    BobDestroy(&sprites.corner);
}
