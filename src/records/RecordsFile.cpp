// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/RecordsFile.h"

#include "platform/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace {

const QByteArray lineEnd("\r\n");

RecordsFile::Failure failureOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return RecordsFile::Failure::NoPermission;
    case EROFS:
        return RecordsFile::Failure::ReadOnlyDisk;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return RecordsFile::Failure::DiskFull;
    case EISDIR:
    case ELOOP:
    case ENXIO:
        return RecordsFile::Failure::NotRegularFile;
    default:
        return RecordsFile::Failure::Other;
    }
}

// A copy of ours: the mark, then the six letters or digits mkstemp chose.
bool isLeftoverName(QStringView name, QStringView prefix)
{
    constexpr qsizetype suffix = 6;
    if (name.size() != prefix.size() + suffix || !name.startsWith(prefix))
        return false;
    const auto asciiAlnum = [](QChar c) { return c.unicode() < 0x80 && (c.isDigit() || c.isLetter()); };
    return std::all_of(name.end() - suffix, name.end(), asciiAlnum);
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return false;
        }
        written += put;
    }
    return true;
}

} // namespace

RecordsFile::RecordsFile(QString path) : path_(std::move(path))
{
}

QString RecordsFile::reason(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return {};
    case Failure::NoPermission:
        return QStringLiteral("нет прав доступа к файлу");
    case Failure::ReadOnlyDisk:
        return QStringLiteral("диск защищён от записи");
    case Failure::DiskFull:
        return QStringLiteral("на диске нет места");
    case Failure::NotRegularFile:
        return QStringLiteral("на месте файла лежит не обычный файл");
    case Failure::NoFolder:
        return QStringLiteral("нет домашней папки, где её хранить");
    case Failure::Other:
        break;
    }
    return QStringLiteral("ошибка ввода-вывода");
}

RecordsTable RecordsFile::read()
{
    readFailure_ = failure_ = Failure::None;
    if (path_.isEmpty())
        return {};
    // Opened without waiting: a FIFO under the file's name would otherwise
    // block here for good. What it is gets decided on the open descriptor.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT)
            readFailure_ = failure_ = failureOf(errno);
        return {};
    }
    QByteArray bytes(maxFileBytes, Qt::Uninitialized);
    qsizetype size = 0;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        readFailure_ = failureOf(errno);
    } else if (!S_ISREG(status.st_mode)) {
        readFailure_ = Failure::NotRegularFile;
    } else {
        while (size < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + size, static_cast<size_t>(bytes.size() - size));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                readFailure_ = failureOf(errno);
            if (got <= 0)
                break;
            size += got;
        }
    }
    ::close(fd);
    failure_ = readFailure_;
    if (readFailed())
        return {};
    bytes.truncate(size);
    return parse(bytes);
}

bool RecordsFile::write(const RecordsTable& table)
{
    failure_ = Failure::None;
    // Else the copy would go to the folder the game was started from.
    if (path_.isEmpty()) {
        failure_ = Failure::NoFolder;
        return false;
    }
    // A rename would put the table over a FIFO, a device or a socket, or fail
    // on a directory: such names are refused here.
    struct stat status {};
    if (::stat(QFile::encodeName(path_).constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            failure_ = Failure::NotRegularFile;
            return false;
        }
    } else if (errno != ENOENT) {
        failure_ = failureOf(errno);
        return false;
    }

    // A link is followed, as the player set it up: the file it names is replaced.
    const QFileInfo info(path_);
    const QString target = info.isSymLink() && !info.canonicalFilePath().isEmpty() ? info.canonicalFilePath()
                                                                                   : path_;
    const QFileInfo targetInfo(target);
    const QByteArray bytes = format(table);

    // The new table goes into a copy of our own beside the file, named with
    // the game's mark, and is renamed over it only once it is whole on disk.
    QByteArray copy = QFile::encodeName(targetInfo.absoluteDir().filePath(copyPrefix(targetInfo.fileName())))
                      + "XXXXXX";
    const int fd = ::mkostemp(copy.data(), O_CLOEXEC);
    if (fd < 0) {
        failure_ = failureOf(errno);
        return false;
    }
    // The mode of the file it replaces; a new one is readable by all, as the shipped one.
    struct stat old {};
    const mode_t mode = ::stat(QFile::encodeName(target).constData(), &old) == 0 ? (old.st_mode & 07777)
                                                                                 : 0644;
    const bool whole = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !whole) {
        failure_ = failureOf(whole ? errno : writeError);
        ::unlink(copy.constData());
        return false;
    }
    if (::rename(copy.constData(), QFile::encodeName(target).constData()) != 0) {
        failure_ = failureOf(errno);
        ::unlink(copy.constData());
        return false;
    }
    return true;
}

QString RecordsFile::copyPrefix(const QString& records)
{
    return QLatin1Char('.') + records + QStringLiteral(".kordamir-");
}

int RecordsFile::removeLeftovers() const
{
    if (path_.isEmpty())
        return 0;
    const QFileInfo records(path_);
    const QDir dir = records.absoluteDir();
    int removed = 0;
    // No name filter: QDir would make a regular expression of it.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QString prefix = copyPrefix(records.fileName());
    const time_t now = ::time(nullptr);
    for (const QString& name : names) {
        if (!isLeftoverName(name, prefix))
            continue;
        // Only a regular file itself: never a link, and never what a link
        // points at; and never the copy of a write still going on.
        struct stat status {};
        const QByteArray native = QFile::encodeName(dir.filePath(name));
        if (::lstat(native.constData(), &status) == 0 && S_ISREG(status.st_mode)
            && now - status.st_mtime > leftoverAgeSeconds && ::unlink(native.constData()) == 0)
            ++removed;
    }
    return removed;
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
        line.truncate(maxLineBytes);
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
        if (holdable.size() == maxLineBytes)
            break;
        const bool single = codePoint <= 0xFFFF;
        const QChar character = single ? QChar(static_cast<char16_t>(codePoint)) : QChar(u'?');
        const bool lineBreak = character == u'\r' || character == u'\n';
        holdable += (single && !lineBreak && cp1251::canHold(character)) ? character : QChar(u'?');
    }
    return cp1251::encode(holdable).value_or(QByteArray(holdable.size(), '?'));
}
