// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DataDir.h"
#include "records/AsPlainUser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// Where an installed or portable game finds its Data and keeps its records.
class DataDirTest : public QObject {
    Q_OBJECT
private slots:
    void dataBesideTheProgramWinsOverTheInstalledOne_data();
    void dataBesideTheProgramWinsOverTheInstalledOne();

    void recordsStayInDataOnlyWhereTheyCanBeRewritten_data();
    void recordsStayInDataOnlyWhereTheyCanBeRewritten();
    void withoutAHomeRecordsStayOnlyInAWritableData_data();
    void withoutAHomeRecordsStayOnlyInAWritableData();
};

void DataDirTest::dataBesideTheProgramWinsOverTheInstalledOne_data()
{
    QTest::addColumn<bool>("beside");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build folder") << true << false << "bin/Data";
    QTest::newRow("installed game") << false << true << "share/kordamir";
    QTest::newRow("portable copy over an install") << true << true << "bin/Data";
    // Nothing anywhere: the start-up check then names a file of Data beside the program.
    QTest::newRow("nothing") << false << false << "bin/Data";
}

void DataDirTest::dataBesideTheProgramWinsOverTheInstalledOne()
{
    QFETCH(bool, beside);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    if (beside)
        root.mkpath(QStringLiteral("bin/Data"));
    if (installed)
        root.mkpath(QStringLiteral("share/kordamir"));

    bool isInstalled = !installed;
    const QString found = DataDir::locateRoot(root.filePath(QStringLiteral("bin")),
                                              QStringLiteral("../share/kordamir"), &isInstalled);
    QCOMPARE(found, root.filePath(expected));
    QCOMPARE(isInstalled, expected.startsWith(QStringLiteral("share")));
}

void DataDirTest::recordsStayInDataOnlyWhereTheyCanBeRewritten_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QByteArray>("shipped");   // empty: no Cfg.ini in Data
    QTest::addColumn<QByteArray>("playerOwn"); // empty: the player has none yet
    QTest::addColumn<bool>("inData");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray table("\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n");
    const QByteArray mine("\xc0\xed\xff\r\n120\r\n");
    QTest::newRow("build folder") << false << false << table << QByteArray() << true << table;
    QTest::newRow("build folder, records not made yet")
        << false << false << QByteArray() << QByteArray() << true << QByteArray("<missing>");
    QTest::newRow("installed: seeded into the player's folder")
        << true << false << table << QByteArray() << false << table;
    QTest::newRow("installed: the player's table is never reseeded")
        << true << false << table << mine << false << mine;
    QTest::newRow("installed without a shipped table")
        << true << false << QByteArray() << QByteArray() << false << QByteArray("<missing>");
    QTest::newRow("read-only portable copy") << false << true << table << QByteArray() << false << table;
    // A tournament played while Data was read only left its champion in the
    // player's table: Data writable again must not hide it.
    QTest::newRow("build folder: the player's own table, once made, wins")
        << false << false << table << mine << false << mine;
    QTest::newRow("build folder without a table: the player's own wins")
        << false << false << QByteArray() << mine << false << mine;
}

void DataDirTest::recordsStayInDataOnlyWhereTheyCanBeRewritten()
{
    QFETCH(bool, installed);
    QFETCH(bool, readOnly);
    QFETCH(QByteArray, shipped);
    QFETCH(QByteArray, playerOwn);
    QFETCH(bool, inData);
    QFETCH(QByteArray, expected);

    // As a plain user even where the tests run as root, who may write a
    // read-only directory: the base is nobody's, and nobody fills it.
    QTemporaryDir base;
    if (geteuid() == 0)
        QCOMPARE(chown(QFile::encodeName(base.path()).constData(), AsPlainUser::nobody, AsPlainUser::nobody),
                 0);
    AsPlainUser plain;
    const QString dataRoot = QDir(base.path()).filePath(QStringLiteral("Data"));
    const QString playerDir = QDir(base.path()).filePath(QStringLiteral("home/share/kordamir"));
    QDir().mkpath(dataRoot);
    if (!shipped.isEmpty()) {
        writeFile(dataRoot + QStringLiteral("/Cfg.ini"), shipped);
        // Installed files are read only, and a copy must not stay so.
        if (installed || readOnly)
            QFile::setPermissions(dataRoot + QStringLiteral("/Cfg.ini"), QFile::ReadOwner | QFile::ReadOther);
    }
    if (!playerOwn.isEmpty())
        writeFile(playerDir + QStringLiteral("/Cfg.ini"), playerOwn);
    if (readOnly)
        QFile::setPermissions(dataRoot, QFile::ReadOwner | QFile::ExeOwner);

    const DataDir data = installed ? DataDir::installed(dataRoot, playerDir)
                                   : DataDir(base.path(), playerDir);
    const QString records = data.recordsFile();
    QFile::setPermissions(dataRoot, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(records, (inData ? dataRoot : playerDir) + QStringLiteral("/Cfg.ini"));
    QCOMPARE(readFile(records), expected);
    if (!inData && QFile::exists(records))
        QVERIFY(QFileInfo(records).isWritable());
    if (!shipped.isEmpty())
        QCOMPARE(readFile(dataRoot + QStringLiteral("/Cfg.ini")), shipped);
}

void DataDirTest::withoutAHomeRecordsStayOnlyInAWritableData_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("inData");
    QTest::newRow("build folder") << false << true;
    QTest::newRow("installed game") << true << false;
}

void DataDirTest::withoutAHomeRecordsStayOnlyInAWritableData()
{
    QFETCH(bool, installed);
    QFETCH(bool, inData);
    QTemporaryDir base;
    const QString dataRoot = QDir(base.path()).filePath(QStringLiteral("Data"));
    writeFile(dataRoot + QStringLiteral("/Cfg.ini"), "\r\n0\r\n");
    const QString home = QDir(base.path()).filePath(QStringLiteral("gone"));
    const QByteArray saved[] = {qgetenv("XDG_DATA_HOME"), qgetenv("HOME")};
    // A relative value is ignored, and a home that is not there is never made.
    qputenv("XDG_DATA_HOME", "share");
    qputenv("HOME", QFile::encodeName(home));

    const DataDir data = installed ? DataDir::installed(dataRoot) : DataDir(base.path());
    const QString records = data.recordsFile();
    qputenv("XDG_DATA_HOME", saved[0]);
    qputenv("HOME", saved[1]);
    QCOMPARE(records, inData ? dataRoot + QStringLiteral("/Cfg.ini") : QString());
    QVERIFY(!QFileInfo::exists(home));
    QVERIFY(!QFileInfo::exists(QStringLiteral("share")));
}

QTEST_GUILESS_MAIN(DataDirTest)
#include "DataDirTest.moc"
