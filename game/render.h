// The picture of the model: the play picture (the board's layers with their
// shores, the sparkle, the pile in transit, the player, the covering land and
// the banner) or the editor's plain board. Drawing reads the model only.
#pragma once

#include "game/model.h"

#include <cstdint>

struct SDL_Surface;
struct GameSprites;

// Land frame (0 to 14) for a cell, chosen from its four neighbours.
int32_t ShoreFrame(const GameBoard& board, int32_t column, int32_t row);

// Draws the last frame's picture onto dest.
void GameRender(const GameModel& model, GameSprites& sprites, SDL_Surface* dest);
