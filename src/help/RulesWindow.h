// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/LoadableWindow.h"

#include <QPointer>

class EventLabel;
class Navigation;

// "Правила игры": the rules in short, opened by F1 from any window and closed
// by Esc, after which the window that had the keyboard has it again.
class RulesWindow : public LoadableWindow {
    Q_OBJECT
public:
    explicit RulesWindow(Navigation& navigation);

    static QString title();
    // The whole rules, as rich text.
    static QString rulesText();

    // Centred on the screen, in front, with the keyboard.
    void present() override;

    EventLabel* text() const { return text_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void giveKeyboardBack();

    Navigation& navigation_;
    EventLabel* text_ = nullptr;
    QPointer<QWidget> previous_; // the window that had the keyboard before
};
