// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "about/AboutWindow.h"
#include "about/ClockFace.h"
#include "about/ClockGeometry.h"
#include "platform/EventLabel.h"
#include "platform/Twips.h"
#include "platform/WindowNames.h"
#include "start/StartWindow.h"

#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

using Hand = clockgeometry::Hand;

namespace {

AboutWindow* openAbout(TestPlatform& test)
{
    return qobject_cast<AboutWindow*>(test.platform->windows.show(windownames::about));
}

EventLabel* label(AboutWindow* window, const char* name)
{
    return window->findChild<EventLabel*>(QLatin1String(name));
}

// Pixel of the clock at a point given in twips of the window.
QColor clockPixel(const QImage& clock, QPointF twipsPoint)
{
    const QPointF inClock = twipsPoint / twipsPerPixel - QPointF(40, 100);
    return clock.pixelColor(inClock.toPoint());
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { test_.reset(); }

    void fadesInFiveAtATimeAndStopsAt215();
    void escClosesTheWindowAndTheNextOpeningFadesFromZero_data();
    void escClosesTheWindowAndTheNextOpeningFadesFromZero();
    void otherKeysLeaveTheWindowAsItIs_data();
    void otherKeysLeaveTheWindowAsItIs();
    void showsItsTextsAndColours_data();
    void showsItsTextsAndColours();
    void hasItsFixedOuterSizeCentredOnTheScreen();
    void handsStandAtTwelveAndDotsAreInPlaceBeforeTheFirstTick();
    void showTimeMovesEachHandToItsOwnAngle_data();
    void showTimeMovesEachHandToItsOwnAngle();
    void clockTickShowsTheTimeNow();
    void clockIsPaintedFromItsHandsWithTheHubOnTop();
    void etchedRulesLieOverTheBands();
    void openingLeavesTheStartMenuAsItWas();

private:
    std::unique_ptr<TestPlatform> test_;
};

void AboutWindowTest::init()
{
    test_ = std::make_unique<TestPlatform>();
    test_->defineWindows();
}

void AboutWindowTest::fadesInFiveAtATimeAndStopsAt215()
{
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    QCOMPARE(window->fadeLevel(), 0);
    QCOMPARE(window->windowOpacity(), 0.0);
    QTimer* fade = window->findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(fade);
    QCOMPARE(fade->interval(), 60);
    QVERIFY(fade->isActive());
    for (int step = 1; step <= 43; ++step) {
        window->fadeStep();
        QCOMPARE(window->fadeLevel(), 5 * step);
        QCOMPARE(fade->isActive(), step < 43);
        QVERIFY(qAbs(window->windowOpacity() - 5 * step / 255.0) < 1.0 / 255);
    }
    window->fadeStep();
    QCOMPARE(window->fadeLevel(), 215);
    QVERIFY(window->windowOpacity() < 216 / 255.0);
}

void AboutWindowTest::escClosesTheWindowAndTheNextOpeningFadesFromZero_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("at once") << 0;
    QTest::newRow("during the fade") << 12;
    QTest::newRow("after the fade") << 43;
}

void AboutWindowTest::escClosesTheWindowAndTheNextOpeningFadesFromZero()
{
    QFETCH(int, steps);
    QPointer<AboutWindow> window = openAbout(*test_);
    QVERIFY(window);
    for (int step = 0; step < steps; ++step)
        window->fadeStep();
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!test_->platform->windows.find(windownames::about));
    TestPlatform::flushUnloads();
    QVERIFY(!window);
    QVERIFY(!test_->exit.hasEnded());

    AboutWindow* again = openAbout(*test_);
    QVERIFY(again);
    QCOMPARE(again->fadeLevel(), 0);
    QVERIFY(again->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    again->fadeStep();
    QCOMPARE(again->fadeLevel(), 5);
}

void AboutWindowTest::otherKeysLeaveTheWindowAsItIs_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("Ctrl") << int(Qt::Key_Control);
    QTest::newRow("F4") << int(Qt::Key_F4);
}

void AboutWindowTest::otherKeysLeaveTheWindowAsItIs()
{
    QFETCH(int, key);
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    window->fadeStep();
    QTest::keyClick(window, Qt::Key(key));
    TestPlatform::flushUnloads();
    QCOMPARE(test_->platform->windows.find(windownames::about), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->fadeLevel(), 5);
}

