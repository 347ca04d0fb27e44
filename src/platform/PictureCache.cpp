#include "platform/PictureCache.h"

#include <QImageReader>

PictureCache::PictureCache(DataDir dataDir)
    : dataDir_(std::move(dataDir))
{
}

const QPixmap& PictureCache::picture(const QString& relative, QSize largest)
{
    auto found = pictures_.find(relative);
    if (found == pictures_.end()) {
        QImageReader reader(dataDir_.path(relative));
        reader.setDecideFormatFromContent(true);
        const QSize size = reader.size();
        if (largest.isValid() && size.isValid()
            && (size.width() > largest.width() || size.height() > largest.height()))
            reader.setScaledSize(size.boundedTo(largest));
        ++decodeCount_;
        found = pictures_.insert(relative, QPixmap::fromImage(reader.read()));
    }
    return found.value();
}

void PictureCache::preload(const QStringList& relatives, QSize largest)
{
    for (const QString& relative : relatives)
        picture(relative, largest);
}
