// Starting and restarting a level: the board is rebuilt from the level file.
#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"

#include "app/app.h"
#include "platform/platform.h"

namespace {

const int32_t FULL_PLAYER_SIZE = CELL_SIZE;

// Onto a cleared board: land, piles and exits come over from the level
// buffer, start cells become land with the player on the last one scanned,
// and every other cell stays water.
void CopyLevelToBoard()
{
    for (int32_t column = 0; column < BOARD_SIZE; ++column)
        for (int32_t row = 0; row < BOARD_SIZE; ++row) {
            int32_t code = LevelBuffer[LevelByteIndex(column, row)];
            if (code == TILE_LAND || code == TILE_PILE || code == TILE_EXIT) {
                Board[column][row] = code;
            } else if (code == TILE_START) {
                Board[column][row] = TILE_LAND;
                PlayerSprite.x = column * CELL_SIZE;
                PlayerSprite.y = row * CELL_SIZE;
            }
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
    CopyLevelToBoard();
    ExitSprite.frameIndex = 0;
    PlayerSprite.frameIndex = 0;
}

void ResetLevel()
{
    GameState.currentLevel = static_cast<uint8_t>(GameState.resetLevel);
    StartLevel();
}
