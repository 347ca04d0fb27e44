// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureSet.h"

#include <QTest>

namespace {

QImage noise(QSize size, int seed, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(
                x, y, qRgba((x * 37 + y * 11 + seed) & 0xFF, (x * 5 + y * 71) & 0xFF, (x ^ y) & 0xFF, 0xFF));
    }
    return image;
}

// The first picture with a rectangle of other noise painted over it.
QImage patched(const QImage& first, const QRect& patch, int seed)
{
    QImage image = first.copy();
    const QImage own = noise(first.size(), seed, first.format());
    for (int y = patch.top(); y <= patch.bottom(); ++y) {
        for (int x = patch.left(); x <= patch.right(); ++x)
            image.setPixel(x, y, own.pixel(x, y));
    }
    return image;
}

} // namespace

class PictureSetTest : public QObject {
    Q_OBJECT
private slots:
    void eachPictureComesBackExactly_data();
    void eachPictureComesBackExactly();
    void aPictureThatDoesNotFitStandsInAsTheFirst();
};

void PictureSetTest::eachPictureComesBackExactly_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QList<QRect>>("patches");
    const QList<QRect> face{QRect(10, 8, 20, 20), QRect(12, 6, 16, 24), QRect(8, 10, 24, 16)};
    // Changes that reach the picture's edges, a single pixel, a picture equal to the first.
    const QList<QRect> edges{QRect(0, 0, 40, 1), QRect(0, 5, 1, 31), QRect(39, 0, 1, 36), QRect(20, 20, 1, 1),
                             QRect()};
    QTest::newRow("opaque face") << QImage::Format_RGB32 << face;
    QTest::newRow("opaque edges") << QImage::Format_RGB32 << edges;
    QTest::newRow("see-through face") << QImage::Format_ARGB32_Premultiplied << face;
}

void PictureSetTest::eachPictureComesBackExactly()
{
    QFETCH(QImage::Format, format);
    QFETCH(QList<QRect>, patches);
    const QImage first = noise(QSize(40, 36), 0, format);
    QList<QImage> pictures{first};
    for (int i = 0; i < patches.size(); ++i)
        pictures << (patches.at(i).isNull() ? first.copy() : patched(first, patches.at(i), i + 1));
    PictureSet set;
    for (const QImage& picture : pictures)
        QVERIFY(set.add(picture));
    QCOMPARE(set.count(), pictures.size());
    QVERIFY(set.bytes() < pictures.size() * first.sizeInBytes());

    for (int index = 0; index < set.count(); ++index) {
        QCOMPARE(set.picture(index), pictures.at(index));
        // Outside its place a picture is the first.
        for (int y = 0; y < first.height(); ++y) {
            for (int x = 0; x < first.width(); ++x) {
                if (pictures.at(index).pixel(x, y) != first.pixel(x, y) && !set.place(index).contains(x, y))
                    QFAIL(qPrintable(
                        QStringLiteral("%1: (%2, %3) lies outside the place").arg(index).arg(x).arg(y)));
            }
        }
    }
    QVERIFY(set.place(0).isEmpty());
    QCOMPARE(set.place(1), patches.first());
}

void PictureSetTest::aPictureThatDoesNotFitStandsInAsTheFirst()
{
    const QImage first = noise(QSize(20, 10), 0);
    PictureSet set;
    QVERIFY(set.add(first));
    QVERIFY(!set.add(QImage()));
    QVERIFY(!set.add(noise(QSize(21, 10), 3)));
    QImage otherRatio = noise(QSize(20, 10), 4);
    otherRatio.setDevicePixelRatio(2);
    QVERIFY(!set.add(otherRatio));
    QVERIFY(set.add(noise(QSize(20, 10), 5)));
    QCOMPARE(set.count(), 5);
    for (int index = 1; index <= 3; ++index)
        QCOMPARE(set.picture(index), first);
    QCOMPARE(set.picture(4), noise(QSize(20, 10), 5));
    QVERIFY(set.picture(5).isNull());
}

QTEST_MAIN(PictureSetTest)
#include "PictureSetTest.moc"
