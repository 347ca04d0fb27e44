// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DataDir.h"

#include "platform/PlayerFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef KORDAMIR_INSTALLED_DATA
#define KORDAMIR_INSTALLED_DATA "../share/games/kordamir"
#endif

namespace {

const QString recordsName = QStringLiteral("Cfg.ini");

// The records are replaced by writing a new file and renaming it, so the
// directory must take new files as well.
bool canRewrite(const QString& file)
{
    const QFileInfo info(file);
    const QFileInfo dir(info.absolutePath());
    return dir.isDir() && dir.isWritable() && (!info.exists() || info.isWritable());
}

} // namespace

DataDir::DataDir(QString baseDir, QString playerDir)
    : root_(QDir(baseDir).filePath(QStringLiteral("Data"))), playerDir_(std::move(playerDir))
{
}

DataDir DataDir::installed(QString root, QString playerDir)
{
    DataDir data;
    data.root_ = std::move(root);
    data.installed_ = true;
    data.playerDir_ = std::move(playerDir);
    return data;
}

QString DataDir::locateRoot(const QString& executableDir, const QString& installedRelative, bool* isInstalled)
{
    const QDir dir(executableDir);
    const QString beside = dir.filePath(QStringLiteral("Data"));
    const QString installed = QDir::cleanPath(dir.filePath(installedRelative));
    const bool useInstalled = !QFileInfo(beside).isDir() && QFileInfo(installed).isDir();
    if (isInstalled != nullptr)
        *isInstalled = useInstalled;
    return useInstalled ? installed : beside;
}

DataDir DataDir::forProgram()
{
    bool isInstalled = false;
    const QString root = locateRoot(QCoreApplication::applicationDirPath(),
                                    QStringLiteral(KORDAMIR_INSTALLED_DATA), &isInstalled);
    if (isInstalled)
        return installed(root);
    DataDir data;
    data.root_ = root;
    return data;
}

QString DataDir::path(const QString& relative) const
{
    return QDir(root_).filePath(relative);
}

QString DataDir::root() const
{
    return root_;
}

QString DataDir::recordsFile() const
{
    const QString shipped = path(recordsName);
    const QString playerDir = playerDir_.isEmpty() ? playerfolders::data() : playerDir_;
    const QString own = playerDir.isEmpty() ? QString() : QDir(playerDir).filePath(recordsName);
    // Once the player has a table of their own, it holds their champions
    // whatever becomes of Data: going back to Data once it is writable again
    // would hide everyone entered in the meantime. Whatever the name holds
    // (even a FIFO or a dangling link) is the reader's to refuse, not a
    // reason to switch tables without a word.
    const QFileInfo ownInfo(own);
    if (!own.isEmpty() && (ownInfo.exists() || ownInfo.isSymLink()))
        return own;
    // An installed Data stays untouched even for a user who could write it
    // (root): the package manager owns it and would replace the records.
    if (!installed_ && canRewrite(shipped))
        return shipped;
    if (own.isEmpty())
        return {};

    // Only a regular file is copied: opening a FIFO named Cfg.ini would wait
    // for a writer for good.
    if (QFileInfo(shipped).isFile() && QDir().mkpath(playerDir) && QFile::copy(shipped, own)) {
        // The copy keeps the shipped file's read-only mode.
        QFile::setPermissions(own, QFile::permissions(own) | QFile::WriteOwner);
    }
    return own;
}
