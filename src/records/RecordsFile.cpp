#include "records/RecordsFile.h"

#include "platform/Cp1251.h"

#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray lineEnd("\r\n");

} // namespace

RecordsFile::RecordsFile(QString path)
    : path_(std::move(path))
{
}

RecordsTable RecordsFile::read() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes;
    for (int line = 0; line < lineCount && !file.atEnd(); ++line)
        bytes += file.readLine();
    return parse(bytes);
}

bool RecordsFile::write(const RecordsTable& table)
{
    error_.clear();
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = file.errorString();
        return false;
    }
    const QByteArray bytes = format(table);
    // Flushed by hand: commit() ignores a failed last flush (QTBUG-75077) and
    // would put a file cut short by a full disk in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        error_ = QStringLiteral("запись в файл прервалась, прежняя таблица не изменена");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error_ = file.errorString();
        return false;
    }
    return true;
}

RecordsTable RecordsFile::parse(const QByteArray& bytes)
{
    RecordsTable table;
    QList<QByteArray> lines = bytes.split('\n');
    // The text after the last line end is a line only when it holds something.
    if (lines.last().isEmpty())
        lines.removeLast();
    for (int index = 0; index < qMin(lineCount, static_cast<int>(lines.size())); ++index) {
        QByteArray line = lines.at(index);
        if (line.endsWith('\r'))
            line.chop(1);
        const int entry = index / 2 + 1;
        if (index % 2 == 0)
            table.RecordName.at(entry) = cp1251::decode(line);
        else
            table.RecordScore.at(entry) = RecordsTable::scoreFromText(QString::fromLatin1(line));
    }
    return table;
}

QByteArray RecordsFile::format(const RecordsTable& table)
{
    QByteArray bytes;
    for (int entry = 1; entry <= RecordsTable::entryCount; ++entry) {
        bytes += encodeName(table.RecordName.at(entry)) + lineEnd;
        bytes += QByteArray::number(table.RecordScore.at(entry)) + lineEnd;
    }
    return bytes;
}

QByteArray RecordsFile::encodeName(const QString& name)
{
    QString holdable;
    for (const char32_t codePoint : name.toUcs4()) {
        const bool single = codePoint <= 0xFFFF;
        const QChar character = single ? QChar(static_cast<char16_t>(codePoint)) : QChar(u'?');
        const bool lineBreak = character == u'\r' || character == u'\n';
        holdable += (single && !lineBreak && cp1251::canHold(character)) ? character : QChar(u'?');
    }
    return cp1251::encode(holdable).value_or(QByteArray(holdable.size(), '?'));
}
