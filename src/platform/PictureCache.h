// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DataDir.h"
#include "platform/PictureSet.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <map>
#include <memory>
#include <stop_token>
#include <vector>

// Pictures of the Data directory, each file decoded once and then served from
// memory. The format is read from the file's content, whatever its extension.
//
// A window never waits for its pictures: it goes on screen in its own colours
// and asks for each picture with showWhenDecoded(), which hands it over as
// soon as a decoder thread has it. Nothing waits for a decoder either: when
// the cache goes (the program ends), its decoders are asked to stop, given a
// moment to do so, and left to end on their own.
class PictureCache {
public:
    // Reads one picture of Data, as largepicture::read() does; runs on a
    // decoder thread, and gives up (returning anything) once `stop` asks.
    using Decoder = std::function<QImage(const DataDir& data, const QString& relative, qreal deviceRatio,
                                         QSize largest, std::stop_token stop)>;

    explicit PictureCache(DataDir dataDir);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Another way to read the pictures (a test's, that decodes when it says
    // so); for the decodes begun from now on.
    void setDecoder(Decoder decoder);

    // The picture of a file below Data ("PolV/3.res"); a null pixmap when the
    // file is missing or cannot be decoded. A file is decoded no wider and no
    // taller than `largest` (when given) asks at its first request: every
    // control stretches its picture to its own size, so a bloated file costs
    // no more memory than one drawn at the control's size. Waits for a decode
    // under way: windows ask with showWhenDecoded() instead.
    const QPixmap& picture(const QString& relative, QSize largest = {});

    // Starts decoding the files, each no larger than its size, on a thread of
    // their own and returns at once. Pictures become pixmaps on the calling
    // (GUI) thread only.
    void preloadInBackground(const QList<std::pair<QString, QSize>>& pictures);

    // Hands the picture to `show` on the GUI thread: at once when it is
    // decoded already, else from the event loop once a background decode
    // has it (starting one if none is under way). A request calls no `show`
    // but its own, and nothing is called once `context` is gone.
    void showWhenDecoded(const QString& relative, QSize largest, QObject* context,
                         std::function<void(const QPixmap&)> show);

    // Pictures of one size that differ only in part (the frames of an
    // animation), held as one PictureSet. They are decoded one after the
    // other and folded into the set as they come, so that besides the first
    // no more than one of them is ever held whole. Waits like picture().
    const PictureSet& pictureSet(const QStringList& relatives, QSize largest = {});
    // Starts decoding the sets, in this order, on a thread of their own, as
    // preloadInBackground() does pictures.
    void preloadSetsInBackground(const QList<std::pair<QStringList, QSize>>& sets);
    // Hands the whole set to `show` as showWhenDecoded() hands a picture.
    // The set stays in the cache: `show` may keep its address.
    void showSetWhenDecoded(const QStringList& relatives, QSize largest, QObject* context,
                            std::function<void(const PictureSet&)> show);

    // Waits for every decode begun so far and hands each result to those
    // waiting for it, now rather than from the event loop: for a test that
    // lets the pictures arrive at a moment of its choosing.
    void deliverAll();

    int decodeCount() const { return decodeCount_; }

private:
    struct Decoders;

    bool isDecoded(const QString& relative) const;
    bool isSetDecoded(const QString& key) const;
    // Calls and forgets those waiting for `key` (a picture's name, or a set's key).
    void deliver(const QString& key);
    // Runs `work(stop)` on a thread of its own, which the cache never joins.
    template <typename Work>
    void startDecoder(Work work);

    DataDir dataDir_;
    Decoder decoder_;
    QHash<QString, QPixmap> pictures_;
    std::map<QString, std::future<QImage>> decoding_;
    std::map<QString, PictureSet> sets_;
    std::map<QString, std::future<PictureSet>> setsDecoding_;
    std::map<QString, std::vector<std::function<void()>>> waiting_;
    int decodeCount_ = 0;
    // Shared with the decoder threads, which may outlive the cache.
    std::shared_ptr<Decoders> decoders_;
};
