// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class StartWindow;

// The start window's menu from the keyboard: ↑ and ↓ (Tab and Shift+Tab too)
// move the highlight as the mouse moving onto an entry does, and with it the
// keyboard focus; Enter or Space chooses the highlighted entry as pressing
// and releasing the mouse on it does.
class MenuKeys : public QObject {
    Q_OBJECT
public:
    explicit MenuKeys(StartWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void move(int step);
    void choose();

    StartWindow& window_;
};
