// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QWidget;
class WordRound;

// Keyboard play on the game table. A key stands for one control: a letter
// for its letter button, Space for "Кручу барабан", Enter for "Скажу слово",
// 1 and 2 (or ← and →) for the prize boxes, 1 … 9, 0, − for the cells under
// the plus sector, Enter or Space for the message line once the word is
// finished. The key acts only when the round allows that move now, and then
// as a signal that the table connects to the very handler its click runs,
// so a key can never do what a click could not do at that moment. While a
// computer has the turn no key acts.
//
// Tab also reaches the controls a person may use now, one after another, and
// a ring shows which has the keyboard; Space or Enter then presses that one
// control. Once a move is made the window takes the keyboard back, so that
// Space and Enter are again "Кручу барабан" and "Скажу слово".
class TableKeys : public QObject {
    Q_OBJECT
public:
    enum class Action { None, Letter, Spin, SayWord, Number, PreviousBox, NextBox };
    struct Command {
        Action action = Action::None;
        int number = 0; // the letter 1..32, or the number key 1..11
        bool operator==(const Command&) const = default;
    };

    // What a key means. A Russian letter names itself (Ё names Е); on a Latin
    // layout the key at a letter's place on the standard Russian layout names
    // that letter: by the X key code where `x11KeyCode` says the scan code is
    // one, else by the Latin key.
    static Command commandFor(int key, const QString& text, Qt::KeyboardModifiers modifiers, quint32 scanCode,
                              bool x11KeyCode);

    // The key that opens cell 1..11 under the plus sector, as the cell's
    // hint shows it: "1" … "9", "0", "−".
    static QString cellKey(int cell);

    // Typed text as a player on a Latin layout means it: each Latin letter
    // or sign at a letter's place on the standard Russian layout becomes that
    // letter; everything else stays as typed.
    static QString russianAtLatinPlaces(const QString& typed);

    // Listens to the keys of `window` and of all its controls.
    TableKeys(QWidget& window, const WordRound& round);

    // Acts on one key; false when it did nothing.
    bool press(const Command& command);

signals:
    void letterChosen(int letter); // 1..32
    void spinChosen(int seat);
    void sayWordChosen(int seat);
    void boxChosen(int box);   // 1 (left) or 2
    void cellChosen(int cell); // under the plus sector
    void goOnChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Space or Enter on the control that has the keyboard presses it; true when it did.
    bool pressFocused(QObject* watched, int key);

    QWidget& window_;
    const WordRound& round_;
    bool x11_ = false;
};
