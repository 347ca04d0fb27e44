#include "game/TopicDatabase.h"

#include "platform/Cp1251.h"
#include "platform/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

const QString topicSuffix = QStringLiteral(".dat");

// How many word lines the count line asks for; nullopt when it is no whole number.
// The count is taken at its word, however large: the lines the file really holds
// bound the reading anyway. A count of zero or below asks for no word at all:
// taking line 2 for a count of 0 would put a word on the board from a file that
// says it holds none.
std::optional<qint64> parseCount(const QString& line)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = line.trimmed();
    if (!wholeNumber.match(text).hasMatch())
        return std::nullopt;
    if (text.startsWith(u'-'))
        return 0;
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    // Only a count too long for 64 bits fails here: it asks for every line there is.
    return ok ? count : std::numeric_limits<qint64>::max();
}

// Lines split at LF with a trailing CR taken off, so CR LF and LF-only files read alike.
QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

namespace TopicDatabase {

std::vector<Topic> readTopics(const QString& topicDir)
{
    const QDir dir(topicDir);
    if (!dir.exists())
        return {};

    // Ordinary files only: a directory cannot hold words, and a FIFO or device
    // (QDir::System) could block the reader or never end. Hidden files count:
    // a topic is a topic by its extension alone.
    QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);

    // Listing order is whatever the file system gives; a fixed order makes a draw
    // depend on the directory's contents and the random numbers alone.
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName() < b.fileName();
    });

    std::vector<Topic> topics;
    for (const QFileInfo& entry : entries) {
        const QString fileName = entry.fileName();
        if (!fileName.endsWith(topicSuffix, Qt::CaseInsensitive))
            continue;
        const QString name = fileName.chopped(topicSuffix.size());
        if (name.isEmpty())
            continue; // ".dat" alone names no topic to show
        std::optional<QStringList> words = TopicDatabase::readWords(entry.filePath());
        if (words && !words->isEmpty())
            topics.push_back({name, std::move(*words)});
    }
    return topics;
}

} // namespace TopicDatabase

namespace {

// A draw of 1..count turned into an index. RandomSource promises r < 1, but one
// out-of-range number must not read past the end of a list.
qsizetype drawIndex(RandomSource& random, qsizetype count)
{
    const int drawn = random.draw(static_cast<int>(count));
    return std::clamp<qsizetype>(drawn - 1, 0, count - 1);
}

} // namespace

namespace TopicDatabase {

bool isValidWord(const QString& word)
{
    if (word.isEmpty() || word.size() > maxWordLength)
        return false;
    return std::all_of(word.begin(), word.end(), [](QChar c) {
        return c.unicode() >= 0x0410 && c.unicode() <= 0x042F;
    });
}

std::optional<QStringList> readWords(const QString& filePath)
{
    if (!QFileInfo(filePath).isFile())
        return std::nullopt;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    const QStringList lines = splitLines(cp1251::decode(bytes));
    const std::optional<qint64> count = parseCount(lines.first());
    if (!count)
        return std::nullopt;

    // Only the lines the file really holds: a count promising more words than
    // there are yields the words present, never empty ones. A word the board
    // cannot show is passed over, as are blank lines at the end.
    const qint64 lastLine = std::min<qint64>(*count, lines.size() - 1);
    QStringList words;
    for (qint64 i = 1; i <= lastLine; ++i) {
        const QString& line = lines.at(static_cast<qsizetype>(i));
        if (isValidWord(line))
            words.append(line);
    }
    return words;
}

std::optional<TopicWord> draw(const QString& topicDir, RandomSource& random)
{
    return draw(readTopics(topicDir), random);
}

std::optional<TopicWord> draw(const std::vector<Topic>& topics, RandomSource& random)
{
    if (topics.empty())
        return std::nullopt;

    // Topic first, then a word of it: every topic equally likely, whatever its size.
    const Topic& topic = topics.at(static_cast<size_t>(drawIndex(random, static_cast<qsizetype>(topics.size()))));
    const QString& word = topic.words.at(drawIndex(random, topic.words.size()));
    return TopicWord{topic.name, word};
}

} // namespace TopicDatabase