void AboutWindowTest::showsItsTextsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<QColor>("background"); // invalid: transparent
    QTest::addColumn<QRect>("place");
    const QColor band(0x00, 0xC0, 0x00);
    QTest::newRow("header band") << "header" << QString() << QColor(Qt::black) << band
                                 << twipsRect(-120, 240, 5115, 495);
    QTest::newRow("month") << "month"
                           << "Апрель" << QColor(Qt::black) << QColor() << twipsRect(1380, 300, 990, 390);
    QTest::newRow("year") << "year"
                          << "2006" << QColor(Qt::black) << QColor() << twipsRect(2760, 300, 720, 390);
    QTest::newRow("author") << "author"
                            << "Автор: команда Кордамир" << QColor(0xFF, 0x00, 0x00)
                            << QColor(0xC0, 0xFF, 0xC0) << twipsRect(0, 900, 5010, 405);
    QTest::newRow("footer band") << "footer" << QString() << QColor(Qt::black) << band
                                 << twipsRect(-120, 5340, 5115, 735);
    QTest::newRow("feedback") << "feedback"
                              << "С отзывами обращаться: трекер задач проекта" << QColor(0x00, 0x40, 0x00)
                              << QColor() << twipsRect(180, 5340, 2835, 675);
    QTest::newRow("version") << "version"
                             << "v1.00" << QColor(Qt::black) << QColor() << twipsRect(3780, 5580, 585, 345);
    QTest::newRow("time") << "time" << QString() << QColor(Qt::white) << QColor()
                          << twipsRect(1620, 4680, 1845, 375);
}

void AboutWindowTest::showsItsTextsAndColours()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QColor, textColour);
    QFETCH(QColor, background);
    QFETCH(QRect, place);
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    EventLabel* found = label(window, qPrintable(name));
    QVERIFY(found);
    if (name != QLatin1String("time")) // the time comes with the first tick
        QCOMPARE(found->text(), text);
    QCOMPARE(found->textColour(), textColour);
    QCOMPARE(found->isBackgroundOpaque(), background.isValid());
    if (background.isValid())
        QCOMPARE(found->backgroundColour(), background);
    QCOMPARE(found->geometry(), place);
    QVERIFY(found->isVisible());
}

