// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureCache.h"

#include "platform/LargePicture.h"

#include <QGuiApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

void giveBackFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QString setKey(const QStringList& relatives)
{
    return relatives.join(u'|');
}

PictureSet decodeSet(const DataDir& data, const QStringList& relatives, qreal deviceRatio, QSize largest)
{
    PictureSet set;
    for (const QString& relative : relatives)
        set.add(largepicture::read(data, relative, deviceRatio, largest));
    return set;
}

} // namespace

PictureCache::PictureCache(DataDir dataDir) : dataDir_(std::move(dataDir))
{
}

const QPixmap& PictureCache::picture(const QString& relative, QSize largest)
{
    auto found = pictures_.find(relative);
    if (found == pictures_.end()) {
        const qreal deviceRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        ++decodeCount_;
        if (auto decoding = decoding_.find(relative); decoding != decoding_.end()) {
            QImage image = decoding->second.get();
            decoding_.erase(decoding);
            found = pictures_.insert(relative, QPixmap::fromImage(std::move(image)));
        } else {
            found = pictures_.insert(
                relative, QPixmap::fromImage(largepicture::read(dataDir_, relative, deviceRatio, largest)));
        }
    }
    return found.value();
}

void PictureCache::preloadInBackground(const QList<std::pair<QString, QSize>>& pictures)
{
    const qreal deviceRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    std::vector<std::tuple<QString, QSize, std::promise<QImage>>> jobs;
    for (const auto& [relative, largest] : pictures) {
        if (pictures_.contains(relative) || decoding_.count(relative))
            continue;
        std::promise<QImage> promise;
        decoding_.emplace(relative, promise.get_future());
        jobs.emplace_back(relative, largest, std::move(promise));
    }
    if (jobs.empty())
        return;
    // At the priority of the windows: a window may be waiting for them, and
    // a lower one would leave it waiting as long as anything else runs.
    decoders_.emplace_back([this, data = dataDir_, deviceRatio, jobs = std::move(jobs)]() mutable {
        for (auto& [relative, largest, promise] : jobs) {
            QImage image = largepicture::read(data, relative, deviceRatio, largest);
            // In the pixel format a pixmap keeps, so that the GUI thread only wraps it.
            if (!image.isNull())
                image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
            promise.set_value(std::move(image));
            QMetaObject::invokeMethod(
                deliveries_.get(), [this, relative = relative] { deliver(relative); }, Qt::QueuedConnection);
        }
    });
}

void PictureCache::showWhenDecoded(const QString& relative, QSize largest, QObject* context,
                                   std::function<void(const QPixmap&)> show)
{
    const auto decoding = decoding_.find(relative);
    // A finished decode counts as decoded even when its delivery has not run
    // yet, or ran before anyone waited. Only this caller is served here: the
    // others have that delivery to come, so no window's picture is ever shown
    // from inside another window's request, whatever the decoder's pace.
    const bool decoded = pictures_.contains(relative)
                         || (decoding != decoding_.end()
                             && decoding->second.wait_for(std::chrono::seconds(0))
                                    == std::future_status::ready);
    if (decoded) {
        show(picture(relative));
        return;
    }
    waiting_[relative].push_back({context, std::move(show)});
    if (decoding == decoding_.end())
        preloadInBackground({{relative, largest}});
}

void PictureCache::deliver(const QString& relative)
{
    const auto waiting = waiting_.find(relative);
    if (waiting == waiting_.end())
        return;
    const std::vector<Waiter> waiters = std::move(waiting->second);
    waiting_.erase(waiting);
    const QPixmap& pixmap = picture(relative);
    for (const Waiter& waiter : waiters) {
        if (waiter.context)
            waiter.show(pixmap);
    }
}

const PictureSet& PictureCache::pictureSet(const QStringList& relatives, QSize largest)
{
    const QString key = setKey(relatives);
    auto found = sets_.find(key);
    if (found == sets_.end()) {
        ++decodeCount_;
        if (auto decoding = setsDecoding_.find(key); decoding != setsDecoding_.end()) {
            PictureSet set = decoding->second.get();
            setsDecoding_.erase(decoding);
            found = sets_.emplace(key, std::move(set)).first;
        } else {
            const qreal deviceRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
            found = sets_.emplace(key, decodeSet(dataDir_, relatives, deviceRatio, largest)).first;
        }
    }
    return found->second;
}

void PictureCache::preloadSetsInBackground(const QList<std::pair<QStringList, QSize>>& sets)
{
    const qreal deviceRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    std::vector<std::tuple<QStringList, QSize, std::promise<PictureSet>>> jobs;
    for (const auto& [relatives, largest] : sets) {
        const QString key = setKey(relatives);
        if (sets_.count(key) || setsDecoding_.count(key))
            continue;
        std::promise<PictureSet> promise;
        setsDecoding_.emplace(key, promise.get_future());
        jobs.emplace_back(relatives, largest, std::move(promise));
    }
    if (jobs.empty())
        return;
    // One set after the other: a single picture is held whole at a time.
    decoders_.emplace_back([data = dataDir_, deviceRatio, jobs = std::move(jobs)]() mutable {
        for (auto& [relatives, largest, promise] : jobs)
            promise.set_value(decodeSet(data, relatives, deviceRatio, largest));
        // Each picture was decoded whole and let go once its part was kept:
        // the pages they took go back to the system instead of idling.
        giveBackFreedMemory();
    });
}
