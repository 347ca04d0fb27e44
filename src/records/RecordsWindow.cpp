#include "records/RecordsWindow.h"

#include "platform/Platform.h"
#include "state/GameState.h"

RecordsWindow::RecordsWindow(Platform& platform, GameState& state)
    : platform_(platform), state_(state)
{
}

void RecordsWindow::load()
{
}
