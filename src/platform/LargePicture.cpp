// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/LargePicture.h"

#include "platform/DataDir.h"
#include "platform/PlayerFolders.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QThread>

#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace largepicture {

namespace {

// Where the scaled copy of an oversized picture is kept: named after the
// file, its size and time of change and the size wanted, so that a changed
// file or another screen never gets a stale copy. Empty when the user has
// no cache directory: then nothing is kept, and nothing is written.
QString keptCopyPath(const QFileInfo& file, QSize target)
{
    const QString cache = playerfolders::cache();
    if (cache.isEmpty())
        return {};
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(file.absoluteFilePath().toUtf8());
    key.addData(QByteArray::number(file.size()));
    key.addData(QByteArray::number(file.lastModified().toMSecsSinceEpoch()));
    key.addData(QByteArray::number(target.width()) + 'x' + QByteArray::number(target.height()));
    return cache + QStringLiteral("/pictures/") + QString::fromLatin1(key.result().toHex())
           + QStringLiteral(".png");
}

// A kept copy is a PNG of at most a screen's pixels.
constexpr qint64 largestKeptCopy = 64 * 1024 * 1024;

// The cache folder is the player's, and any program of theirs may put
// anything there: a FIFO under a copy's name would hold the decoder, and the
// program's exit with it, for good. The copy is opened without waiting and
// read only when it is a regular file of a picture's size; empty otherwise.
QByteArray readKeptCopy(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    QByteArray bytes;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0
        && status.st_size <= largestKeptCopy) {
        bytes.resize(qsizetype(status.st_size));
        qsizetype size = 0;
        while (size < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            size += got;
        }
        bytes.truncate(size);
    }
    ::close(fd);
    return bytes;
}

// Inflating a picture of 25 million pixels takes a third of a second however
// it is scaled; it is done once per file, and the small copy read after that.
// A copy that cannot be read or written only costs the time again.
QImage readOversized(QImageReader& reader, const QString& path, QSize target, const std::stop_token& stop)
{
    const QString kept = keptCopyPath(QFileInfo(path), target);
    if (!kept.isEmpty()) {
        QByteArray bytes = readKeptCopy(kept);
        QBuffer buffer(&bytes);
        QImageReader copy(&buffer, "png");
        if (!bytes.isEmpty() && copy.size() == target) {
            if (QImage image = copy.read(); !image.isNull())
                return image;
        }
    }
    reader.setScaledSize(target);
    QImage image = reader.read();
    if (!image.isNull() && !stop.stop_requested() && !kept.isEmpty()
        && QDir().mkpath(QFileInfo(kept).absolutePath())) {
        QSaveFile file(kept);
        if (file.open(QIODevice::WriteOnly) && image.save(&file, "png"))
            file.commit();
    }
    return image;
}

// A picture is opened without waiting and read only when it is a regular
// file: a FIFO in its place, or a link to one, would hold its decoder in
// open() for good, and with it the program's exit, which joins the decoders.
// A picture's file whose reads fail once its decoder is asked to stop: a
// picture of 20000 × 20000 pixels takes seconds to decode, and the reader
// gives up at its next read instead, a few rows later.
class StoppableFile : public QFile {
public:
    StoppableFile(const QString& path, std::stop_token stop) : QFile(path), stop_(std::move(stop)) {}

protected:
    qint64 readData(char* data, qint64 size) override
    {
        return stop_.stop_requested() ? -1 : QFile::readData(data, size);
    }

private:
    std::stop_token stop_;
};

bool openRegular(QFile& file)
{
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
        && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

// Our pictures are PNG, which Qt reads itself. Only a file of another kind
// makes it load its image plugins, one after another, to tell what it is.
void openPicture(QImageReader& reader, QFile& file)
{
    reader.setDevice(&file);
    reader.setFormat("png");
    // Else Qt would ask every plugin whether it, too, reads PNG.
    reader.setAutoDetectImageFormat(false);
    if (reader.canRead())
        return;
    file.seek(0);
    reader.setFormat(QByteArray());
    reader.setAutoDetectImageFormat(true);
    reader.setDecideFormatFromContent(true);
    reader.setDevice(&file);
}

QImage decode(const QString& path, QSize largest, const std::stop_token& stop)
{
    StoppableFile file(path, stop);
    if (!openRegular(file))
        return {};
    QImageReader reader;
    openPicture(reader, file);
    const QSize size = reader.size();
    if (largest.isValid() && size.isValid()
        && (size.width() > largest.width() || size.height() > largest.height())) {
        const QSize target = size.boundedTo(largest);
        // Decoding whole and scaling the result is several times faster
        // than the PNG reader's own scaling while decoding, but holds the
        // whole picture for a moment. Only a window waiting on the GUI thread
        // pays that memory for the time; a decode in the background keeps
        // the program's peak low. A file far larger than any picture we ship
        // is never decoded whole.
        const qint64 pixels = qint64(size.width()) * size.height();
        const qint64 shown = qint64(largest.width()) * largest.height();
        if (pixels > 4 * shown)
            return readOversized(reader, path, target, stop);
        const bool waitedFor = qApp && QThread::currentThread() == qApp->thread();
        if (!waitedFor) {
            reader.setScaledSize(target);
            return reader.read();
        }
        const QImage whole = reader.read();
        return whole.isNull() ? whole : whole.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return reader.read();
}

} // namespace

QImage read(const DataDir& data, const QString& relative, qreal deviceRatio, QSize largest,
            const std::stop_token& stop)
{
    // The smallest large picture that is at least as sharp as the screen;
    // a smaller one when that one is missing or broken, and the normal one
    // as the last resort.
    std::vector<int> candidates;
    for (const int ratio : pictures::largeRatios) {
        if (deviceRatio > 1.0 && ratio >= deviceRatio)
            candidates.push_back(ratio);
    }
    for (auto ratio = pictures::largeRatios.rbegin(); ratio != pictures::largeRatios.rend(); ++ratio) {
        if (deviceRatio > *ratio)
            candidates.push_back(*ratio);
    }
    // Decoded straight to the screen pixels the control covers, so that
    // memory follows what is shown and drawing it is a copy, not a rescale
    // of the large file on every paint.
    const QSize onScreen = largest.isValid() ? (QSizeF(largest) * deviceRatio).toSize() : largest;
    for (const int ratio : candidates) {
        const QString large = data.path(pictures::largeName(relative, ratio));
        if (!QFileInfo(large).isFile())
            continue;
        if (stop.stop_requested())
            return {};
        QImage image = decode(large, onScreen, stop);
        if (!image.isNull()) {
            image.setDevicePixelRatio(onScreen.isValid() && image.size() == onScreen ? deviceRatio : ratio);
            return image;
        }
    }
    return decode(data.path(relative), largest, stop);
}

} // namespace largepicture
