#pragma once

#include "platform/DataDir.h"
#include "platform/PictureCache.h"
#include "platform/WindowRegistry.h"

class Dialogs;
class DisplayModeService;
class ProgramExit;
class RandomSource;

// What every window uses of the machine: the Data directory and its pictures,
// the window registry, the modal boxes, chance, the end of the program and
// the screen's mode. The program hands in the real services; tests hand in
// scripted ones.
class Platform {
public:
    Platform(DataDir dataDir, Dialogs& dialogs, RandomSource& random, ProgramExit& program,
             DisplayModeService& display)
        : data(dataDir), pictures(dataDir), windows(program), dialogs(dialogs), random(random),
          program(program), display(display)
    {
    }

    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    const DataDir data;
    PictureCache pictures;
    WindowRegistry windows;
    Dialogs& dialogs;
    RandomSource& random;
    ProgramExit& program;
    DisplayModeService& display;
};
