// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DataDir.h"
#include "platform/PictureCache.h"
#include "platform/WindowRegistry.h"
#include "sound/SoundService.h"

class Clock;
class Dialogs;
class DisplayModeService;
class ProgramExit;
class RandomSource;

// The services of the machine, kept together: the Data directory and its
// pictures, the window registry, the modal boxes, chance, the end of the
// program, the screen's mode and the sound (silent unless one is given).
// The program hands in the real services, tests scripted ones; each window
// receives only those it uses.
class Platform {
public:
    Platform(DataDir dataDir, Dialogs& boxes, RandomSource& chance, ProgramExit& end,
             DisplayModeService& screen, SoundService* sound = nullptr)
        : data(dataDir), pictures(dataDir), windows(end), dialogs(boxes), random(chance), program(end),
          display(screen), sounds(sound ? *sound : silent_)
    {
    }

    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

private:
    SilentSounds silent_;

public:
    const DataDir data;
    PictureCache pictures;
    WindowRegistry windows;
    Dialogs& dialogs;
    RandomSource& random;
    ProgramExit& program;
    DisplayModeService& display;
    SoundService& sounds;
    // The clock the table's turns run on; none: the table's own real timers.
    Clock* turnClock = nullptr;
};
