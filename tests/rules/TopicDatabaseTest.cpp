// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/TopicDatabase.h"
#include "platform/Cp1251.h"
#include "platform/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Hands out a fixed list of numbers and counts how many were asked for, so a
// test can tell which draw chose what and that no extra draw was made.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> numbers) : numbers_(std::move(numbers)) {}

    double uniform() override
    {
        ++taken_;
        return numbers_.isEmpty() ? 0.0 : numbers_.takeFirst();
    }

    int taken() const { return taken_; }

private:
    QList<double> numbers_;
    int taken_ = 0;
};

// Text as it lies in a topic file.
QByteArray cp(const QString& text)
{
    const std::optional<QByteArray> bytes = cp1251::encode(text);
    if (!bytes)
        qFatal("test text has a character outside Windows-1251");
    return *bytes;
}

// A topic file whose every line, the last included, ends in CR LF.
QByteArray topicFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp(line) + "\r\n";
    return bytes;
}

// A topic that never ends: `start`, then `filler` over and over. Counts what
// the reader took, so a reader that reads to the end shows as never returning.
class EndlessTopic final : public QIODevice {
public:
    EndlessTopic(QByteArray start, QByteArray filler) : start_(std::move(start)), filler_(std::move(filler))
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 handed() const { return handed_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        for (qint64 i = 0; i < maxSize; ++i, ++handed_) {
            data[i] = handed_ < start_.size() ? start_.at(handed_)
                                              : filler_.at((handed_ - start_.size()) % filler_.size());
        }
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray start_;
    QByteArray filler_;
    qint64 handed_ = 0;
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TopicDatabaseTest : public QObject {
    Q_OBJECT

private slots:
    void acceptsOnlyBoardWords_data();
    void acceptsOnlyBoardWords();
    void acceptsEveryOneOfTheThirtyTwoCapitals();

    void readsOnlyTheCountedValidWords_data();
    void readsOnlyTheCountedValidWords();
    void rejectsFileWhoseFirstLineIsNoWholeNumber_data();
    void rejectsFileWhoseFirstLineIsNoWholeNumber();
    void rejectsWhatCannotBeReadAsAFile();
    void readsAStreamNoFurtherThanItsLastCountedLine_data();
    void readsAStreamNoFurtherThanItsLastCountedLine();

    void drawsTheOnlyTopicNamedAfterItsFile_data();
    void drawsTheOnlyTopicNamedAfterItsFile();
    void drawsTopicByFileNameOrderThenWord_data();
    void drawsTopicByFileNameOrderThenWord();
    void drawsOnlyAmongValidWords_data();
    void drawsOnlyAmongValidWords();
    void ignoresFilesThatAreNotTopics();
    void neverDrawsTopicWithoutWord_data();
    void neverDrawsTopicWithoutWord();
    void neverDrawsATopicThatCannotBeRead_data();
    void neverDrawsATopicThatCannotBeRead();
    void drawsNothingWhenNoTopicYieldsAWord_data();
    void drawsNothingWhenNoTopicYieldsAWord();
    void drawsEveryTopicAndEveryWordEquallyOften();
};

void TopicDatabaseTest::acceptsOnlyBoardWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("valid");

    QTest::newRow("one letter") << u"Я"_s << true;
    QTest::newRow("everyday word") << u"СОБАКА"_s << true;
    QTest::newRow("eleven letters") << u"ПРОГРАММИСТ"_s << true;
    QTest::newRow("hard and soft signs") << u"ПОДЪЕЗД"_s << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("twelve letters") << u"БИБЛИОТЕКАРЬ"_s << false;
    QTest::newRow("lowercase") << u"собака"_s << false;
    QTest::newRow("one lowercase letter") << u"СОБАКа"_s << false;
    QTest::newRow("capital yo") << u"ЁЖ"_s << false;
    QTest::newRow("Latin look-alikes") << u"KOT"_s << false;
    QTest::newRow("one Latin letter") << u"KОТ"_s << false;
    QTest::newRow("blank inside") << u"БЕЛЫЙ МЕДВЕДЬ"_s << false;
    QTest::newRow("leading blank") << u" КОТ"_s << false;
    QTest::newRow("trailing blank") << u"КОТ "_s << false;
    QTest::newRow("hyphen") << u"ИВАН-ЧАЙ"_s << false;
    QTest::newRow("digit") << u"КОТ1"_s << false;
    QTest::newRow("trailing CR") << u"КОТ\r"_s << false;
    QTest::newRow("just below А") << QString(QChar(0x040F)) << false;
    QTest::newRow("just above Я") << QString(QChar(0x0430)) << false;
}

void TopicDatabaseTest::acceptsOnlyBoardWords()
{
    QFETCH(QString, word);
    QFETCH(bool, valid);
    QCOMPARE(TopicDatabase::isValidWord(word), valid);
}

void TopicDatabaseTest::acceptsEveryOneOfTheThirtyTwoCapitals()
{
    // Each capital on its own and read back through the code page from a file:
    // a letter lost in either would leave words of a topic undrawable.
    QStringList alphabet;
    for (char16_t code = 0x0410; code <= 0x042F; ++code) {
        const QString letter(QChar{code});
        QVERIFY2(TopicDatabase::isValidWord(letter), qPrintable(letter));
        alphabet << letter;
    }
    const QStringList words{alphabet.mid(0, 11).join(QString()), alphabet.mid(11, 11).join(QString()),
                            alphabet.mid(22).join(QString())};

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Азбука.dat"_s);
    QVERIFY(writeFile(path, topicFile(QStringList{u"3"_s} + words)));
    const TopicDatabase::TopicFile read = TopicDatabase::read(path);
    QCOMPARE(read.problem, TopicDatabase::Problem::None);
    QCOMPARE(read.words, words);
}

void TopicDatabaseTest::readsOnlyTheCountedValidWords_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("count one takes line two")
        << topicFile({u"1"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{u"КОТ"_s};
    QTest::newRow("lines after the counted ones are no words")
        << topicFile({u"2"_s, u"КОТ"_s, u"ПЕС"_s, u"СЛОН"_s, u"КОНЕЦ"_s}) << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("count larger than the file")
        << topicFile({u"5"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("count beyond 32767") << topicFile({u"40000"_s, u"КОТ"_s}) << QStringList{u"КОТ"_s};
    QTest::newRow("count beyond 64 bits")
        << topicFile({u"123456789012345678901234567890"_s, u"КОТ"_s}) << QStringList{u"КОТ"_s};
    QTest::newRow("count zero takes line two")
        << topicFile({u"0"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{u"КОТ"_s};
    QStringList many{u"40000"_s};
    for (int i = 0; i < 32768; ++i)
        many << (i < 32767 ? u"КОТ"_s : u"ПЕС"_s);
    QTest::newRow("no more than 32767 words") << topicFile(many) << many.mid(1, 32767);
    QTest::newRow("a line longer than 255 bytes ends the reading")
        << topicFile({u"3"_s, u"КОТ"_s, QString(256, u'Ж'), u"ПЕС"_s}) << QStringList{u"КОТ"_s};
    QTest::newRow("255 bytes with CR LF are still a line")
        << topicFile({u"3"_s, u"КОТ"_s, QString(255, u'Ж'), u"ПЕС"_s}) << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("count negative") << topicFile({u"-2"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{};
    QTest::newRow("count negative beyond 64 bits")
        << topicFile({u"-23456789012345678901234567890"_s, u"КОТ"_s}) << QStringList{};
    QTest::newRow("count minus zero") << topicFile({u"-00"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{u"КОТ"_s};
    QTest::newRow("count with blanks and tab")
        << topicFile({u" 2 \t"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("count with plus sign")
        << topicFile({u"+1"_s, u"КОТ"_s, u"ПЕС"_s}) << QStringList{u"КОТ"_s};
    QTest::newRow("LF only") << cp(u"2\nКОТ\nПЕС\n"_s) << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("last line without line end")
        << cp(u"2\r\nКОТ\r\nПЕС"_s) << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("mixed line ends") << cp(u"3\nКОТ\r\nПЕС\nСЛОН"_s)
                                     << QStringList{u"КОТ"_s, u"ПЕС"_s, u"СЛОН"_s};
    QTest::newRow("trailing blank lines")
        << topicFile({u"4"_s, u"КОТ"_s, QString(), QString(), QString()}) << QStringList{u"КОТ"_s};
    QTest::newRow("count line alone") << topicFile({u"3"_s}) << QStringList{};
    QTest::newRow("unplayable words skipped, order kept")
        << topicFile({u"11"_s, u"КОТ"_s, u"ПРОГРАММИСТЫ"_s, u"собака"_s, u"ЁЖ"_s, u"CAT"_s,
                      u"БЕЛЫЙ МЕДВЕДЬ"_s, u" ПЕС"_s, QString(), u"ИВАН-ЧАЙ"_s, u"ПРОГРАММИСТ"_s, u"СЛОН"_s})
        << QStringList{u"КОТ"_s, u"ПРОГРАММИСТ"_s, u"СЛОН"_s};
    QTest::newRow("byte undefined in the code page")
        << QByteArray("2\r\n\xCA\x98\xD2\r\n\xCA\xCE\xD2\r\n") << QStringList{u"КОТ"_s};
    QTest::newRow("lone CR inside a line")
        << QByteArray("2\r\n\xCA\xCE\xD2\r\xCF\xC5\xD1\r\n\xD1\xCB\xCE\xCD\r\n") << QStringList{u"СЛОН"_s};
}

void TopicDatabaseTest::readsOnlyTheCountedValidWords()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, words);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Тема.dat"_s);
    QVERIFY(writeFile(path, content));

    // A file whose count asks for no word, or whose words are all unplayable,
    // is read but gives none.
    const TopicDatabase::TopicFile read = TopicDatabase::read(path);
    QCOMPARE(read.problem, words.isEmpty() ? TopicDatabase::Problem::NoWord : TopicDatabase::Problem::None);
    QCOMPARE(read.words, words);
}

void TopicDatabaseTest::rejectsFileWhoseFirstLineIsNoWholeNumber_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("word in place of the count") << topicFile({u"КОТ"_s, u"ПЕС"_s});
    QTest::newRow("blank first line") << topicFile({QString(), u"1"_s, u"КОТ"_s});
    QTest::newRow("fraction") << topicFile({u"1.5"_s, u"КОТ"_s});
    QTest::newRow("two numbers") << topicFile({u"1 2"_s, u"КОТ"_s});
    QTest::newRow("hexadecimal") << topicFile({u"0x2"_s, u"КОТ"_s});
    QTest::newRow("sign alone") << topicFile({u"-"_s, u"КОТ"_s});
    QTest::newRow("number with word") << topicFile({u"2 слова"_s, u"КОТ"_s});
    QTest::newRow("count line with no end in sight") << QByteArray(100000, '1');
}

void TopicDatabaseTest::rejectsFileWhoseFirstLineIsNoWholeNumber()
{
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Тема.dat"_s);
    QVERIFY(writeFile(path, content));
    const TopicDatabase::TopicFile read = TopicDatabase::read(path);
    QCOMPARE(read.problem, TopicDatabase::Problem::NoCount);
    QVERIFY(read.words.isEmpty());
}

void TopicDatabaseTest::rejectsWhatCannotBeReadAsAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"Папка.dat"_s));

    QCOMPARE(TopicDatabase::read(dir.filePath(u"Нет такой.dat"_s)).problem,
             TopicDatabase::Problem::CannotOpen);
    QCOMPARE(TopicDatabase::read(dir.filePath(u"Папка.dat"_s)).problem,
             TopicDatabase::Problem::NotRegularFile);
}

void TopicDatabaseTest::readsAStreamNoFurtherThanItsLastCountedLine_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("filler");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("endless words after the counted ones")
        << cp(u"2\r\nКОТ\r\nПЕС\r\n"_s) << cp(u"СЛОН\r\n"_s) << int(TopicDatabase::Problem::None)
        << QStringList{u"КОТ"_s, u"ПЕС"_s};
    QTest::newRow("endless line among the words")
        << cp(u"3\r\nКОТ\r\n"_s) << cp(u"Ж"_s) << int(TopicDatabase::Problem::None) << QStringList{u"КОТ"_s};
    QTest::newRow("endless count line")
        << QByteArray() << QByteArray("7") << int(TopicDatabase::Problem::NoCount) << QStringList{};
    QTest::newRow("huge count over endless words")
        << QByteArray("99999\r\n") << cp(u"КОТ\r\n"_s) << int(TopicDatabase::Problem::None)
        << QStringList(TopicDatabase::maxWordCount, u"КОТ"_s);
    QTest::newRow("endless unplayable words") << QByteArray("5\r\n") << QByteArray("cat\r\n")
                                              << int(TopicDatabase::Problem::NoWord) << QStringList{};
}

void TopicDatabaseTest::readsAStreamNoFurtherThanItsLastCountedLine()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, filler);
    QFETCH(int, problem);
    QFETCH(QStringList, words);

    EndlessTopic stream(start, filler);
    const TopicDatabase::TopicFile topic = TopicDatabase::parse(stream);
    QCOMPARE(int(topic.problem), problem);
    QCOMPARE(topic.words, words);
    // What lies past the last counted line is never read, or hardly.
    QVERIFY2(stream.handed() < 512 * 1024, qPrintable(QString::number(stream.handed())));
}

void TopicDatabaseTest::drawsTheOnlyTopicNamedAfterItsFile_data()
{
    QTest::addColumn<double>("topicNumber");
    QTest::addColumn<double>("wordNumber");
    QTest::addColumn<QString>("word");

    QTest::newRow("lowest numbers") << 0.0 << 0.0 << u"КОТ"_s;
    QTest::newRow("middle") << 0.5 << 0.5 << u"ПЕС"_s;
    QTest::newRow("highest numbers") << 0.99999 << 0.99999 << u"СЛОН"_s;
}

void TopicDatabaseTest::drawsTheOnlyTopicNamedAfterItsFile()
{
    QFETCH(double, topicNumber);
    QFETCH(double, wordNumber);
    QFETCH(QString, word);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(
        writeFile(dir.filePath(u"Дикие звери.dat"_s), topicFile({u"3"_s, u"КОТ"_s, u"ПЕС"_s, u"СЛОН"_s})));

    ScriptedRandom random({topicNumber, wordNumber});
    const std::optional<TopicWord> drawn = TopicDatabase::draw(dir.path(), random);
    QVERIFY(drawn.has_value());
    QCOMPARE(drawn->topic, u"Дикие звери"_s);
    QCOMPARE(drawn->word, word);
    QCOMPARE(random.taken(), 2);
}

void TopicDatabaseTest::drawsTopicByFileNameOrderThenWord_data()
{
    QTest::addColumn<double>("topicNumber");
    QTest::addColumn<double>("wordNumber");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("word");

    // Topics А (1 word), Б (2 words), В (4 words): a third of the range each.
    QTest::newRow("first topic") << 0.0 << 0.9 << u"А"_s << u"АИСТ"_s;
    QTest::newRow("second topic, first word") << 0.34 << 0.0 << u"Б"_s << u"БАРАН"_s;
    QTest::newRow("second topic, second word") << 0.66 << 0.5 << u"Б"_s << u"БОБР"_s;
    QTest::newRow("third topic, second word") << 0.67 << 0.25 << u"В"_s << u"ВОРОН"_s;
    QTest::newRow("third topic, last word") << 0.99999 << 0.99999 << u"В"_s << u"ВЫДРА"_s;
}

void TopicDatabaseTest::drawsTopicByFileNameOrderThenWord()
{
    QFETCH(double, topicNumber);
    QFETCH(double, wordNumber);
    QFETCH(QString, topic);
    QFETCH(QString, word);

    // Written out of name order, so the draw cannot lean on creation order.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(u"В.dat"_s),
                      topicFile({u"4"_s, u"ВОЛК"_s, u"ВОРОН"_s, u"ВЕРБЛЮД"_s, u"ВЫДРА"_s})));
    QVERIFY(writeFile(dir.filePath(u"А.dat"_s), topicFile({u"1"_s, u"АИСТ"_s})));
    QVERIFY(writeFile(dir.filePath(u"Б.dat"_s), topicFile({u"2"_s, u"БАРАН"_s, u"БОБР"_s})));

    ScriptedRandom random({topicNumber, wordNumber});
    const std::optional<TopicWord> drawn = TopicDatabase::draw(dir.path(), random);
    QVERIFY(drawn.has_value());
    QCOMPARE(drawn->topic, topic);
    QCOMPARE(drawn->word, word);
    QCOMPARE(random.taken(), 2);
}

void TopicDatabaseTest::drawsOnlyAmongValidWords_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<double>("wordNumber");
    QTest::addColumn<QString>("word");

