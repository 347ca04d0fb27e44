#pragma once

#include "help/HelpKey.h"
#include "platform/Dialogs.h"
#include "platform/DisplayMode.h"
#include "platform/Platform.h"
#include "platform/ProgramExit.h"
#include "platform/RandomSource.h"
#include "state/GameState.h"

#include <memory>

class WindowRegistry;

// Makes the five windows known to the registry under their names.
void defineGameWindows(Platform& platform, GameState& state);

// The running game: the real services, the shared state and the windows.
class GameApplication {
public:
    GameApplication();
    ~GameApplication();

    // Shows the start window; false when its check already ended the program.
    bool start();

private:
    QtDialogs dialogs_;
    SeededRandom random_;
    ApplicationExit exit_;
    std::unique_ptr<DisplayModeService> display_;
    std::unique_ptr<Platform> platform_;
    GameState state_;
    std::unique_ptr<HelpKey> helpKey_;
};
