// Starting and restarting a level: the board is rebuilt from the level file.
#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"

#include "app/app.h"
#include "platform/platform.h"

namespace {

const int32_t FULL_PLAYER_SIZE = CELL_SIZE;

// Every cell whose level byte equals code becomes tile.
void CopyCellsWithCode(int32_t code, int32_t tile)
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (LevelBuffer[LevelByteIndex(column, row)] == code)
                Board[column][row] = tile;
}

// Start cells become land; the player stands on the last one scanned.
void PlacePlayerOnStart()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row)
            if (LevelBuffer[LevelByteIndex(column, row)] == TILE_START) {
                Board[column][row] = TILE_LAND;
                PlayerSprite.x = column * CELL_SIZE;
                PlayerSprite.y = row * CELL_SIZE;
            }
}

} // namespace

void StartLevel()
{
    PlatformTrace("level", GameState.currentLevel);
    PlatformMenuEnable(IDM_LEVEL_1, 1);
    LoadLevelFile(GameState.currentLevel);
    GameState.resetLevel = GameState.currentLevel;

    GameState.landRiseWidth = 0;
    GameState.playerGone = 0;
    GameState.drawnWidth = FULL_PLAYER_SIZE;
    GameState.drawnHeight = FULL_PLAYER_SIZE;
    GameState.levelComplete = 0;
    GameState.allFinished = 0;

    ClearBoard();
    CopyCellsWithCode(TILE_LAND, TILE_LAND);
    CopyCellsWithCode(TILE_PILE, TILE_PILE);
    CopyCellsWithCode(TILE_EXIT, TILE_EXIT);
    ExitSprite.frameIndex = 0;
    PlacePlayerOnStart();
    PlayerSprite.frameIndex = 0;
}

void ResetLevel()
{
    GameState.currentLevel = static_cast<uint8_t>(GameState.resetLevel);
    StartLevel();
}
