#include "start/Navigation.h"

#include "platform/WindowNames.h"
#include "platform/WindowRegistry.h"
#include "start/StartWindow.h"

namespace navigation {

void showSetupOverBackdrop(WindowRegistry& windows)
{
    auto* start = qobject_cast<StartWindow*>(windows.show(windownames::start));
    if (!start)
        return;  // the start window's check ended the program
    windows.show(windownames::setup);
    start->enterBackdropState();
}

void showMenu(WindowRegistry& windows)
{
    if (auto* start = qobject_cast<StartWindow*>(windows.show(windownames::start)))
        start->enterMenuState();
}

} // namespace navigation
