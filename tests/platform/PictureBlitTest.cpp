// Runs on a screen scaled by a fraction, as the game does on most screens, so
// that a picture decoded to its control's screen pixels meets the painter's
// own rounding.
#include "platform/EventLabel.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

constexpr double screenRatio = 1.6;

// Every pixel different from its neighbours: a shifted, stretched or filtered
// copy cannot match it.
QPixmap noise(QSize pixels, qreal ratio)
{
    QImage image(pixels, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71) & 0xFF, (x ^ y) & 0xFF);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

class PictureBlitTest : public QObject {
    Q_OBJECT
private slots:
    void pictureAtScreenPixelsIsCopiedPixelForPixel_data();
    void pictureAtScreenPixelsIsCopiedPixelForPixel();
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

    const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), picture.size());
    const QImage expected = picture.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y) {
        if (std::memcmp(shown.constScanLine(y), expected.constScanLine(y), expected.width() * 4) != 0)
            QFAIL(qPrintable(QStringLiteral("row %1 differs").arg(y)));
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