    const QByteArray mixed = topicFile({u"4"_s, u"кот"_s, u"КОТ"_s, u"DOG"_s, u"СЛОН"_s});
    QTest::newRow("unplayable words hold no share, first") << mixed << 0.0 << u"КОТ"_s;
    QTest::newRow("unplayable words hold no share, last") << mixed << 0.75 << u"СЛОН"_s;

    const QByteArray short_ = topicFile({u"9"_s, u"КОТ"_s, u"ПЕС"_s});
    QTest::newRow("count promising more words, highest number") << short_ << 0.99999 << u"ПЕС"_s;
    QTest::newRow("count promising more words, middle number") << short_ << 0.5 << u"ПЕС"_s;

    const QByteArray trailing = topicFile({u"3"_s, u"КОТ"_s, QString(), QString()});
    QTest::newRow("blank lines at the end") << trailing << 0.99999 << u"КОТ"_s;
}

void TopicDatabaseTest::drawsOnlyAmongValidWords()
{
    QFETCH(QByteArray, content);
    QFETCH(double, wordNumber);
    QFETCH(QString, word);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(u"Тема.dat"_s), content));

    ScriptedRandom random({0.0, wordNumber});
    const std::optional<TopicWord> drawn = TopicDatabase::draw(dir.path(), random);
    QVERIFY(drawn.has_value());
    QCOMPARE(drawn->word, word);
}

