// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "platform/EventLabel.h"
#include "platform/WindowNames.h"
#include "setup/NameBox.h"
#include "setup/SetupWindow.h"
#include "start/StartWindow.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

const QString emptyNameText = QStringLiteral("Вы заполнили не все поля!");
const QString endGameQuestion = QStringLiteral("Закончить игру?");

WindowRegistry& windows(TestPlatform& test)
{
    return test.platform->windows;
}

// Form2 for the given stage over the start window, as the game window opens it between stages.
SetupWindow* openSetup(TestPlatform& test, int stage)
{
    test.defineWindows();
    // A stage about to be seated: the word before it, if any, put away.
    test.state.setUpStage();
    test.state.Stage = stage;
    test.navigation->newTournament();
    return windows(test).find<SetupWindow>(windownames::setup);
}

SetupWindow* newGameFromTheMenu(TestPlatform& test)
{
    test.defineWindows();
    auto* start = qobject_cast<StartWindow*>(windows(test).show(windownames::start));
    QTest::mouseClick(start->menuEntry(1), Qt::LeftButton);
    return windows(test).find<SetupWindow>(windownames::setup);
}

// One key event per character, carrying the character as typed text (surrogate pairs together).
void type(QWidget* widget, const QString& text)
{
    for (const char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
}

// A press in the box selects the name, so typing replaces it.
void retype(NameBox* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    type(box, text);
}

void choose(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

void pressOk(SetupWindow* window)
{
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
}

QStringList names(SetupWindow* window)
{
    return {window->nameBox(1)->text(), window->nameBox(2)->text(), window->nameBox(3)->text()};
}

void seatPlayers(GameState& state, int stage, const QList<Player>& players)
{
    for (int seat = 1; seat <= 3; ++seat)
        state.player(seat, stage) = players.at(seat - 1);
}

bool inMenuState(TestPlatform& test)
{
    auto* start = windows(test).find<StartWindow>(windownames::start);
    return start && start->isVisible() && start->isEnabled() && start->menuEntry(1)->isVisible();
}

} // namespace

class SetupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void newGameShowsTrioOneOverTheDisabledStartWindow();
    void titleNamesTheStage_data();
    void titleNamesTheStage();
    void nextTrioTakesTheNamesButEverySeatStartsAsAPerson();
    void computerWritesItsNumberAndPersonKeepsTheName_data();
    void computerWritesItsNumberAndPersonKeepsTheName();
    void finalWithEveryTrioWonKeepsTheWinners();
    void finalSeatOfATrioWithoutWinnerMustBeEntered();
    void emptyNameIsRefusedAndNothingStored_data();
    void emptyNameIsRefusedAndNothingStored();
    void blankNamesAreStoredUntrimmed_data();
    void blankNamesAreStoredUntrimmed();
    void typingKeepsToWhatTheRecordsFileHolds_data();
    void typingKeepsToWhatTheRecordsFileHolds();
    void pasteOfWhatTheRecordsFileCannotHoldIsRefused_data();
    void pasteOfWhatTheRecordsFileCannotHoldIsRefused();
    void wholeNameIsSelectedOnFocusAndMouseDown_data();
    void wholeNameIsSelectedOnFocusAndMouseDown();
    void firstFocusGoesToTheFirstEnabledControl_data();
    void firstFocusGoesToTheFirstEnabledControl();
    void tabRunsThroughTheNamesThenOk();
    void enterOnAKindIsOk();
    void escAsksWhateverHasTheFocusAndNoKeepsTheNames_data();
    void escAsksWhateverHasTheFocusAndNoKeepsTheNames();
    void escAnsweredYesReturnsToTheMenu();
    void closingTheWindowAsksLikeEsc_data();
    void closingTheWindowAsksLikeEsc();
    void newGameAfterAnAbandonedTournamentStartsAfresh();
    void okStoresThePlayersAndOpensTheGame();
    void seatControlsAreNamedWithTheirSeat_data();
    void seatControlsAreNamedWithTheirSeat();
};

