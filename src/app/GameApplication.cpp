// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/GameApplication.h"

#include "about/AboutWindow.h"
#include "app/WindowNavigation.h"
#include "game/GameWindow.h"
#include "help/RulesWindow.h"
#include "platform/Dialogs.h"
#include "platform/DisplayMode.h"
#include "platform/ProgramExit.h"
#include "platform/RandomSource.h"
#include "platform/WindowNames.h"
#include "platform/XRandrDisplayMode.h"
#include "records/RecordsFile.h"
#include "records/RecordsWindow.h"
#include "setup/SetupWindow.h"
#include "sound/MutePreference.h"
#include "sound/SoundPlayer.h"
#include "start/StartWindow.h"

#include <QTimer>

void defineGameWindows(Platform& platform, Navigation& navigation, Tournament& tournament)
{
    WindowRegistry& windows = platform.windows;
    windows.define(windownames::start, [&] {
        return std::make_unique<StartWindow>(
            StartWindow::Services{platform.data, platform.pictures, platform.dialogs, platform.program,
                                  platform.display, navigation, platform.sounds},
            tournament);
    });
    windows.define(windownames::setup, [&] {
        return std::make_unique<SetupWindow>(platform.dialogs, platform.pictures, navigation, tournament);
    });
    windows.define(windownames::game, [&] {
        return std::make_unique<GameWindow>(
            GameWindow::Services{platform.data, platform.pictures, platform.random, platform.dialogs,
                                 platform.program, navigation, platform.sounds, platform.turnClock},
            tournament);
    });
    windows.define(windownames::records, [&] {
        return std::make_unique<RecordsWindow>(RecordsWindow::Services{platform.data, platform.pictures,
                                                                       platform.dialogs, navigation,
                                                                       platform.sounds},
                                               tournament);
    });
    windows.define(windownames::about, [&] { return std::make_unique<AboutWindow>(navigation); });
    windows.define(windownames::rules, [&] { return std::make_unique<RulesWindow>(navigation); });
}

namespace {
constexpr int soundPreloadDelayMs = 300;
} // namespace

struct GameApplication::RealServices {
    explicit RealServices(Options options)
    {
        // The player's own choice, kept for the next game; --mute only for this one.
        const MutePreference preference;
        sounds.setMuted(options.mute || preference.muted());
        QObject::connect(&sounds, &SoundService::mutedChanged, &sounds,
                         [preference](bool muted) { preference.save(muted); });
    }

    QtDialogs dialogs;
    SeededRandom random;
    ApplicationExit exit;
    std::unique_ptr<DisplayModeService> display = XRandrDisplayMode::forCurrentPlatform();
    DataDir data = DataDir::forProgram();
    SoundPlayer sounds{data.root()};

    Services services() { return {data, dialogs, random, exit, *display, &sounds}; }
};

GameApplication::GameApplication() : GameApplication(Options{})
{
}

GameApplication::GameApplication(Options options) : GameApplication(std::make_unique<RealServices>(options))
{
}

GameApplication::GameApplication(std::unique_ptr<RealServices> real) : GameApplication(real->services())
{
    real_ = std::move(real);
}

GameApplication::GameApplication(const Services& services)
    : platform_(services.data, services.dialogs, services.random, services.exit, services.display,
                services.sounds),
      navigation_(std::make_unique<WindowNavigation>(platform_.windows))
{
    DisplayModeService& display = services.display;
    services.exit.onEnd([&display] { display.restore(); });
    defineGameWindows(platform_, *navigation_, tournament_);
    helpKey_ = std::make_unique<HelpKey>(*navigation_);
    muteKey_ = std::make_unique<MuteKey>(platform_.sounds);
}

GameApplication::~GameApplication()
{
    platform_.windows.unloadAll();
    platform_.display.restore();
}

bool GameApplication::start()
{
    if (!platform_.windows.show(windownames::start))
        return false;
    // A write killed before its rename leaves its copy beside the records file
    // where the file system offers no anonymous temporary files. Nothing reads
    // the records before the player asks for them, so the window comes first.
    RecordsFile(platform_.data.recordsFile()).removeLeftovers();
    // The audio system is loaded once the window is up and its backdrop
    // decoded: it costs more than showing the window, and a player needs a
    // moment before pointing at the menu.
    if (real_)
        QTimer::singleShot(soundPreloadDelayMs, &real_->sounds, &SoundPlayer::preload);
    return true;
}
