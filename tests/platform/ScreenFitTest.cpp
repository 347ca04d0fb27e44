// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "help/HelpKey.h"
#include "help/RulesWindow.h"
#include "platform/EventLabel.h"
#include "platform/LargePicture.h"
#include "platform/Pictures.h"
#include "platform/TextFit.h"
#include "platform/WaylandSeat.h"
#include "platform/WindowNames.h"
#include "platform/XScreen.h"

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray png(QSize size, const QColor& colour = Qt::red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void sendKey(QWidget* window, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
}

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void toolkitRatioFollowsTheXftDpiResource_data();
    void toolkitRatioFollowsTheXftDpiResource();
    void textInputIsAvoidedOnlyWithoutASeat_data();
    void textInputIsAvoidedOnlyWithoutASeat();
    void noCompositorIsAskedForItsSeatWithoutADisplayOrOverAHandedSocket();
    void largePictureServesOnlyAScaledScreen_data();
    void largePictureServesOnlyAScaledScreen();
    void oversizedPictureIsKeptScaledUntilItsFileChanges();
    void textShrinksBeforeItIsElided_data();
    void textShrinksBeforeItIsElided();
    void f1OpensTheRulesAndEscClosesThem();
    void f1InABoxShowsTheRulesOverIt();
};

void ScreenFitTest::toolkitRatioFollowsTheXftDpiResource_data()
{
    QTest::addColumn<QByteArray>("resources");
    QTest::addColumn<double>("ratio");
    QTest::newRow("none") << QByteArray() << 1.0;
    QTest::newRow("desktop at 144 dpi") << QByteArray("Xft.antialias:\t1\nXft.dpi:\t144\n") << 1.5;
    QTest::newRow("blanks around the value") << QByteArray("Xft.dpi:\t 120 ") << 1.25;
    QTest::newRow("a fraction of a dot") << QByteArray("Xft.dpi:\t144.5") << 145 / 96.0;
    // The toolkit takes the resource only as xrdb writes it: else its own ratio is 1.
    QTest::newRow("a space after the colon") << QByteArray("Xft.dpi: 144") << 1.0;
    QTest::newRow("blanks around the name") << QByteArray(" Xft.dpi :\t144") << 1.0;
    QTest::newRow("another resource") << QByteArray("Xcursor.dpi:\t192") << 1.0;
    QTest::newRow("not a number") << QByteArray("Xft.dpi:\tlarge") << 1.0;
    QTest::newRow("zero") << QByteArray("Xft.dpi:\t0") << 1.0;
    // Taken by the toolkit, however absurd: the game's own factor makes up for it.
    QTest::newRow("a billion dots") << QByteArray("Xft.dpi:\t1e9") << 1e9 / 96;
    QTest::newRow("beyond an int") << QByteArray("Xft.dpi:\t3e9") << 1.0;
}

void ScreenFitTest::toolkitRatioFollowsTheXftDpiResource()
{
    QFETCH(QByteArray, resources);
    QFETCH(double, ratio);
    QCOMPARE(xscreen::ratioForResources(resources), ratio);
}

void ScreenFitTest::textInputIsAvoidedOnlyWithoutASeat_data()
{
    QTest::addColumn<QByteArrayList>("globals");
    QTest::addColumn<QByteArray>("avoid");
    const QByteArrayList shell{"wl_compositor", "wl_shm", "xdg_wm_base"};
    QTest::newRow("a desktop: its seat takes text input")
        << (shell + QByteArrayList{"wl_seat", "zwp_text_input_manager_v1"}) << QByteArray();
    // weston's headless output: a text input protocol, and no seat.
    QTest::newRow("no seat, text input v1 offered")
        << (shell + QByteArrayList{"zwp_text_input_manager_v1"}) << QByteArray("zwp_text_input_v2");
    QTest::newRow("no seat, text input v2 offered")
        << (shell + QByteArrayList{"zwp_text_input_manager_v2"}) << QByteArray("zwp_text_input_v1");
    QTest::newRow("no seat, nothing offered") << shell << QByteArray("zwp_text_input_v2");
    QTest::newRow("no seat, every protocol offered")
        << (shell
            + QByteArrayList{"zwp_text_input_manager_v1", "zwp_text_input_manager_v2",
                             "zwp_text_input_manager_v3", "qt_text_input_method_manager_v1"})
        << QByteArray();
}

