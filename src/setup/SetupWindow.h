// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/LoadableWindow.h"
#include "state/GameState.h"

#include <array>

class Dialogs;
class NameBox;
class Navigation;
class PictureCache;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Tournament;

// "Form2": the kinds and names of the three players of the current stage,
// written into the shared state by OK. Esc, or closing the window, asks
// whether to abandon the tournament and go back to the menu.
class SetupWindow : public LoadableWindow {
    Q_OBJECT
public:
    SetupWindow(Dialogs& dialogs, PictureCache& pictures, Navigation& navigation, Tournament& tournament);

    void load() override;
    // Centred on the screen, in front of the start window behind it.
    void present() override;

    // Looks up the fonts the window shows its texts in, ahead of its opening.
    static void preload();

    // The controls by seat 1..3.
    QLabel* title() const { return stageTitle_; }
    QGroupBox* kindFrame(int seat) const { return seats_.at(seat).kindFrame; }
    QRadioButton* personOption(int seat) const { return seats_.at(seat).person; }
    QRadioButton* computerOption(int seat) const { return seats_.at(seat).computer; }
    QGroupBox* nameFrame(int seat) const { return seats_.at(seat).nameFrame; }
    NameBox* nameBox(int seat) const { return seats_.at(seat).name; }
    QPushButton* okButton() const { return okButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct SeatControls {
        QGroupBox* kindFrame = nullptr;
        QRadioButton* person = nullptr;
        QRadioButton* computer = nullptr;
        QGroupBox* nameFrame = nullptr;
        NameBox* name = nullptr;
    };

    void createSeat(int seat, QWidget* seatsFrame);
    void setUpFinalSeats();
    void focusFirstControl();

    void computerChosen(int seat);
    void confirm();
    bool askToEndGame();

    Dialogs& dialogs_;
    PictureCache& pictures_;
    Navigation& navigation_;
    Tournament& tournament_;
    QLabel* stageTitle_ = nullptr;
    QPushButton* okButton_ = nullptr;
    std::array<SeatControls, GameState::seatCount + 1> seats_{}; // 1..3 used
};