void TopicDatabaseTest::ignoresFilesThatAreNotTopics()
{
    // Every file that is no topic holds good words and sorts before the topics,
    // so taking any one of them in shifts what the lowest number picks.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray words = topicFile({u"1"_s, u"ЛИШНЕЕ"_s});
    QVERIFY(writeFile(dir.filePath(u"Ребус.txt"_s), words));
    QVERIFY(writeFile(dir.filePath(u"Животные.dat.bak"_s), words));
    QVERIFY(writeFile(dir.filePath(u"Птицы"_s), words));
    QVERIFY(writeFile(dir.filePath(u".dat"_s), words));
    QVERIFY(writeFile(dir.filePath(u".Скрытая.dat"_s), words));
    QVERIFY(QDir(dir.path()).mkdir(u"Папка.dat"_s));
    QVERIFY(writeFile(dir.filePath(u"Папка.dat/Вложенная.dat"_s), words));
    QVERIFY(writeFile(dir.filePath(u"Рыбы.DAT"_s), topicFile({u"1"_s, u"ОКУНЬ"_s})));
    QVERIFY(writeFile(dir.filePath(u"Цветы.Dat"_s), topicFile({u"1"_s, u"РОЗА"_s})));

    ScriptedRandom lowest({0.0, 0.0});
    const std::optional<TopicWord> first = TopicDatabase::draw(dir.path(), lowest);
    QVERIFY(first.has_value());
    QCOMPARE(first->topic, u"Рыбы"_s);
    QCOMPARE(first->word, u"ОКУНЬ"_s);

    ScriptedRandom highest({0.99999, 0.0});
    const std::optional<TopicWord> last = TopicDatabase::draw(dir.path(), highest);
    QVERIFY(last.has_value());
    QCOMPARE(last->topic, u"Цветы"_s);
    QCOMPARE(last->word, u"РОЗА"_s);

    // Two topics, so the middle of the range already belongs to the second.
    ScriptedRandom middle({0.5, 0.0});
    const std::optional<TopicWord> second = TopicDatabase::draw(dir.path(), middle);
    QVERIFY(second.has_value());
    QCOMPARE(second->topic, u"Цветы"_s);
}

