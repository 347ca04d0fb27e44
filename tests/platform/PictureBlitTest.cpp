// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs on a screen scaled by a fraction, as the game does on most screens, so
// that a picture decoded to its control's screen pixels meets the painter's
// own rounding.
#include "platform/EventLabel.h"
#include "platform/PictureSet.h"
#include "platform/PictureSetView.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

constexpr double screenRatio = 1.6;

// Every pixel different from its neighbours: a shifted, stretched or filtered
// copy cannot match it.
QImage noiseImage(QSize pixels, qreal ratio, int seed = 0)
{
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = qRgb((x * 37 + y * 11 + seed) & 0xFF, (x * 5 + y * 71) & 0xFF, (x ^ y) & 0xFF);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

QPixmap noise(QSize pixels, qreal ratio)
{
    return QPixmap::fromImage(noiseImage(pixels, ratio));
}

void compareRows(const QImage& shown, const QImage& expected)
{
    QCOMPARE(shown.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y) {
        if (std::memcmp(shown.constScanLine(y), expected.constScanLine(y), expected.width() * 4) != 0)
            QFAIL(qPrintable(QStringLiteral("row %1 differs").arg(y)));
    }
}

} // namespace

class PictureBlitTest : public QObject {
    Q_OBJECT
private slots:
    void pictureAtScreenPixelsIsCopiedPixelForPixel_data();
    void pictureAtScreenPixelsIsCopiedPixelForPixel();
    void pictureOfASetIsDrawnWholeAfterEveryChange();
};

void PictureBlitTest::pictureAtScreenPixelsIsCopiedPixelForPixel_data()
{
    QTest::addColumn<QRect>("place");
    // Places whose corner falls on a screen pixel at this ratio, and one that does not.
    QTest::newRow("turning drum") << QRect(0, 0, 360, 360);
    QTest::newRow("resting drum") << QRect(110, 354, 600, 246);
    QTest::newRow("box") << QRect(5, 10, 67, 49);
}

void PictureBlitTest::pictureAtScreenPixelsIsCopiedPixelForPixel()
{
    QFETCH(QRect, place);
    QWidget window;
    window.resize(800, 640);
    auto* label = new EventLabel(&window);
    label->setGeometry(place);
    label->setScaledContents(true);
    // The toolkit's ratio, rounded as it keeps it, is the one pictures are decoded for.
    const qreal ratio = label->devicePixelRatioF();
    QVERIFY(qAbs(ratio - screenRatio) < 0.001);
    const QPixmap picture = noise((QSizeF(place.size()) * ratio).toSize(), ratio);
    label->setPixmap(picture);

    compareRows(label->grab().toImage().convertToFormat(QImage::Format_RGB32),
                picture.toImage().convertToFormat(QImage::Format_RGB32));
}

void PictureBlitTest::pictureOfASetIsDrawnWholeAfterEveryChange()
{
    QWidget window;
    window.resize(400, 400);
    auto* view = new PictureSetView(&window);
    view->setGeometry(7, 3, 100, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal ratio = view->devicePixelRatioF();
    const QSize pixels = (QSizeF(view->size()) * ratio).toSize();
    // A still surround with a face that differs in each picture.
    const QImage first = noiseImage(pixels, ratio);
    PictureSet set;
    set.add(first);
    for (int seed = 1; seed <= 3; ++seed) {
        QImage picture = first.copy();
        const QImage face = noiseImage(pixels, ratio, seed * 50);
        for (int y = 20 + seed; y < 100 - seed; ++y)
            std::memcpy(picture.scanLine(y) + (30 + seed * 5) * 4,
                        face.constScanLine(y) + (30 + seed * 5) * 4, 60 * 4);
        set.add(picture);
    }
    set.add(first);
    view->setPictures(&set);
    // What the window shows after each change.
    for (int index : {0, 2, 1, 3, 4, 3}) {
        view->showPicture(index);
        QCOMPARE(view->shownPicture(), index);
        QApplication::processEvents();
        const QImage onScreen = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = (QPointF(view->pos()) * ratio).toPoint();
        compareRows(onScreen.copy(QRect(at, pixels)), set.picture(index));
    }
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(screenRatio));
    QApplication app(argc, argv);
    PictureBlitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PictureBlitTest.moc"
