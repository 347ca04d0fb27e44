// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The ways between the windows, one function for each. A window asks for the
// way it takes; which windows are shown, unloaded or disabled on the way, and
// in what order, is decided in one place behind this interface.
class Navigation {
public:
    virtual ~Navigation() = default;

    // Start window → the start window as backdrop with the player setup over it.
    virtual void newTournament() = 0;
    // Player setup or game table, answered "Да" to abandoning → the start window with its menu.
    virtual void abandonTournament() = 0;
    // Player setup, OK → the game window for the stage.
    virtual void playStage() = 0;
    // Game window, word decided before the final → setup for the next stage over the backdrop.
    virtual void nextStage() = 0;
    // Game window, final decided → the records window.
    virtual void finishTournament() = 0;
    // Start window, "Рекорды" → the records window instead of the start window.
    virtual void showRecords() = 0;
    // Records window, "Меню" → the start window, loaded anew.
    virtual void leaveRecords() = 0;
    // Start window, "Автор" → the About window over it; and back.
    virtual void showAbout() = 0;
    virtual void closeAbout() = 0;
    // F1 anywhere → the rules window (to the front when open); Esc closes it.
    virtual void showRules() = 0;
    virtual void closeRules() = 0;

    // The start window, which the player setup and the About window stand in
    // front of; null when it is not there.
    virtual QWidget* startWindow() const = 0;
};