void TopicDatabaseTest::neverDrawsTopicWithoutWord_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("no count line") << topicFile({u"КОТ"_s, u"ПЕС"_s});
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("count zero, line two unplayable") << topicFile({u"0"_s, u"кот"_s, u"КОТ"_s});
    QTest::newRow("count negative") << topicFile({u"-1"_s, u"КОТ"_s});
    QTest::newRow("count line alone") << topicFile({u"5"_s});
    QTest::newRow("blank lines only") << topicFile({u"2"_s, QString(), QString()});
    QTest::newRow("only unplayable words") << topicFile({u"3"_s, u"кот"_s, u"ЁЖ"_s, u"ПРОГРАММИСТЫ"_s});
    QTest::newRow("good word past the count") << topicFile({u"1"_s, u"кот"_s, u"КОТ"_s});
}

void TopicDatabaseTest::neverDrawsTopicWithoutWord()
{
    QFETCH(QByteArray, content);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(u"Альфа.dat"_s), content));
    QVERIFY(writeFile(dir.filePath(u"Омега.dat"_s), topicFile({u"1"_s, u"СЛОН"_s})));

    for (const double topicNumber : {0.0, 0.5, 0.99999}) {
        ScriptedRandom random({topicNumber, 0.0});
        const std::optional<TopicWord> drawn = TopicDatabase::draw(dir.path(), random);
        QVERIFY(drawn.has_value());
        QCOMPARE(drawn->topic, u"Омега"_s);
        QCOMPARE(drawn->word, u"СЛОН"_s);
    }
}

