// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Cp1251.h"
#include "platform/RandomSource.h"
#include "rules/TopicDatabase.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

// The word database as it ships in data/Baz. The reader forgives a damaged
// file; these checks see to it that nothing in the shipped one needs forgiving.
namespace {

const QString shippedDir = QStringLiteral(KORDAMIR_SOURCE_DIR "/data/Baz");

constexpr int minTopics = 12;
constexpr int minWordsPerTopic = 40;
// A word of one or two letters gives the player next to nothing to guess.
constexpr int minShippedWordLength = 3;

QStringList topicFileNames()
{
    return QDir(shippedDir).entryList({u"*.dat"_s}, QDir::Files, QDir::Name);
}

QByteArray readBytes(const QString& fileName)
{
    QFile file(QDir(shippedDir).filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a file whose every line ends in CR LF, without their line ends.
QList<QByteArray> crLfLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the final line end
    for (QByteArray& line : lines)
        line.chop(1);
    return lines;
}

void addTopicFileRows()
{
    QTest::addColumn<QString>("fileName");
    for (const QString& fileName : topicFileNames())
        QTest::newRow(qPrintable(fileName)) << fileName;
}

} // namespace

class ShippedTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void shipsEnoughTopicsAndNothingElse();

    void isWindows1251WithCrLfAfterEveryLine_data() { addTopicFileRows(); }
    void isWindows1251WithCrLfAfterEveryLine();
    void countLineMatchesTheWordLines_data() { addTopicFileRows(); }
    void countLineMatchesTheWordLines();
    void holdsEnoughDistinctPlayableWords_data() { addTopicFileRows(); }
    void holdsEnoughDistinctPlayableWords();

    void drawsEveryShippedTopic();
};

void ShippedTopicsTest::shipsEnoughTopicsAndNothingElse()
{
    const QStringList topics = topicFileNames();
    QVERIFY2(topics.size() >= minTopics, qPrintable(u"%1 topic files"_s.arg(topics.size())));

    // Anything else in the folder would be copied beside the game for nothing,
    // or be a topic file whose extension went wrong.
    const QStringList all =
        QDir(shippedDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(all.size(), topics.size());
}

void ShippedTopicsTest::isWindows1251WithCrLfAfterEveryLine()
{
    QFETCH(QString, fileName);
    const QByteArray bytes = readBytes(fileName);
    QVERIFY2(!bytes.isEmpty(), "empty or unreadable");

    // 0x98 is the one byte Windows-1251 leaves undefined.
    QVERIFY(!bytes.contains('\x98'));
    QVERIFY(!cp1251::decode(bytes).contains(QChar(QChar::ReplacementCharacter)));
    QVERIFY2(bytes.endsWith("\r\n"), "last line without CR LF");
    QCOMPARE(bytes.count('\r'), bytes.count('\n'));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
}

void ShippedTopicsTest::countLineMatchesTheWordLines()
{
    QFETCH(QString, fileName);
    const QList<QByteArray> lines = crLfLines(readBytes(fileName));
    QVERIFY(!lines.isEmpty());

    // Written plainly, without blanks or sign, as any reader expects it.
    QCOMPARE(lines.first(), QByteArray::number(lines.size() - 1));
}

void ShippedTopicsTest::holdsEnoughDistinctPlayableWords()
{
    QFETCH(QString, fileName);
    const QList<QByteArray> lines = crLfLines(readBytes(fileName));
    QVERIFY(!lines.isEmpty());

    QStringList words;
    QSet<QString> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString word = cp1251::decode(lines.at(i));
        QVERIFY2(TopicDatabase::isValidWord(word), qPrintable(u"line %1: \"%2\""_s.arg(i + 1).arg(word)));
        QVERIFY2(word.size() >= minShippedWordLength, qPrintable(word));
        QVERIFY2(!seen.contains(word), qPrintable(u"%1 twice"_s.arg(word)));
        seen.insert(word);
        words << word;
    }
    QVERIFY2(words.size() >= minWordsPerTopic, qPrintable(u"%1 words"_s.arg(words.size())));

    // The game's reader must see every one of them.
    const TopicDatabase::TopicFile read = TopicDatabase::read(QDir(shippedDir).filePath(fileName));
    QCOMPARE(read.problem, TopicDatabase::Problem::None);
    QCOMPARE(read.words, words);
}

void ShippedTopicsTest::drawsEveryShippedTopic()
{
    QSet<QString> expectedTopics;
    for (const QString& fileName : topicFileNames())
        expectedTopics.insert(fileName.chopped(4));

    // With some sixteen topics a few thousand draws reach each many times over.
    SeededRandom random(7u);
    QSet<QString> drawnTopics;
    for (int i = 0; i < 2000; ++i) {
        const std::optional<TopicWord> drawn = TopicDatabase::draw(shippedDir, random);
        QVERIFY(drawn.has_value());
        QVERIFY2(expectedTopics.contains(drawn->topic), qPrintable(drawn->topic));
        QVERIFY(TopicDatabase::isValidWord(drawn->word));
        drawnTopics.insert(drawn->topic);
    }
    QCOMPARE(drawnTopics, expectedTopics);
}

QTEST_GUILESS_MAIN(ShippedTopicsTest)
#include "ShippedTopicsTest.moc"
