// Rule checks that are clumsy from outside: the frame-by-frame push in every
// direction, and the land that rises over the exit drawn last.
#include "game_fixture.h"
#include "tile_sheet_writer.h"

#include "engine/input.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/play.h"
#include "game/sprites.h"
#include "platform/headless/headless.h"

namespace {

using PlayRulesTest = GameFixture;

struct PushCase {
    uint8_t key;
    int dx, dy;
    int32_t beyond;     // what lies beyond the pile
    int32_t landsAs;    // what the cell beyond becomes
    int shore;          // its land frame when it became land: water on three sides
};

TEST_F(PlayRulesTest, PushLandsInTheTenthFrameOneCellAhead)
{
    const PushCase cases[] = {
        {DIK_LEFT, -1, 0, TILE_WATER, TILE_LAND, 10}, {DIK_UP, 0, -1, TILE_WATER, TILE_LAND, 9},
        {DIK_RIGHT, 1, 0, TILE_WATER, TILE_LAND, 12}, {DIK_DOWN, 0, 1, TILE_WATER, TILE_LAND, 11},
        {DIK_LEFT, -1, 0, TILE_LAND, TILE_PILE, 0},   {DIK_UP, 0, -1, TILE_LAND, TILE_PILE, 0},
        {DIK_RIGHT, 1, 0, TILE_LAND, TILE_PILE, 0},   {DIK_DOWN, 0, 1, TILE_LAND, TILE_PILE, 0},
    };
    const int c = 5, r = 5;
    for (const PushCase& push : cases) {
        SCOPED_TRACE(testing::Message() << "key " << int(push.key) << " beyond " << push.beyond);
        SetBoard(BoardText(BOARD_SIZE, std::string(BOARD_SIZE, '~')));
        Board[c][r] = TILE_LAND;
        Board[c + push.dx][r + push.dy] = TILE_PILE;
        Board[c + 2 * push.dx][r + 2 * push.dy] = push.beyond;
        PlacePlayer(c, r);
        HideSparkle();
        int splashes = SoundsPlayed("splash.wav");

        HeadlessSetKey(push.key, true);
        PlayFrame();
        HeadlessReleaseAllKeys();
        EXPECT_EQ(Board[c + push.dx][r + push.dy], TILE_LAND);
        for (int frame = 1; frame <= 10; ++frame) {
            if (frame > 1)
                PlayFrame();
            SCOPED_TRACE(frame);
            EXPECT_EQ(GameState.pushing, 1);
            // Drawn one cell ahead of the player as drawn in the same frame.
            EXPECT_EQ(PileSprite.x, PlayerSprite.x + push.dx * CELL_SIZE);
            EXPECT_EQ(PileSprite.y, PlayerSprite.y + push.dy * CELL_SIZE);
            int32_t beyond = Board[c + 2 * push.dx][r + 2 * push.dy];
            EXPECT_EQ(beyond, frame < 10 ? push.beyond : push.landsAs);
        }
        // The pile is drawn on its new cell in the landing frame.
        int px = (c + 2 * push.dx) * CELL_SIZE, py = (r + 2 * push.dy) * CELL_SIZE;
        EXPECT_EQ(PileSprite.x, px);
        EXPECT_EQ(PileSprite.y, py);
        EXPECT_EQ(Pixel(px + 2, py + 2), TestCellColour(0, 4));
        EXPECT_EQ(SoundsPlayed("splash.wav") - splashes, push.beyond == TILE_WATER ? 1 : 0);

        PlayFrame();
        EXPECT_EQ(GameState.pushing, 0);
        EXPECT_EQ(GameState.moving, 0);
        EXPECT_EQ(PlayerSprite.x, (c + push.dx) * CELL_SIZE);
        EXPECT_EQ(PlayerSprite.y, (r + push.dy) * CELL_SIZE);
        // A landed pile is drawn by the pile layer, a filled cell as land.
        uint32_t shown = Pixel(px + 2, py + 2);
        EXPECT_EQ(shown, push.landsAs == TILE_PILE ? TestCellColour(0, 4) : TestCellColour(push.shore, 2));
    }
}

} // namespace

namespace {

TEST_F(PlayRulesTest, LandRisesOverTheExitDrawnLast)
{
    SetBoard(BoardText(BOARD_SIZE, std::string(BOARD_SIZE, '~')));
    Board[2][2] = TILE_EXIT;
    Board[8][8] = TILE_EXIT;
    PlacePlayer(2, 2);
    HideSparkle();
    GameState.currentLevel = 3;

    PlayFrame();
    EXPECT_EQ(GameState.levelComplete, 1);
    EXPECT_EQ(GameState.currentLevel, 4);
    EXPECT_EQ(GameState.resetLevel, 3);
    EXPECT_EQ(ExitSprite.frameIndex, 1);
    EXPECT_EQ(SoundsPlayed("bifald.wav"), 1);
    EXPECT_EQ(GameState.drawnWidth, 49);

    const int exitX = 8 * CELL_SIZE, exitY = 8 * CELL_SIZE;
    for (int frame = 2; frame <= 50; ++frame) {
        PlayFrame();
        if (frame == 30) {
            // The strip drawn this frame is 29 pixels wide, from the cell's left edge.
            EXPECT_EQ(Pixel(exitX + 28, exitY + 25), TestCellColour(0, 2));
            EXPECT_EQ(Pixel(exitX + 29, exitY + 25), TestCellColour(1, 5));
        }
    }
    EXPECT_EQ(GameState.drawnWidth, 35);
    EXPECT_EQ(GameState.drawnHeight, 35);
    EXPECT_EQ(Board[8][8], TILE_EXIT);
    EXPECT_EQ(GameState.playerGone, 0);

    PlayFrame();
    EXPECT_EQ(Board[8][8], TILE_LAND);
    EXPECT_EQ(Board[2][2], TILE_EXIT);
    EXPECT_EQ(GameState.playerGone, 1);
    EXPECT_EQ(GameState.landRiseWidth, 50);
    // The player slid at most one pixel per shrinking frame, down and right alike.
    EXPECT_EQ(PlayerSprite.x - 2 * CELL_SIZE, PlayerSprite.y - 2 * CELL_SIZE);
    EXPECT_LE(PlayerSprite.x - 2 * CELL_SIZE, 15);
    // The sequence is still running: no new level before six seconds.
    EXPECT_EQ(GameState.levelComplete, 1);
}

} // namespace