void TopicDatabaseTest::neverDrawsATopicThatCannotBeRead_data()
{
    QTest::addColumn<bool>("asDirectory");
    // Neither can be read as a file by anyone, root included (CI runs as root).
    QTest::newRow("directory named like a topic") << true;
    QTest::newRow("link to a file that is gone") << false;
}

void TopicDatabaseTest::neverDrawsATopicThatCannotBeRead()
{
    QFETCH(bool, asDirectory);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString closed = dir.filePath(u"Альфа.dat"_s);
    if (asDirectory) {
        QVERIFY(QDir().mkpath(closed));
        QVERIFY(writeFile(QDir(closed).filePath(u"Бета.dat"_s), topicFile({u"1"_s, u"КОТ"_s})));
    } else {
        const QString gone = dir.filePath(u"gone.txt"_s);
        QVERIFY(writeFile(gone, topicFile({u"1"_s, u"КОТ"_s})));
        QVERIFY(QFile::link(gone, closed));
        QVERIFY(QFile::remove(gone));
    }
    QVERIFY(writeFile(dir.filePath(u"Омега.dat"_s), topicFile({u"1"_s, u"СЛОН"_s})));

    QCOMPARE(TopicDatabase::read(closed).problem,
             asDirectory ? TopicDatabase::Problem::NotRegularFile : TopicDatabase::Problem::CannotOpen);
    // The first and the last topic number: "Альфа" sorts first, so a draw that
    // counted it would land on it.
    for (const double topicNumber : {0.0, 0.99999}) {
        ScriptedRandom random({topicNumber, 0.0});
        const std::optional<TopicWord> drawn = TopicDatabase::draw(dir.path(), random);
        QVERIFY(drawn.has_value());
        QCOMPARE(drawn->topic, u"Омега"_s);
        QCOMPARE(drawn->word, u"СЛОН"_s);
    }
}

