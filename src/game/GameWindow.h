#pragma once

#include "platform/LoadableWindow.h"

class Platform;
struct GameState;

// "Игра".
class GameWindow : public LoadableWindow {
    Q_OBJECT
public:
    GameWindow(Platform& platform, GameState& state);

    void load() override;

private:
    Platform& platform_;
    GameState& state_;
};
