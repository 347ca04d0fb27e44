#include "platform/PictureCache.h"

#include "platform/LargePicture.h"

#include <QGuiApplication>

PictureCache::PictureCache(DataDir dataDir)
    : dataDir_(std::move(dataDir))
{
}

const QPixmap& PictureCache::picture(const QString& relative, QSize largest)
{
    auto found = pictures_.find(relative);
    if (found == pictures_.end()) {
        const qreal deviceRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        ++decodeCount_;
        found = pictures_.insert(relative, QPixmap::fromImage(largepicture::read(dataDir_, relative, deviceRatio, largest)));
    }
    return found.value();
}

void PictureCache::preload(const QStringList& relatives, QSize largest)
{
    for (const QString& relative : relatives)
        picture(relative, largest);
}
