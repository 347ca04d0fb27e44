#include "platform/PictureCache.h"

#include <QImageReader>

PictureCache::PictureCache(DataDir dataDir)
    : dataDir_(std::move(dataDir))
{
}

const QPixmap& PictureCache::picture(const QString& relative)
{
    auto found = pictures_.find(relative);
    if (found == pictures_.end()) {
        QImageReader reader(dataDir_.path(relative));
        reader.setDecideFormatFromContent(true);
        ++decodeCount_;
        found = pictures_.insert(relative, QPixmap::fromImage(reader.read()));
    }
    return found.value();
}

void PictureCache::preload(const QStringList& relatives)
{
    for (const QString& relative : relatives)
        picture(relative);
}
