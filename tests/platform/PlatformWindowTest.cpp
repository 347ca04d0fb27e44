// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeldDecoder.h"
#include "TestPlatform.h"

#include "platform/Dialogs.h"
#include "platform/LoadableWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

// A window that counts its loads and can end the program while loading.
class CountingWindow : public LoadableWindow {
public:
    CountingWindow(int& loads, ProgramExit& exit, bool endWhileLoading)
        : loads_(loads), exit_(exit), endWhileLoading_(endWhileLoading)
    {
    }
    void load() override
    {
        ++loads_;
        if (endWhileLoading_)
            exit_.end();
    }

    int presses = 0;
    std::function<void()> onHide;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void hideEvent(QHideEvent*) override
    {
        if (onHide)
            onHide();
    }

private:
    int& loads_;
    ProgramExit& exit_;
    bool endWhileLoading_;
};

QByteArray encodedImage(const char* format, const QColor& colour)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

class PlatformWindowTest : public QObject {
    Q_OBJECT
private slots:
    void pictureFormatIsReadFromTheContent();
    void eachPictureIsDecodedOnce();
    void backgroundPreloadDecodesEachPictureOnce();
    void pictureShownWhenDecodedReachesOnlyLivingWindows();
    void missingPictureGivesANullPicture();
    void setArrivesWholeAndOnlyToLivingViews();
    void cacheGoesWithoutWaitingForItsDecoders();

    void windowIsCreatedOnShowAndFoundByName();
    void unloadDiscardsTheWindowAndTheNextShowLoadsAnew();
    void unloadedWindowLeavesOnlyAfterTheNextIsPainted();
    void windowWhoseLoadEndsTheProgramIsNeverShown();
    void closingTheLastWindowThroughItsFrameEndsTheProgram();
    void windowBeingLeftOutlivesABoxOpenedByTheNext();
    void boxWhoseOwnerGoesUnderItEndsWithoutAnAnswer();
    void gameWindowIsAWindowAndEveryBoxADialog_data();
    void gameWindowIsAWindowAndEveryBoxADialog();
};

void PlatformWindowTest::pictureFormatIsReadFromTheContent()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("Scr/A.res"), encodedImage("PNG", Qt::red));
    test.writeData(QStringLiteral("Scr/B.res"), encodedImage("BMP", Qt::blue));
    // JPEG is read by a plugin, which the PNG pictures never load.
    test.writeData(QStringLiteral("Scr/C.res"), encodedImage("JPG", Qt::white));
    const QPixmap& png = test.platform->pictures.picture(QStringLiteral("Scr/A.res"));
    const QPixmap& bmp = test.platform->pictures.picture(QStringLiteral("Scr/B.res"));
    const QPixmap& jpeg = test.platform->pictures.picture(QStringLiteral("Scr/C.res"));
    QCOMPARE(png.size(), QSize(4, 3));
    QCOMPARE(png.toImage().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(bmp.toImage().pixelColor(3, 2), QColor(Qt::blue));
    QCOMPARE(jpeg.size(), QSize(4, 3));
    QVERIFY(jpeg.toImage().pixelColor(1, 1).lightness() > 240);
}

void PlatformWindowTest::eachPictureIsDecodedOnce()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("PolV/1.res"), encodedImage("PNG", Qt::green));
    test.writeData(QStringLiteral("PolV/2.res"), encodedImage("PNG", Qt::green));
    PictureCache& cache = test.platform->pictures;
    cache.picture(QStringLiteral("PolV/1.res"));
    cache.picture(QStringLiteral("PolV/2.res"));
    QCOMPARE(cache.decodeCount(), 2);
    test.removeData(QStringLiteral("PolV/1.res")); // from now on only memory serves
    for (int i = 0; i < 10; ++i)
        QVERIFY(!cache.picture(QStringLiteral("PolV/1.res")).isNull());
    QCOMPARE(cache.decodeCount(), 2);
}

