// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/LoadableWindow.h"
#include "platform/PressableLabel.h"

#include <array>

class DataDir;
class Dialogs;
class DisplayModeService;
class EventLabel;
class Navigation;
class PictureCache;
class ProgramExit;
class SoundService;
class SpeakerButton;
class Tournament;

// "Начало": the first window of the program, with its picture and the menu
// "Новая игра", "Рекорды", "Автор", "Выход". It also stands behind the player
// setup window as a disabled backdrop without its menu.
class StartWindow : public LoadableWindow {
    Q_OBJECT
public:
    struct Services {
        const DataDir& data;
        PictureCache& pictures;
        Dialogs& dialogs;
        ProgramExit& program;
        DisplayModeService& display;
        Navigation& navigation;
        SoundService& sounds;
    };

    static constexpr int entryCount = 4;

    StartWindow(const Services& services, Tournament& tournament);

    void load() override;
    void present() override;

    // Shown and enabled, with its four menu entries.
    void enterMenuState();
    // Shown, disabled, its menu entries hidden.
    void enterBackdropState();

    // The menu entries 1..4: "Новая игра", "Рекорды", "Автор", "Выход". Buttons to
    // assistive technology; the highlighted entry has the keyboard focus.
    PressableLabel* menuEntry(int number) const { return entries_.at(number); }
    EventLabel* picture() const { return backdrop_; }
    SpeakerButton* speaker() const { return speaker_; }
    // "F1 — правила", which a click opens as well.
    PressableLabel* helpHint() const { return helpHint_; }
    // The entry that is highlighted, 0 when none is.
    int highlightedEntry() const;
    // Highlights the entry as the mouse moving onto it does.
    void highlightEntry(int number);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool checkPictures();
    void switchDisplayModeIfSmall();
    void highlight(PressableLabel* entry, const QColor& colour);
    void entryFocused(PressableLabel* entry);
    void clearHighlight();
    void showKeyboardPlace();

    void newGame();
    void showRecords();
    void showAbout();
    void exitProgram();

    Services services_;
    Tournament& tournament_;
    EventLabel* backdrop_ = nullptr;
    std::array<PressableLabel*, entryCount + 1> entries_{}; // 1..entryCount used
    PressableLabel* helpHint_ = nullptr;
    SpeakerButton* speaker_ = nullptr;
};