void SetupWindowTest::newGameShowsTrioOneOverTheDisabledStartWindow()
{
    TestPlatform test;
    SetupWindow* window = newGameFromTheMenu(test);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), QSize(509, 338));
    // Up to the window frame's own margins.
    const QPoint offCentre = window->frameGeometry().center()
                             - QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 8,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    auto* start = windows(test).find<StartWindow>(windownames::start);
    QVERIFY(start->isVisible());
    QVERIFY(!start->isEnabled());
    for (int number = 1; number <= 4; ++number)
        QVERIFY(!start->menuEntry(number)->isVisible());
    QCOMPARE(window->title()->text(), QStringLiteral("1 тройка"));
    QCOMPARE(names(window), (QStringList{"Игрок 1", "Игрок 2", "Игрок 3"}));
    for (int seat = 1; seat <= 3; ++seat)
        QVERIFY(window->personOption(seat)->isChecked());
    QCOMPARE(window->nameBox(1)->selectedText(), QStringLiteral("Игрок 1"));
    for (const char* name :
         {"stageTitle", "seats", "kindFrame1", "nameFrame3", "computerOption3", "nameBox3", "okButton"})
        QVERIFY2(window->findChild<QWidget*>(QString::fromLatin1(name)), name);
}

void SetupWindowTest::titleNamesTheStage_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("title");
    QTest::newRow("trio 2") << 2 << QStringLiteral("2 тройка");
    QTest::newRow("trio 3") << 3 << QStringLiteral("3 тройка");
    QTest::newRow("final") << 4 << QStringLiteral("Финал");
}

void SetupWindowTest::titleNamesTheStage()
{
    QFETCH(int, stage);
    QFETCH(QString, title);
    TestPlatform test;
    SetupWindow* window = openSetup(test, stage);
    QCOMPARE(window->title()->text(), title);
}

void SetupWindowTest::nextTrioTakesTheNamesButEverySeatStartsAsAPerson()
{
    TestPlatform test;
    seatPlayers(test.state, 1,
                {{PlayerKind::Person, "Аня", 150},
                 {PlayerKind::Computer, "Комп-12", 0},
                 {PlayerKind::Person, "Петя", 40}});
    // What the last word of trio 1 left behind.
    test.state.CurrentSeat = 2;
    test.state.DrumSector = 7;
    test.state.SeatInPlay[3] = false;
    test.state.WordFinished = true;
    test.state.SecretWord = QStringLiteral("КОТ");

    SetupWindow* window = openSetup(test, 2);
    QCOMPARE(names(window), (QStringList{"Аня", "Комп-12", "Петя"}));
    QVERIFY(window->personOption(2)->isChecked());
    QCOMPARE(test.state.CurrentSeat, 0);
    QCOMPARE(test.state.DrumSector, 0);
    QVERIFY(test.state.SeatInPlay[3]);
    QVERIFY(!test.state.WordFinished);
    QVERIFY(test.state.SecretWord.isEmpty());

    pressOk(window);
    QCOMPARE(test.state.player(2, 2).kind, PlayerKind::Person);
    QCOMPARE(test.state.player(2, 2).name, QStringLiteral("Комп-12"));
    QCOMPARE(test.state.player(2, 1).kind, PlayerKind::Computer);
    QCOMPARE(test.state.Stage, 2);
}

void SetupWindowTest::computerWritesItsNumberAndPersonKeepsTheName_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("name");
    QTest::newRow("trio 3, seat 3") << 3 << 3 << QStringLiteral("Комп-33");
    QTest::newRow("trio 1, seat 2") << 1 << 2 << QStringLiteral("Комп-12");
    QTest::newRow("open seat 1 of the final") << 4 << 1 << QStringLiteral("Комп-41");
}

void SetupWindowTest::computerWritesItsNumberAndPersonKeepsTheName()
{
    QFETCH(int, stage);
    QFETCH(int, seat);
    QFETCH(QString, name);
    TestPlatform test;
    test.state.TrioWithoutWinner.fill(true);
    SetupWindow* window = openSetup(test, stage);
    choose(window->computerOption(seat));
    QVERIFY(window->computerOption(seat)->isChecked());
    QCOMPARE(window->nameBox(seat)->text(), name);
    choose(window->personOption(seat));
    QVERIFY(window->personOption(seat)->isChecked());
    QCOMPARE(window->nameBox(seat)->text(), name);
}