void PlatformWindowTest::backgroundPreloadDecodesEachPictureOnce()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    QImage translucent(4, 3, QImage::Format_ARGB32);
    translucent.fill(QColor(255, 0, 0, 255));
    translucent.setPixelColor(1, 1, QColor(0, 0, 255, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    translucent.save(&buffer, "PNG");
    test.writeData(QStringLiteral("Prd/Sh.res"), bytes);
    test.writeData(QStringLiteral("Scr/Osn.res"), encodedImage("PNG", Qt::green));
    PictureCache& cache = test.platform->pictures;
    QCOMPARE(cache.picture(QStringLiteral("Scr/Osn.res")).toImage().pixelColor(0, 0), QColor(Qt::green));

    QImage large(40, 30, QImage::Format_RGB32);
    large.fill(Qt::blue);
    QByteArray largeBytes;
    QBuffer largeBuffer(&largeBytes);
    largeBuffer.open(QIODevice::WriteOnly);
    large.save(&largeBuffer, "PNG");
    test.writeData(QStringLiteral("Scr/Kn.res"), largeBytes);

    // Asked twice, and once for a file that is served already: each file is decoded once,
    // and no larger than its control.
    cache.preloadInBackground({{QStringLiteral("Prd/Sh.res"), QSize()},
                               {QStringLiteral("Scr/Osn.res"), QSize()},
                               {QStringLiteral("Prd/Sh.res"), QSize()},
                               {QStringLiteral("Scr/Kn.res"), QSize(20, 15)},
                               {QStringLiteral("Prd/None.res"), QSize()}});
    QCOMPARE(cache.picture(QStringLiteral("Scr/Kn.res")).size(), QSize(20, 15));
    const QImage box = cache.picture(QStringLiteral("Prd/Sh.res")).toImage();
    QCOMPARE(box.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(box.pixelColor(1, 1).alpha(), 0);
    QVERIFY(cache.picture(QStringLiteral("Prd/None.res")).isNull());
    QVERIFY(!cache.picture(QStringLiteral("Prd/Sh.res")).isNull());
    QCOMPARE(cache.decodeCount(), 4);
}

void PlatformWindowTest::pictureShownWhenDecodedReachesOnlyLivingWindows()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("Scr/Nch.res"), encodedImage("PNG", Qt::green));
    PictureCache& cache = test.platform->pictures;
    QColor shown;
    int calls = 0;
    const auto show = [&](const QPixmap& pixmap) {
        ++calls;
        shown = pixmap.toImage().pixelColor(0, 0);
    };
    QObject window;
    auto gone = std::make_unique<QObject>();
    cache.showWhenDecoded(QStringLiteral("Scr/Nch.res"), QSize(), gone.get(), show);
    // The decoder may or may not be done by now. Either way the second
    // request must not call the first window's show from inside itself:
    // that window is gone before the event loop runs again.
    cache.showWhenDecoded(QStringLiteral("Scr/Nch.res"), QSize(), &window, show);
    gone.reset();
    QTRY_COMPARE(calls, 1);
    QCOMPARE(shown, QColor(Qt::green));

    // Decoded already: handed over at once, without another decode.
    cache.showWhenDecoded(QStringLiteral("Scr/Nch.res"), QSize(), &window, show);
    QCOMPARE(calls, 2);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 2);
    QCOMPARE(cache.decodeCount(), 1);
}

void PlatformWindowTest::setArrivesWholeAndOnlyToLivingViews()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("PolV/1.res"), encodedImage("PNG", Qt::green));
    test.writeData(QStringLiteral("PolV/2.res"), encodedImage("PNG", Qt::blue));
    const QStringList frames{QStringLiteral("PolV/1.res"), QStringLiteral("PolV/2.res")};
    PictureCache& cache = test.platform->pictures;
    HeldDecoder held;
    cache.setDecoder(held.decoder());
    QList<int> shown;
    QObject view;
    auto gone = std::make_unique<QObject>();
    cache.showSetWhenDecoded(frames, QSize(), gone.get(), [&](const PictureSet&) { shown << 0; });
    cache.showSetWhenDecoded(frames, QSize(), &view, [&](const PictureSet& set) { shown << set.count(); });
    QVERIFY(held.waitUntilAsked(1));
    QCoreApplication::processEvents();
    QVERIFY(shown.isEmpty());
    gone.reset();

    held.release();
    cache.deliverAll();
    QCOMPARE(shown, QList<int>{2});
    QCoreApplication::processEvents(); // the decoder's own delivery finds no one left
    QCOMPARE(shown, QList<int>{2});
    // Decoded already: at once, the same set, not decoded again.
    cache.showSetWhenDecoded(frames, QSize(), &view, [&](const PictureSet& set) {
        shown << set.count();
        QCOMPARE(&set, &cache.pictureSet(frames));
    });
    QCOMPARE(shown, (QList<int>{2, 2}));
    QCOMPARE(cache.decodeCount(), 1);
    QVERIFY(!held.timedOut());
}

