// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "app/GameApplication.h"
#include "app/WindowNavigation.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

Dialogs::Answer ScriptedDialogs::message(QWidget* owner, const QString& text, Icon icon, Buttons buttons,
                                         const QString& title)
{
    messages.append({owner, text, icon, buttons, title});
    if (whileOpen)
        whileOpen();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

QString ScriptedDialogs::input(QWidget* owner, const QString& prompt, const QString& title, const QString&,
                               QValidator* validator)
{
    prompts.append({owner, prompt, title, validator});
    if (whileOpen)
        whileOpen();
    return inputs.isEmpty() ? QString() : inputs.dequeue();
}

namespace {

const QString recordsName = QStringLiteral("Cfg.ini");

// The build's Data as links, one a file, in directories of the test's own:
// a hundred links cost next to nothing, where copying 40 MB of pictures for
// every test wrote gigabytes a run. The records table is a copy: the game
// rewrites it, and writes through a link.
void linkTree(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = source.mid(from.size() + 1);
        const QString target = QDir(to).filePath(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        const bool made = relative == recordsName ? QFile::copy(source, target) : QFile::link(source, target);
        if (!made)
            qFatal("cannot place %s in the test's Data", qPrintable(target));
    }
}

// A link to the build's Data at `path` is replaced by a copy of its file,
// writable whatever the build's mode.
void ownCopy(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return;
    const QString shared = info.symLinkTarget();
    if (!QFile::remove(path) || !QFile::copy(shared, path))
        qFatal("cannot copy %s into the test's Data", qPrintable(path));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
}

} // namespace

TestPlatform::TestPlatform(DataContent content)
{
    const QString root = QDir(baseDir.path()).filePath(QStringLiteral("Data"));
    QDir().mkpath(root);
    if (content == DataContent::BuildData)
        linkTree(QStringLiteral(KORDAMIR_BUILD_DATA_DIR), root);
    // A player folder of the test's own: a table of the user running the tests
    // would otherwise be the one every test reads.
    const QString playerDir = QDir(baseDir.path()).filePath(QStringLiteral("player"));
    platform = std::make_unique<Platform>(DataDir(baseDir.path(), playerDir), dialogs, random, exit, display,
                                          &sounds);
    platform->turnClock = &clock;
    navigation = std::make_unique<WindowNavigation>(platform->windows);
    livePlatforms().append(this);
}

TestPlatform::~TestPlatform()
{
    livePlatforms().removeAll(this);
    platform->windows.unloadAll();
    flushUnloads();
}

QList<TestPlatform*>& TestPlatform::livePlatforms()
{
    static QList<TestPlatform*> platforms;
    return platforms;
}

QString TestPlatform::dataPath(const QString& relative) const
{
    const QString path = platform->data.path(relative);
    ownCopy(path);
    return path;
}

void TestPlatform::writeData(const QString& relative, const QByteArray& bytes) const
{
    const QString path = platform->data.path(relative);
    // A new file, never written through a link into the build's Data.
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TestPlatform::removeData(const QString& relative) const
{
    QFile::remove(platform->data.path(relative));
}

void TestPlatform::defineWindows()
{
    defineGameWindows(*platform, *navigation, tournament);
}

void TestPlatform::flushUnloads()
{
    // Without waiting for the next windows to be painted.
    for (TestPlatform* test : livePlatforms())
        test->platform->windows.discardUnloaded();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
