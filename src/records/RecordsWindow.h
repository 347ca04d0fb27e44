#pragma once

#include "platform/LoadableWindow.h"

class Platform;
struct GameState;

// "Конец".
class RecordsWindow : public LoadableWindow {
    Q_OBJECT
public:
    RecordsWindow(Platform& platform, GameState& state);

    void load() override;

private:
    Platform& platform_;
    GameState& state_;
};
