// The rules of play: alignment and the exit, the arrows, walking and pushing,
// and the pile in transit.
#include "game/play.h"

#include "game/board.h"
#include "game/game_state.h"
#include "game/sprites.h"

#include "engine/bob.h"
#include "engine/input.h"
#include "engine/sound.h"

namespace {

// What a direction means: the walking animation, the way to the next cell
// and the arrow that selects it.
struct DirectionRule {
    int32_t animSlot;
    int32_t columnStep;
    int32_t rowStep;
    uint8_t key;
};

const DirectionRule DIRECTION_RULES[] = {
    {0, 0, 0, 0},              // none
    {0, -1, 0, DIK_LEFT},      // left
    {2, 0, -1, DIK_UP},        // up
    {1, 1, 0, DIK_RIGHT},      // right
    {3, 0, 1, DIK_DOWN},       // down
};

bool IsAligned(int32_t coordinate)
{
    return coordinate % CELL_SIZE == 0;
}

int32_t ClampPosition(int32_t value)
{
    if (value < 0)
        return 0;
    if (value > PLAYER_MAX_POSITION)
        return PLAYER_MAX_POSITION;
    return value;
}

// The board's code of a cell, or -1 for a cell off the board.
int32_t CellOrNone(int32_t column, int32_t row)
{
    return BoardHasCell(column, row) ? Board[column][row] : -1;
}

void ApplyExitRule()
{
    GameState.levelComplete = 1;
    if (GameState.currentLevel == LAST_LEVEL) {
        GameState.finishedSound = 1;
        GameState.allFinished = 1;
    }
    GameState.resetLevel = GameState.currentLevel;
    GameState.currentLevel = static_cast<uint8_t>(GameState.currentLevel + 1);
    if (GameState.currentLevel > LAST_LEVEL)
        GameState.currentLevel = LAST_LEVEL;
    SoundPlay(SoundIds[SOUND_APPLAUSE], 0);
    ExitSprite.frameIndex = 1;
}

} // namespace

int32_t PlayerColumn()
{
    return PlayerSprite.x / CELL_SIZE;
}

int32_t PlayerRow()
{
    return PlayerSprite.y / CELL_SIZE;
}

bool CellReached()
{
    if (!IsAligned(PlayerSprite.x) || !IsAligned(PlayerSprite.y))
        return false;
    if (GameState.levelComplete)
        return true;
    if (CellOrNone(PlayerColumn(), PlayerRow()) != TILE_EXIT)
        return true;
    ApplyExitRule();
    return true;
}

void ChooseDirection()
{
    if (!CellReached())
        return;
    GameState.direction = DIRECTION_NONE;
    if (GameState.levelComplete)
        return;
    // Tested in this order, each overwriting: down wins, then right, up, left.
    for (int32_t direction = DIRECTION_LEFT; direction <= DIRECTION_DOWN; ++direction)
        if (KeyState[DIRECTION_RULES[direction].key] != 0)
            GameState.direction = direction;
}

void DecideMovement()
{
    GameState.stepX = 0;
    GameState.stepY = 0;
    GameState.moving = 0;
    GameState.pushing = 0;
    if (GameState.direction < DIRECTION_LEFT || GameState.direction > DIRECTION_DOWN)
        return;

    const DirectionRule& rule = DIRECTION_RULES[GameState.direction];
    int32_t column = PlayerColumn();
    int32_t row = PlayerRow();
    int32_t nextColumn = column + rule.columnStep;
    int32_t nextRow = row + rule.rowStep;
    int32_t beyondColumn = nextColumn + rule.columnStep;
    int32_t beyondRow = nextRow + rule.rowStep;

    // Turning rewinds the walk; the picture changes only at the next step.
    BobSetAnimation(&PlayerSprite, rule.animSlot);

    auto setStep = [&rule] {
        GameState.moving = 1;
        GameState.stepX = rule.columnStep * PLAYER_STEP;
        GameState.stepY = rule.rowStep * PLAYER_STEP;
    };

    int32_t next = CellOrNone(nextColumn, nextRow);
    int32_t beyond = CellOrNone(beyondColumn, beyondRow);
    // The pile leaves the board at once; its cell is land the player walks onto.
    if (next == TILE_PILE && (beyond == TILE_LAND || beyond == TILE_WATER)) {
        setStep();
        Board[nextColumn][nextRow] = TILE_LAND;
        GameState.pushing = 1;
        next = TILE_LAND;
    }
    if (next == TILE_LAND || next == TILE_EXIT)
        setStep();
}

void MovePileInTransit()
{
    // The player's position before this frame's step.
    int32_t column = PlayerColumn();
    int32_t row = PlayerRow();
    int32_t targetColumn = column;
    int32_t targetRow = row;
    PileSprite.x = PlayerSprite.x;
    PileSprite.y = PlayerSprite.y;
    switch (GameState.direction) {
    case DIRECTION_LEFT:
        targetColumn = column - 1;
        PileSprite.x = PlayerSprite.x + GameState.stepX - CELL_SIZE;
        break;
    case DIRECTION_UP:
        targetRow = row - 1;
        PileSprite.y = PlayerSprite.y + GameState.stepY - CELL_SIZE;
        break;
    case DIRECTION_RIGHT:
        targetColumn = column + 2;
        PileSprite.x = PlayerSprite.x + GameState.stepX + CELL_SIZE;
        break;
    case DIRECTION_DOWN:
        targetRow = row + 2;
        PileSprite.y = PlayerSprite.y + GameState.stepY + CELL_SIZE;
        break;
    default:
        return;
    }

    if (!IsAligned(PileSprite.x) || !IsAligned(PileSprite.y) || !BoardHasCell(targetColumn, targetRow))
        return;
    int32_t& target = Board[targetColumn][targetRow];
    if (target == TILE_WATER) {
        target = TILE_LAND;
        SoundPlay(SoundIds[SOUND_SPLASH], 0);
    } else {
        target = TILE_PILE;
    }
}

void StepPlayer()
{
    BobAnimate(&PlayerSprite);
    PlayerSprite.x = ClampPosition(PlayerSprite.x + GameState.stepX);
    PlayerSprite.y = ClampPosition(PlayerSprite.y + GameState.stepY);
}