void ScreenFitTest::textInputIsAvoidedOnlyWithoutASeat()
{
    QFETCH(QByteArrayList, globals);
    QFETCH(QByteArray, avoid);
    QCOMPARE(waylandseat::textInputToAvoid(globals), avoid);
}

void ScreenFitTest::noCompositorIsAskedForItsSeatWithoutADisplayOrOverAHandedSocket()
{
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    QVERIFY(!waylandseat::compositorGlobals());
    // The handed socket is the toolkit's; asking over it would take it away.
    qputenv("WAYLAND_DISPLAY", "wayland-kordamir-test");
    qputenv("WAYLAND_SOCKET", "999");
    QVERIFY(!waylandseat::compositorGlobals());
    qunsetenv("WAYLAND_SOCKET");
    // A display that nobody serves.
    QVERIFY(!waylandseat::compositorGlobals());
    if (display.isEmpty())
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", display);
}

void ScreenFitTest::largePictureServesOnlyAScaledScreen_data()
{
    QTest::addColumn<qreal>("deviceRatio");
    QTest::addColumn<QByteArray>("large");     // "@2x"; empty: no such file
    QTest::addColumn<QByteArray>("fourTimes"); // "@4x"; empty: no such file
    QTest::addColumn<QSize>("place");          // invalid: no control size given
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("pictureRatio");

    const QByteArray large = png(QSize(20, 10));
    const QByteArray four = png(QSize(40, 20));
    const QByteArray none;
    QTest::newRow("1:1 screen") << 1.0 << large << four << QSize() << QSize(10, 5) << 1.0;
    QTest::newRow("scaled screen") << 1.6 << large << four << QSize() << QSize(20, 10) << 2.0;
    QTest::newRow("scaled screen, control's pixels")
        << 1.6 << large << none << QSize(10, 5) << QSize(16, 8) << 1.6;
    QTest::newRow("control larger than the file")
        << 1.6 << large << none << QSize(20, 10) << QSize(20, 10) << 2.0;
    QTest::newRow("large one missing") << 1.6 << none << none << QSize() << QSize(10, 5) << 1.0;
    QTest::newRow("large one broken")
        << 2.0 << QByteArray("not a picture") << none << QSize() << QSize(10, 5) << 1.0;
    QTest::newRow("4K screen") << 3.5 << large << four << QSize(10, 5) << QSize(35, 18) << 3.5;
    QTest::newRow("4K screen, only @2x") << 3.5 << large << none << QSize() << QSize(20, 10) << 2.0;
    QTest::newRow("scaled screen, only @4x") << 1.6 << none << four << QSize() << QSize(40, 20) << 4.0;
}

void ScreenFitTest::largePictureServesOnlyAScaledScreen()
{
    QFETCH(qreal, deviceRatio);
    QFETCH(QByteArray, large);
    QFETCH(QByteArray, fourTimes);
    QFETCH(QSize, place);
    QFETCH(QSize, pixels);
    QFETCH(qreal, pictureRatio);

    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("Prd/Sh.res"), png(QSize(10, 5)));
    if (!large.isEmpty())
        test.writeData(QStringLiteral("Prd/Sh@2x.res"), large);
    if (!fourTimes.isEmpty())
        test.writeData(QStringLiteral("Prd/Sh@4x.res"), fourTimes);
    QCOMPARE(pictures::largeName(QStringLiteral("Prd/Sh.res"), 4), QStringLiteral("Prd/Sh@4x.res"));

    const QImage image = largepicture::read(test.platform->data, QStringLiteral("Prd/Sh.res"), deviceRatio,
                                            place);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.devicePixelRatio(), pictureRatio);
    QCOMPARE(image.deviceIndependentSize().toSize(), QSize(10, 5)); // the same place on the screen
}

