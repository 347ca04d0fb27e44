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
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <future>
#include <map>
#include <memory>
#include <thread>
#include <vector>

// Pictures of the Data directory, each file decoded once and then served from
// memory. The format is read from the file's content, whatever its extension.
class PictureCache {
public:
    explicit PictureCache(DataDir dataDir);

    // The picture of a file below Data ("PolV/3.res"); a null pixmap when the
    // file is missing or cannot be decoded. A file is decoded no wider and no
    // taller than `largest` (when given) asks at its first request: every
    // control stretches its picture to its own size, so a bloated file costs
    // no more memory than one drawn at the control's size.
    const QPixmap& picture(const QString& relative, QSize largest = {});

    // Starts decoding the files, each no larger than its size, on a thread of
    // their own and returns at once; picture() takes a file from there,
    // waiting for it if it is not done yet. Pictures become pixmaps on the
    // calling (GUI) thread only.
    void preloadInBackground(const QList<std::pair<QString, QSize>>& pictures);

    // Hands the picture to `show` on the GUI thread: at once when it is
    // decoded already, else from the event loop once a background decode
    // has it, so that a window can go on screen without waiting for its
    // picture. A request calls no `show` but its own, and nothing is called
    // once `context` is gone.
    void showWhenDecoded(const QString& relative, QSize largest, QObject* context,
                         std::function<void(const QPixmap&)> show);
    // Pictures of one size that differ only in part (the frames of an
    // animation), held as one PictureSet. They are decoded one after the
    // other and folded into the set as they come, so that besides the first
    // no more than one of them is ever held whole.
    const PictureSet& pictureSet(const QStringList& relatives, QSize largest = {});
    // Starts decoding the sets, in this order, on a thread of their own, as
    // preloadInBackground() does pictures.
    void preloadSetsInBackground(const QList<std::pair<QStringList, QSize>>& sets);

    int decodeCount() const { return decodeCount_; }

private:
    struct Waiter {
        QPointer<QObject> context;
        std::function<void(const QPixmap&)> show;
    };

    void deliver(const QString& relative);

    DataDir dataDir_;
    QHash<QString, QPixmap> pictures_;
    std::map<QString, std::future<QImage>> decoding_;
    std::map<QString, std::vector<Waiter>> waiting_;
    // Lives on the GUI thread: a decoder posts its finished pictures to it.
    std::unique_ptr<QObject> deliveries_ = std::make_unique<QObject>();
    std::map<QString, PictureSet> sets_;
    std::map<QString, std::future<PictureSet>> setsDecoding_;
    int decodeCount_ = 0;
    // Last, so that it is joined before the members its thread fills are gone.
    std::vector<std::jthread> decoders_;
};