void PlatformWindowTest::cacheGoesWithoutWaitingForItsDecoders()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    test.writeData(QStringLiteral("Scr/Nch.res"), encodedImage("PNG", Qt::green));
    HeldDecoder held;
    auto cache = std::make_unique<PictureCache>(test.platform->data);
    // A decoder deaf to the request to stop, as one stuck in a slow read is.
    cache->setDecoder(held.decoder(HeldDecoder::OnStop::Ignore));
    int shown = 0;
    QObject window;
    cache->showWhenDecoded(QStringLiteral("Scr/Nch.res"), QSize(), &window, [&](const QPixmap&) { ++shown; });
    QVERIFY(held.waitUntilAsked(1));
    cache.reset();
    QVERIFY2(!held.timedOut(), "the cache waited for its decoder");
    // Let go after the cache: it finishes, and hands its picture to no one.
    held.release();
    QVERIFY(held.waitUntilFinished(1));
    QCoreApplication::processEvents();
    QCOMPARE(shown, 0);
}

void PlatformWindowTest::missingPictureGivesANullPicture()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    QVERIFY(test.platform->pictures.picture(QStringLiteral("Prd/Sh.res")).isNull());
}

void PlatformWindowTest::windowIsCreatedOnShowAndFoundByName()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    int loads = 0;
    WindowRegistry& windows = test.platform->windows;
    windows.define(QStringLiteral("Опрог"),
                   [&] { return std::make_unique<CountingWindow>(loads, test.exit, false); });
    QVERIFY(!windows.find(QStringLiteral("Опрог")));

    LoadableWindow* window = windows.show(QStringLiteral("Опрог"));
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("Опрог"));
    QCOMPARE(windows.find(QStringLiteral("Опрог")), window);
    QCOMPARE(windows.show(QStringLiteral("Опрог")), window);
    QCOMPARE(loads, 1);
    QVERIFY(!windows.show(QStringLiteral("Нет такого")));
}

void PlatformWindowTest::unloadDiscardsTheWindowAndTheNextShowLoadsAnew()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    int loads = 0;
    WindowRegistry& windows = test.platform->windows;
    windows.define(QStringLiteral("Конец"),
                   [&] { return std::make_unique<CountingWindow>(loads, test.exit, false); });
    QPointer<LoadableWindow> first = windows.show(QStringLiteral("Конец"));
    windows.unload(QStringLiteral("Конец"));
    QVERIFY(!windows.find(QStringLiteral("Конец")));
    // With no window shown after it, it goes on the next turn of the event loop.
    QTRY_VERIFY(first.isNull());

    QVERIFY(windows.show(QStringLiteral("Конец")));
    QCOMPARE(loads, 2);
}

void PlatformWindowTest::unloadedWindowLeavesOnlyAfterTheNextIsPainted()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    int loads = 0;
    WindowRegistry& windows = test.platform->windows;
    for (const QString& name : {QStringLiteral("Начало"), QStringLiteral("Игра")})
        windows.define(name, [&] { return std::make_unique<CountingWindow>(loads, test.exit, false); });
    QPointer<CountingWindow> first = static_cast<CountingWindow*>(windows.show(QStringLiteral("Начало")));
    QTRY_VERIFY(first->windowHandle()->isExposed());
    auto* timer = new QTimer(first);
    timer->start(1000);

    windows.unload(QStringLiteral("Начало"));
    LoadableWindow* next = windows.show(QStringLiteral("Игра"));
    bool nextPaintedFirst = false;
    first->onHide = [&] { nextPaintedFirst = next->windowHandle()->isExposed(); };
    QVERIFY(first->isVisible());
    QVERIFY(!timer->isActive());
    // Still on the screen, but no longer the game's: a click goes nowhere.
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(first->presses, 0);

    QTRY_VERIFY(first.isNull());
    QVERIFY(nextPaintedFirst);
    QVERIFY(next->isVisible());
}

void PlatformWindowTest::windowWhoseLoadEndsTheProgramIsNeverShown()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    int loads = 0;
    WindowRegistry& windows = test.platform->windows;
    windows.define(QStringLiteral("Начало"),
                   [&] { return std::make_unique<CountingWindow>(loads, test.exit, true); });
    QVERIFY(!windows.show(QStringLiteral("Начало")));
    QVERIFY(!windows.find(QStringLiteral("Начало")));
    QVERIFY(test.exit.hasEnded());
    QCOMPARE(loads, 1);
    QVERIFY(!windows.show(QStringLiteral("Начало"))); // nothing more after the end
    QCOMPARE(loads, 1);
}

