#include "platform/LargePicture.h"

#include "platform/DataDir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QThread>

namespace largepicture {

namespace {

QImage decode(const QString& path, QSize largest)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (largest.isValid() && size.isValid()
        && (size.width() > largest.width() || size.height() > largest.height())) {
        // Decoding whole and scaling the result is several times faster
        // than the PNG reader's own scaling while decoding, but holds the
        // whole picture for a moment. Only a window waiting on the GUI thread
        // pays that memory for the time; a decode in the background keeps
        // the program's peak low. A file far larger than any picture we ship
        // is always read scaled: whole, it would cost its full size.
        const bool waitedFor = qApp && QThread::currentThread() == qApp->thread();
        const qint64 pixels = qint64(size.width()) * size.height();
        const qint64 shown = qint64(largest.width()) * largest.height();
        if (!waitedFor || pixels > 4 * shown) {
            reader.setScaledSize(size.boundedTo(largest));
            return reader.read();
        }
        const QImage whole = reader.read();
        return whole.isNull() ? whole
                              : whole.scaled(size.boundedTo(largest), Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
    }
    return reader.read();
}

} // namespace

QString largeName(const QString& relative)
{
    return pictures::largeName(relative);
}

QImage read(const DataDir& data, const QString& relative, qreal deviceRatio, QSize largest)
{
    if (deviceRatio > 1.0) {
        const QString large = data.path(largeName(relative));
        if (QFileInfo(large).isFile()) {
            // Decoded straight to the screen pixels the control covers, so
            // that memory follows what is shown and drawing it is a copy,
            // not a rescale of the large file on every paint.
            const QSize onScreen = largest.isValid() ? (QSizeF(largest) * deviceRatio).toSize() : largest;
            QImage image = decode(large, onScreen);
            if (!image.isNull()) {
                image.setDevicePixelRatio(onScreen.isValid() && image.size() == onScreen ? deviceRatio : largeRatio);
                return image;
            }
        }
    }
    return decode(data.path(relative), largest);
}

} // namespace largepicture
