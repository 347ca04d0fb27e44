// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PlayerFolders.h"

#include <QDir>
#include <QFileInfo>

namespace playerfolders {

namespace {

const QString gameFolder = QStringLiteral("kordamir");

bool isAbsolute(const QString& path)
{
    return path.startsWith(u'/');
}

} // namespace

QString resolve(const QString& xdg, const QString& home, const QString& belowHome)
{
    if (isAbsolute(xdg))
        return QDir::cleanPath(xdg + u'/' + gameFolder);
    // The root is where a user without a home (root from a bare shell, a
    // service) would land: nobody's own folder.
    const QString homeDir = QDir::cleanPath(home);
    if (!isAbsolute(home) || homeDir == QStringLiteral("/") || !QFileInfo(homeDir).isDir())
        return {};
    return QDir::cleanPath(homeDir + u'/' + belowHome + u'/' + gameFolder);
}

QString data()
{
    return resolve(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"),
                   QStringLiteral(".local/share"));
}

QString cache()
{
    return resolve(qEnvironmentVariable("XDG_CACHE_HOME"), qEnvironmentVariable("HOME"),
                   QStringLiteral(".cache"));
}

QString config()
{
    return resolve(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME"),
                   QStringLiteral(".config"));
}

} // namespace playerfolders
