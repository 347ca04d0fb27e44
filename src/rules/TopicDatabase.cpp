// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/TopicDatabase.h"

#include "platform/Cp1251.h"
#include "platform/RandomSource.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <string>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QString topicSuffix = QStringLiteral(".dat");

// How many word lines the count line asks for; nullopt when it is no whole number.
// A count of 0 asks for line 2, as older topic files expect;
// below 0 nothing; beyond maxWordCount no more than that.
std::optional<int> parseCount(const QString& line)
{
    const QString text = line.trimmed();
    const QStringView digits = QStringView(text).mid(text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0);
    const auto asciiDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), asciiDigit))
        return std::nullopt;
    // "-0" is 0; any other negative count, however long, asks for nothing.
    if (text.startsWith(u'-'))
        return QStringView(text).mid(1).count(u'0') == text.size() - 1 ? 1 : 0;
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

// File names as the file system spells them, packed into one block: a folder
// of a hundred thousand topics costs two allocations, not one per name.
class NameList {
    std::string block_;
    std::vector<std::uint32_t> starts_;

    const char* view(std::uint32_t start) const { return block_.data() + start; }
    auto byName() const
    {
        return [this](std::uint32_t a, std::uint32_t b) { return std::strcmp(view(a), view(b)) < 0; };
    }

public:
    void add(const char* name, size_t length)
    {
        starts_.push_back(static_cast<std::uint32_t>(block_.size()));
        block_.append(name, length).push_back('\0');
    }

    bool full() const { return block_.size() >= std::numeric_limits<std::uint32_t>::max() - 4096; }
    bool empty() const { return starts_.empty(); }
    size_t size() const { return starts_.size(); }
    QString name(size_t index) const { return QFile::decodeName(view(starts_.at(index))); }

    // In byte order, the order the draw counts in.
    void sort() { std::sort(starts_.begin(), starts_.end(), byName()); }
    // Puts the name that a sorted list would hold at `index` there, and no
    // other name in its place.
    void placeAt(size_t index)
    {
        std::nth_element(starts_.begin(), starts_.begin() + static_cast<std::ptrdiff_t>(index), starts_.end(),
                         byName());
    }
    void remove(size_t index)
    {
        std::swap(starts_.at(index), starts_.back());
        starts_.pop_back();
    }
};

// The visible topic files of topicDir. Regular files only, or links to them:
// a FIFO or device could block the reader or never end. Read straight from the
// directory: the entry's type comes with its name, so a folder of a hundred
// thousand topics costs no file status and no decoding per entry.
NameList listTopics(const QString& topicDir)
{
    NameList names;
    DIR* dir = ::opendir(QFile::encodeName(topicDir).constData());
    if (!dir)
        return names;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        // Hidden files (and "." and "..") are no topics, nor is ".dat" alone.
        if (entry->d_name[0] == '.' || length <= 4 || ::strcasecmp(entry->d_name + length - 4, ".dat") != 0)
            continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            regular = ::fstatat(dirFd, entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
        }
        if (regular && !names.full())
            names.add(entry->d_name, length);
    }
    ::closedir(dir);
    return names;
}

} // namespace

namespace TopicDatabase {

bool isValidWord(const QString& word)
{
    if (word.isEmpty() || word.size() > maxWordLength)
        return false;
    return std::all_of(word.begin(), word.end(),
                       [](QChar c) { return c.unicode() >= 0x0410 && c.unicode() <= 0x042F; });
}

QString describe(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::CannotOpen:
        return QCoreApplication::translate("TopicDatabase", "файл не открывается");
    case Problem::NotRegularFile:
        return QCoreApplication::translate("TopicDatabase", "это не обычный файл");
    case Problem::ReadError:
        return QCoreApplication::translate("TopicDatabase", "ошибка чтения");
    case Problem::NoCount:
        return QCoreApplication::translate("TopicDatabase", "первая строка не число слов");
    case Problem::NoWord:
        break;
    }
    return QCoreApplication::translate("TopicDatabase", "нет ни одного слова из 1–11 букв А–Я");
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
    const int fd = ::open(QFile::encodeName(filePath).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
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

std::vector<Topic> readTopics(const QString& topicDir)
{
    NameList names = listTopics(topicDir);
    names.sort();
    const QString dirPrefix = topicDir.endsWith(u'/') ? topicDir : topicDir + u'/';
    std::vector<Topic> topics;
    for (size_t index = 0; index < names.size(); ++index) {
        const QString name = names.name(index);
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
    const Topic& topic = topics.at(
        static_cast<size_t>(drawIndex(random, static_cast<qsizetype>(topics.size()))));
    return TopicWord{topic.name, topic.words.at(drawIndex(random, topic.words.size()))};
}

std::optional<TopicWord> draw(const QString& topicDir, RandomSource& random, DrawReport* report)
{
    NameList names = listTopics(topicDir);
    if (report)
        report->topicFiles = static_cast<int>(names.size());

    const QString dirPrefix = topicDir.endsWith(u'/') ? topicDir : topicDir + u'/';
    // Topic first, then a word of it: every usable topic equally likely, whatever its size.
    while (!names.empty()) {
        // The drawn number counts in file-name order, whatever order the listing
        // gave; only the one name drawn is put in its place, not all of them.
        const auto drawn = static_cast<size_t>(drawIndex(random, static_cast<qsizetype>(names.size())));
        names.placeAt(drawn);
        const QString name = names.name(drawn);
        const TopicFile topic = read(dirPrefix + name);
        if (topic.problem == Problem::None) {
            const QString& word = topic.words.at(drawIndex(random, topic.words.size()));
            return TopicWord{name.chopped(topicSuffix.size()), word};
        }
        if (report)
            report->rejected.append(name + QStringLiteral(": ") + describe(topic.problem));
        // Out of the running; the draw repeats among the rest.
        names.remove(drawn);
    }
    return std::nullopt;
}

} // namespace TopicDatabase