void SetupWindowTest::finalWithEveryTrioWonKeepsTheWinners()
{
    TestPlatform test;
    const QList<Player> finalists{{PlayerKind::Person, "Аня", 300},
                                  {PlayerKind::Computer, "Робот", 520},
                                  {PlayerKind::Computer, "Комп-33", 90}};
    seatPlayers(test.state, 4, finalists);
    SetupWindow* window = openSetup(test, 4);
    for (int seat = 1; seat <= 3; ++seat) {
        QVERIFY(!window->kindFrame(seat)->isEnabled());
        QVERIFY(!window->nameFrame(seat)->isEnabled());
    }
    QVERIFY(window->personOption(1)->isChecked());
    QVERIFY(window->computerOption(2)->isChecked());
    QVERIFY(window->computerOption(3)->isChecked());
    // Selecting "Комп" wrote Комп-42 first; the finalist's own name is written after it.
    QCOMPARE(names(window), (QStringList{"Аня", "Робот", "Комп-33"}));

    QCOMPARE(window->focusWidget(), window->okButton());
    QTest::keyClick(window->okButton(), Qt::Key_Return);
    QVERIFY(test.dialogs.messages.isEmpty());
    for (int seat = 1; seat <= 3; ++seat) {
        const Player& player = test.state.player(seat, 4);
        QCOMPARE(player.kind, finalists.at(seat - 1).kind);
        QCOMPARE(player.name, finalists.at(seat - 1).name);
        QCOMPARE(player.score, finalists.at(seat - 1).score);
    }
    QVERIFY(windows(test).find(windownames::game));
}

void SetupWindowTest::finalSeatOfATrioWithoutWinnerMustBeEntered()
{
    TestPlatform test;
    seatPlayers(test.state, 4, {{PlayerKind::Person, "Аня", 300}, {}, {PlayerKind::Person, "Петя", 90}});
    test.state.TrioWithoutWinner[2] = true;
    SetupWindow* window = openSetup(test, 4);
    QVERIFY(!window->kindFrame(1)->isEnabled());
    QVERIFY(window->kindFrame(2)->isEnabled());
    QVERIFY(window->nameFrame(2)->isEnabled());
    QVERIFY(!window->nameFrame(3)->isEnabled());
    QVERIFY(window->personOption(2)->isChecked());
    QCOMPARE(names(window), (QStringList{"Аня", "", "Петя"}));

    pressOk(window);
    pressOk(window);
    QCOMPARE(test.dialogs.messages.size(), 2);
    QCOMPARE(test.dialogs.messages.last().text, emptyNameText);
    QCOMPARE(test.state.player(2, 4).kind, PlayerKind::None);
    QVERIFY(window->isVisible());

    type(window->nameBox(2), QStringLiteral("Вася"));
    pressOk(window);
    QCOMPARE(test.dialogs.messages.size(), 2);
    QCOMPARE(test.state.player(2, 4).kind, PlayerKind::Person);
    QCOMPARE(test.state.player(2, 4).name, QStringLiteral("Вася"));
    QCOMPARE(test.state.player(1, 4).name, QStringLiteral("Аня"));
}

void SetupWindowTest::emptyNameIsRefusedAndNothingStored_data()
{
    QTest::addColumn<int>("emptySeat");
    QTest::newRow("seat 1") << 1;
    QTest::newRow("seat 3") << 3;
}

void SetupWindowTest::emptyNameIsRefusedAndNothingStored()
{
    QFETCH(int, emptySeat);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    QTest::mouseClick(window->nameBox(emptySeat), Qt::LeftButton);
    QTest::keyClick(window->nameBox(emptySeat), Qt::Key_Delete);
    QCOMPARE(window->nameBox(emptySeat)->text(), QString());
    pressOk(window);

    QCOMPARE(test.dialogs.messages.size(), 1);
    const auto& box = test.dialogs.messages.first();
    QCOMPARE(box.text, emptyNameText);
    QCOMPARE(box.title, QStringLiteral("Впишите имена игроков"));
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    for (int seat = 1; seat <= 3; ++seat)
        QCOMPARE(test.state.player(seat, 1).kind, PlayerKind::None);
    QCOMPARE(windows(test).find(windownames::setup), window);
    QVERIFY(window->isVisible());
    QVERIFY(!windows(test).find(windownames::game));
}

