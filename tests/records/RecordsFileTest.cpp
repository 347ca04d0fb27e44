#include "records/RecordsFile.h"
#include "FileSizeLimit.h"

#include "platform/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        rows << QStringLiteral("%1 [%2] %3").arg(entry).arg(table.RecordName.at(entry)).arg(table.RecordScore.at(entry));
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
    QTest::newRow("bare line feeds") << QString(fullText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << full;
    QTest::newRow("no line end after the last line") << fullText.chopped(2) << full;
    QTest::newRow("empty name lines") << QStringLiteral("\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n") << RecordsTable{};
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
    QTest::newRow("one character beyond 16 bits is one mark") << QStringLiteral("Аня 😀") << QStringLiteral("Аня ?");
    QTest::newRow("line breaks would shift the scores") << QStringLiteral("Ан\r\nна\n") << QStringLiteral("Ан??на?");
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
    QVERIFY(!file.errorString().isEmpty());
    if (targetIsDirectory)
        QVERIFY(QFileInfo(path()).isDir());
    else
        QCOMPARE(readAll(path()), inCodePage(fullText));
    // No half-written neighbour is left behind either.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Cfg.ini")});
}

QTEST_GUILESS_MAIN(RecordsFileTest)
#include "RecordsFileTest.moc"
