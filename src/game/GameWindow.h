// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/TableControls.h"
#include "platform/LoadableWindow.h"
#include "platform/PressableLabel.h"
#include "rules/TopicDatabase.h"
#include "rules/WordRound.h"
#include "sound/Sound.h"

#include <memory>

class Clock;
class DataDir;
class Dialogs;
class Navigation;
class PictureCache;
class ProgramExit;
class RandomSource;
class SoundService;
class SpeakerButton;
class Tournament;

// "Игра": one stage of the tournament, from the drawn word to its winner.
// WordRound decides and paces the word; the window shows what the round says
// and forwards the player's clicks and keys to it. Nothing on the table
// decides a rule: a control is shown or enabled because the round allows
// its move, never the other way round.
class GameWindow : public LoadableWindow {
    Q_OBJECT
public:
    struct Services {
        const DataDir& data;
        PictureCache& pictures;
        RandomSource& random;
        Dialogs& dialogs;
        ProgramExit& program;
        Navigation& navigation;
        SoundService& sounds;
        Clock* clock = nullptr; // the turns' clock; none: real timers
    };

    GameWindow(const Services& services, Tournament& tournament);
    ~GameWindow() override;

    void load() override;
    void present() override;

    // The Data pictures the table shows (the backdrop, the prize boxes),
    // each with the size of the control that shows it; the drum's come in
    // two sets, turning and resting.
    static QList<std::pair<QString, QSize>> pictures();
    // The drum's twelve pictures, one per sector under its pointer.
    static QStringList drumPictures(QString (*picture)(int sector));
    // Starts decoding all of them in the background, and soon after looks
    // up the fonts of the table.
    static void preload(PictureCache& cache);

    const WordRound& round() const { return round_; }

    // The controls.
    EventLabel* table() const { return controls_.table; }
    PictureSetView* turningDrum() const { return controls_.turningDrum; }
    PictureSetView* restingDrum() const { return controls_.restingDrum; }
    EventLabel* stageCaption() const { return controls_.stageCaption; }
    PressableLabel* cell(int i) const { return controls_.cells.at(i); }
    PressableLabel* messageLine() const { return controls_.messageLine; }
    EventLabel* messagePlate() const { return controls_.messagePlate; }
    EventLabel* marker(int seat) const { return controls_.turnMarkers.at(seat); }
    QFrame* letterPanel() const { return controls_.letterPanel; }
    QPushButton* letterButton(int n) const { return controls_.letterButtons.at(n); }
    PressableLabel* box(int b) const { return controls_.prizeBoxes.at(b); }
    EventLabel* hiddenWord() const { return controls_.hiddenWord; }
    EventLabel* strip() const { return controls_.hiddenWordStrip; }
    EventLabel* stand(int seat) const { return controls_.stands.at(seat); }
    EventLabel* scorePlate(int seat) const { return controls_.scorePlates.at(seat); }
    EventLabel* nameLabel(int seat) const { return controls_.names.at(seat); }
    EventLabel* scoreLabel(int seat) const { return controls_.scores.at(seat); }
    QPushButton* sayButton(int seat) const { return controls_.sayWordButtons.at(seat); }
    QPushButton* spinButton(int seat) const { return controls_.spinButtons.at(seat); }
    EventLabel* computerLine(int seat) const { return controls_.computerLines.at(seat); }
    SpeakerButton* speaker() const { return speaker_; }

    // The player's moves, as the controls and the table's keys make them.
    void spinClicked(int seat);
    void sayWordClicked(int seat);
    void letterPressed(int n);
    void cellClicked(int i);
    void openBox(int b);
    void goOn();

    // "Закончить игру?": "Да" leaves the tournament for the menu. The table
    // stands still while the question is open. True when the player left.
    bool askToEndGame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    // The stage's word from the topic files; none ends the program with a box.
    std::optional<TopicWord> drawWord();
    // Shows the round as it stands now.
    void showRound();
    // The message line, told to assistive technology whenever it has news.
    void showMessage();
    void showSeat(int seat);
    void showBox(int b);
    void showDrum(int sector, bool resting);
    void showOutcome(const WordRound::Outcome& outcome);
    // A cell as the player sees it: open with its letter, or closed and
    // blank; under the plus sector a closed cell shows the key that opens it.
    void showCell(int i, bool open, bool keyHint);
    // The look at the hidden word (Ctrl held over the strip).
    void showPeek(bool shown);
    // The hall's sounds of an outcome; the chimes of opened cells one after another.
    void playSounds(const QList<Sound>& heard);

    Services services_;
    Tournament& tournament_;
    std::unique_ptr<Clock> ownClock_;
    WordRound round_;
    TableControls controls_;
    SpeakerButton* speaker_ = nullptr;
    bool askingForWord_ = false; // the say-word box is open: the seat's controls step aside
    bool peekKeyHeld_ = false;
    int shownMessage_ = 0; // the round's messageNumber() the message line shows
};
