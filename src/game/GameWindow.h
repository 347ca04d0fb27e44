// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/WordRound.h"
#include "platform/LoadableWindow.h"

#include <QPixmap>

#include <array>

class DataDir;
class Dialogs;
class EventLabel;
class Navigation;
class PictureCache;
class PictureSetView;
class ProgramExit;
class RandomSource;
class QFrame;
class QPushButton;
class QTimer;
struct GameState;

// "Игра": one stage of the tournament, from the drawn word to its winner.
// The window shows the word; WordRound decides it. Every event of a control is
// one handler that forwards to the round and shows what it reports; the turn
// moves on through the window's timers, each started by the step before it and
// stopped on its tick.
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
    };

    GameWindow(const Services& services, GameState& state);

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

    // The controls, by their names on the table.
    EventLabel* table() const { return picture1_; }                  // Picture1
    PictureSetView* turningDrum() const { return picture2_; }        // Picture2
    EventLabel* stageCaption() const { return label7_; }             // Label7
    EventLabel* cell(int i) const { return label5_.at(i); }          // Label5(1..11)
    EventLabel* messageLine() const { return label4_; }              // Label4(0)
    EventLabel* marker(int i) const { return image1_.at(i); }        // Image1(0): plate; 1..3: turn markers
    PictureSetView* restingDrum() const { return image4_; }          // Image4
    QFrame* letterPanel() const { return frame1_; }                  // Frame1
    QPushButton* letterButton(int n) const { return command3_.at(n); } // Command3(1..32)
    EventLabel* box(int b) const { return b == 1 ? image5_ : image6_; } // Image5, Image6
    EventLabel* hiddenWord() const { return label9_; }               // Label9
    EventLabel* strip() const { return image7_; }                    // Image7
    EventLabel* stand(int s) const { return image2_.at(s); }         // Image2(s)
    EventLabel* scorePlate(int s) const { return image3_.at(s); }    // Image3(s)
    EventLabel* nameLabel(int s) const { return names_.at(s); }      // Label1..Label3
    EventLabel* scoreLabel(int s) const { return label6_.at(s); }    // Label6(s)
    QPushButton* sayButton(int s) const { return command1_.at(s); }  // Command1(s)
    QPushButton* spinButton(int s) const { return command2_.at(s); } // Command2(s)
    EventLabel* computerLine(int s) const { return label8_.at(s); }  // Label8(s)
    QTimer* timer(int n) const { return timers_.at(n); }             // Timer1..Timer6
    int computerLetter() const { return computerLetter_; }

    // The handlers, as the controls and timers call them.
    void spinClicked(int seat);        // Command2(seat)
    void sayWordClicked(int seat);     // Command1(seat)
    void letterPressed(int n);         // Command3(n), also the computer's press
    void cellClicked(int i);           // Label5(i)
    void openBox(int b);               // Image5 (1), Image6 (2)
    void goOn();                       // Label4(0), Image1(0)
    void drumStep();                   // Timer1
    void announceSector();             // Timer2
    void closeBoxes();                 // Timer3
    void computerSpins();              // Timer4
    void computerChoosesLetter();      // Timer5
    void computerPressesLetter();      // Timer6

    // The steps shared by the handlers.
    void spinDrum();
    void startTurn();
    void passTurn();
    void openCell(int i);
    void finishWordByLetters();
    void finishWordBySaying();
    void offerBoxes();

    // "Закончить игру?": "Да" leaves the tournament for the menu. The table
    // stands still while the question is open. True when the player left.
    bool askToEndGame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTable();
    struct SeatPictures {
        QPixmap stand;
        QPixmap marker;
        QPixmap scorePlate;
    };
    void buildSeat(int seat, const SeatPictures& seatPictures);
    bool loadTopicAndWord();
    void layOutBoard();
    // A cell as the player sees it: open with its letter, or closed and blank.
    void showCell(int i, bool open);
    // The look at the hidden word (Ctrl held over the strip).
    void showPeek(bool shown);
    void showScore(int seat);
    void showTurnControls(int seat, bool shown);
    void hideSeatControls(int seat);
    void showTurnPassed(int fromSeat);
    void showOpenedCells(const WordRound::Outcome& outcome);
    void showWordWon(const WordRound::Outcome& outcome);
    void showBoxesOffered(const WordRound::Outcome& outcome);
    void setMessage(const QString& text);

    Services services_;
    GameState& state_;
    WordRound round_;
    int computerLetter_ = 0;   // the computer's chosen letter, 1..32

    EventLabel* picture1_ = nullptr;
    PictureSetView* picture2_ = nullptr;
    EventLabel* label7_ = nullptr;
    std::array<EventLabel*, 12> label5_{};
    EventLabel* label4_ = nullptr;
    std::array<EventLabel*, 4> image1_{};
    PictureSetView* image4_ = nullptr;
    QFrame* frame1_ = nullptr;
    std::array<QPushButton*, 33> command3_{};
    EventLabel* image5_ = nullptr;
    EventLabel* image6_ = nullptr;
    EventLabel* label9_ = nullptr;
    EventLabel* image7_ = nullptr;
    std::array<EventLabel*, 4> image2_{};
    std::array<EventLabel*, 4> image3_{};
    std::array<EventLabel*, 4> names_{};
    std::array<EventLabel*, 4> label6_{};
    std::array<QPushButton*, 4> command1_{};
    std::array<QPushButton*, 4> command2_{};
    std::array<EventLabel*, 4> label8_{};
    std::array<QTimer*, 7> timers_{};
};
