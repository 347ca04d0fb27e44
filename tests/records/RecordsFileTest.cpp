// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/RecordsFile.h"
#include "AsPlainUser.h"
#include "FileSizeLimit.h"

#include "platform/Cp1251.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(RecordsTable)

namespace {

RecordsTable table(std::initializer_list<std::pair<QString, qint32>> entries)
{
    RecordsTable result;
    int entry = 1;
    for (const auto& [name, score] : entries) {
        result.RecordName.at(entry) = name;
        result.RecordScore.at(entry) = score;
        ++entry;
    }
    return result;
}

// One line per entry, so that a failed comparison shows both tables.
QString describe(const RecordsTable& table)
{
    QStringList rows;
    for (int entry = 1; entry <= RecordsTable::entryCount; ++entry)
        rows << QStringLiteral("%1 [%2] %3")
                    .arg(entry)
                    .arg(table.RecordName.at(entry))
                    .arg(table.RecordScore.at(entry));
    return rows.join(u'\n');
}

// Test texts are written in the source's UTF-8; the file holds Windows-1251.
QByteArray inCodePage(const QString& text)
{
    return cp1251::encode(text).value();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString fullText = QStringLiteral("Ира\r\n500\r\nОлег\r\n400\r\nЯна\r\n300\r\nЛёва\r\n200\r\n");

} // namespace

class RecordsFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsEveryLayoutIntoFourEntries_data();
    void readsEveryLayoutIntoFourEntries();
    void writesEightLinesEachEndedByCrLf();
    void everyCyrillicLetterSurvivesWriteAndReadByteForByte();
    void namesTheFileCannotHoldAreWrittenAsQuestionMarks_data();
    void namesTheFileCannotHoldAreWrittenAsQuestionMarks();
    void missingFileReadsAsTheEmptyTableAndWriteCreatesIt();
    void tableKeptNowhereIsEmptyAndEveryWriteFailsWithoutATrace();
    void fileThatCannotBeReadIsReportedAndNeverReplaced_data();
    void fileThatCannotBeReadIsReportedAndNeverReplaced();
    void linkToARegularFileIsReadAndWrittenThrough();
    void hugeLinesCostNoMoreThanEightShortenedLines();
    void leftoversOfKilledWritesAreRemovedAndNothingElse();
    void rewriteKeepsTheFilesModeAndLinkAndLeavesNothing();
    void failedWriteLeavesTheOldFileWhole_data();
    void failedWriteLeavesTheOldFileWhole();

private:
    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(QStringLiteral("Cfg.ini")); }
};

void RecordsFileTest::readsEveryLayoutIntoFourEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<RecordsTable>("expected");

    const RecordsTable full = table({{"Ира", 500}, {"Олег", 400}, {"Яна", 300}, {"Лёва", 200}});
    QTest::newRow("eight lines") << fullText << full;
    QTest::newRow("empty file") << QString() << RecordsTable{};
    QTest::newRow("three lines fill what they reach")
        << QStringLiteral("Ира\r\n500\r\nОлег\r\n") << table({{"Ира", 500}, {"Олег", 0}});
    QTest::newRow("twelve lines: past the eighth ignored")
        << fullText + QStringLiteral("Чужой\r\n999\r\nЕщё\r\n1000\r\n") << full;
    QTest::newRow("bare line feeds") << QString(fullText).replace(QStringLiteral("\r\n"),
                                                                  QStringLiteral("\n"))
                                     << full;
    QTest::newRow("no line end after the last line") << fullText.chopped(2) << full;
    QTest::newRow("empty name lines")
        << QStringLiteral("\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n") << RecordsTable{};
    QTest::newRow("blanks belong to the name")
        << QStringLiteral("  Ира Кот \r\n7\r\n") << table({{"  Ира Кот ", 7}});
    QTest::newRow("garbage scores read as 0")
        << QStringLiteral("а\r\nмного\r\nб\r\n12.5\r\nв\r\n-\r\nг\r\n3 очка\r\n")
        << table({{"а", 0}, {"б", 0}, {"в", 0}, {"г", 0}});
    QTest::newRow("scores beyond 16 bits are kept")
        << QStringLiteral("а\r\n40000\r\nб\r\n-40000\r\nв\r\n2147483647\r\n")
        << table({{"а", 40000}, {"б", -40000}, {"в", 2147483647}});
    QTest::newRow("scores beyond 32 bits stay at the limit")
        << QStringLiteral("а\r\n4294967296\r\nб\r\n-99999999999999999999999\r\n")
        << table({{"а", 2147483647}, {"б", -2147483647 - 1}});
    QTest::newRow("blanks around a score and a plus are read as written")
        << QStringLiteral("а\r\n300 \r\nб\r\n 300\r\nв\r\n+5\r\nг\r\n\t-7\t\r\n")
        << table({{"а", 300}, {"б", 300}, {"в", 5}, {"г", -7}});
    QTest::newRow("signs that make no number read as 0")
        << QStringLiteral("а\r\n+-5\r\nб\r\n+\r\nв\r\n++5\r\nг\r\n- 5\r\n")
        << table({{"а", 0}, {"б", 0}, {"в", 0}, {"г", 0}});
    QTest::newRow("a name cut after 255 bytes")
        << QString(300, u'Щ') + QStringLiteral("\r\n9\r\nОлег\r\n8\r\n")
        << table({{QString(255, u'Щ'), 9}, {"Олег", 8}});
}