void AboutWindowTest::hasItsFixedOuterSizeCentredOnTheScreen()
{
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    // No frame on this platform: the outer size is the window's own.
    QCOMPARE(window->frameGeometry().size(), twipsSize(5025, 6630));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const QPoint screenCentre = window->screen()->geometry().center();
    QVERIFY((window->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
}

void AboutWindowTest::handsStandAtTwelveAndDotsAreInPlaceBeforeTheFirstTick()
{
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    QTimer* clock = window->findChild<QTimer*>(QStringLiteral("Часы"));
    QVERIFY(clock);
    QCOMPARE(clock->interval(), 100);
    QVERIFY(clock->isActive());
    QCOMPARE(window->handEnd(Hand::Second), QPoint(2520, 2100));
    QCOMPARE(window->handEnd(Hand::Minute), QPoint(2520, 2100));
    QCOMPARE(window->handEnd(Hand::Hour), QPoint(2520, 2640));
    QVERIFY(window->clockFace()->hasTickDots());
    QCOMPARE(window->clockFace()->tickDot(7), QPoint(1979, 4115));
    QCOMPARE(window->clockFace()->tickDot(11), QPoint(1980, 2244));
}

void AboutWindowTest::showTimeMovesEachHandToItsOwnAngle_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QPoint>("minute");
    QTest::addColumn<QPoint>("hour");
    QTest::newRow("15:59:07") << QTime(15, 59, 7) << QPoint(3242, 2377) << clockgeometry::handEnd(354, 1080)
                              << clockgeometry::handEnd(119, 540);
    QTest::newRow("midnight") << QTime(0, 0, 0) << QPoint(2520, 2100) << QPoint(2520, 2100)
                              << QPoint(2520, 2640);
    QTest::newRow("21:15:30") << QTime(21, 15, 30) << QPoint(2520, 4260) << QPoint(3600, 3180)
                              << clockgeometry::handEnd(277, 540);
}

void AboutWindowTest::showTimeMovesEachHandToItsOwnAngle()
{
    QFETCH(QTime, time);
    QFETCH(QPoint, second);
    QFETCH(QPoint, minute);
    QFETCH(QPoint, hour);
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    window->showTime(time);
    QCOMPARE(window->handEnd(Hand::Second), second);
    QCOMPARE(window->handEnd(Hand::Minute), minute);
    QCOMPARE(window->handEnd(Hand::Hour), hour);
    // Whatever the locale's format, hours, minutes and seconds in that order.
    const QString shown = label(window, "time")->text();
    const QString h24 = time.toString(QStringLiteral("HH"));
    const QString h12 = QString::number(time.hour() % 12 == 0 ? 12 : time.hour() % 12);
    const QRegularExpression pattern(
        QStringLiteral("(%1|0?%2)\\D%3\\D%4")
            .arg(h24, h12, time.toString(QStringLiteral("mm")), time.toString(QStringLiteral("ss"))));
    QVERIFY2(pattern.match(shown).hasMatch(), qPrintable(shown));
}

void AboutWindowTest::clockTickShowsTheTimeNow()
{
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    const QTime before = QTime::currentTime();
    window->clockTick();
    const QTime after = QTime::currentTime();
    const QPoint second = window->handEnd(Hand::Second);
    QVERIFY(second == clockgeometry::handEnd(Hand::Second, before)
            || second == clockgeometry::handEnd(Hand::Second, after));
    QVERIFY(!label(window, "time")->text().isEmpty());
}

void AboutWindowTest::clockIsPaintedFromItsHandsWithTheHubOnTop()
{
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    window->showTime(QTime(3, 0, 30)); // hour to the right, second hand down
    const QImage clock = window->clockFace()->grab().toImage();
    const QPointF centre(clockgeometry::centre);
    QCOMPARE(clockPixel(clock, centre), QColor(0x00, 0x00, 0xFF));                   // hub
    QCOMPARE(clockPixel(clock, centre + QPointF(0, 700)), QColor(0xFF, 0x00, 0x00)); // second
    QCOMPARE(clockPixel(clock, centre + QPointF(0, -700)), QColor(Qt::black));       // minute
    QCOMPARE(clockPixel(clock, centre + QPointF(400, 0)), QColor(0x00, 0x00, 0xFF)); // hour
    QCOMPARE(clockPixel(clock, centre + QPointF(-700, 0)), QColor(Qt::white));       // bare dial
    QCOMPARE(clockPixel(clock, QPointF(clockgeometry::tickDot(9))), QColor(Qt::black));
    QCOMPARE(clockPixel(clock, QPointF(700, 1600)), QColor(0x00, 0x00, 0x80)); // square
}

void AboutWindowTest::etchedRulesLieOverTheBands()
{
    AboutWindow* window = openAbout(*test_);
    QVERIFY(window);
    const QImage image = window->grab().toImage();
    const QColor shadow = window->palette().color(QPalette::Dark);
    const QColor highlight = window->palette().color(QPalette::Light);
    for (int top : {240, 720, 5340, 6060}) {
        for (int x : {0, 100, 4900}) {
            QCOMPARE(image.pixelColor(twipsPoint(x, top)).rgb(), shadow.rgb());
            QCOMPARE(image.pixelColor(twipsPoint(x, top + 15)).rgb(), highlight.rgb());
        }
    }
    // Between the rules, the band itself.
    QCOMPARE(image.pixelColor(twipsPoint(100, 480)), QColor(0x00, 0xC0, 0x00));
}

void AboutWindowTest::openingLeavesTheStartMenuAsItWas()
{
    auto* start = qobject_cast<StartWindow*>(test_->platform->windows.show(windownames::start));
    QVERIFY(start);
    EventLabel* author = start->menuEntry(3);
    QTest::mouseClick(author, Qt::LeftButton, {}, author->rect().center());
    AboutWindow* window = test_->platform->windows.find<AboutWindow>(windownames::about);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(start->isVisible());
    QVERIFY(start->isEnabled());
    for (int number = 1; number <= 4; ++number)
        QVERIFY(start->menuEntry(number)->isVisible());
}

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
