// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include "Drum.h"
#include "platform/Pictures.h"
#include "rules/Drum.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

// Draws the pictures once, as the build does, and looks at them as the game will.
class PictureGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dataDir_.isValid());
        QCOMPARE(picgen::writeAll(QDir(dataDir_.path())), QStringList());
    }

    void everyListedPictureIsWrittenAtTheSizeItsPlaceHas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (const QString& file :
             {pictures::startBackdrop, pictures::tableBackdrop, pictures::recordsBackdrop})
            QTest::newRow(qPrintable(file)) << file << pictures::backdropSize;
        for (const QString& file : {pictures::closedBox, pictures::boxWithPrize, pictures::emptyBox})
            QTest::newRow(qPrintable(file)) << file << pictures::prizeBoxSize;
        for (int sector = 1; sector <= drum::sectorCount; ++sector) {
            QTest::newRow(qPrintable(pictures::turningDrum(sector)))
                << pictures::turningDrum(sector) << pictures::turningDrumPlace.size();
            QTest::newRow(qPrintable(pictures::restingDrum(sector)))
                << pictures::restingDrum(sector) << pictures::restingDrumPlace.size();
        }
    }

    void everyListedPictureIsWrittenAtTheSizeItsPlaceHas()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QVERIFY(pictures::all().contains(file));
        QImageReader reader(QDir(dataDir_.path()).filePath(file));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        for (const int ratio : pictures::largeRatios) {
            QImageReader largeReader(QDir(dataDir_.path()).filePath(pictures::largeName(file, ratio)));
            QCOMPARE(largeReader.size(), size * ratio);
        }
    }

    void restingDrumShowsItsSectorUnderThePointer_data()
    {
        QTest::addColumn<int>("sector");
        for (int sector = 1; sector <= drum::sectorCount; ++sector)
            QTest::newRow(qPrintable(QStringLiteral("sector %1").arg(sector))) << sector;
    }

    // A frame showing its neighbour would stop the drum one sector off what the game scored.
    void restingDrumShowsItsSectorUnderThePointer()
    {
        QFETCH(int, sector);
        const QImage image(QDir(dataDir_.path()).filePath(pictures::restingDrum(sector)));
        QVERIFY(!image.isNull());
        const QColor seen = image.pixelColor(picgen::restingFaceUnderPointer());
        int nearest = 0;
        for (int other = 1; other <= drum::sectorCount; ++other) {
            if (nearest == 0
                || distance(seen, picgen::sectorColour(other))
                       < distance(seen, picgen::sectorColour(nearest)))
                nearest = other;
        }
        QCOMPARE(picgen::sectorColour(nearest), picgen::sectorColour(sector));
    }

private:
    static int distance(const QColor& a, const QColor& b)
    {
        const int r = a.red() - b.red();
        const int g = a.green() - b.green();
        const int bl = a.blue() - b.blue();
        return r * r + g * g + bl * bl;
    }

    QTemporaryDir dataDir_;
};

QTEST_MAIN(PictureGeneratorTest)
#include "PictureGeneratorTest.moc"
