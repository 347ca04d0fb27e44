#pragma once

#include "platform/DataDir.h"

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

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

    // Decodes the files now, so that later calls never touch the disk.
    void preload(const QStringList& relatives, QSize largest = {});

    int decodeCount() const { return decodeCount_; }

private:
    DataDir dataDir_;
    QHash<QString, QPixmap> pictures_;
    int decodeCount_ = 0;
};
