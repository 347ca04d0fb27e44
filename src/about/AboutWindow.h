#pragma once

#include "platform/LoadableWindow.h"

class Platform;
struct GameState;

// "Опрог".
class AboutWindow : public LoadableWindow {
    Q_OBJECT
public:
    AboutWindow(Platform& platform, GameState& state);

    void load() override;

private:
    Platform& platform_;
    GameState& state_;
};
