#include "about/AboutWindow.h"

#include "platform/Platform.h"
#include "state/GameState.h"

AboutWindow::AboutWindow(Platform& platform, GameState& state)
    : platform_(platform), state_(state)
{
}

void AboutWindow::load()
{
}
