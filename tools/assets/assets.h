// quagmore-assets: draws the tile sheet and icons and synthesizes the sounds.
#pragma once

#include "format/sheet_layout.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Pictures

struct AssetsColor {
    float r = 0, g = 0, b = 0;
};

// An RGBA picture, top row first. Alpha 0 marks a transparent pixel; the tile
// sheet stores those as pure black, the sprites' colour key.
struct AssetsImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

// A picture described as a function of continuous cell coordinates (0..50 on
// both axes, y down). Returns false where the picture is transparent.
using AssetsShader = std::function<bool(float x, float y, AssetsColor* out)>;

// The sheet's layout, as the game reads it.
constexpr int ASSETS_CELL = SHEET_CELL;             // cell size in pixels
constexpr int ASSETS_PITCH = SHEET_PITCH;           // cell plus one grid line
constexpr int ASSETS_SHEET_COLUMNS = SHEET_COLUMNS;
constexpr int ASSETS_SHEET_ROWS = SHEET_ROWS;
constexpr int ASSETS_SHEET_WIDTH = SHEET_WIDTH;     // 817
constexpr int ASSETS_SHEET_HEIGHT = SHEET_HEIGHT;   // 307

// Sheet rows and frame counts.
constexpr int ASSETS_ROW_WATER = SHEET_ROW_WATER;
constexpr int ASSETS_ROW_PLAYER = SHEET_ROW_PLAYER;
constexpr int ASSETS_ROW_LAND = SHEET_ROW_LAND;
constexpr int ASSETS_ROW_BANNER = SHEET_ROW_BANNER;
constexpr int ASSETS_ROW_PILE = SHEET_ROW_PILE;
constexpr int ASSETS_ROW_EXIT = SHEET_ROW_EXIT;
constexpr int ASSETS_SPARKLE_FRAMES = SHEET_SPARKLE_FRAMES;
constexpr int ASSETS_PLAYER_FRAMES = SHEET_PLAYER_FRAMES;
constexpr int ASSETS_LAND_FRAMES = SHEET_LAND_FRAMES;
constexpr int ASSETS_BANNER_PIECES = SHEET_BANNER_PIECES;
constexpr int ASSETS_EXIT_FRAMES = SHEET_EXIT_FRAMES;

// Water sides of a land frame.
constexpr unsigned ASSETS_SIDE_LEFT = SIDE_LEFT;
constexpr unsigned ASSETS_SIDE_TOP = SIDE_TOP;
constexpr unsigned ASSETS_SIDE_RIGHT = SIDE_RIGHT;
constexpr unsigned ASSETS_SIDE_BOTTOM = SIDE_BOTTOM;

AssetsImage AssetsImageMake(int width, int height);
void AssetsImageSet(AssetsImage& img, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a);
// Renders a shader into a size x size square at (x0, y0), with 4 x 4
// supersampling. A pixel is opaque when at least half its samples are; its
// colour is the mean of the opaque samples, so edges never fade into the
// transparent black. Opaque pixels are never pure black.
void AssetsRenderShader(AssetsImage& img, int x0, int y0, int size, const AssetsShader& shader);
// Nearest-neighbour stretch of a block, clipped to dst and colour keyed:
// black source pixels are skipped, as in the game's blit.
void AssetsBlitScaled(AssetsImage& dst, int dx, int dy, int dw, int dh, const AssetsImage& src,
                      int sx, int sy, int sw, int sh);

bool AssetsWriteBmp(const std::string& path, const AssetsImage& img);
bool AssetsWritePng(const std::string& path, const AssetsImage& img);

// ---------------------------------------------------------------------------
// Art (one shader per sheet cell)

bool AssetsWater(float x, float y, AssetsColor* out);
AssetsShader AssetsSparkle(int frame);
AssetsShader AssetsPlayer(int frame);
AssetsShader AssetsLand(int frame);
AssetsShader AssetsBannerPiece(int piece);
bool AssetsPile(float x, float y, AssetsColor* out);
AssetsShader AssetsExit(int frame);

// The whole sheet, 817 x 307, with dark grey grid lines.
AssetsImage AssetsDrawSheet();
// The application icon at any size: an island with the player, on water.
// With rounded set, the corners outside a rounded square are transparent,
// with an anti-aliased edge.
AssetsImage AssetsDrawIcon(int size, bool rounded);
// A sample board composed from the sheet the way the game draws it, for
// looking at the art.
AssetsImage AssetsDrawPreview(const AssetsImage& sheet);
// Draws the level-complete banner over a 600 x 600 board picture.
void AssetsDrawBanner(AssetsImage& img, const AssetsImage& sheet);

// ---------------------------------------------------------------------------
// Sounds: 8-bit unsigned mono PCM at 11025 Hz

constexpr int ASSETS_SOUND_RATE = 11025;
constexpr int ASSETS_SOUND_SILENCE = 128;

std::vector<uint8_t> AssetsSoundSplash();
std::vector<uint8_t> AssetsSoundStart();
std::vector<uint8_t> AssetsSoundApplause();
std::vector<uint8_t> AssetsSoundFanfare();
bool AssetsWriteWav(const std::string& path, const std::vector<uint8_t>& samples);
