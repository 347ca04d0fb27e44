// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PlayerFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Which folder of the player's the game may write, from the XDG variables and HOME.
class PlayerFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void onlyAnAbsoluteValueOrAnExistingHomeIsUsed_data();
    void onlyAnAbsoluteValueOrAnExistingHomeIsUsed();
    void theProgramsFoldersFollowTheEnvironment_data();
    void theProgramsFoldersFollowTheEnvironment();
};

// Paths in the table are below a fresh folder; "<home>" stands for that folder.
void PlayerFoldersTest::onlyAnAbsoluteValueOrAnExistingHomeIsUsed_data()
{
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected");

    QTest::newRow("absolute value") << "<home>/xdg"
                                    << "<home>"
                                    << "<home>/xdg/kordamir";
    // Created when written to, as the XDG rules ask; only a home is never made.
    QTest::newRow("absolute value of a folder not made yet") << "<home>/new/xdg"
                                                             << ""
                                                             << "<home>/new/xdg/kordamir";
    QTest::newRow("unset: below the home") << ""
                                           << "<home>"
                                           << "<home>/below/kordamir";
    QTest::newRow("home with a trailing slash") << ""
                                                << "<home>/"
                                                << "<home>/below/kordamir";
    QTest::newRow("relative value is no value") << "xdg"
                                                << "<home>"
                                                << "<home>/below/kordamir";
    QTest::newRow("dot is relative too") << "."
                                         << "<home>"
                                         << "<home>/below/kordamir";
    QTest::newRow("relative value and no home") << "xdg"
                                                << ""
                                                << "";
    QTest::newRow("no home (root from a bare shell)") << ""
                                                      << ""
                                                      << "";
    QTest::newRow("home at the root of the file system") << ""
                                                         << "/"
                                                         << "";
    QTest::newRow("home that does not exist") << ""
                                              << "<home>/gone"
                                              << "";
    QTest::newRow("home that is a file") << ""
                                         << "<home>/file"
                                         << "";
    QTest::newRow("relative home") << ""
                                   << "home"
                                   << "";
}

void PlayerFoldersTest::onlyAnAbsoluteValueOrAnExistingHomeIsUsed()
{
    QFETCH(QString, xdg);
    QFETCH(QString, home);
    QFETCH(QString, expected);
    QTemporaryDir base;
    QFile file(base.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const auto place = [&](QString text) { return text.replace(QStringLiteral("<home>"), base.path()); };
    const QStringList before = QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QCOMPARE(playerfolders::resolve(place(xdg), place(home), QStringLiteral("below")), place(expected));
    // Asking creates nothing, a missing home least of all.
    QCOMPARE(QDir(base.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void PlayerFoldersTest::theProgramsFoldersFollowTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QByteArray>("cacheHome");
    QTest::addColumn<bool>("withHome");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("cache");

    QTest::newRow("both set") << QByteArray("/x/d") << QByteArray("/x/c") << true << "/x/d/kordamir"
                              << "/x/c/kordamir";
    QTest::newRow("home only") << QByteArray() << QByteArray() << true << "<home>/.local/share/kordamir"
                               << "<home>/.cache/kordamir";
    QTest::newRow("relative values, no home") << QByteArray("d") << QByteArray("c") << false << ""
                                              << "";
}

void PlayerFoldersTest::theProgramsFoldersFollowTheEnvironment()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, cacheHome);
    QFETCH(bool, withHome);
    QFETCH(QString, data);
    QFETCH(QString, cache);
    QTemporaryDir home;
    const QByteArray saved[] = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_CACHE_HOME"), qgetenv("HOME")};
    qputenv("XDG_DATA_HOME", dataHome);
    qputenv("XDG_CACHE_HOME", cacheHome);
    if (withHome)
        qputenv("HOME", QFile::encodeName(home.path()));
    else
        qunsetenv("HOME");

    const QString foundData = playerfolders::data();
    const QString foundCache = playerfolders::cache();
    qputenv("XDG_DATA_HOME", saved[0]);
    qputenv("XDG_CACHE_HOME", saved[1]);
    qputenv("HOME", saved[2]);
    QCOMPARE(foundData, data.replace(QStringLiteral("<home>"), home.path()));
    QCOMPARE(foundCache, cache.replace(QStringLiteral("<home>"), home.path()));
}

QTEST_GUILESS_MAIN(PlayerFoldersTest)
#include "PlayerFoldersTest.moc"
