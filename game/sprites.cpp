// The sprite objects and where their frames lie on the tile sheet.
#include "game/sprites.h"

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
    {&GameSprites::exit, SHEET_EXIT_FRAMES, 0, SHEET_ROW_EXIT},
    {&GameSprites::player, SHEET_PLAYER_FRAMES, 0, SHEET_ROW_PLAYER},
};

void Build(BOB* sprite, int32_t frames, int32_t firstColumn, int32_t row, const BitmapFile& sheet)
{
    BobCreate(sprite, SPRITE_SIZE, SPRITE_SIZE, frames);
    for (int32_t frame = 0; frame < frames; ++frame)
        BobLoadFrame(sprite, &sheet, frame, firstColumn + frame, row);
}

} // namespace

void SpritesBuild(GameSprites& sprites, const BitmapFile& sheet)
{
    for (const SpriteLayout& layout : SPRITE_LAYOUT)
        Build(&(sprites.*layout.sprite), layout.frames, layout.firstColumn, layout.row, sheet);
    for (int32_t piece = 0; piece < SHEET_BANNER_PIECES; ++piece)
        Build(&sprites.banner[piece], 1, piece, SHEET_ROW_BANNER, sheet);
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
}