void SetupWindowTest::blankNamesAreStoredUntrimmed_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("one blank") << QStringLiteral(" ");
    QTest::newRow("blanks around") << QStringLiteral("  Аня ");
}

void SetupWindowTest::blankNamesAreStoredUntrimmed()
{
    QFETCH(QString, name);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    retype(window->nameBox(2), name);
    pressOk(window);
    QVERIFY(test.dialogs.messages.isEmpty());
    QCOMPARE(test.state.player(2, 1).name, name);
}

void SetupWindowTest::typingKeepsToWhatTheRecordsFileHolds_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("18th character") << QStringLiteral("Александра-Мария-Ж")
                                    << QStringLiteral("Александра-Мария-");
    QTest::newRow("letter outside the code page") << QStringLiteral("Jürgen") << QStringLiteral("Jrgen");
    QTest::newRow("ideograph") << QStringLiteral("Ли中") << QStringLiteral("Ли");
    QTest::newRow("emoji") << QStringLiteral("Оля😀") << QStringLiteral("Оля");
    QTest::newRow("signs the code page has") << QStringLiteral("№5 € «Ё»") << QStringLiteral("№5 € «Ё»");
}

void SetupWindowTest::typingKeepsToWhatTheRecordsFileHolds()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    retype(window->nameBox(1), typed);
    QCOMPARE(window->nameBox(1)->text(), name);
}

void SetupWindowTest::pasteOfWhatTheRecordsFileCannotHoldIsRefused_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("name");
    QTest::newRow("ideograph") << QStringLiteral("Ганс中") << QStringLiteral("Игрок 3");
    QTest::newRow("line break") << QStringLiteral("Аня\r\nПетя") << QStringLiteral("Игрок 3");
    QTest::newRow("tab") << QStringLiteral("Аня\tПетя") << QStringLiteral("Игрок 3");
    QTest::newRow("Cyrillic") << QStringLiteral("Соня") << QStringLiteral("Соня");
    QTest::newRow("too long") << QStringLiteral("Константин Петрович") << QStringLiteral("Константин Петров");
}

void SetupWindowTest::pasteOfWhatTheRecordsFileCannotHoldIsRefused()
{
    QFETCH(QString, pasted);
    QFETCH(QString, name);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::mouseClick(window->nameBox(3), Qt::LeftButton);
    QTest::keyClick(window->nameBox(3), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window->nameBox(3)->text(), name);
}

void SetupWindowTest::wholeNameIsSelectedOnFocusAndMouseDown_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("mouse down") << true;
    QTest::newRow("tab") << false;
}

void SetupWindowTest::wholeNameIsSelectedOnFocusAndMouseDown()
{
    QFETCH(bool, byMouse);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    QVERIFY(QTest::qWaitForWindowActive(window));
    NameBox* box = window->nameBox(2);
    if (byMouse) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
    } else {
        QTest::keyClick(window->nameBox(1), Qt::Key_Tab); // the next seat's kind, then its name
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(window->focusWidget(), box);
    QCOMPARE(box->selectedText(), QStringLiteral("Игрок 2"));
    type(box, QStringLiteral("Ян"));
    QCOMPARE(box->text(), QStringLiteral("Ян"));
}

void SetupWindowTest::firstFocusGoesToTheFirstEnabledControl_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QList<bool>>("trioWithoutWinner");
    QTest::addColumn<QString>("focused");
    QTest::newRow("trio") << 1 << QList<bool>{false, false, false} << QStringLiteral("nameBox1");
    QTest::newRow("final, every seat fixed")
        << 4 << QList<bool>{false, false, false} << QStringLiteral("okButton");
    QTest::newRow("final, seat 2 open") << 4 << QList<bool>{false, true, false} << QStringLiteral("nameBox2");
}

