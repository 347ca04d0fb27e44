// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps a small window in front of the game's other windows: it belongs to
// the window it was opened over (so a click on that window does not bury
// it), and whenever another of the game's windows comes up (the records
// over the start window, say) it moves to that one and back to the front.
class KeepInFront : public QObject {
    Q_OBJECT
public:
    explicit KeepInFront(QWidget& window);

    // The window now belongs to `owner`: stacked above it by the window manager.
    void belongTo(QWidget* owner);
    // In front again, and with the keyboard.
    void bringForward();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};
