// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Platform.h"
#include "help/HelpKey.h"
#include "platform/DataDir.h"
#include "rules/Tournament.h"
#include "sound/MuteKey.h"

#include <memory>

class Dialogs;
class DisplayModeService;
class Navigation;
class ProgramExit;
class RandomSource;

// Makes the windows known to the registry under their names, each with
// only the services it uses.
void defineGameWindows(Platform& platform, Navigation& navigation, Tournament& tournament);

// The running game: the services of the machine, the tournament, the
// windows and the ways between them. Ending the program, or destroying this
// object, gives the screen its mode back.
class GameApplication {
public:
    struct Services {
        DataDir data;
        Dialogs& dialogs;
        RandomSource& random;
        ProgramExit& exit;
        DisplayModeService& display;
        // None: the game is silent.
        SoundService* sounds = nullptr;
    };

    struct Options {
        // Starts silent, whatever the player chose last time.
        bool mute = false;
    };

    // The real machine: the program's Data, modal boxes on screen,
    // a seeded generator, XRandR where there is one, the sound device.
    GameApplication();
    explicit GameApplication(Options options);
    explicit GameApplication(const Services& services);
    ~GameApplication();

    GameApplication(const GameApplication&) = delete;
    GameApplication& operator=(const GameApplication&) = delete;

    // Shows the start window; false when its check already ended the program.
    bool start();

private:
    struct RealServices;

    explicit GameApplication(std::unique_ptr<RealServices> real);

    std::unique_ptr<RealServices> real_;
    Platform platform_;
    std::unique_ptr<Navigation> navigation_;
    Tournament tournament_;
    std::unique_ptr<HelpKey> helpKey_;
    std::unique_ptr<MuteKey> muteKey_;
};
