// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureCache.h"

#include "platform/LargePicture.h"

#include <QGuiApplication>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

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

// Those waiting for a set are kept beside those waiting for a picture.
QString setWaitKey(const QString& key)
{
    return QStringLiteral("set:") + key;
}

qreal screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// `ending`, when given, ends the set early, as `stop` does.
PictureSet decodeSet(const PictureCache::Decoder& decoder, const DataDir& data, const QStringList& relatives,
                     qreal deviceRatio, QSize largest, const std::stop_token& stop,
                     const std::atomic<bool>* ending = nullptr)
{
    PictureSet set;
    for (const QString& relative : relatives) {
        if (stop.stop_requested() || (ending && *ending))
            break;
        set.add(decoder(data, relative, deviceRatio, largest, stop));
    }
    return set;
}

// When the cache goes, a decode under way is given a moment to end as it
// would (an ordinary picture takes a few milliseconds), then asked to stop,
// which a decoder does within a few rows, and given another: together short
// enough that an exit never feels them.
constexpr std::chrono::milliseconds endingTime{20};
constexpr std::chrono::milliseconds stoppingTime{80};

} // namespace

// What the cache and its decoder threads share. The threads are never
// joined: a decode of a picture far larger than the screen takes seconds,
// and the program's end must not wait for it.
struct PictureCache::Decoders {
    // No further picture is begun once the cache is going; the one under
    // way is stopped only if it does not end by itself soon (stopped, the
    // PNG reader complains on the terminal).
    std::atomic<bool> ending{false};
    std::stop_source stop;
    std::mutex mutex;
    std::condition_variable ended;
    int running = 0;
    // Lives on the GUI thread; null once the cache is gone, so that no
    // finished picture is posted to it after that.
    std::unique_ptr<QObject> deliveries = std::make_unique<QObject>();

    // Runs `call` on the GUI thread from its event loop, while the cache lives.
    void post(std::function<void()> call)
    {
        const std::lock_guard lock(mutex);
        if (deliveries)
            QMetaObject::invokeMethod(deliveries.get(), std::move(call), Qt::QueuedConnection);
    }
};

PictureCache::PictureCache(DataDir dataDir)
    : dataDir_(std::move(dataDir)), decoder_([](const DataDir& data, const QString& relative,
                                                qreal deviceRatio, QSize largest, std::stop_token stop) {
          return largepicture::read(data, relative, deviceRatio, largest, stop);
      }),
      decoders_(std::make_shared<Decoders>())
{
}

PictureCache::~PictureCache()
{
    std::unique_ptr<QObject> deliveries;
    std::unique_lock lock(decoders_->mutex);
    // Deleted here, on the GUI thread, with whatever was posted to it.
    deliveries = std::move(decoders_->deliveries);
    decoders_->ending = true;
    const auto allEnded = [this] { return decoders_->running == 0; };
    if (decoders_->ended.wait_for(lock, endingTime, allEnded))
        return;
    decoders_->stop.request_stop();
    decoders_->ended.wait_for(lock, stoppingTime, allEnded);
}

void PictureCache::setDecoder(Decoder decoder)
{
    decoder_ = std::move(decoder);
}

template <typename Work>
void PictureCache::startDecoder(Work work)
{
    {
        const std::lock_guard lock(decoders_->mutex);
        ++decoders_->running;
    }
    std::thread([shared = decoders_, work = std::move(work)]() mutable {
        work(shared->stop.get_token());
        const std::lock_guard lock(shared->mutex);
        --shared->running;
        shared->ended.notify_all();
    }).detach();
}

const QPixmap& PictureCache::picture(const QString& relative, QSize largest)
{
    auto found = pictures_.find(relative);
    if (found == pictures_.end()) {
        ++decodeCount_;
        if (auto decoding = decoding_.find(relative); decoding != decoding_.end()) {
            QImage image = decoding->second.get();
            decoding_.erase(decoding);
            found = pictures_.insert(relative, QPixmap::fromImage(std::move(image)));
        } else {
            found = pictures_.insert(
                relative, QPixmap::fromImage(decoder_(dataDir_, relative, screenRatio(), largest, {})));
        }
    }
    return found.value();
}

