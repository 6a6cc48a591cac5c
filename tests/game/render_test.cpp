// The picture drawn from the model: every cell of the test sheet has a colour
// of its own, so a pixel names the frame drawn there. Drawing changes nothing,
// and two copies of a model stepped alike draw and do alike.
#include "game_fixture.h"

#include "game/editor.h"

#include "support/tile_sheet.h"

#include <utility>

namespace {

const uint32_t WATER = TestCellColour(0, 0);
const uint32_t PILE = TestCellColour(0, 4);
const uint32_t PILE_OVER_WATER = TestCellColour(SHEET_PILE_OVER_WATER_COLUMN, SHEET_ROW_PILE);
const uint32_t ISLAND = TestCellColour(SHEET_ISLAND_COLUMN, SHEET_ROW_PILE);

uint32_t ExitOnLand(int frame)
{
    return TestCellColour(SHEET_EXIT_ON_LAND_COLUMN + frame, SHEET_ROW_EXIT);
}

uint32_t LandFrame(int frame)
{
    return TestCellColour(frame, SHEET_ROW_LAND);
}

bool SamePicture(const Picture& a, const Picture& b)
{
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

// Water but for the rows given.
Lines WaterWith(std::initializer_list<std::pair<int, std::string>> given)
{
    Lines rows(12, std::string(12, '~'));
    for (const auto& [row, text] : given)
        rows[static_cast<size_t>(row)] = text;
    return rows;
}

class RenderTest : public PictureFixture {
protected:
    // Level 1 of store as rows, stepped one frame with the sparkle hidden and
    // drawn; drawing changes nothing in the model.
    GameModel DrawnAtRest(const Lines& rows)
    {
        store.levels[1] = LevelFromText(rows);
        GameModel model = ModelOnLevel(store, 1);
        model.newSparkle = 0;
        model.sparkleTime = 0;   // hidden for two seconds
        GameStep(model, GameInput(), 100, store, effects);
        const GameModel stepped = model;
        GameRender(model, sprites, picture);
        EXPECT_TRUE(model == stepped);
        return model;
    }

    MemoryLevelStore store;
    GameEffects effects;
};

TEST_F(RenderTest, LayersFollowTheBoardAndDrawingChangesNothing)
{
    // Land at (1..3, 1), land pile land at (5..7, 3), an exit at (2, 5), the
    // player at (11, 11).
    const GameModel model = DrawnAtRest(WaterWith({{1, "~...~~~~~~~~"}, {3, "~~~~~.o.~~~~"}, {5, "~~E~~~~~~~~~"},
                                                   {11, "~~~~~~~~~~~@"}}));
    const std::pair<std::pair<int, int>, uint32_t> cells[] = {
        {{1, 1}, LandFrame(10)}, {{2, 1}, LandFrame(14)}, {{7, 3}, LandFrame(12)},
        {{6, 3}, PILE},                                   // the pile stands on the land of its own shore...
        {{2, 5}, ISLAND},                                 // the exit on an island of its own
        {{11, 11}, TestCellColour(0, SHEET_ROW_PLAYER)},  // the player over everything
    };
    for (const auto& [cell, colour] : cells)
        EXPECT_EQ(CellPixel(picture, cell.first, cell.second), colour) << cell.first << "," << cell.second;
    EXPECT_EQ(Pixel(picture, 2 * CELL_SIZE + 25, 5 * CELL_SIZE + 25), ExitOnLand(0));
    // ...which its transparent half shows.
    EXPECT_EQ(Pixel(picture, 6 * CELL_SIZE + 40, 3 * CELL_SIZE + 25), LandFrame(14));
    EXPECT_EQ(CellPixel(picture, 0, 0), WATER);
    EXPECT_EQ(Pixel(picture, 10 * CELL_SIZE + 49, 11 * CELL_SIZE + 49), WATER);
    // The land picture of the last pile laid is kept.
    EXPECT_EQ(model.landFrame, 14);
    EXPECT_EQ(model.exitX, 2 * CELL_SIZE);
}

// The editor draws its board as play draws the same board: shores, corners,
// piles, exits on their land, the player on the start cell; pixel for pixel.
// G lays the grid over it and frames the cell just pressed, and nothing else.
TEST_F(RenderTest, EditorDrawsTheBoardAsPlayDoesWithTheGridOnRequest)
{
    const Lines rows = {"~~~~~~~~~~~~", "~..o..~~.~~~", "~.~~~.~~..E~", "~.~@~.~~~~~~",
                        "~.....~~~o~~", "~~~E~~~~.~~~", "~~~.~~~..~~~"};
    GameModel model = DrawnAtRest(rows);
    const Picture play = picture;

    // The board as the editor holds it: the start cell as drawn.
    const std::vector<int8_t> drawn = LevelFromText(rows);
    for (int column = 0; column < BOARD_SIZE; ++column)
        for (int row = 0; row < BOARD_SIZE; ++row)
            model.board[column][row] = drawn[LevelByteIndex(column, row)];
    model.editor = 1;
    model.clearBoard = 0;
    GameStep(model, GameInput(), 200, store, effects);
    GameRender(model, sprites, picture);
    EXPECT_TRUE(SamePicture(play, picture));

    GamePressRecord(model, BUTTON_LEFT, 7 * CELL_SIZE + 10, 9 * CELL_SIZE + 10);   // water to land at (7, 9)
    GameStep(model, Holding(&GameInput::grid), 300, store, effects);
    GameRender(model, sprites, picture);
    const Picture grid = picture;
    GameStep(model, Holding(&GameInput::grid), 317, store, effects);   // held: no second toggle
    EXPECT_EQ(model.edit.grid, 1);
    for (int frame = 0; frame < EDITOR_PRESS_HIGHLIGHT_FRAMES; ++frame)
        GameStep(model, GameInput(), 317, store, effects);
    GameRender(model, sprites, picture);
    const Picture gridOnly = picture;
    GameStep(model, Holding(&GameInput::grid), 400, store, effects);
    EXPECT_EQ(model.edit.grid, 0);
    GameRender(model, sprites, picture);
    int lines = 0, frame = 0, other = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            bool onLine = (x % CELL_SIZE == 0 && x > 0) || (y % CELL_SIZE == 0 && y > 0);
            bool differs = Pixel(gridOnly, x, y) != Pixel(picture, x, y);
            lines += onLine && differs;
            other += !onLine && differs;
            frame += Pixel(grid, x, y) != Pixel(gridOnly, x, y);
        }
    EXPECT_EQ(lines, 2 * (BOARD_SIZE - 1) * BOARD_SIZE * CELL_SIZE - (BOARD_SIZE - 1) * (BOARD_SIZE - 1));
    EXPECT_EQ(other, 0);
    // The pressed cell's frame lies within the cell.
    EXPECT_GT(frame, 0);
    EXPECT_NE(Pixel(grid, 7 * CELL_SIZE + 1, 9 * CELL_SIZE + 25), Pixel(gridOnly, 7 * CELL_SIZE + 1, 9 * CELL_SIZE + 25));
    EXPECT_EQ(Pixel(grid, 6 * CELL_SIZE + 25, 9 * CELL_SIZE + 25), Pixel(gridOnly, 6 * CELL_SIZE + 25, 9 * CELL_SIZE + 25));
}

// Over the land frames: a lone cell drawn as the island, a cell whose frame
// falls through beside an exit drawn with both its shores, and the inside
// corners of a pile cell between the land and the pile.
TEST_F(RenderTest, ShorePiecesCompleteTheLandFrames)
{
    const GameModel model = DrawnAtRest(WaterWith({{1, "~~~~~~~~~.~~"}, {5, "~~~~~~~~..E~"}, {7, "~~~~~.o.~~~~"},
                                                   {8, "~~~~~~.~~~~~"}, {11, "@~~~~~~~~~~~"}}));
    EXPECT_EQ(CellPixel(picture, 9, 1), ISLAND);
    EXPECT_EQ(CellPixel(picture, 9, 5), LandFrame(14));
    EXPECT_EQ(model.landFrame, 3);   // the pile's own frame, water above
    const int x = 6 * CELL_SIZE, y = 7 * CELL_SIZE, far = CELL_SIZE - 3;
    EXPECT_EQ(Pixel(picture, x + 2, y + far), PILE);
    EXPECT_EQ(Pixel(picture, x + far, y + far), TestCellColour(SHEET_CORNER_COLUMN + int{SHEET_CORNER_BOTTOM_RIGHT}, SHEET_ROW_PILE));
    EXPECT_EQ(Pixel(picture, x + far, y + 2), LandFrame(3));   // land above it: no corner
}

// The pile in transit loses its shadow once half of it is over water, and
// keeps it pushed over land.
TEST_F(RenderTest, PileOverWaterHasNoShadow)
{
    for (const char* beyond : {"~", "."}) {
        SCOPED_TRACE(beyond);
        store.levels[1] = LevelFromText({std::string("@o") + beyond + "~~~~~~~~~"});
        GameModel model = ModelOnLevel(store, 1);
        uint32_t now = 1000;
        int shown = 0;
        for (int frame = 0; frame < 20; ++frame) {
            StepFrames(model, Holding(&GameInput::right), 1, &now, store);
            if (!model.view.pileShown)
                continue;
            ++shown;
            GameRender(model, sprites, picture);
            const bool overWater = *beyond == '~' && 2 * (model.pileX - CELL_SIZE) >= CELL_SIZE;
            EXPECT_EQ(Pixel(picture, model.pileX + 2, model.pileY + 2), overWater ? PILE_OVER_WATER : PILE)
                << model.pileX;
            if (model.pileX == 2 * CELL_SIZE)
                break;   // landed
        }
        EXPECT_EQ(shown, 10);
    }
}

// The land that rises over the exit laid last is that exit's own land with its
// shores, squeezed from the left over the open exit.
TEST_F(RenderTest, RisenLandIsTheExitsOwnLand)
{
    store.levels[1] = LevelFromText(WaterWith({{2, "~@E~~~~~~~~~"}, {8, "~~~~~~~~E~~~"}}));
    GameModel model = ModelOnLevel(store, 1);
    uint32_t now = 1000;
    bool checked = false;
    for (int frame = 0; frame < 80 && !checked; ++frame) {
        StepFrames(model, Holding(&GameInput::right), 1, &now, store);
        if (!model.view.coverShown || model.view.coverWidth != 29)
            continue;
        GameRender(model, sprites, picture);
        const int exitX = 8 * CELL_SIZE, exitY = 8 * CELL_SIZE;
        EXPECT_EQ(model.exitX, exitX);
        EXPECT_EQ(Pixel(picture, exitX + 28, exitY + 25), ISLAND);
        EXPECT_EQ(Pixel(picture, exitX + 29, exitY + 25), ExitOnLand(1));
        checked = true;
    }
    EXPECT_TRUE(checked);
}

// Copies of a model at frame 200, stepped with the same keys for 600 frames
// through walking, pushing and the level-complete sequence: the same picture,
// effects and model in every frame.
TEST_F(RenderTest, CopiesStepAndDrawAlike)
{
    Lines rows(12, std::string(12, '.'));
    rows[0] = "@...o~~~o...";
    rows[4] = "..o...~~~...";
    rows[11] = "...........E";
    store.levels[1] = LevelFromText(rows);
    store.levels[2] = LevelFromText({"@E"});
    GameModel model = ModelOnLevel(store, 1);

    bool GameInput::*const ARROWS[] = {&GameInput::left, &GameInput::up, &GameInput::right, &GameInput::down};
    uint32_t seed = 12345;
    auto inputAt = [&](int frame) {
        if (frame >= 300)
            return Holding(frame < 450 ? &GameInput::right : &GameInput::down);
        seed = seed * 1103515245u + 12345u;
        return Holding(ARROWS[(seed >> 16) % 4]);
    };
    uint32_t now = 5000;
    GameModel copy;
    Picture copyPicture = PictureMake(picture.width, picture.height);
    bool sequenceRan = false;
    for (int frame = 0; frame < 800; ++frame, now += 17) {
        if (frame == 200)
            copy = model;
        GameInput input = inputAt(frame);
        GameEffects effects, copyEffects;
        GameStep(model, input, now, store, effects);
        if (frame < 200)
            continue;
        GameStep(copy, input, now, store, copyEffects);
        GameRender(model, sprites, picture);
        GameRender(copy, sprites, copyPicture);
        ASSERT_TRUE(model == copy) << frame;
        ASSERT_EQ(effects.count, copyEffects.count) << frame;
        for (int i = 0; i < effects.count; ++i)
            EXPECT_TRUE(effects.items[i].kind == copyEffects.items[i].kind &&
                        effects.items[i].value == copyEffects.items[i].value) << frame;
        ASSERT_TRUE(SamePicture(picture, copyPicture)) << frame;
        sequenceRan = sequenceRan || model.view.bannerShown;
    }
    EXPECT_TRUE(sequenceRan);
}

} // namespace
