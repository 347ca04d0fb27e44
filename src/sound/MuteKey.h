// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;
class SoundService;

// M anywhere in the program turns sound off and on again (the same key,
// "Ь" on the Russian layout, too). Where M is typed
// (a text box, a window whose keys name letters, as the game table's do on a
// Latin layout, where M stands for "Ь") it stays a letter, and Ctrl+M
// does the same there instead.
class MuteKey : public QObject {
    Q_OBJECT
public:
    // Listens to every key of the application while it exists.
    explicit MuteKey(SoundService& sounds);
    ~MuteKey() override;

    // Marks a window whose keys name letters: plain M stays its letter there.
    static void keepLetterKeys(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SoundService& sounds_;
};