void RecordsFileTest::readsEveryLayoutIntoFourEntries()
{
    QFETCH(QString, text);
    QFETCH(RecordsTable, expected);
    QVERIFY(writeAll(path(), inCodePage(text)));
    QCOMPARE(describe(RecordsFile(path()).read()), describe(expected));
}

void RecordsFileTest::writesEightLinesEachEndedByCrLf()
{
    RecordsFile file(path());
    QVERIFY(file.write(table({{"Ира", 40000}, {"", -5}})));
    QCOMPARE(readAll(path()), inCodePage(QStringLiteral("Ира\r\n40000\r\n\r\n-5\r\n\r\n0\r\n\r\n0\r\n")));
    QCOMPARE(RecordsFile(path()).read().RecordScore.at(1), 40000);
}

void RecordsFileTest::everyCyrillicLetterSurvivesWriteAndReadByteForByte()
{
    QString upper = QStringLiteral("Ё");
    QString lower = QStringLiteral("ё");
    for (char16_t letter = u'А'; letter <= u'Я'; ++letter) {
        upper += QChar(letter);
        lower += QChar(static_cast<char16_t>(letter + (u'а' - u'А')));
    }
    const RecordsTable written = table({{upper, 1}, {lower, 2}, {upper + u' ' + lower, 3}});
    RecordsFile file(path());
    QVERIFY(file.write(written));

    QByteArray upperBytes("\xA8");
    QByteArray lowerBytes("\xB8");
    for (int code = 0xC0; code <= 0xDF; ++code) {
        upperBytes += static_cast<char>(code);
        lowerBytes += static_cast<char>(code + 0x20);
    }
    QCOMPARE(readAll(path()), upperBytes + "\r\n1\r\n" + lowerBytes + "\r\n2\r\n" + upperBytes + ' '
                                  + lowerBytes + "\r\n3\r\n\r\n0\r\n");
    QCOMPARE(describe(file.read()), describe(written));
}

void RecordsFileTest::namesTheFileCannotHoldAreWrittenAsQuestionMarks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("ideographs") << QStringLiteral("Ли 中文") << QStringLiteral("Ли ??");
    QTest::newRow("one character beyond 16 bits is one mark")
        << QStringLiteral("Аня 😀") << QStringLiteral("Аня ?");
    QTest::newRow("line breaks would shift the scores")
        << QStringLiteral("Ан\r\nна\n") << QStringLiteral("Ан??на?");
    QTest::newRow("the undefined byte's replacement") << QStringLiteral("Я\uFFFD") << QStringLiteral("Я?");
}

void RecordsFileTest::namesTheFileCannotHoldAreWrittenAsQuestionMarks()
{
    QFETCH(QString, name);
    QFETCH(QString, readBack);
    RecordsFile file(path());
    QVERIFY(file.write(table({{name, 300}, {QStringLiteral("Второй"), 200}})));
    const RecordsTable read = file.read();
    QCOMPARE(describe(read), describe(table({{readBack, 300}, {QStringLiteral("Второй"), 200}})));
}

