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
