// Drawing of the play picture on the back surface: the board's layers with
// their shores, the sparkle, the pile in transit, the player and the banner.
#pragma once

#include <cstdint>

enum { LAND_FRAMES = 16, BANNER_DRAWN_SIZE = 100 };

// Land frame (0 to 14) for a cell, chosen from its four neighbours.
int32_t ShoreFrame(int32_t column, int32_t row);

void DrawWaterLayer();
void DrawSparkle();
void DrawLandLayer();
void DrawPileLayer();
void DrawExitLayer();
void DrawPileInTransit();
void DrawPlayer();
void DrawShrinkingPlayer();
// The land over the exit cell, squeezed to the land-rise width.
void DrawCoveringLand(int32_t exitColumn, int32_t exitRow);
void DrawBanner();

// Shore pieces (game/shore_render.cpp). Over a land cell's frame: the land
// again by its water sides where the frame shows fewer, then its inside
// corners.
void DrawShorePieces(int32_t column, int32_t row);
// The land an exit stands on, by its water sides, with its inside corners.
void DrawExitGround(int32_t column, int32_t row);
// That land risen over an exit cell, squeezed to width from the left.
void DrawRisenLand(int32_t column, int32_t row, int32_t width);