void PlatformWindowTest::closingTheLastWindowThroughItsFrameEndsTheProgram()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    int loads = 0;
    WindowRegistry& windows = test.platform->windows;
    for (const QString& name : {QStringLiteral("Начало"), QStringLiteral("Опрог")})
        windows.define(name, [&] { return std::make_unique<CountingWindow>(loads, test.exit, false); });
    windows.show(QStringLiteral("Начало"));
    windows.show(QStringLiteral("Опрог"))->close();
    QVERIFY(!windows.find(QStringLiteral("Опрог")));
    QVERIFY(!test.exit.hasEnded());
    windows.find(QStringLiteral("Начало"))->close();
    QVERIFY(test.exit.hasEnded());
}

// The real box, not a scripted one: a box asked for by the window that comes
// up while the previous one is on its way out. The box used to take the
// active window, the one being left, as its parent; the hand-over deleted it
// under the open box, and the box with it, twice.
void PlatformWindowTest::windowBeingLeftOutlivesABoxOpenedByTheNext()
{
    TestPlatform test(TestPlatform::DataContent::Empty);
    QtDialogs realBoxes;
    Dialogs& boxes = realBoxes;
    int loads = 0;
    WindowRegistry& windows = test.platform->windows;
    for (const QString& name : {QStringLiteral("Игра"), QStringLiteral("Конец")})
        windows.define(name, [&] { return std::make_unique<CountingWindow>(loads, test.exit, false); });
    QPointer<LoadableWindow> left = windows.show(QStringLiteral("Игра"));
    QTRY_VERIFY(left->windowHandle()->isExposed());
    QApplication::setActiveWindow(left);

    windows.unload(QStringLiteral("Игра"));
    // The box comes up before the next window is painted, as from a load or present step.
    LoadableWindow* next = windows.show(QStringLiteral("Конец"));
    bool leftWhileOpen = true;
    QWidget* boxParent = nullptr;
    QTimer::singleShot(0, [&] {
        // The hand-over falls due while the box is open.
        QTRY_VERIFY(next->windowHandle()->isExposed());
        windows.discardUnloaded();
        QCoreApplication::processEvents();
        leftWhileOpen = left.isNull();
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        boxParent = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(boxes.message(next, QStringLiteral("Не удалось"), Dialogs::Icon::Critical), Dialogs::Answer::Ok);

    QVERIFY(!leftWhileOpen);
    QCOMPARE(boxParent, next);
    QTRY_VERIFY(left.isNull());
    QVERIFY(next->isVisible());
}

void PlatformWindowTest::boxWhoseOwnerGoesUnderItEndsWithoutAnAnswer()
{
    QtDialogs realBoxes;
    Dialogs& boxes = realBoxes;
    auto* owner = new QWidget;
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    QTimer::singleShot(0, [owner] { delete owner; });
    QCOMPARE(boxes.input(owner, QStringLiteral("Назовите слово:")), QString());

    auto* asker = new QWidget;
    asker->show();
    QVERIFY(QTest::qWaitForWindowExposed(asker));
    QTimer::singleShot(0, [asker] { delete asker; });
    QCOMPARE(boxes.message(asker, QStringLiteral("Закончить игру?"), Dialogs::Icon::Question,
                           Dialogs::Buttons::YesNo),
             Dialogs::Answer::No);
}

void PlatformWindowTest::gameWindowIsAWindowAndEveryBoxADialog_data()
{
    QTest::addColumn<int>("box"); // 0: the window itself, 1: question, 2: error, 3: input
    QTest::newRow("window") << 0;
    QTest::newRow("question") << 1;
    QTest::newRow("error") << 2;
    QTest::newRow("input") << 3;
}

// Every window and box used to be a "filler" to a screen reader.
void PlatformWindowTest::gameWindowIsAWindowAndEveryBoxADialog()
{
    QFETCH(int, box);
    LoadableWindow window;
    window.setWindowTitle(QStringLiteral("Кордамир"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (box == 0) {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Кордамир"));
        return;
    }
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(shown);
        role = dialog->role();
        name = dialog->text(QAccessible::Name);
        shown->close();
    });
    QtDialogs realBoxes;
    Dialogs& boxes = realBoxes;
    if (box == 1)
        boxes.message(&window, QStringLiteral("Закончить игру?"), Dialogs::Icon::Question,
                      Dialogs::Buttons::YesNo);
    else if (box == 2)
        boxes.message(&window, QStringLiteral("Ошибка"), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    else
        boxes.input(&window, QStringLiteral("Назовите слово:"), Dialogs::applicationTitle, QString(),
                    nullptr);
    QVERIFY2(role == QAccessible::Dialog || role == QAccessible::AlertMessage,
             qPrintable(QString::number(role)));
    QCOMPARE(name, QStringLiteral("Кордамир"));
}

QTEST_MAIN(PlatformWindowTest)
#include "PlatformWindowTest.moc"