void ScreenFitTest::oversizedPictureIsKeptScaledUntilItsFileChanges()
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    TestPlatform test(TestPlatform::DataContent::Empty);
    const QString relative = QStringLiteral("PolB/1.res");
    const auto shown = [&] { return largepicture::read(test.platform->data, relative, 1.0, QSize(20, 10)); };
    test.writeData(relative, png(QSize(400, 200), Qt::red));
    QCOMPARE(shown().pixelColor(0, 0), QColor(Qt::red));
    QDirIterator copies(cache.path(), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    QVERIFY(copies.hasNext());
    QCOMPARE(QImage(copies.next()).size(), QSize(20, 10));
    QCOMPARE(shown().pixelColor(0, 0), QColor(Qt::red)); // from the kept copy

    // The same size in bytes, changed later: never the stale copy.
    test.writeData(relative, png(QSize(400, 200), Qt::blue));
    QFile file(test.dataPath(relative));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(shown().pixelColor(0, 0), QColor(Qt::blue));

    // A FIFO where the copy was kept: the picture is decoded anew, with no
    // wait for a writer that never comes.
    QDirIterator kept(cache.path(), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    QStringList copiesKept;
    while (kept.hasNext())
        copiesKept << kept.next();
    QVERIFY(!copiesKept.isEmpty());
    for (const QString& copy : std::as_const(copiesKept)) {
        QVERIFY(QFile::remove(copy));
        QCOMPARE(::mkfifo(QFile::encodeName(copy).constData(), 0600), 0);
    }
    QCOMPARE(shown().pixelColor(0, 0), QColor(Qt::blue));
    qunsetenv("XDG_CACHE_HOME");
}

void ScreenFitTest::textShrinksBeforeItIsElided_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shrunk");
    QTest::addColumn<bool>("elided");

    // A seat's name label is 222 pixels wide, the message line 365.
    QTest::newRow("short name") << QStringLiteral("Аня") << 222 << false << false;
    QTest::newRow("17 widest letters") << QString(17, u'Ж') << 222 << true << false;
    QTest::newRow("long name and its message")
        << QString(17, u'Ш') + QStringLiteral(" ПОБЕДИТЕЛЬ!") << 365 << true << false;
    QTest::newRow("beyond any readable size") << QString(60, u'Ж') << 222 << true << true;
}

void ScreenFitTest::textShrinksBeforeItIsElided()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, shrunk);
    QFETCH(bool, elided);

    // The table's labels are set in 14.25 points.
    EventLabel label;
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(14.25);
    label.setFont(font);
    label.resize(width, 28);
    label.setText(text);
    label.setTextFitting(true);

    const textfit::Fitted shown = label.shownText();
    QCOMPARE(shown.font.pointSizeF() < 14.25, shrunk);
    QVERIFY(shown.font.pointSizeF() >= textfit::readablePoints);
    QCOMPARE(shown.text != text, elided);
    if (elided)
        QVERIFY(shown.text.endsWith(u'…'));
    QVERIFY(QFontMetricsF(shown.font).horizontalAdvance(shown.text) <= width);
    QCOMPARE(label.text(), text); // what the game reads stays whole
}

void ScreenFitTest::f1OpensTheRulesAndEscClosesThem()
{
    TestPlatform test;
    test.defineWindows();
    HelpKey help(*test.navigation);
    LoadableWindow* start = test.platform->windows.show(windownames::start);
    QVERIFY(start);

    sendKey(start, Qt::Key_F1);
    auto* rules = test.platform->windows.find<RulesWindow>(windownames::rules);
    QVERIFY(rules && rules->isVisible());
    QCOMPARE(rules->windowTitle(), QStringLiteral("Правила игры"));

    sendKey(rules, Qt::Key_Escape);
    QVERIFY(!test.platform->windows.find(windownames::rules));
    TestPlatform::flushUnloads();
}

void ScreenFitTest::f1InABoxShowsTheRulesOverIt()
{
    TestPlatform test;
    test.defineWindows();
    HelpKey help(*test.navigation);
    LoadableWindow* start = test.platform->windows.show(windownames::start);
    QVERIFY(start);
    // Opened before the box, the rules would stay behind it, out of reach.
    sendKey(start, Qt::Key_F1);
    QInputDialog box(start);
    box.setLabelText(QStringLiteral("Назовите слово:"));
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    QCOMPARE(QApplication::activeModalWidget(), &box);

    sendKey(box.findChild<QLineEdit*>(), Qt::Key_F1);
    auto* rules = test.platform->windows.find<RulesWindow>(windownames::rules);
    QVERIFY(rules && rules->isVisible());
    QCOMPARE(rules->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), rules);

    sendKey(rules, Qt::Key_Escape);
    QVERIFY(!test.platform->windows.find(windownames::rules));
    TestPlatform::flushUnloads();
    QCOMPARE(QApplication::activeModalWidget(), &box);
}

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
