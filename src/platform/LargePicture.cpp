#include "platform/LargePicture.h"

#include "platform/DataDir.h"

#include <QFileInfo>
#include <QImageReader>

namespace largepicture {

namespace {

QImage decode(const QString& path, QSize largest)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (largest.isValid() && size.isValid()
        && (size.width() > largest.width() || size.height() > largest.height()))
        reader.setScaledSize(size.boundedTo(largest));
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
