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
            QImage image = decode(large, largest.isValid() ? largest * largeRatio : largest);
            if (!image.isNull()) {
                image.setDevicePixelRatio(largeRatio);
                return image;
            }
        }
    }
    return decode(data.path(relative), largest);
}

} // namespace largepicture
