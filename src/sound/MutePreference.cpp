// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MutePreference.h"

#include "platform/PlayerFolders.h"

#include <QSettings>

namespace {
const QString mutedKey = QStringLiteral("sound/muted");
} // namespace

MutePreference::MutePreference(QString file) : file_(std::move(file))
{
}

QString MutePreference::playerFile()
{
    // Without a usable home the choice lasts one game: nothing is written
    // where the player keeps no folders.
    const QString folder = playerfolders::config();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/kordamir.conf");
}

bool MutePreference::muted() const
{
    if (file_.isEmpty())
        return false;
    const QSettings settings(file_, QSettings::IniFormat);
    return settings.value(mutedKey, false).toBool();
}

bool MutePreference::save(bool muted) const
{
    if (file_.isEmpty())
        return false;
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(mutedKey, muted);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
