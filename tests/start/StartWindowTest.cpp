// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "platform/EventLabel.h"
#include "platform/Pictures.h"
#include "platform/PressableLabel.h"
#include "platform/WindowNames.h"
#include "start/StartWindow.h"
#include "start/StartupCheck.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

namespace {

const QColor paleYellow(0xFF, 0xFF, 0xC0);
const QColor green(0x00, 0xFF, 0x00);

StartWindow* showStart(TestPlatform& test)
{
    test.defineWindows();
    return qobject_cast<StartWindow*>(test.platform->windows.show(windownames::start));
}

// Whether all of the control lies inside its window.
bool shownWhole(StartWindow* window, QWidget* control)
{
    return window->rect().contains(QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
}

// Sizes the window as a tiling window manager does, whatever its minimum.
void tile(StartWindow* window, QSize size)
{
    window->setMinimumSize(0, 0);
    window->resize(size);
    QTRY_COMPARE(window->size(), size);
}

// The entry that is highlighted, 0 when none is.
int highlightedEntry(StartWindow* window)
{
    int found = 0;
    for (int number = 1; number <= StartWindow::entryCount; ++number) {
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

// The entry with the keyboard focus, 0 when none has it.
int focusedEntry(StartWindow* window)
{
    for (int number = 1; number <= StartWindow::entryCount; ++number) {
        if (window->focusWidget() == window->menuEntry(number))
            return number;
    }
    return 0;
}

// A move straight to the widget: through the window system a move can be
// swallowed as no move when an earlier test left the pointer there.
void sendMove(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// A key as the program gets it: at the widget with the focus.
void pressKey(StartWindow* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// What a screen reader does with the entry's press action; the press runs
// from the event loop, after the reader has had its answer.
void pressAccessibly(QWidget* widget)
{
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(entry && entry->actionInterface());
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
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

    void windowIsAFrameNamedByItsTitle();
    void entriesAreButtonsWithAPressAction_data();
    void entriesAreButtonsWithAPressAction();
    void pressActionChoosesTheEntry_data();
    void pressActionChoosesTheEntry();
    void hiddenEntriesCannotBePressed();
    void keyboardHighlightIsTheFocus_data();
    void keyboardHighlightIsTheFocus();
    void mouseHighlightTakesTheFocusAlong();
    void focusFromAssistiveTechnologyHighlights();
    void aWindowTooSmallForTheMenuScrollsToWhatTheKeyboardReaches();
    void theWheelScrollsATooSmallWindowAsFarAsItsControlsGo();
    void enterAtOnceStartsANewGame();
    void backFromTheBackdropTheKeyboardIsOnTheHighlight();
    void enterChoosesTheFocusedEntry();
    void helpHintStandsClearOfTheMenuAndOpensTheRules();
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
        // Only the keyboard's place, the first entry, is highlighted.
        QCOMPARE(entry->isBackgroundOpaque(), number == 1);
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
    QCOMPARE(test.display.requests, (QList<DisplayModeRequest>{{1024, 768}, {800, 600}}));
}

void StartWindowTest::backdropAndMenuStates()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    window->enterBackdropState();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isEnabled());
    for (int number = 1; number <= StartWindow::entryCount; ++number)
        QVERIFY(!window->menuEntry(number)->isVisible());
    QVERIFY(!window->helpHint()->isVisible());
    window->enterMenuState();
    QVERIFY(window->isEnabled());
    for (int number = 1; number <= StartWindow::entryCount; ++number)
        QVERIFY(window->menuEntry(number)->isVisible());
    QVERIFY(window->helpHint()->isVisible());
}

void StartWindowTest::windowIsAFrameNamedByItsTitle()
{
    // Reported as a filler, the window was skipped by screen readers.
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
    QVERIFY(frame);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Кордамир"));
}

void StartWindowTest::entriesAreButtonsWithAPressAction_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("new game") << 1 << QStringLiteral("Новая игра");
    QTest::newRow("records") << 2 << QStringLiteral("Рекорды");
    QTest::newRow("about") << 3 << QStringLiteral("Автор");
    QTest::newRow("exit") << 4 << QStringLiteral("Выход");
}

void StartWindowTest::entriesAreButtonsWithAPressAction()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(window->menuEntry(number));
    QVERIFY(entry);
    QCOMPARE(entry->role(), QAccessible::Button);
    QCOMPARE(entry->text(QAccessible::Name), name);
    QVERIFY(entry->state().focusable);
    QVERIFY(!entry->state().invisible);
    QVERIFY(entry->actionInterface());
    QVERIFY(entry->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // Found from the window down, as a reader walks the tree.
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
    bool reachable = false;
    QList<QAccessibleInterface*> pending{frame};
    while (!pending.isEmpty() && !reachable) {
        QAccessibleInterface* node = pending.takeFirst();
        reachable = node->object() == window->menuEntry(number);
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
    }
    QVERIFY(reachable);
}

void StartWindowTest::pressActionChoosesTheEntry_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("opens"); // window name, empty for the end of the program
    QTest::newRow("new game opens the setup") << 1 << QString(windownames::setup);
    QTest::newRow("records") << 2 << QString(windownames::records);
    QTest::newRow("about") << 3 << QString(windownames::about);
    QTest::newRow("exit ends the program") << 4 << QString();
}

void StartWindowTest::pressActionChoosesTheEntry()
{
    QFETCH(int, number);
    QFETCH(QString, opens);
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    pressAccessibly(window->menuEntry(number));
    if (opens.isEmpty()) {
        QVERIFY(test.exit.hasEnded());
    } else {
        QWidget* opened = test.platform->windows.find(opens);
        QVERIFY(opened && opened->isVisible());
        QVERIFY(!test.exit.hasEnded());
    }
    TestPlatform::flushUnloads();
}

void StartWindowTest::hiddenEntriesCannotBePressed()
{
    // Behind the player setup the menu is gone; a reader must not start a
    // second tournament through it.
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    window->enterBackdropState();
    QAccessibleInterface* exitEntry = QAccessible::queryAccessibleInterface(window->menuEntry(4));
    QVERIFY(exitEntry->state().invisible);
    pressAccessibly(window->menuEntry(4));
    QVERIFY(!test.exit.hasEnded());
}

void StartWindowTest::keyboardHighlightIsTheFocus_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("highlighted");
    const int backtab = Qt::Key_Backtab;
    QTest::newRow("the menu opens on its first entry") << QList<int>{} << 1;
    QTest::newRow("down reaches the second entry") << QList<int>{Qt::Key_Down} << 2;
    QTest::newRow("up wraps round to the last entry") << QList<int>{Qt::Key_Up} << 4;
    QTest::newRow("down twice") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 3;
    QTest::newRow("down wraps round") << QList<int>{Qt::Key_Up, Qt::Key_Down} << 1;
    QTest::newRow("tab moves as down") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab} << 4;
    QTest::newRow("shift tab moves as up") << QList<int>{Qt::Key_Down, backtab} << 1;
}