void SetupWindowTest::firstFocusGoesToTheFirstEnabledControl()
{
    QFETCH(int, stage);
    QFETCH(QList<bool>, trioWithoutWinner);
    QFETCH(QString, focused);
    TestPlatform test;
    for (int trio = 1; trio <= 3; ++trio)
        test.state.TrioWithoutWinner[trio] = trioWithoutWinner.at(trio - 1);
    SetupWindow* window = openSetup(test, stage);
    QVERIFY(window->focusWidget());
    QCOMPARE(window->focusWidget()->objectName(), focused);
}

void SetupWindowTest::tabRunsThroughTheNamesThenOk()
{
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    QVERIFY(QTest::qWaitForWindowActive(window)); // the kinds of a seat make one stop once focused
    QStringList visited{window->focusWidget()->objectName()};
    for (int step = 0; step < 7; ++step) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        visited << window->focusWidget()->objectName();
    }
    // Seat by seat, each seat's two kinds one stop, and OK last.
    QCOMPARE(visited, (QStringList{"nameBox1", "personOption2", "nameBox2", "personOption3", "nameBox3",
                                   "okButton", "personOption1", "nameBox1"}));
}

void SetupWindowTest::enterOnAKindIsOk()
{
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    window->computerOption(3)->setFocus();
    QTest::keyClick(window->computerOption(3), Qt::Key_Space);
    QVERIFY(window->computerOption(3)->isChecked());
    QTest::keyClick(window->computerOption(3), Qt::Key_Return);
    QVERIFY(!windows(test).find(windownames::setup));
    QVERIFY(windows(test).find(windownames::game));
    QCOMPARE(test.state.player(3, 1).kind, PlayerKind::Computer);
}

void SetupWindowTest::escAsksWhateverHasTheFocusAndNoKeepsTheNames_data()
{
    QTest::addColumn<QString>("focused");
    QTest::newRow("name box") << QStringLiteral("nameBox1");
    QTest::newRow("OK") << QStringLiteral("okButton");
    QTest::newRow("option") << QStringLiteral("computerOption2");
}

void SetupWindowTest::escAsksWhateverHasTheFocusAndNoKeepsTheNames()
{
    QFETCH(QString, focused);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    retype(window->nameBox(1), QStringLiteral("Аня"));
    choose(window->computerOption(3));
    auto* control = window->findChild<QWidget*>(focused);
    control->setFocus();
    test.dialogs.answers.enqueue(Dialogs::Answer::No);
    QTest::keyClick(control, Qt::Key_Escape);

    QCOMPARE(test.dialogs.messages.size(), 1);
    const auto& box = test.dialogs.messages.first();
    QCOMPARE(box.text, endGameQuestion);
    QCOMPARE(box.title, QStringLiteral("Кордамир"));
    QCOMPARE(box.icon, Dialogs::Icon::Question);
    QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(windows(test).find(windownames::setup), window);
    QVERIFY(window->isVisible());
    QCOMPARE(names(window), (QStringList{"Аня", "Игрок 2", "Комп-13"}));
    QVERIFY(window->computerOption(3)->isChecked());
    QVERIFY(!windows(test).find(windownames::start)->isEnabled());
}

void SetupWindowTest::escAnsweredYesReturnsToTheMenu()
{
    TestPlatform test;
    seatPlayers(test.state, 2,
                {{PlayerKind::Person, "Аня", 10},
                 {PlayerKind::Person, "Оля", 20},
                 {PlayerKind::Computer, "Комп-23", 30}});
    SetupWindow* window = openSetup(test, 3);
    QPointer<SetupWindow> alive(window);
    test.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QTest::keyClick(window->nameBox(1), Qt::Key_Escape);

    QVERIFY(!windows(test).find(windownames::setup));
    QVERIFY(inMenuState(test));
    QCOMPARE(test.state.Stage, 3);
    QCOMPARE(test.state.player(3, 2).name, QStringLiteral("Комп-23"));
    TestPlatform::flushUnloads();
    QVERIFY(!alive);
}

void SetupWindowTest::closingTheWindowAsksLikeEsc_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no keeps it open") << false;
    QTest::newRow("yes returns to the menu") << true;
}

