#include "game/GameWindow.h"

#include "platform/Platform.h"
#include "state/GameState.h"

GameWindow::GameWindow(Platform& platform, GameState& state)
    : platform_(platform), state_(state)
{
}

void GameWindow::load()
{
}
