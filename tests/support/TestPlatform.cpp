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

void copyTree(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

} // namespace

TestPlatform::TestPlatform(DataContent content)
{
    const QString root = QDir(baseDir.path()).filePath(QStringLiteral("Data"));
    QDir().mkpath(root);
    if (content == DataContent::BuildData)
        copyTree(QStringLiteral(KORDAMIR_BUILD_DATA_DIR), root);
    // A player folder of the test's own: a table of the user running the tests
    // would otherwise be the one every test reads.
    const QString playerDir = QDir(baseDir.path()).filePath(QStringLiteral("player"));
    platform = std::make_unique<Platform>(DataDir(baseDir.path(), playerDir), dialogs, random, exit, display);
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

void TestPlatform::writeData(const QString& relative, const QByteArray& bytes) const
{
    const QString path = dataPath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TestPlatform::removeData(const QString& relative) const
{
    QFile::remove(dataPath(relative));
}

void TestPlatform::defineWindows()
{
    defineGameWindows(*platform, *navigation, state);
}

void TestPlatform::flushUnloads()
{
    // Without waiting for the next windows to be painted.
    for (TestPlatform* test : livePlatforms())
        test->platform->windows.discardUnloaded();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