void TopicDatabaseTest::drawsNothingWhenNoTopicYieldsAWord_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("createDirectory");
    QTest::addColumn<QStringList>("rejected");

    QTest::newRow("missing directory") << QStringList{} << false << QStringList{};
    QTest::newRow("empty directory") << QStringList{} << true << QStringList{};
    QTest::newRow("only files that are no topics")
        << QStringList{u"Ребус.txt"_s, u".Звери.dat"_s} << true << QStringList{};
    QTest::newRow("only topics without a word")
        << QStringList{u"Звери.dat"_s, u"Птицы.DAT"_s} << true
        << QStringList{u"Звери.dat: нет ни одного слова из 1–11 букв А–Я"_s,
                       u"Птицы.DAT: первая строка не число слов"_s};
}

void TopicDatabaseTest::drawsNothingWhenNoTopicYieldsAWord()
{
    QFETCH(QStringList, files);
    QFETCH(bool, createDirectory);
    QFETCH(QStringList, rejected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString topicDir = root.filePath(u"Baz"_s);
    if (createDirectory)
        QVERIFY(QDir(root.path()).mkdir(u"Baz"_s));
    for (const QString& name : files) {
        // Visible topic files here hold no word; the others hold a good one.
        QByteArray content = topicFile({u"1"_s, u"КОТ"_s});
        if (name.endsWith(u".dat"_s) && !name.startsWith(u'.'))
            content = topicFile({u"-1"_s, u"КОТ"_s});
        else if (name.endsWith(u".DAT"_s))
            content = topicFile({u"КОТ"_s});
        QVERIFY(writeFile(topicDir + u'/' + name, content));
    }

    ScriptedRandom random({0.5, 0.5});
    TopicDatabase::DrawReport report;
    QCOMPARE(TopicDatabase::draw(topicDir, random, &report).has_value(), false);
    // A database that is there but useless must be told apart from a missing one.
    QCOMPARE(report.topicFiles, rejected.size());
    report.rejected.sort();
    QCOMPARE(report.rejected, rejected);
    QCOMPARE(random.taken(), rejected.size());
}

void TopicDatabaseTest::drawsEveryTopicAndEveryWordEquallyOften()
{
    // Topics of different sizes: each topic should come up a third of the time
    // whatever its size, and each of its words equally within it.
    const QList<QStringList> topics{
        {u"КОТ"_s, u"ПЕС"_s},
        {u"ДУБ"_s, u"ЕЛЬ"_s, u"ИВА"_s},
        {u"ЛЕВ"_s, u"ЛИС"_s, u"ЛОСЬ"_s, u"ЛАНЬ"_s, u"ЛЕМУР"_s},
    };
    const QStringList names{u"Дом"_s, u"Лес"_s, u"Саванна"_s};

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const QStringList lines = QStringList{QString::number(topics.at(i).size())} + topics.at(i);
        QVERIFY(writeFile(dir.filePath(names.at(i) + u".dat"_s), topicFile(lines)));
    }

    constexpr int draws = 30000;
    SeededRandom random(20240611u);
    QHash<QString, int> topicCounts;
    QHash<QString, int> wordCounts;
    for (int i = 0; i < draws; ++i) {
        const std::optional<TopicWord> drawn = TopicDatabase::draw(dir.path(), random);
        QVERIFY(drawn.has_value());
        ++topicCounts[drawn->topic];
        ++wordCounts[drawn->word];
    }

    // Tolerances of 6% and 10% lie several standard deviations out.
    const double perTopic = double(draws) / topics.size();
    for (qsizetype i = 0; i < topics.size(); ++i) {
        const int topicCount = topicCounts.value(names.at(i));
        QVERIFY2(qAbs(topicCount - perTopic) < 0.06 * perTopic,
                 qPrintable(u"%1 drawn %2 times"_s.arg(names.at(i)).arg(topicCount)));
        const double perWord = perTopic / topics.at(i).size();
        for (const QString& word : topics.at(i)) {
            const int wordCount = wordCounts.value(word);
            QVERIFY2(qAbs(wordCount - perWord) < 0.10 * perWord,
                     qPrintable(u"%1 drawn %2 times"_s.arg(word).arg(wordCount)));
        }
    }
}

QTEST_GUILESS_MAIN(TopicDatabaseTest)
#include "TopicDatabaseTest.moc"
