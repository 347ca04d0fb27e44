#include "game/TopicDatabase.h"

#include "platform/Cp1251.h"
#include "platform/RandomSource.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QString topicSuffix = QStringLiteral(".dat");

// How many word lines the count line asks for; nullopt when it is no whole number.
// A count of 0 asks for line 2, as files written for the original format expect;
// below 0 nothing; beyond maxWordCount no more than that.
std::optional<int> parseCount(const QString& line)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = line.trimmed();
    if (!wholeNumber.match(text).hasMatch())
        return std::nullopt;
    if (text.startsWith(u'-'))
        return text.mid(1).toLongLong() == 0 ? 1 : 0;
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    // Only a count too long for 64 bits fails here: it asks for every line there is.
    if (!ok)
        return TopicDatabase::maxWordCount;
    return static_cast<int>(std::clamp<qint64>(count, 1, TopicDatabase::maxWordCount));
}

// A draw of 1..count turned into an index. RandomSource promises r < 1, but one
// out-of-range number must not read past the end of a list.
qsizetype drawIndex(RandomSource& random, qsizetype count)
{
    const int drawn = random.draw(static_cast<int>(count));
    return std::clamp<qsizetype>(drawn - 1, 0, count - 1);
}

// The visible topic files of topicDir, in file-name order. Ordinary files
// only: a FIFO or device (QDir::System) could block the reader or never end.
QStringList listTopics(const QString& topicDir)
{
    QStringList names;
    QDirIterator entries(topicDir, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (name.size() > topicSuffix.size() && name.endsWith(topicSuffix, Qt::CaseInsensitive))
            names.append(name);
    }
    // Listing order is whatever the file system gives; a fixed order makes a draw
    // depend on the directory's contents and the random numbers alone.
    std::sort(names.begin(), names.end());
    return names;
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

QString describe(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::CannotOpen:
        return QStringLiteral("файл не открывается");
    case Problem::NotRegularFile:
        return QStringLiteral("это не обычный файл");
    case Problem::ReadError:
        return QStringLiteral("ошибка чтения");
    case Problem::NoCount:
        return QStringLiteral("первая строка не число слов");
    case Problem::NoWord:
        break;
    }
    return QStringLiteral("нет ни одного слова из 1–11 букв А–Я");
}

TopicFile parse(QIODevice& device)
{
    TopicFile topic;
    std::optional<int> count;
    int lineNumber = 1;
    QByteArray line;
    bool overlong = false;
    bool done = false;

    // Takes a finished line; false once nothing more is to be read.
    const auto takeLine = [&]() {
        if (line.endsWith('\r'))
            line.chop(1);
        if (lineNumber == 1) {
            count = overlong ? std::nullopt : parseCount(cp1251::decode(line));
            if (!count)
                return false;
        } else if (overlong) {
            return false;
        } else if (line.size() <= maxWordLength) {
            const QString word = cp1251::decode(line);
            if (isValidWord(word))
                topic.words.append(word);
        }
        line.clear();
        return lineNumber++ <= *count && *count > 0;
    };

    char chunk[16384];
    bool atEnd = false;
    while (!done) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0) {
            topic.problem = Problem::ReadError;
            topic.words.clear();
            return topic;
        }
        if (got == 0) {
            atEnd = true;
            break;
        }
        for (qint64 i = 0; i < got && !done; ++i) {
            const char byte = chunk[i];
            if (byte == '\n') {
                done = !takeLine();
            } else if (line.size() > maxLineBytes) {
                // Nothing after a line with no end in sight is read.
                overlong = true;
                takeLine();
                done = true;
            } else {
                line.append(byte);
            }
        }
    }
    // The last line counts without its line end, and so does an empty file's only line.
    if (atEnd && (!line.isEmpty() || lineNumber == 1))
        takeLine();

    if (!count)
        topic.problem = Problem::NoCount;
    else if (topic.words.isEmpty())
        topic.problem = Problem::NoWord;
    return topic;
}

TopicFile read(const QString& filePath)
{
    const int fd = ::open(QFile::encodeName(filePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {Problem::CannotOpen, {}};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return {Problem::NotRegularFile, {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Problem::CannotOpen, {}};
    }
    return parse(file);
}

std::optional<QStringList> readWords(const QString& filePath)
{
    TopicFile topic = read(filePath);
    if (topic.problem != Problem::None && topic.problem != Problem::NoWord)
        return std::nullopt;
    return std::move(topic.words);
}

std::vector<Topic> readTopics(const QString& topicDir)
{
    std::vector<QByteArray> names = listTopics(topicDir);
    std::sort(names.begin(), names.end());
    const QString dirPrefix = topicDir.endsWith(u'/') ? topicDir : topicDir + u'/';
    std::vector<Topic> topics;
    for (const QByteArray& fileName : names) {
        const QString name = QFile::decodeName(fileName);
        TopicFile topic = read(dirPrefix + name);
        if (topic.problem == Problem::None)
            topics.push_back({name.chopped(topicSuffix.size()), std::move(topic.words)});
    }
    return topics;
}

std::optional<TopicWord> draw(const std::vector<Topic>& topics, RandomSource& random)
{
    if (topics.empty())
        return std::nullopt;
    const Topic& topic = topics.at(static_cast<size_t>(drawIndex(random, static_cast<qsizetype>(topics.size()))));
    return TopicWord{topic.name, topic.words.at(drawIndex(random, topic.words.size()))};
}

std::optional<TopicWord> draw(const QString& topicDir, RandomSource& random, DrawReport* report)
{
    QStringList names = listTopics(topicDir);
    if (report)
        report->topicFiles = static_cast<int>(names.size());

    const QString dirPrefix = topicDir.endsWith(u'/') ? topicDir : topicDir + u'/';
    // Topic first, then a word of it: every usable topic equally likely, whatever its size.
    while (!names.isEmpty()) {
        const qsizetype index = drawIndex(random, names.size());
        const QString name = names.at(index);
        const TopicFile topic = read(dirPrefix + name);
        if (topic.problem == Problem::None) {
            const QString& word = topic.words.at(drawIndex(random, topic.words.size()));
            return TopicWord{name.chopped(topicSuffix.size()), word};
        }
        if (report)
            report->rejected.append(name + QStringLiteral(": ") + describe(topic.problem));
        // Out of the running, and without moving every later name.
        names.swapItemsAt(index, names.size() - 1);
        names.removeLast();
    }
    return std::nullopt;
}

} // namespace TopicDatabase
