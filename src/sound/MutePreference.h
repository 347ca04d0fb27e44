// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Whether the player wants sound, kept in their own config folder
// (~/.config/kordamir/kordamir.conf, $XDG_CONFIG_HOME when set) and never in
// Data: the records file keeps its format, and an installed Data is read
// only and shared by every player.
class MutePreference {
public:
    explicit MutePreference(QString file = playerFile());

    static QString playerFile();

    // False (sound on) when nothing was saved or the file cannot be read.
    bool muted() const;
    // False when the choice could not be written.
    bool save(bool muted) const;

private:
    QString file_;
};
