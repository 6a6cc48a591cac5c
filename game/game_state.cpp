// The one instance of the game's global state.
#include "game/game_state.h"

GameStateRecord GameState;
