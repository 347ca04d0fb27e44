// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Everything the game shows or keeps lies below one directory, Data. Paths are
// formed from the executable's directory, never from the working directory:
// Data beside the executable (the build folder, an unpacked copy) wins; an
// installed game finds its read-only Data in share/ relative to the executable.
class DataDir {
public:
    // Data below baseDir, e.g. DataDir("/opt/kordamir") is /opt/kordamir/Data.
    // Records that cannot stay there go to `playerDir`; empty means the
    // player's data folder.
    explicit DataDir(QString baseDir, QString playerDir = {});
    // The Data of an installed game at `root`: read only, whoever runs it.
    static DataDir installed(QString root, QString playerDir = {});
    // The Data the running program uses.
    static DataDir forProgram();
    // The root that forProgram() picks for an executable in `executableDir`:
    // Data beside it, else `installedRelative` taken from it, else (nothing
    // there) Data beside it again, so a start-up check names the missing file.
    static QString locateRoot(const QString& executableDir, const QString& installedRelative,
                              bool* isInstalled = nullptr);

    // Full path of a file below Data, e.g. path("Scr/Osn.res").
    QString path(const QString& relative) const;
    QString root() const;
    bool isInstalled() const { return installed_; }

    // Where the records table is read and rewritten. The player's own
    // Cfg.ini (in their data folder) once they have one, whatever Data is
    // like by now; else Data/Cfg.ini while it can be rewritten there (Data
    // beside the executable); else the player's own, which this call first
    // seeds with a copy of the shipped table, so that a package upgrade
    // never touches a player's records. Empty when the table can be kept
    // nowhere: Data cannot be rewritten and the player has no data folder.
    QString recordsFile() const;

private:
    DataDir() = default;

    QString root_;
    bool installed_ = false;
    QString playerDir_;
};