void StartWindowTest::keyboardHighlightIsTheFocus()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, highlighted);
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    for (int key : keys)
        pressKey(window, key);
    QCOMPARE(highlightedEntry(window), highlighted);
    QCOMPARE(window->menuEntry(highlighted)->backgroundColour(), paleYellow);
    QCOMPARE(focusedEntry(window), highlighted);
}

void StartWindowTest::mouseHighlightTakesTheFocusAlong()
{
    // One highlight, one focus: the keyboard goes on from where the mouse left it.
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    pressKey(window, Qt::Key_Down);
    sendMove(window->menuEntry(3), window->menuEntry(3)->rect().center());
    QCOMPARE(focusedEntry(window), 3);
    pressKey(window, Qt::Key_Down);
    QCOMPARE(highlightedEntry(window), 4);
    sendMove(window->picture(), QPoint(20, 20));
    QCOMPARE(highlightedEntry(window), 0);
    QCOMPARE(focusedEntry(window), 0);
    pressKey(window, Qt::Key_Down);
    QCOMPARE(highlightedEntry(window), 1);
}

void StartWindowTest::focusFromAssistiveTechnologyHighlights()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    QAccessibleInterface* records = QAccessible::queryAccessibleInterface(window->menuEntry(2));
    QVERIFY(records->actionInterface()->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
    records->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(focusedEntry(window), 2);
    // A focus event reaches the entry only in the active window; give it as the toolkit would.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(window->menuEntry(2), &focusIn);
    QCOMPARE(highlightedEntry(window), 2);
    QCOMPARE(window->menuEntry(2)->backgroundColour(), paleYellow);
}