void SetupWindowTest::closingTheWindowAsksLikeEsc()
{
    QFETCH(bool, yes);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    test.dialogs.answers.enqueue(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    const bool closed = window->close();
    QCOMPARE(closed, yes);

    QCOMPARE(test.dialogs.messages.size(), 1);
    QCOMPARE(test.dialogs.messages.first().text, endGameQuestion);
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(windows(test).find(windownames::setup) != nullptr, !closed);
    QCOMPARE(inMenuState(test), closed);
    QVERIFY(!test.exit.hasEnded());
}

void SetupWindowTest::newGameAfterAnAbandonedTournamentStartsAfresh()
{
    TestPlatform test;
    SetupWindow* window = newGameFromTheMenu(test);
    retype(window->nameBox(1), QStringLiteral("Аня"));
    pressOk(window);
    for (int stage = 2; stage <= 3; ++stage) {
        // The game window, its trio over, brings up the next one.
        windows(test).unload(windownames::game);
        TestPlatform::flushUnloads();
        window = openSetup(test, stage);
        QCOMPARE(window->nameBox(1)->text(), QStringLiteral("Аня"));
        if (stage == 2)
            pressOk(window);
    }
    test.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QTest::keyClick(window->nameBox(2), Qt::Key_Escape);
    TestPlatform::flushUnloads();
    QVERIFY(inMenuState(test));

    window = newGameFromTheMenu(test);
    QVERIFY(window);
    QCOMPARE(test.state.Stage, 1);
    QCOMPARE(window->title()->text(), QStringLiteral("1 тройка"));
    QCOMPARE(names(window), (QStringList{"Игрок 1", "Игрок 2", "Игрок 3"}));
    QVERIFY(test.state.player(1, 2).name.isEmpty());
}

void SetupWindowTest::okStoresThePlayersAndOpensTheGame()
{
    TestPlatform test;
    SetupWindow* window = newGameFromTheMenu(test);
    retype(window->nameBox(1), QStringLiteral("Аня"));
    choose(window->computerOption(2));
    pressOk(window);

    QVERIFY(test.dialogs.messages.isEmpty());
    QVERIFY(!windows(test).find(windownames::setup));
    QVERIFY(!windows(test).find(windownames::start));
    QVERIFY(windows(test).find(windownames::game));
    const QList<PlayerKind> kinds{PlayerKind::Person, PlayerKind::Computer, PlayerKind::Person};
    const QStringList stored{"Аня", "Комп-12", "Игрок 3"};
    for (int seat = 1; seat <= 3; ++seat) {
        QCOMPARE(test.state.player(seat, 1).kind, kinds.at(seat - 1));
        QCOMPARE(test.state.player(seat, 1).name, stored.at(seat - 1));
    }
}

void SetupWindowTest::seatControlsAreNamedWithTheirSeat_data()
{
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("nameBox");
    QTest::addColumn<QString>("kindFrame");
    QTest::newRow("seat 1") << 1 << QStringLiteral("Имя первого игрока") << QStringLiteral("Первый игрок");
    QTest::newRow("seat 2") << 2 << QStringLiteral("Имя второго игрока") << QStringLiteral("Второй игрок");
    QTest::newRow("seat 3") << 3 << QStringLiteral("Имя третьего игрока") << QStringLiteral("Третий игрок");
}

// All three boxes were "Имя игрока" to a screen reader, and the frames'
// captions, drawn by the frames themselves now, must still name them.
void SetupWindowTest::seatControlsAreNamedWithTheirSeat()
{
    QFETCH(int, seat);
    QFETCH(QString, nameBox);
    QFETCH(QString, kindFrame);
    TestPlatform test;
    SetupWindow* window = openSetup(test, 1);
    QVERIFY(window);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(window->nameBox(seat));
    QCOMPARE(box->role(), QAccessible::EditableText);
    QCOMPARE(box->text(QAccessible::Name), nameBox);
    QCOMPARE(QAccessible::queryAccessibleInterface(window->kindFrame(seat))->text(QAccessible::Name),
             kindFrame);
    QCOMPARE(QAccessible::queryAccessibleInterface(window->nameFrame(seat))->text(QAccessible::Name),
             QStringLiteral("Имя игрока"));
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Кордамир"));
}

QTEST_MAIN(SetupWindowTest)
#include "SetupWindowTest.moc"
