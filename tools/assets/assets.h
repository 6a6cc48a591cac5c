// quagmore-assets: draws the tile sheet and icons and synthesizes the sounds.
#pragma once

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

constexpr int ASSETS_CELL = 50;             // cell size in pixels
constexpr int ASSETS_PITCH = 51;            // cell plus one grid line
constexpr int ASSETS_SHEET_COLUMNS = 16;
constexpr int ASSETS_SHEET_ROWS = 6;
constexpr int ASSETS_SHEET_WIDTH = 1 + ASSETS_PITCH * ASSETS_SHEET_COLUMNS;   // 817
constexpr int ASSETS_SHEET_HEIGHT = 1 + ASSETS_PITCH * ASSETS_SHEET_ROWS;     // 307

// The sheet, cell (column, row):
//   row 0  water (0), sparkle frames 1 to 8 (1..8)
//   row 1  player, 8 walking frames (0..7)
//   row 2  land frames 0 to 15 (0..15)
//   row 3  banner pieces 0 to 6 (0..6)
//   row 4  pile (0), pile over water (1), island (2),
//          inside corners top-left, top-right, bottom-right, bottom-left (3..6)
//   row 5  exit on water, closed and open (0, 1); exit on land, closed and open (2, 3)
// Cells not listed stay black.
constexpr int ASSETS_ROW_WATER = 0;
constexpr int ASSETS_ROW_PLAYER = 1;
constexpr int ASSETS_ROW_LAND = 2;
constexpr int ASSETS_ROW_BANNER = 3;
constexpr int ASSETS_ROW_PILE = 4;
constexpr int ASSETS_ROW_EXIT = 5;
constexpr int ASSETS_SPARKLE_FRAMES = 9;
constexpr int ASSETS_PLAYER_FRAMES = 8;
constexpr int ASSETS_LAND_FRAMES = 16;
constexpr int ASSETS_BANNER_PIECES = 7;
constexpr int ASSETS_EXIT_FRAMES = 2;
constexpr int ASSETS_PILE_OVER_WATER_COLUMN = 1;   // row 4
constexpr int ASSETS_ISLAND_COLUMN = 2;            // row 4
constexpr int ASSETS_CORNER_COLUMN = 3;            // row 4, the four corners in order
constexpr int ASSETS_EXIT_ON_LAND_COLUMN = 2;      // row 5, both frames

// Inside corners, in their order on the sheet.
constexpr int ASSETS_CORNER_TOP_LEFT = 0;
constexpr int ASSETS_CORNER_TOP_RIGHT = 1;
constexpr int ASSETS_CORNER_BOTTOM_RIGHT = 2;
constexpr int ASSETS_CORNER_BOTTOM_LEFT = 3;
constexpr int ASSETS_CORNERS = 4;

// Water sides of a land frame.
constexpr unsigned ASSETS_SIDE_LEFT = 1;
constexpr unsigned ASSETS_SIDE_TOP = 2;
constexpr unsigned ASSETS_SIDE_RIGHT = 4;
constexpr unsigned ASSETS_SIDE_BOTTOM = 8;

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
// The water sides (ASSETS_SIDE_* bits) a land frame shows.
unsigned AssetsLandWaterSides(int frame);
// Land with water on all four sides.
bool AssetsIsland(float x, float y, AssetsColor* out);
// The shore turning around water that touches the cell only at one corner.
AssetsShader AssetsInsideCorner(int corner);
AssetsShader AssetsBannerPiece(int piece);
bool AssetsPile(float x, float y, AssetsColor* out);
bool AssetsPileOverWater(float x, float y, AssetsColor* out);
AssetsShader AssetsExit(int frame);
// The exit's slab set into land, transparent around its rim of sand.
AssetsShader AssetsExitOnLand(int frame);

// The whole sheet, 817 x 307, with dark grey grid lines.
AssetsImage AssetsDrawSheet();
// The application icon at any size: an island with the player, on water.
// With rounded set, the corners outside a rounded square are transparent.
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
