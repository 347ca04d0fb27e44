// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Paint.h"
#include "Pictures.h"

#include "platform/Pictures.h"
#include "rules/Drum.h"

#include <QFileInfo>

namespace picgen {
namespace {

// The picture the game loads from `file`; null for a name it does not know.
QImage draw(const QString& file, const QImage& table)
{
    if (file == pictures::tableBackdrop)
        return table;
    if (file == pictures::startBackdrop)
        return startBackdrop();
    if (file == pictures::recordsBackdrop)
        return recordsBackdrop();
    if (file == pictures::closedBox)
        return casket(CasketState::Closed);
    if (file == pictures::boxWithPrize)
        return casket(CasketState::WithPrize);
    if (file == pictures::emptyBox)
        return casket(CasketState::Empty);
    for (int sector = 1; sector <= drum::sectorCount; ++sector) {
        if (file == pictures::restingDrum(sector))
            return drumAtRest(sector, table);
        if (file == pictures::turningDrum(sector))
            return drumSpinning(sector);
    }
    return {};
}

}  // namespace

QStringList writeAll(const QDir& dataDir)
{
    // The list drives the drawing, so a picture added to the game cannot be
    // forgotten here. Every picture as the game shows it, and large.
    QStringList failed;
    for (const int scale : {1, pictures::largeRatios[0], pictures::largeRatios[1]}) {
        setPictureScale(scale);
        const QImage table = tableBackdrop();
        for (const QString& file : pictures::all()) {
            const QImage image = draw(file, table);
            const QString path = dataDir.filePath(scale == 1 ? file : pictures::largeName(file, scale));
            if (image.isNull() || !QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG"))
                failed << path;
        }
    }
    setPictureScale(1);
    return failed;
}

}  // namespace picgen
