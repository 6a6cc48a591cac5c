// Rule checks that are clumsy from outside: the frame-by-frame push in every
// direction, the pushes that are refused, and the level-complete sequence:
// the land that rises over the exit drawn last, and the banner.
#include "game_fixture.h"

namespace {

using PlayRulesTest = GameFixture;

const uint32_t PILE = TestCellColour(0, 4);
const uint32_t PILE_OVER_WATER = TestCellColour(1, 4);

TEST_F(PlayRulesTest, PushLandsInTheTenthFrameOneCellAhead)
{
    // Each way, with the land frame the filled cell shows: water on three sides.
    const struct {
        uint8_t key;
        int dx, dy, shore;
    } ways[] = {{DIK_LEFT, -1, 0, 10}, {DIK_UP, 0, -1, 9}, {DIK_RIGHT, 1, 0, 12}, {DIK_DOWN, 0, 1, 11}};
    const int c = 5, r = 5;
    for (const auto& push : ways)
        for (int32_t beyond : {TILE_WATER, TILE_LAND}) {
            SCOPED_TRACE(testing::Message() << "key " << int(push.key) << " beyond " << beyond);
            FillBoard(TILE_WATER);
            Board[c][r] = TILE_LAND;
            Board[c + push.dx][r + push.dy] = TILE_PILE;
            int32_t& target = Board[c + 2 * push.dx][r + 2 * push.dy];
            target = beyond;
            const int px = (c + 2 * push.dx) * CELL_SIZE + 2, py = (r + 2 * push.dy) * CELL_SIZE + 2;
            PlacePlayer(c, r);
            HideSparkle();
            const int splashes = SoundsPlayed("splash.wav");
            // Every arrow before this one in the list is held too: down wins, then right, up, left.
            for (const auto* held = ways; held <= &push; ++held)
                HeadlessSetKey(held->key, true);
            for (int frame = 1; frame <= 10; ++frame) {
                PlayFrame();
                HeadlessReleaseAllKeys();
                // The pile leaves its cell at once and is drawn one cell ahead of the player.
                EXPECT_EQ(Board[c + push.dx][r + push.dy], TILE_LAND);
                EXPECT_EQ(GameState.pushing, 1);
                EXPECT_EQ(PileSprite.x - PlayerSprite.x, push.dx * CELL_SIZE) << frame;
                EXPECT_EQ(PileSprite.y - PlayerSprite.y, push.dy * CELL_SIZE) << frame;
                EXPECT_EQ(target, frame < 10 ? beyond : beyond == TILE_WATER ? TILE_LAND : TILE_PILE) << frame;
                // Its shadow goes once half of it is over water, and stays off as it lands there.
                const bool overWater = beyond == TILE_WATER && frame >= 5;
                EXPECT_EQ(Pixel(PileSprite.x + 2, PileSprite.y + 2), overWater ? PILE_OVER_WATER : PILE) << frame;
            }
            EXPECT_EQ(Pixel(px, py), beyond == TILE_WATER ? PILE_OVER_WATER : PILE);   // on its new cell
            EXPECT_EQ(SoundsPlayed("splash.wav") - splashes, beyond == TILE_WATER ? 1 : 0);
            PlayFrame();
            EXPECT_EQ(GameState.moving, 0);
            EXPECT_EQ(PlayerSprite.x, (c + push.dx) * CELL_SIZE);
            EXPECT_EQ(PlayerSprite.y, (r + push.dy) * CELL_SIZE);
            // A landed pile is drawn by the pile layer, a filled cell as land.
            EXPECT_EQ(Pixel(px, py), beyond == TILE_LAND ? PILE : TestCellColour(push.shore, 2));
        }

    // No push onto an exit or another pile, nor off the board.
    for (const auto& [column, beyond] : {std::pair{5, int32_t(TILE_EXIT)}, {5, int32_t(TILE_PILE)}, {10, -1}}) {
        FillBoard(TILE_WATER);
        Board[column][r] = TILE_LAND;
        Board[column + 1][r] = TILE_PILE;
        if (beyond >= 0)
            Board[column + 2][r] = beyond;
        PlacePlayer(column, r);
        HeadlessSetKey(DIK_RIGHT, true);
        PlayFrame();
        HeadlessReleaseAllKeys();
        EXPECT_EQ(GameState.moving, 0) << beyond;
        EXPECT_EQ(Board[column + 1][r], TILE_PILE) << beyond;
    }
}

TEST_F(PlayRulesTest, LandRisesOverTheExitDrawnLastThenTheBannerShows)
{
    FillBoard(TILE_WATER);
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
            // The strip drawn this frame is 29 pixels wide, from the cell's left
            // edge: the exit's own land, an island, squeezed over the open exit.
            EXPECT_EQ(Pixel(exitX + 28, exitY + 25), TestCellColour(2, 4));
            EXPECT_EQ(Pixel(exitX + 29, exitY + 25), TestCellColour(TEST_EXIT_COLUMN + 1, TEST_EXIT_ROW));
        }
    }
    EXPECT_EQ(GameState.drawnWidth, 35);
    EXPECT_EQ(GameState.drawnHeight, 35);
    EXPECT_EQ(Board[8][8], TILE_EXIT);
    EXPECT_NE(Pixel(124, 190), TestCellColour(0, 3));   // no banner within the first second
    PlayFrame();
    EXPECT_EQ(Board[8][8], TILE_LAND);
    EXPECT_EQ(Board[2][2], TILE_EXIT);
    EXPECT_EQ(GameState.playerGone, 1);
    // The player slid at most one pixel per shrinking frame, down and right alike.
    EXPECT_EQ(PlayerSprite.x - 2 * CELL_SIZE, PlayerSprite.y - 2 * CELL_SIZE);
    EXPECT_LE(PlayerSprite.x - 2 * CELL_SIZE, 15);

    // The banner after a second: "WELL" over "DONE!", its 100 x 100 pieces
    // overlapping the right edges of earlier ones, never the left.
    while (ClockNow() - GameState.completionTime <= 1000)
        PlayFrame();
    PlayFrame();
    const int pieces[][3] = {{0, 124, 190}, {1, 222, 190}, {2, 296, 190}, {2, 370, 190}, {3, 98, 290},
                             {4, 176, 290}, {5, 266, 290}, {1, 356, 290}, {6, 438, 290}};
    for (const auto& [sprite, x, y] : pieces) {
        const uint32_t colour = TestCellColour(sprite, 3);
        EXPECT_EQ(Pixel(x, y), colour) << x;
        EXPECT_EQ(Pixel(x, y + 99), colour) << x;
        EXPECT_NE(Pixel(x, y - 1), colour) << x;
    }
    EXPECT_EQ(Pixel(469, 240), TestCellColour(2, 3));
    EXPECT_EQ(Pixel(537, 389), TestCellColour(6, 3));
    for (const auto& [x, y] : {std::pair{470, 240}, {538, 389}, {123, 240}, {300, 390}})
        EXPECT_EQ(Pixel(x, y), TestCellColour(0, 0)) << x << "," << y;
    // The sequence is still running: no new level before six seconds.
    EXPECT_EQ(GameState.levelComplete, 1);
}

} // namespace