void RecordsFileTest::missingFileReadsAsTheEmptyTableAndWriteCreatesIt()
{
    QFile::remove(path());
    RecordsFile file(path());
    QCOMPARE(describe(file.read()), describe(RecordsTable{}));
    QVERIFY(file.write(RecordsTable{}));
    QCOMPARE(readAll(path()), QByteArray("\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n"));
}

void RecordsFileTest::failedWriteLeavesTheOldFileWhole_data()
{
    QTest::addColumn<bool>("diskFillsMidWrite");
    QTest::addColumn<bool>("targetIsDirectory");
    QTest::newRow("disk fills in the middle of the write") << true << false;
    QTest::newRow("the file's name is taken by a directory") << false << true;
}

void RecordsFileTest::failedWriteLeavesTheOldFileWhole()
{
    QFETCH(bool, diskFillsMidWrite);
    QFETCH(bool, targetIsDirectory);
    QFile::remove(path());
    QDir(path()).removeRecursively();
    if (targetIsDirectory)
        QVERIFY(QDir().mkdir(path()));
    else
        QVERIFY(writeAll(path(), inCodePage(fullText)));

    RecordsFile file(path());
    const RecordsTable longer = table({{QString(40, u'Щ'), 1000}, {QString(40, u'Ж'), 900}});
    bool written = true;
    {
        std::optional<FileSizeLimit> limit;
        if (diskFillsMidWrite)
            limit.emplace(20);
        written = file.write(longer);
    }
    QVERIFY(!written);
    QCOMPARE(file.errorString(), diskFillsMidWrite ? QStringLiteral("на диске нет места")
                                                   : QStringLiteral("на месте файла лежит не обычный файл"));
    if (targetIsDirectory)
        QVERIFY(QFileInfo(path()).isDir());
    else
        QCOMPARE(readAll(path()), inCodePage(fullText));
    // No half-written neighbour is left behind either.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Cfg.ini")});
}

void RecordsFileTest::tableKeptNowhereIsEmptyAndEveryWriteFailsWithoutATrace()
{
    // Run from a folder of its own: a copy would otherwise land where the game was started.
    const QString before = QDir::currentPath();
    const auto entries = [this] {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    };
    const QStringList there = entries();
    QVERIFY(QDir::setCurrent(dir_.path()));
    RecordsFile file{QString()};
    const RecordsTable read = file.read();
    const bool written = file.write(table({{"Ира", 500}}));
    const int removed = file.removeLeftovers();
    const QStringList left = entries();
    QDir::setCurrent(before);

    QCOMPARE(read, RecordsTable{});
    QVERIFY(!file.readFailed());
    QVERIFY(!written);
    QCOMPARE(file.failure(), RecordsFile::Failure::NoFolder);
    QCOMPARE(file.errorString(), QStringLiteral("нет домашней папки, где её хранить"));
    QCOMPARE(removed, 0);
    QCOMPARE(left, there);
}

void RecordsFileTest::fileThatCannotBeReadIsReportedAndNeverReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << "fifo"
                          << "на месте файла лежит не обычный файл";
    QTest::newRow("directory") << "directory"
                               << "на месте файла лежит не обычный файл";
    QTest::newRow("link to itself") << "loop"
                                    << "на месте файла лежит не обычный файл";
    QTest::newRow("no permission to read") << "closed"
                                           << "нет прав доступа к файлу";
}

void RecordsFileTest::fileThatCannotBeReadIsReportedAndNeverReplaced()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cfg.ini"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == "fifo")
        QCOMPARE(mkfifo(native.constData(), 0644), 0);
    else if (kind == "directory")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "loop")
        QCOMPARE(symlink("Cfg.ini", native.constData()), 0);
    else
        QVERIFY(writeAll(path, inCodePage(fullText)) && chmod(native.constData(), 0200) == 0);
    // The directory open to all, so that only the file's own bits keep "nobody" out.
    QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    struct stat before {};
    QCOMPARE(lstat(native.constData(), &before), 0);

    RecordsFile file(path);
    RecordsTable read;
    {
        AsPlainUser plain;
        read = file.read();
    }
    QVERIFY(file.readFailed());
    QCOMPARE(describe(read), describe(RecordsTable{}));
    QCOMPARE(file.errorString(), reason);
    if (kind != "closed") {
        QVERIFY(!file.write(table({{"Вика", 450}})));
        QCOMPARE(file.errorString(), reason);
    }
    struct stat after {};
    QCOMPARE(lstat(native.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Cfg.ini")});
}

void RecordsFileTest::linkToARegularFileIsReadAndWrittenThrough()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Рекорды.txt"));
    const QString link = dir.filePath(QStringLiteral("Cfg.ini"));
    QVERIFY(writeAll(target, inCodePage(fullText)));
    QVERIFY(QFile::link(target, link));
    RecordsFile file(link);
    RecordsTable read = file.read();
    QVERIFY(!file.readFailed());
    QCOMPARE(read.RecordName.at(1), QStringLiteral("Ира"));
    read.enter(QStringLiteral("Вика"), 450);
    QVERIFY(file.write(read));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(target),
             inCodePage(QStringLiteral("Ира\r\n500\r\nВика\r\n450\r\nЯна\r\n300\r\nЛёва\r\n200\r\n")));
}

