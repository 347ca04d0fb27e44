#include "setup/SetupWindow.h"

#include "platform/Platform.h"
#include "state/GameState.h"

SetupWindow::SetupWindow(Platform& platform, GameState& state)
    : platform_(platform), state_(state)
{
}

void SetupWindow::load()
{
}
