// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the topic reader as a file read in pieces of any
// size, and checks it against a plain whole-file reading of the same rules:
// every word returned is playable, and no piece size changes the result.
#include "FuzzCheck.h"

#include "platform/Cp1251.h"
#include "rules/TopicDatabase.h"

#include <QIODevice>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

#include <cstddef>
#include <cstdint>

namespace {

// A file that hands out at most `piece` bytes per read, as a slow disk or a
// pipe may: the reader must not depend on how the bytes arrive.
class PieceDevice final : public QIODevice {
public:
    PieceDevice(QByteArray bytes, qint64 piece) : bytes_(std::move(bytes)), piece_(piece)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 handed() const { return at_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, piece_, bytes_.size() - at_});
        std::memcpy(data, bytes_.constData() + at_, static_cast<size_t>(count));
        at_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 piece_;
    qint64 at_ = 0;
};

// The same rules, read from the whole file at once: line 1 the count, lines
// 2..N+1 the words; a line of more than maxLineBytes + 1 bytes (its CR
// included) ends the reading.
TopicDatabase::TopicFile expected(const QByteArray& bytes)
{
    using TopicDatabase::Problem;
    QList<QByteArray> lines = bytes.split('\n');
    // Text after the last line end is a line only when it holds something.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    const auto tooLong = [](const QByteArray& line) { return line.size() > TopicDatabase::maxLineBytes + 1; };
    const auto text = [](QByteArray line) {
        if (line.endsWith('\r'))
            line.chop(1);
        return cp1251::decode(line);
    };

    if (tooLong(lines.first()))
        return {Problem::NoCount, {}};
    const QString first = text(lines.first()).trimmed();
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (!wholeNumber.match(first).hasMatch())
        return {Problem::NoCount, {}};
    QString digits = first.startsWith(u'+') || first.startsWith(u'-') ? first.mid(1) : first;
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    qint64 count = 0;
    if (first.startsWith(u'-'))
        count = digits.isEmpty() ? 1 : 0;
    else if (digits.isEmpty())
        count = 1;
    else
        count = digits.size() > 5 ? TopicDatabase::maxWordCount
                                  : std::min<qint64>(digits.toLongLong(), TopicDatabase::maxWordCount);

    TopicDatabase::TopicFile topic;
    for (qint64 i = 1; i <= count && i < lines.size() && !tooLong(lines.at(i)); ++i) {
        const QString word = text(lines.at(i));
        if (TopicDatabase::isValidWord(word))
            topic.words.append(word);
    }
    topic.problem = topic.words.isEmpty() ? Problem::NoWord : Problem::None;
    return topic;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the file arrives; the rest is the file.
    const qint64 piece = 1 + (data[0] % 64) * (data[0] % 7 == 0 ? 997 : 1);
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));

    PieceDevice device(bytes, piece);
    const TopicDatabase::TopicFile topic = TopicDatabase::parse(device);

    for (const QString& word : topic.words)
        FUZZ_CHECK(TopicDatabase::isValidWord(word));
    FUZZ_CHECK(topic.words.size() <= TopicDatabase::maxWordCount);
    FUZZ_CHECK((topic.problem == TopicDatabase::Problem::None) == !topic.words.isEmpty());

    const TopicDatabase::TopicFile model = expected(bytes);
    FUZZ_CHECK(topic.problem == model.problem);
    FUZZ_CHECK(topic.words == model.words);
    return 0;
}
