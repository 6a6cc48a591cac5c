// The layers of the play picture, drawn from the board every frame: water,
// land with its shores, piles, exits on their land, the pile in transit, the
// player, and during the level-complete sequence the covering land and the
// banner.
#include "game/render.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"

#include "engine/bob.h"
#include "engine/display.h"

namespace {

const int32_t COVERING_LAND_FRAME = 0;

// A piece of the banner: which sprite, and where its top-left corner goes.
struct BannerPiece {
    int32_t sprite;
    int32_t x;
    int32_t y;
};

// "WELL" over "DONE!": the L and the E are drawn twice.
const BannerPiece BANNER_LAYOUT[] = {
    {0, 124, 190}, {1, 222, 190}, {2, 296, 190}, {2, 370, 190},
    {3, 98, 290},  {4, 176, 290}, {5, 266, 290}, {1, 356, 290}, {6, 438, 290},
};

void DrawAtCell(BOB* sprite, int32_t column, int32_t row)
{
    BobSetPosition(sprite, column * CELL_SIZE, row * CELL_SIZE);
    BobDraw(sprite, MainDisplay.backSurface);
}

void DrawLandCell(int32_t column, int32_t row)
{
    LandSprite.frameIndex = ShoreFrame(column, row);
    DrawAtCell(&LandSprite, column, row);
    DrawShorePieces(column, row);
}

// Whether the pile in transit at (x, y) lies at least half over water.
// Aligned, it has just landed: on land it made a pile, in water it made land.
bool PileOverWater(int32_t x, int32_t y)
{
    const int32_t column = x / CELL_SIZE;
    const int32_t row = y / CELL_SIZE;
    const int32_t dx = x % CELL_SIZE;
    const int32_t dy = y % CELL_SIZE;
    if (dx == 0 && dy == 0)
        return BoardHasCell(column, row) && Board[column][row] == TILE_LAND;
    // Its area over each of the up to four cells it covers.
    const int32_t widths[2] = {CELL_SIZE - dx, dx};
    const int32_t heights[2] = {CELL_SIZE - dy, dy};
    int32_t wet = 0;
    for (int32_t i = 0; i < 2; ++i)
        for (int32_t j = 0; j < 2; ++j)
            if (BoardHasCell(column + i, row + j) && Board[column + i][row + j] == TILE_WATER)
                wet += widths[i] * heights[j];
    return 2 * wet >= CELL_SIZE * CELL_SIZE;
}

} // namespace

void DrawWaterLayer()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            DrawAtCell(&WaterSprite, column, row);
}

void DrawLandLayer()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (Board[column][row] == TILE_LAND)
                DrawLandCell(column, row);
}

void DrawPileLayer()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (Board[column][row] == TILE_PILE) {
                DrawLandCell(column, row);
                DrawAtCell(&PileSprite, column, row);
            }
}

void DrawExitLayer()
{
    // An exit stands on land of its own. The sprite keeps the position of
    // the last exit drawn, which the level-complete sequence covers with land.
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (Board[column][row] == TILE_EXIT) {
                DrawExitGround(column, row);
                DrawAtCell(&ExitSprite, column, row);
            }
}

void DrawPileInTransit()
{
    // Over water the pile casts no shadow.
    BOB* pile = PileOverWater(PileSprite.x, PileSprite.y) ? &PileOverWaterSprite : &PileSprite;
    BobSetPosition(pile, PileSprite.x, PileSprite.y);
    BobDraw(pile, MainDisplay.backSurface);
}

void DrawPlayer()
{
    BobDraw(&PlayerSprite, MainDisplay.backSurface);
}

void DrawShrinkingPlayer()
{
    BobDrawScaled(&PlayerSprite, GameState.drawnWidth, GameState.drawnHeight, MainDisplay.backSurface);
}

void DrawCoveringLand(int32_t exitColumn, int32_t exitRow)
{
    // The land sprite is left at the plain frame, which the editor shows.
    LandSprite.frameIndex = COVERING_LAND_FRAME;
    // A width of 0 is an empty strip: nothing to draw.
    DrawRisenLand(exitColumn, exitRow, GameState.landRiseWidth);
}

void DrawBanner()
{
    for (const BannerPiece& piece : BANNER_LAYOUT) {
        BOB* sprite = &BannerSprites[piece.sprite];
        BobSetPosition(sprite, piece.x, piece.y);
        BobDrawScaled(sprite, BANNER_DRAWN_SIZE, BANNER_DRAWN_SIZE, MainDisplay.backSurface);
    }
}
