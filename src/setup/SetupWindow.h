#pragma once

#include "platform/LoadableWindow.h"

class Platform;
struct GameState;

// "Form2".
class SetupWindow : public LoadableWindow {
    Q_OBJECT
public:
    SetupWindow(Platform& platform, GameState& state);

    void load() override;

private:
    Platform& platform_;
    GameState& state_;
};
