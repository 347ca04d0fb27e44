// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "platform/EventLabel.h"
#include "platform/Pictures.h"
#include "platform/WindowNames.h"
#include "start/StartWindow.h"
#include "start/StartupCheck.h"

#include <QTest>

namespace {

const QColor paleYellow(0xFF, 0xFF, 0xC0);
const QColor green(0x00, 0xFF, 0x00);

StartWindow* showStart(TestPlatform& test)
{
    test.defineWindows();
    return qobject_cast<StartWindow*>(test.platform->windows.show(windownames::start));
}

// The entry that is highlighted, 0 when none is.
int highlightedEntry(StartWindow* window)
{
    int found = 0;
    for (int number = 1; number <= 4; ++number) {
        if (window->menuEntry(number)->isBackgroundOpaque()) {
            if (found)
                return -1;
            found = number;
        }
    }
    return found;
}

void moveOver(QWidget* widget)
{
    QTest::mouseMove(widget, widget->rect().center());
}

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void checkStopsAtTheFirstMissingFile_data();
    void checkStopsAtTheFirstMissingFile();
    void missingPictureEndsTheProgramWithTheSameBoxForEveryFile_data();
    void missingPictureEndsTheProgramWithTheSameBoxForEveryFile();

    void showsTheMenuOverItsPicture();
    void highlightFollowsTheMouseFromEntryToEntry();
    void pressTurnsTheEntryGreenAndAMoveTurnsItBack();
    void exitEndsTheProgramOnRelease();
    void smallScreenAsksForTheLargerModeThenTheSmaller();
    void backdropAndMenuStates();
};

void StartWindowTest::checkStopsAtTheFirstMissingFile_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("examined");
    QTest::newRow("start picture first") << QStringLiteral("Scr/Nch.res") << 1;
    QTest::newRow("empty box sixth") << QStringLiteral("Prd/ShP.res") << 6;
    QTest::newRow("resting drum 7 after all turning frames") << QStringLiteral("PolB/7.res") << 25;
    QTest::newRow("last file") << QStringLiteral("PolB/12.res") << 30;
    QTest::newRow("nothing missing") << QString() << 30;
}

void StartWindowTest::checkStopsAtTheFirstMissingFile()
{
    QFETCH(QString, missing);
    QFETCH(int, examined);
    QStringList asked;
    const QString found = startupcheck::firstMissing([&](const QString& file) {
        asked << file;
        return file != missing;
    });
    QCOMPARE(found, missing);
    QCOMPARE(asked.size(), examined);
    QCOMPARE(asked, pictures::all().mid(0, examined));
    QCOMPARE(asked.first(), QStringLiteral("Scr/Nch.res"));
    if (examined == 25)
        QCOMPARE(asked.at(18), QStringLiteral("PolB/1.res"));
}

void StartWindowTest::missingPictureEndsTheProgramWithTheSameBoxForEveryFile_data()
{
    QTest::addColumn<QString>("missing");
    for (const QString& file : {QStringLiteral("Scr/Nch.res"), QStringLiteral("Prd/ShD.res"),
                                QStringLiteral("PolV/12.res"), QStringLiteral("PolB/7.res")})
        QTest::newRow(qPrintable(file)) << file;
}

void StartWindowTest::missingPictureEndsTheProgramWithTheSameBoxForEveryFile()
{
    QFETCH(QString, missing);
    TestPlatform test;
    test.removeData(missing);
    bool anyWindowShown = false;
    test.dialogs.whileOpen = [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            anyWindowShown = anyWindowShown || (widget->isVisible() && qobject_cast<StartWindow*>(widget));
    };
    QVERIFY(!showStart(test));
    QVERIFY(test.exit.hasEnded());
    QVERIFY(!anyWindowShown);
    QCOMPARE(test.dialogs.messages.size(), 1);
    const auto& box = test.dialogs.messages.first();
    QCOMPARE(box.title, QStringLiteral("Критическая ошибка"));
    QCOMPARE(box.text, QStringLiteral("Один из файлов программы не найден!\r\n Работа программы будет "
                                      "завершена. \r\nПопробуйте переустановить приложение."));
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    QVERIFY(!box.text.contains(missing));
}

void StartWindowTest::showsTheMenuOverItsPicture()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Кордамир"));
    QVERIFY(window->isVisible());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    QCOMPARE(window->picture()->size(), QSize(800, 600));
    QTRY_VERIFY(!window->picture()->pixmap().isNull());
    const QStringList captions{QStringLiteral("Новая игра"), QStringLiteral("Рекорды"),
                               QStringLiteral("Автор"), QStringLiteral("Выход")};
    for (int number = 1; number <= 4; ++number) {
        EventLabel* entry = window->menuEntry(number);
        QCOMPARE(entry->text(), captions.at(number - 1));
        QCOMPARE(entry->parentWidget(), window->picture());
        QCOMPARE(entry->geometry(), pictures::menuEntry(number));
        QVERIFY(entry->font().italic());
        QCOMPARE(entry->font().pointSize(), 36);
        QVERIFY(!entry->isBackgroundOpaque());
    }
}

void StartWindowTest::highlightFollowsTheMouseFromEntryToEntry()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    moveOver(window->menuEntry(2));
    QCOMPARE(highlightedEntry(window), 2);
    QCOMPARE(window->menuEntry(2)->backgroundColour(), paleYellow);
    moveOver(window->menuEntry(3));
    QCOMPARE(highlightedEntry(window), 3);
    QTest::mouseMove(window->picture(), QPoint(20, 20));
    QCOMPARE(highlightedEntry(window), 0);
    moveOver(window->menuEntry(4));
    QTest::mouseMove(window, QPoint(2, 2));
    QCOMPARE(highlightedEntry(window), 0);
}

void StartWindowTest::pressTurnsTheEntryGreenAndAMoveTurnsItBack()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    EventLabel* about = window->menuEntry(3);
    QTest::mousePress(about, Qt::RightButton, {}, about->rect().center());
    QCOMPARE(highlightedEntry(window), 3);
    QCOMPARE(about->backgroundColour(), green);
    moveOver(about);
    QCOMPARE(about->backgroundColour(), paleYellow);
}

void StartWindowTest::exitEndsTheProgramOnRelease()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    EventLabel* exitEntry = window->menuEntry(4);
    QTest::mousePress(exitEntry, Qt::LeftButton, {}, exitEntry->rect().center());
    QCOMPARE(exitEntry->backgroundColour(), green);
    QVERIFY(!test.exit.hasEnded());
    QTest::mouseRelease(exitEntry, Qt::LeftButton, {}, exitEntry->rect().center());
    QVERIFY(test.exit.hasEnded());
    QVERIFY(test.dialogs.messages.isEmpty());
}

void StartWindowTest::smallScreenAsksForTheLargerModeThenTheSmaller()
{
    // The offscreen screen is 800 x 600: below 1024 x 768.
    TestPlatform test;
    test.display.granted = {{800, 600}};
    QVERIFY(showStart(test));
    QCOMPARE(test.display.requests,
             (QList<DisplayModeRequest>{{1024, 768}, {800, 600}}));
}

void StartWindowTest::backdropAndMenuStates()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    window->enterBackdropState();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isEnabled());
    for (int number = 1; number <= 4; ++number)
        QVERIFY(!window->menuEntry(number)->isVisible());
    window->enterMenuState();
    QVERIFY(window->isEnabled());
    for (int number = 1; number <= 4; ++number)
        QVERIFY(window->menuEntry(number)->isVisible());
}

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
