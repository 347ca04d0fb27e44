#include "start/GameApplication.h"

#include "about/AboutWindow.h"
#include "game/GameWindow.h"
#include "help/RulesWindow.h"
#include "platform/WindowNames.h"
#include "platform/XRandrDisplayMode.h"
#include "records/RecordsFile.h"
#include "records/RecordsWindow.h"
#include "setup/SetupWindow.h"
#include "start/StartWindow.h"

void defineGameWindows(Platform& platform, GameState& state)
{
    WindowRegistry& windows = platform.windows;
    windows.define(windownames::start, [&] { return std::make_unique<StartWindow>(platform, state); });
    windows.define(windownames::setup, [&] { return std::make_unique<SetupWindow>(platform, state); });
    windows.define(windownames::game, [&] { return std::make_unique<GameWindow>(platform, state); });
    windows.define(windownames::records, [&] { return std::make_unique<RecordsWindow>(platform, state); });
    windows.define(windownames::about, [&] { return std::make_unique<AboutWindow>(platform, state); });
    windows.define(windownames::rules, [&] { return std::make_unique<RulesWindow>(platform, state); });
}

GameApplication::GameApplication()
    : display_(XRandrDisplayMode::forCurrentPlatform()),
      platform_(std::make_unique<Platform>(DataDir::forProgram(), dialogs_, random_, exit_,
                                           *display_))
{
    exit_.onEnd([this] { display_->restore(); });
    defineGameWindows(*platform_, state_);
    helpKey_ = std::make_unique<HelpKey>(platform_->windows);
}

GameApplication::~GameApplication()
{
    platform_->windows.unloadAll();
    display_->restore();
}

bool GameApplication::start()
{
    // A write killed before its rename leaves its copy beside the records file
    // where the file system offers no anonymous temporary files.
    RecordsFile(platform_->data.recordsFile()).removeLeftovers();
    return platform_->windows.show(windownames::start) != nullptr;
}
