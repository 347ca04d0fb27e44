// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Navigation.h"

class WindowRegistry;

// The ways between the windows, over the registry that creates and unloads them.
class WindowNavigation final : public Navigation {
public:
    explicit WindowNavigation(WindowRegistry& windows) : windows_(windows) {}

    void newTournament() override;
    void abandonTournament() override;
    void playStage() override;
    void nextStage() override;
    void finishTournament() override;
    void showRecords() override;
    void leaveRecords() override;
    void showAbout() override;
    void closeAbout() override;
    void showRules() override;
    void closeRules() override;
    QWidget* startWindow() const override;

private:
    // The start window is shown (loaded anew if need be), then the setup
    // window, and only then is the start window disabled and its menu hidden.
    void showSetupOverBackdrop();
    // The start window shown, enabled, its menu visible.
    void showMenu();

    WindowRegistry& windows_;
};
