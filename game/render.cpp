// The layers of the picture, drawn from the model: water, the sparkle, land
// with its shores, piles, exits on their land, the pile in transit, the player, and during
// the level-complete sequence the covering land and the banner. The editor
// shows its board with the same layers, and the grid when asked.
#include "game/render.h"

#include "game/sprites.h"

#include "format/sheet_layout.h"

namespace {

// The editor's grid: dark lines a pixel wide, and the pressed cell framed in
// a light yellow.
const int32_t EDITOR_GRID_LINE = 1;
const uint32_t EDITOR_GRID_RGB = 0x203040;
const int32_t EDITOR_PRESS_FRAME = 3;
const uint32_t EDITOR_PRESS_RGB = 0xFFE060;

void DrawAtCell(BOB* sprite, int32_t frame, int32_t column, int32_t row, Picture& dest)
{
    BobDraw(sprite, frame, column * CELL_SIZE, row * CELL_SIZE, dest);
}

void DrawWaterLayer(GameSprites& sprites, Picture& dest)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            DrawAtCell(&sprites.water, 0, column, row, dest);
}

void DrawSparkle(const GameModel& model, GameSprites& sprites, Picture& dest)
{
    if (model.view.sparkleShown)
        DrawAtCell(&sprites.sparkle, model.sparkle.frame, model.sparkleColumn, model.sparkleRow, dest);
}

// A land cell's frame, finished with its shore pieces.
void DrawLandCell(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, Picture& dest)
{
    DrawAtCell(&sprites.land, ShoreFrame(board, column, row), column, row, dest);
    DrawShorePieces(board, sprites, column, row, dest);
}

void DrawLandLayers(const GameBoard& board, GameSprites& sprites, Picture& dest)
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

void DrawExitLayer(const GameBoard& board, int32_t frame, GameSprites& sprites, Picture& dest)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (board[column][row] == TILE_EXIT) {
                // An exit stands on land of its own.
                DrawExitGround(board, sprites, column, row, dest);
                DrawAtCell(&sprites.exit, frame, column, row, dest);
            }
}

void DrawBanner(GameSprites& sprites, Picture& dest)
{
    for (const SheetBannerPlace& place : SHEET_BANNER_LAYOUT)
        BobDrawScaled(&sprites.banner[place.piece], 0, place.x, place.y, SHEET_BANNER_DRAWN_SIZE, SHEET_BANNER_DRAWN_SIZE, dest);
}

void RenderPlay(const GameModel& model, GameSprites& sprites, Picture& dest)
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

// The board as play would lay it: start cells are land, and a code that is
// no tile is water.
void PlayBoardOf(const GameModel& model, GameBoard& board)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            int32_t code = model.board[column][row];
            if (code == TILE_START)
                code = TILE_LAND;
            else if (code != TILE_LAND && code != TILE_PILE && code != TILE_EXIT)
                code = TILE_WATER;
            board[column][row] = code;
        }
}

void FillRect(Picture& dest, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rgb)
{
    PictureFill(dest, PictureRect{x, y, width, height}, rgb);
}

// G: a line between the cells, and the cell of the latest press framed for
// a moment.
void DrawEditorGrid(const GameModel& model, Picture& dest)
{
    const int32_t picture = BOARD_SIZE * CELL_SIZE;
    for (int32_t line = 1; line < BOARD_SIZE; ++line) {
        FillRect(dest, line * CELL_SIZE, 0, EDITOR_GRID_LINE, picture, EDITOR_GRID_RGB);
        FillRect(dest, 0, line * CELL_SIZE, picture, EDITOR_GRID_LINE, EDITOR_GRID_RGB);
    }
    if (model.edit.pressedFrames <= 0)
        return;
    const int32_t x = model.edit.pressedColumn * CELL_SIZE;
    const int32_t y = model.edit.pressedRow * CELL_SIZE;
    const int32_t edge = CELL_SIZE - EDITOR_PRESS_FRAME;
    FillRect(dest, x, y, CELL_SIZE, EDITOR_PRESS_FRAME, EDITOR_PRESS_RGB);
    FillRect(dest, x, y + edge, CELL_SIZE, EDITOR_PRESS_FRAME, EDITOR_PRESS_RGB);
    FillRect(dest, x, y, EDITOR_PRESS_FRAME, CELL_SIZE, EDITOR_PRESS_RGB);
    FillRect(dest, x + edge, y, EDITOR_PRESS_FRAME, CELL_SIZE, EDITOR_PRESS_RGB);
}

// The editor's board drawn as play draws it (water, land with its shores,
// piles, exits on their land), the player on every start cell, without the
// sparkle or any animation.
void RenderEditor(const GameModel& model, GameSprites& sprites, Picture& dest)
{
    GameBoard board;
    PlayBoardOf(model, board);
    DrawWaterLayer(sprites, dest);
    DrawLandLayers(board, sprites, dest);
    DrawExitLayer(board, model.exitFrame, sprites, dest);
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (model.board[column][row] == TILE_START)
                DrawAtCell(&sprites.player, model.walk.frame, column, row, dest);
    if (model.edit.grid)
        DrawEditorGrid(model, dest);
}

} // namespace

void GameRender(const GameModel& model, GameSprites& sprites, Picture& dest)
{
    if (model.view.kind == VIEW_PLAY)
        RenderPlay(model, sprites, dest);
    else if (model.view.kind == VIEW_EDITOR)
        RenderEditor(model, sprites, dest);
}
