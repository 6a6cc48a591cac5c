// The rules of play: alignment and the exit, the arrows, walking and pushing,
// and the pile in transit.
#include "game/play.h"

#include "game/anim.h"
#include "game/watch.h"

#include <algorithm>

namespace {

// What a direction means: the walking animation and the way to the next cell.
// The letter names the move in a solve's path.
struct DirectionRule {
    int32_t walkList;
    int32_t columnStep;
    int32_t rowStep;
    char letter;
};

const DirectionRule DIRECTION_RULES[] = {
    {0, 0, 0, '?'},    // none
    {0, -1, 0, 'L'},   // left
    {2, 0, -1, 'U'},   // up
    {1, 1, 0, 'R'},    // right
    {3, 0, 1, 'D'},    // down
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
int32_t CellOrNone(const GameModel& model, int32_t column, int32_t row)
{
    return BoardHasCell(column, row) ? model.board[column][row] : -1;
}

void SolveLevel(GameModel& model, GameEffects& effects)
{
    model.levelComplete = 1;
    model.exitFrame = 1;
    effects.Add(EFFECT_SOUND, SOUND_APPLAUSE);
    // A play-test's solve and a watched one move no level on.
    if (model.edit.playTest || WatchPlaying(model))
        return;
    if (model.currentLevel == model.lastLevel) {
        model.finishedSound = 1;
        model.allFinished = 1;
    }
    model.resetLevel = model.currentLevel;
    model.currentLevel = static_cast<uint8_t>(model.currentLevel + 1);
    if (model.currentLevel > model.lastLevel)
        model.currentLevel = model.lastLevel;

    GameSolve& solved = model.solved;
    solved.level = model.resetLevel;
    std::copy(model.levelBuffer, model.levelBuffer + LEVEL_TILE_BYTES, solved.cells);
    solved.moves = model.moves;
    solved.pushes = model.pushes;
    solved.path = model.path;
    effects.Add(EFFECT_SOLVED, solved.level);
}

} // namespace

bool PlayerAligned(const GameModel& model)
{
    return IsAligned(model.playerX) && IsAligned(model.playerY);
}

int32_t PlayerColumn(const GameModel& model)
{
    return model.playerX / CELL_SIZE;
}

int32_t PlayerRow(const GameModel& model)
{
    return model.playerY / CELL_SIZE;
}

bool PlayApplyExitRule(GameModel& model, GameEffects& effects)
{
    if (!PlayerAligned(model))
        return false;
    if (!model.levelComplete && CellOrNone(model, PlayerColumn(model), PlayerRow(model)) == TILE_EXIT)
        SolveLevel(model, effects);
    return true;
}

void PlayChooseDirection(GameModel& model, const GameInput& input, GameEffects& effects)
{
    if (!PlayApplyExitRule(model, effects))
        return;
    model.direction = DIRECTION_NONE;
    if (model.levelComplete)
        return;
    // Tested in this order, each overwriting: down wins, then right, up, left.
    if (input.left)
        model.direction = DIRECTION_LEFT;
    if (input.up)
        model.direction = DIRECTION_UP;
    if (input.right)
        model.direction = DIRECTION_RIGHT;
    if (input.down)
        model.direction = DIRECTION_DOWN;
}

char PlayDirectionLetter(int32_t direction)
{
    if (direction < DIRECTION_LEFT || direction > DIRECTION_DOWN)
        direction = DIRECTION_NONE;
    return DIRECTION_RULES[direction].letter;
}

void PlayDecideMovement(GameModel& model)
{
    model.stepX = 0;
    model.stepY = 0;
    model.moving = 0;
    model.pushing = 0;
    if (model.direction < DIRECTION_LEFT || model.direction > DIRECTION_DOWN)
        return;

    const DirectionRule& rule = DIRECTION_RULES[model.direction];
    int32_t nextColumn = PlayerColumn(model) + rule.columnStep;
    int32_t nextRow = PlayerRow(model) + rule.rowStep;
    int32_t beyondColumn = nextColumn + rule.columnStep;
    int32_t beyondRow = nextRow + rule.rowStep;

    // Turning rewinds the walk; the picture changes only at the next step.
    AnimSelect(model.walk, rule.walkList);

    auto setStep = [&model, &rule] {
        model.moving = 1;
        model.stepX = rule.columnStep * PLAYER_STEP;
        model.stepY = rule.rowStep * PLAYER_STEP;
    };

    int32_t next = CellOrNone(model, nextColumn, nextRow);
    int32_t beyond = CellOrNone(model, beyondColumn, beyondRow);
    // The pile leaves the board at once; its cell is land the player walks onto.
    if (next == TILE_PILE && (beyond == TILE_LAND || beyond == TILE_WATER)) {
        setStep();
        model.board[nextColumn][nextRow] = TILE_LAND;
        model.pushing = 1;
        next = TILE_LAND;
    }
    if (next == TILE_LAND || next == TILE_EXIT)
        setStep();
}

void PlayMovePileInTransit(GameModel& model, GameEffects& effects)
{
    // The player's position before this frame's step.
    int32_t column = PlayerColumn(model);
    int32_t row = PlayerRow(model);
    int32_t targetColumn = column;
    int32_t targetRow = row;
    model.pileX = model.playerX;
    model.pileY = model.playerY;
    switch (model.direction) {
    case DIRECTION_LEFT:
        targetColumn = column - 1;
        model.pileX = model.playerX + model.stepX - CELL_SIZE;
        break;
    case DIRECTION_UP:
        targetRow = row - 1;
        model.pileY = model.playerY + model.stepY - CELL_SIZE;
        break;
    case DIRECTION_RIGHT:
        targetColumn = column + 2;
        model.pileX = model.playerX + model.stepX + CELL_SIZE;
        break;
    case DIRECTION_DOWN:
        targetRow = row + 2;
        model.pileY = model.playerY + model.stepY + CELL_SIZE;
        break;
    default:
        return;
    }

    if (!IsAligned(model.pileX) || !IsAligned(model.pileY) || !BoardHasCell(targetColumn, targetRow))
        return;
    int32_t& target = model.board[targetColumn][targetRow];
    if (target == TILE_WATER) {
        target = TILE_LAND;
        effects.Add(EFFECT_SOUND, SOUND_SPLASH);
    } else {
        target = TILE_PILE;
    }
}

void PlayStepPlayer(GameModel& model)
{
    AnimAdvance(model.walk, WALK_LISTS_FRAMES[model.walk.slot], WALK_LIST_LENGTH, WALK_DELAY);
    model.playerX = ClampPosition(model.playerX + model.stepX);
    model.playerY = ClampPosition(model.playerY + model.stepY);
}

void PlayStandStill(GameModel& model)
{
    model.direction = DIRECTION_NONE;
    model.moving = 0;
    model.pushing = 0;
    model.stepX = 0;
    model.stepY = 0;
}
