// The layers of the picture, drawn from the model: water, the sparkle, land
// with its shores, piles, exits on their land, the pile in transit, the player, and during
// the level-complete sequence the covering land and the banner. The editor
// shows its board plainly.
#include "game/render.h"

#include "game/sprites.h"

#include "format/sheet_layout.h"

namespace {

void DrawAtCell(BOB* sprite, int32_t frame, int32_t column, int32_t row, SDL_Surface* dest)
{
    BobDraw(sprite, frame, column * CELL_SIZE, row * CELL_SIZE, dest);
}

void DrawWaterLayer(GameSprites& sprites, SDL_Surface* dest)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            DrawAtCell(&sprites.water, 0, column, row, dest);
}

void DrawSparkle(const GameModel& model, GameSprites& sprites, SDL_Surface* dest)
{
    if (model.view.sparkleShown)
        DrawAtCell(&sprites.sparkle, model.sparkle.frame, model.sparkleColumn, model.sparkleRow, dest);
}

// A land cell's frame, finished with its shore pieces.
void DrawLandCell(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, SDL_Surface* dest)
{
    DrawAtCell(&sprites.land, ShoreFrame(board, column, row), column, row, dest);
    DrawShorePieces(board, sprites, column, row, dest);
}

void DrawLandLayers(const GameBoard& board, GameSprites& sprites, SDL_Surface* dest)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (board[column][row] == TILE_LAND)
                DrawLandCell(board, sprites, column, row, dest);
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (board[column][row] == TILE_PILE) {
                DrawLandCell(board, sprites, column, row, dest);
                DrawAtCell(&sprites.pile, 0, column, row, dest);
            }
}

void DrawExitLayer(const GameBoard& board, int32_t frame, GameSprites& sprites, SDL_Surface* dest)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (board[column][row] == TILE_EXIT) {
                // An exit stands on land of its own.
                DrawExitGround(board, sprites, column, row, dest);
                DrawAtCell(&sprites.exit, frame, column, row, dest);
            }
}

void DrawBanner(GameSprites& sprites, SDL_Surface* dest)
{
    for (const SheetBannerPlace& place : SHEET_BANNER_LAYOUT)
        BobDrawScaled(&sprites.banner[place.piece], 0, place.x, place.y, SHEET_BANNER_DRAWN_SIZE, SHEET_BANNER_DRAWN_SIZE, dest);
}

void RenderPlay(const GameModel& model, GameSprites& sprites, SDL_Surface* dest)
{
    const GameView& view = model.view;
    DrawWaterLayer(sprites, dest);
    DrawSparkle(model, sprites, dest);
    DrawLandLayers(view.board, sprites, dest);
    DrawExitLayer(view.board, view.exitFrame, sprites, dest);
    // Over water the pile casts no shadow.
    if (view.pileShown)
        BobDraw(view.pileOverWater ? &sprites.pileOverWater : &sprites.pile, 0, model.pileX, model.pileY, dest);
    if (view.player == PLAYER_WHOLE) {
        BobDraw(&sprites.player, view.playerFrame, view.playerX, view.playerY, dest);
        DrawHint(model.hint, dest);
    }
    else if (view.player == PLAYER_SHRUNK)
        BobDrawScaled(&sprites.player, view.playerFrame, view.playerX, view.playerY, view.playerWidth,
                      view.playerHeight, dest);
    // The exit's land with its shores rises; a width of 0 is an empty strip.
    if (view.coverShown)
        DrawRisenLand(view.board, sprites, model.exitX / CELL_SIZE, model.exitY / CELL_SIZE, view.coverWidth, dest);
    if (view.bannerShown)
        DrawBanner(sprites, dest);
}

// Land shows the land picture the last play frame laid; no shores, sparkle
// or animation here.
void RenderEditor(const GameModel& model, GameSprites& sprites, SDL_Surface* dest)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            DrawAtCell(&sprites.water, 0, column, row, dest);
            BOB* onLand = nullptr;
            int32_t frame = 0;
            switch (model.board[column][row]) {
            case TILE_LAND:
                break;
            case TILE_PILE:
                onLand = &sprites.pile;
                break;
            case TILE_EXIT:
                onLand = &sprites.exit;
                frame = model.exitFrame;
                break;
            case TILE_START:
                onLand = &sprites.player;
                frame = model.walk.frame;
                break;
            default:
                continue;
            }
            DrawAtCell(&sprites.land, model.landFrame, column, row, dest);
            if (onLand != nullptr)
                DrawAtCell(onLand, frame, column, row, dest);
        }
}

} // namespace

void GameRender(const GameModel& model, GameSprites& sprites, SDL_Surface* dest)
{
    if (model.view.kind == VIEW_PLAY)
        RenderPlay(model, sprites, dest);
    else if (model.view.kind == VIEW_EDITOR)
        RenderEditor(model, sprites, dest);
}