void RecordsFileTest::hugeLinesCostNoMoreThanEightShortenedLines()
{
    // A name of 20 MB: read as its first 255 bytes; the lines behind it lie
    // beyond what eight lines may take and are not reached.
    QFile::remove(path());
    {
        QFile huge(path());
        QVERIFY(huge.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 20, '\xDF');
        for (int i = 0; i < 20; ++i)
            QCOMPARE(huge.write(block), block.size());
        QVERIFY(huge.write("\r\n500\r\n") > 0);
    }
    RecordsFile file(path());
    RecordsTable read = file.read();
    QVERIFY(!file.readFailed());
    QCOMPARE(describe(read), describe(table({{QString(255, u'Я'), 0}})));
    // Written back shortened: the name line, then "0" and three empty entries.
    QVERIFY(file.write(read));
    QCOMPARE(QFileInfo(path()).size(), 255 + 2 + 1 + 2 + 3 * 5);
}

// The clean-up used to remove any "Cfg.ini." and six letters or digits: a
// player's Cfg.ini.backup or Cfg.ini.before went without a word.
void RecordsFileTest::leftoversOfKilledWritesAreRemovedAndNothingElse()
{
    QTemporaryDir dir;
    const QString ours = RecordsFile::copyPrefix(QStringLiteral("Cfg.ini"));
    const QStringList leftovers{ours + "AbCdEf", ours + "x1Y2z3"};
    const QStringList kept{"Cfg.ini",         "Cfg.ini.bak",     "Cfg.ini.backup", "Cfg.ini.before",
                           "Cfg.ini.AbCdEf",  ours + "AbCdEfG",  ours + "AbCd-f",  "cfg.ini.AbCdEf",
                           ".Cfg.ini.AbCdEf", "Other.ini.AbCdEf"};
    const QString inProgress = ours + "N0wN0w";
    for (const QString& name : leftovers + kept + QStringList{inProgress})
        QVERIFY(writeAll(dir.filePath(name), "x"));
    // Killed long ago; the copy of a write going on now is left alone.
    for (const QString& name : leftovers + kept) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    QVERIFY(QDir(dir.path()).mkdir(ours + "Folder"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("Other.ini.AbCdEf")), dir.filePath(ours + "Linked")));

    QCOMPARE(RecordsFile(dir.filePath(QStringLiteral("Cfg.ini"))).removeLeftovers(), 2);
    QStringList expected = kept + QStringList{inProgress, ours + "Folder", ours + "Linked"};
    expected.sort();
    QCOMPARE(
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
        expected);
}

// Written through a copy of the game's own, renamed over the file: the mode
// the player gave the file stays, a link still names the file it named, and
// nothing is left beside them.
void RecordsFileTest::rewriteKeepsTheFilesModeAndLinkAndLeavesNothing()
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("Таблица.ini"));
    const QString link = dir.filePath(QStringLiteral("Cfg.ini"));
    QVERIFY(writeAll(real, "old"));
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::link(real, link));
    RecordsFile file(link);
    QVERIFY(file.write(table({{"Ира", 500}})));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(describe(RecordsFile(real).read()), describe(table({{"Ира", 500}})));
    QCOMPARE(QFile::permissions(real),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .size(),
             2);
}

QTEST_GUILESS_MAIN(RecordsFileTest)
#include "RecordsFileTest.moc"
