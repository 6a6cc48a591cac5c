// The picture of the model: the play picture (the board's layers with their
// shores, exits on land of their own, the sparkle, the pile in transit, the player, the covering land and
// the banner) or the editor's board, drawn with the same layers. Drawing reads
// the model only.
#pragma once

#include "game/model.h"

#include "engine/picture.h"

#include <cstdint>

struct GameSprites;

// Land frame (0 to 14) for a cell, chosen from its four neighbours.
int32_t ShoreFrame(const GameBoard& board, int32_t column, int32_t row);

// Shore pieces (game/shore_render.cpp). Over a land cell's frame: the land
// again by its water sides where the frame shows fewer, then its inside
// corners.
void DrawShorePieces(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, Picture& dest);
// The land an exit stands on, by its water sides, with its inside corners.
void DrawExitGround(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, Picture& dest);
// That land risen over an exit cell, squeezed to width from the left.
void DrawRisenLand(const GameBoard& board, GameSprites& sprites, int32_t column, int32_t row, int32_t width,
                   Picture& dest);

// The hint, when one is shown: the pile to push and the way it goes.
void DrawHint(const GameHint& hint, Picture& dest);

// Draws the last frame's picture onto dest.
void GameRender(const GameModel& model, GameSprites& sprites, Picture& dest);