void PictureCache::preloadInBackground(const QList<std::pair<QString, QSize>>& pictures)
{
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
    // At the priority of the windows: a window shows them as they come, and
    // a lower one would leave it bare as long as anything else runs.
    startDecoder([this, shared = decoders_.get(), data = dataDir_, decoder = decoder_,
                  deviceRatio = screenRatio(), jobs = std::move(jobs)](std::stop_token stop) mutable {
        for (auto& [relative, largest, promise] : jobs) {
            if (shared->ending)
                return;
            QImage image = decoder(data, relative, deviceRatio, largest, stop);
            // In the pixel format a pixmap keeps, so that the GUI thread only wraps it.
            if (!image.isNull())
                image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
            promise.set_value(std::move(image));
            shared->post([this, relative = relative] { deliver(relative); });
        }
    });
}

bool PictureCache::isDecoded(const QString& relative) const
{
    // A finished decode counts as decoded even when its delivery has not run
    // yet, or ran before anyone waited.
    const auto decoding = decoding_.find(relative);
    return pictures_.contains(relative)
           || (decoding != decoding_.end()
               && decoding->second.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

bool PictureCache::isSetDecoded(const QString& key) const
{
    const auto decoding = setsDecoding_.find(key);
    return sets_.count(key)
           || (decoding != setsDecoding_.end()
               && decoding->second.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

void PictureCache::showWhenDecoded(const QString& relative, QSize largest, QObject* context,
                                   std::function<void(const QPixmap&)> show)
{
    // Only this caller is served here: the others have their delivery to
    // come, so no window's picture is ever shown from inside another
    // window's request, whatever the decoder's pace.
    if (isDecoded(relative)) {
        show(picture(relative));
        return;
    }
    waiting_[relative].push_back(
        [this, relative, context = QPointer<QObject>(context), show = std::move(show)] {
            if (context)
                show(picture(relative));
        });
    if (!decoding_.count(relative))
        preloadInBackground({{relative, largest}});
}

void PictureCache::deliver(const QString& key)
{
    const auto waiting = waiting_.find(key);
    if (waiting == waiting_.end())
        return;
    const std::vector<std::function<void()>> waiters = std::move(waiting->second);
    waiting_.erase(waiting);
    for (const auto& waiter : waiters)
        waiter();
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
            found = sets_.emplace(key, decodeSet(decoder_, dataDir_, relatives, screenRatio(), largest, {}))
                        .first;
        }
    }
    return found->second;
}

void PictureCache::preloadSetsInBackground(const QList<std::pair<QStringList, QSize>>& sets)
{
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
    startDecoder([this, shared = decoders_.get(), data = dataDir_, decoder = decoder_,
                  deviceRatio = screenRatio(), jobs = std::move(jobs)](std::stop_token stop) mutable {
        for (auto& [relatives, largest, promise] : jobs) {
            if (shared->ending)
                return;
            promise.set_value(
                decodeSet(decoder, data, relatives, deviceRatio, largest, stop, &shared->ending));
            shared->post([this, key = setWaitKey(setKey(relatives))] { deliver(key); });
        }
        // Each picture was decoded whole and let go once its part was kept:
        // the pages they took go back to the system instead of idling.
        giveBackFreedMemory();
    });
}

void PictureCache::showSetWhenDecoded(const QStringList& relatives, QSize largest, QObject* context,
                                      std::function<void(const PictureSet&)> show)
{
    const QString key = setKey(relatives);
    if (isSetDecoded(key)) {
        show(pictureSet(relatives));
        return;
    }
    waiting_[setWaitKey(key)].push_back(
        [this, relatives, context = QPointer<QObject>(context), show = std::move(show)] {
            if (context)
                show(pictureSet(relatives));
        });
    if (!setsDecoding_.count(key))
        preloadSetsInBackground({{relatives, largest}});
}

void PictureCache::deliverAll()
{
    QStringList pictures;
    for (const auto& [relative, decoding] : decoding_)
        pictures << relative;
    QStringList sets;
    for (const auto& [key, decoding] : setsDecoding_)
        sets << key;
    for (const QString& relative : std::as_const(pictures)) {
        picture(relative);
        deliver(relative);
    }
    for (const QString& key : std::as_const(sets)) {
        pictureSet(key.split(u'|'));
        deliver(setWaitKey(key));
    }
}
