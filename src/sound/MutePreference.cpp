// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MutePreference.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
const QString mutedKey = QStringLiteral("sound/muted");
}

MutePreference::MutePreference(QString file)
    : file_(std::move(file))
{
}

QString MutePreference::playerFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kordamir/kordamir.conf");
}

bool MutePreference::muted() const
{
    const QSettings settings(file_, QSettings::IniFormat);
    return settings.value(mutedKey, false).toBool();
}

bool MutePreference::save(bool muted) const
{
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(mutedKey, muted);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
