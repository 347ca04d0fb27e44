#include "start/GameApplication.h"

#include "platform/WindowNames.h"
#include "platform/XRandrDisplayMode.h"
#include "start/StartWindow.h"

void defineGameWindows(Platform& platform, GameState& state)
{
    platform.windows.define(windownames::start,
                            [&] { return std::make_unique<StartWindow>(platform, state); });
}

GameApplication::GameApplication()
    : display_(XRandrDisplayMode::forCurrentPlatform()),
      platform_(std::make_unique<Platform>(DataDir::besideExecutable(), dialogs_, random_, exit_,
                                           *display_))
{
    exit_.onEnd([this] { display_->restore(); });
    defineGameWindows(*platform_, state_);
}

GameApplication::~GameApplication()
{
    platform_->windows.unloadAll();
    display_->restore();
}

bool GameApplication::start()
{
    return platform_->windows.show(windownames::start) != nullptr;
}