void StartWindowTest::aWindowTooSmallForTheMenuScrollsToWhatTheKeyboardReaches()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    tile(window, QSize(300, 200));
    pressKey(window, Qt::Key_Up);
    QCOMPARE(focusedEntry(window), 4);
    QVERIFY(shownWhole(window, window->menuEntry(4)));
    QVERIFY(!shownWhole(window, window->menuEntry(1)));
    pressKey(window, Qt::Key_Down);
    QCOMPARE(focusedEntry(window), 1);
    QVERIFY(shownWhole(window, window->menuEntry(1)));
    // Made large again, the scene is back in the middle.
    tile(window, QSize(1018, 736));
    QCOMPARE(window->picture()->geometry().center(), window->rect().center());
}

void StartWindowTest::theWheelScrollsATooSmallWindowAsFarAsItsControlsGo()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    tile(window, QSize(300, 200));
    const auto turn = [window](QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(10, 10);
        QWheelEvent wheel(at, window->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &wheel);
        return wheel.isAccepted();
    };
    const QPoint top = window->picture()->pos();
    QVERIFY(!turn(QPoint(0, 120))); // nothing above the top controls
    QVERIFY(turn(QPoint(0, -120)));
    QCOMPARE(window->picture()->pos(), top - QPoint(0, 60));
    QVERIFY(turn(QPoint(0, -120), Qt::ShiftModifier));
    QCOMPARE(window->picture()->pos(), top - QPoint(60, 60));
    for (int notch = 0; notch < 40; ++notch) {
        turn(QPoint(0, -120));
        turn(QPoint(0, -120), Qt::ShiftModifier);
    }
    QVERIFY(!turn(QPoint(0, -120)));
    // The last control, «Выход», and the bottom right corner of the controls are in.
    QVERIFY(shownWhole(window, window->menuEntry(4)));
    const QRect controls = window->picture()->childrenRect().translated(window->picture()->pos());
    QCOMPARE(controls.bottomRight(), window->rect().bottomRight());
}

void StartWindowTest::enterAtOnceStartsANewGame()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    pressKey(window, Qt::Key_Return);
    QWidget* setup = test.platform->windows.find(windownames::setup);
    QVERIFY(setup && setup->isVisible());
    TestPlatform::flushUnloads();
}

void StartWindowTest::backFromTheBackdropTheKeyboardIsOnTheHighlight()
{
    // The entry that was chosen keeps its green, as it always did, and the
    // keyboard goes on from it rather than from nowhere.
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    pressKey(window, Qt::Key_Down);
    emit window->menuEntry(2)->pressed();
    window->enterBackdropState();
    window->enterMenuState();
    QCOMPARE(highlightedEntry(window), 2);
    QCOMPARE(window->menuEntry(2)->backgroundColour(), green);
    QCOMPARE(focusedEntry(window), 2);
}

void StartWindowTest::enterChoosesTheFocusedEntry()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    pressKey(window, Qt::Key_Up);
    QVERIFY(!test.exit.hasEnded());
    pressKey(window, Qt::Key_Return);
    QVERIFY(test.exit.hasEnded());
}

void StartWindowTest::helpHintStandsClearOfTheMenuAndOpensTheRules()
{
    TestPlatform test;
    StartWindow* window = showStart(test);
    QVERIFY(window);
    PressableLabel* hint = window->helpHint();
    QCOMPARE(hint->text(), QStringLiteral("F1 — правила"));
    QCOMPARE(hint->parentWidget(), window->picture());
    QVERIFY(window->picture()->rect().contains(hint->geometry()));
    for (int number = 1; number <= StartWindow::entryCount; ++number)
        QVERIFY(!hint->geometry().intersects(window->menuEntry(number)->geometry()));
    // Not a menu entry: the arrows never stop on it.
    for (int step = 0; step < StartWindow::entryCount + 1; ++step) {
        pressKey(window, Qt::Key_Down);
        QVERIFY(window->focusWidget() != hint);
    }
    QTest::mouseClick(hint, Qt::LeftButton, {}, hint->rect().center());
    QWidget* rules = test.platform->windows.find(windownames::rules);
    QVERIFY(rules && rules->isVisible());
    TestPlatform::flushUnloads();
}

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
