// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "game/GameWindow.h"
#include "game/TableKeys.h"
#include "platform/Cp1251.h"
#include "platform/EventLabel.h"
#include "platform/WindowNames.h"
#include "rules/Drum.h"
#include "start/StartWindow.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using Action = TableKeys::Action;
Q_DECLARE_METATYPE(TableKeys::Action)

namespace {

int drawFor(int sector)
{
    int draw = 1;
    while (drum::sectorForDraw(draw) != sector)
        ++draw;
    return draw;
}

int pointsSector()
{
    int sector = 1;
    while (drum::sector(sector).effect != drum::Effect::Points)
        ++sector;
    return sector;
}

void sendKey(QWidget* window, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(window, &press);
}

// A game table of one word; seat 1 is a person unless told otherwise.
class Table {
public:
    explicit Table(const QString& word, PlayerKind first = PlayerKind::Person)
    {
        QDir(test.dataPath(QStringLiteral("Baz"))).removeRecursively();
        test.writeData(QStringLiteral("Baz/Тест.dat"),
                       *cp1251::encode(QStringLiteral("1\r\n") + word + "\r\n"));
        test.defineWindows();
        test.state.newGame();
        test.state.setUpStage();
        for (int seat = 1; seat <= 3; ++seat) {
            Player& player = test.state.player(seat, 1);
            player.kind = seat == 1 ? first : PlayerKind::Person;
            player.name = QStringLiteral("Игрок %1").arg(seat);
        }
        window = qobject_cast<GameWindow*>(test.platform->windows.show(windownames::game));
    }

    // Lets the drum, already started, run to the announcement.
    void finishSpin()
    {
        while (window->round().phase() == WordRound::Phase::DrumTurning
               || window->round().phase() == WordRound::Phase::DrumResting)
            test.clock.runNext();
    }

    void spinByKeyTo(int sector)
    {
        test.random.pushDraw(drawFor(sector), 100);
        sendKey(window, Qt::Key_Space, QStringLiteral(" "));
        finishSpin();
    }

    TestPlatform test;
    GameWindow* window = nullptr;
};

// The controls Tab stops at, from the window on until it comes back to the window.
QStringList tabStops(QWidget* window)
{
    QStringList stops;
    window->setFocus();
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused == window)
            break;
        stops << focused->objectName();
    }
    return stops;
}

void tabTo(QWidget* window, QWidget* control)
{
    window->setFocus();
    for (int i = 0; i < 80 && QApplication::focusWidget() != control; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control);
}

} // namespace

class TableKeysTest : public QObject {
    Q_OBJECT
private slots:
    void keyMeansTheControlAtItsPlace_data();
    void keyMeansTheControlAtItsPlace();
    void typedTextBecomesTheLettersAtItsPlaces_data();
    void typedTextBecomesTheLettersAtItsPlaces();
    void lettersActOnlyWhileTheirButtonCouldBeClicked();
    void nothingReactsWhileTheComputerHasTheTurn();
    void numberKeysOpenABoxOnceOrAPlusSectorCell();
    void closedCellsUnderThePlusSectorShowTheirKeys();
    void enterSaysTheWordThenLeadsOn();
    void tabReachesWhatMayBeUsedNowAndSpaceOrEnterPressesIt();
    void startMenuFollowsTheArrowsAndEnter();
};

void TableKeysTest::keyMeansTheControlAtItsPlace_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("meaning"); // the letter, or the number key

    const int none = Qt::NoModifier;
    QTest::newRow("Russian layout") << 0x41E << "о" << none << 44 << true << Action::Letter << "О";
    QTest::newRow("Ё names Е") << 0x401 << "ё" << none << 49 << true << Action::Letter << "Е";
    QTest::newRow("Latin key, X code")
        << int(Qt::Key_J) << "j" << none << 44 << true << Action::Letter << "О";
    QTest::newRow("X code beats the Latin letter")
        << int(Qt::Key_Q) << "'" << none << 24 << true << Action::Letter << "Й";
    QTest::newRow("X code of the key left of 1")
        << int(Qt::Key_QuoteLeft) << "`" << none << 49 << true << Action::Letter << "Е";
    QTest::newRow("Latin key elsewhere")
        << int(Qt::Key_J) << "j" << none << 0 << false << Action::Letter << "О";
    QTest::newRow("Latin .") << int(Qt::Key_Period) << "." << none << 0 << false << Action::Letter << "Ю";
    QTest::newRow("Space") << int(Qt::Key_Space) << " " << none << 65 << true << Action::Spin << "";
    QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << none << 36 << true << Action::SayWord << "";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << int(Qt::KeypadModifier) << 104 << true
                                  << Action::SayWord << "";
    QTest::newRow("right arrow") << int(Qt::Key_Right) << "" << none << 114 << true << Action::NextBox << "";
    QTest::newRow("0 is the tenth") << int(Qt::Key_0) << "0" << none << 19 << true << Action::Number << "10";
    QTest::newRow("minus is the eleventh")
        << int(Qt::Key_Minus) << "-" << none << 20 << true << Action::Number << "11";
    QTest::newRow("Ctrl is the hidden word's")
        << int(Qt::Key_J) << "\n"
        << int(Qt::ControlModifier) << 44 << true << Action::None << "";
    QTest::newRow("F1 is the rules'") << int(Qt::Key_F1) << "" << none << 67 << true << Action::None << "";
}

void TableKeysTest::keyMeansTheControlAtItsPlace()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(int, scanCode);
    QFETCH(bool, x11);
    QFETCH(Action, action);
    QFETCH(QString, meaning);

    const TableKeys::Command command = TableKeys::commandFor(key, text, Qt::KeyboardModifiers(modifiers),
                                                             quint32(scanCode), x11);
    QCOMPARE(command.action, action);
    if (action == Action::Letter)
        QCOMPARE(command.number, letters::number(meaning.at(0)));
    if (action == Action::Number)
        QCOMPARE(command.number, meaning.toInt());
}

void TableKeysTest::typedTextBecomesTheLettersAtItsPlaces_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("meant");
    QTest::newRow("small Latin letters") << "xthtiyz"
                                         << "ЧЕРЕШНЯ";
    QTest::newRow("capitals") << "RJN"
                              << "КОТ";
    QTest::newRow("signs at letters' places") << "[];',.`"
                                              << "ХЪЖЭБЮЕ";
    QTest::newRow("shifted signs") << "{}:\"<>"
                                   << "ХЪЖЭБЮ";
    QTest::newRow("Russian stays Russian") << "кот"
                                           << "кот";
    QTest::newRow("digits and blanks stay") << "a 1"
                                            << "Ф 1";
}

void TableKeysTest::typedTextBecomesTheLettersAtItsPlaces()
{
    QFETCH(QString, typed);
    QFETCH(QString, meant);
    QCOMPARE(TableKeys::russianAtLatinPlaces(typed), meant);
}

void TableKeysTest::lettersActOnlyWhileTheirButtonCouldBeClicked()
{
    Table table(QStringLiteral("КОТ"));
    GameState& state = table.test.state;
    const int o = letters::number(u'О');

    sendKey(table.window, 0x41E, QStringLiteral("о")); // the panel is still off
    QVERIFY(!state.FreeLetters.at(o).isEmpty());

    table.test.random.pushDraw(drawFor(pointsSector()), 100);
    sendKey(table.window, Qt::Key_Space, QStringLiteral(" "));
    QCOMPARE(table.window->round().phase(), WordRound::Phase::DrumTurning);
    sendKey(table.window, 0x41E, QStringLiteral("о")); // the drum turns: the table is away
    QVERIFY(!state.FreeLetters.at(o).isEmpty());
    table.finishSpin();
    QVERIFY(table.window->letterPanel()->isEnabled());

    sendKey(table.window, Qt::Key_J, QStringLiteral("j")); // О at its Latin place
    QVERIFY(state.FreeLetters.at(o).isEmpty());
    QVERIFY(state.ClosedLetters.at(2).isEmpty());
    QVERIFY(!table.window->letterPanel()->isEnabled());
    QCOMPARE(state.CurrentSeat, 1);

    table.spinByKeyTo(pointsSector());
    const int scoreBefore = state.player(1, 1).score;
    sendKey(table.window, 0x41E, QStringLiteral("о")); // named already: its button is gone
    QVERIFY(table.window->letterPanel()->isEnabled());
    QCOMPARE(state.player(1, 1).score, scoreBefore);
}

void TableKeysTest::nothingReactsWhileTheComputerHasTheTurn()
{
    Table table(QStringLiteral("КОТ"), PlayerKind::Computer);
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_1, Qt::Key_Right})
        sendKey(table.window, key);
    QCOMPARE(table.window->round().phase(), WordRound::Phase::AwaitingSpin);
    QVERIFY(table.test.dialogs.prompts.isEmpty());

    table.test.random.pushDraw(drawFor(pointsSector()), 100);
    table.test.clock.runNext(); // the computer spins
    table.finishSpin();         // the computer's letter sector: still nobody's keys
    sendKey(table.window, 0x41E, QStringLiteral("о"));
    QVERIFY(!table.test.state.FreeLetters.at(letters::number(u'О')).isEmpty());
}

void TableKeysTest::numberKeysOpenABoxOnceOrAPlusSectorCell()
{
    Table table(QStringLiteral("ОКОЛО"));
    GameState& state = table.test.state;

    table.spinByKeyTo(drum::plusSector);
    sendKey(table.window, Qt::Key_2, QStringLiteral("2")); // cell 2 holds К
    QVERIFY(state.ClosedLetters.at(2).isEmpty());
    QVERIFY(!state.PlusSectorActive);
    QVERIFY(!table.window->box(1)->isVisible());

    table.spinByKeyTo(pointsSector());
    sendKey(table.window, 0x41E, QStringLiteral("о")); // three more cells: the boxes
    QVERIFY(table.window->box(2)->isVisible());

    const int before = state.player(1, 1).score;
    state.PrizeInFirstBox = false;
    sendKey(table.window, Qt::Key_Right);
    QCOMPARE(table.window->round().phase(), WordRound::Phase::BoxOpened);
    QCOMPARE(state.player(1, 1).score, before + 100);
    sendKey(table.window, Qt::Key_2, QStringLiteral("2")); // open already: paid once
    sendKey(table.window, Qt::Key_Left);
    QCOMPARE(state.player(1, 1).score, before + 100);
}

void TableKeysTest::closedCellsUnderThePlusSectorShowTheirKeys()
{
    Table table(QStringLiteral("ПРОГРАММИСТ"));
    QCOMPARE(table.window->cell(1)->text(), QString());
    table.spinByKeyTo(drum::plusSector);
    QStringList hints;
    for (int i = 1; i <= GameState::maxWordLength; ++i)
        hints << table.window->cell(i)->text();
    QCOMPARE(hints, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "−"}));
    // A reader hears a closed cell, never its hint as a letter.
    QCOMPARE(table.window->cell(11)->accessibleName(), QStringLiteral("клетка 11, закрыта"));

    sendKey(table.window, Qt::Key_Minus, QStringLiteral("-"));
    QCOMPARE(table.window->cell(11)->text(), QStringLiteral("Т"));
    // The hints leave with the plus sector.
    QCOMPARE(table.window->cell(1)->text(), QString());
}

void TableKeysTest::enterSaysTheWordThenLeadsOn()
{
    Table table(QStringLiteral("КОТ"));
    table.test.dialogs.inputs.enqueue(QStringLiteral("кот"));
    sendKey(table.window, Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(table.test.dialogs.prompts.size(), 1);
    QVERIFY(table.test.state.WordFinished);

    sendKey(table.window, Qt::Key_J, QStringLiteral("j")); // a finished word takes no letter
    QVERIFY(table.test.platform->windows.find(windownames::game));
    sendKey(table.window, Qt::Key_Enter, QStringLiteral("\r"));
    QVERIFY(!table.test.platform->windows.find(windownames::game));
    QVERIFY(table.test.platform->windows.find(windownames::setup));
    TestPlatform::flushUnloads();
}

void TableKeysTest::tabReachesWhatMayBeUsedNowAndSpaceOrEnterPressesIt()
{
    Table table(QStringLiteral("ОКОЛО"));
    GameWindow* window = table.window;
    GameState& state = table.test.state;
    QVERIFY(QTest::qWaitForWindowActive(window));

    QCOMPARE(tabStops(window), (QStringList{"sayWordButton1", "spinButton1"}));
    // Space on a control presses that control, not "Кручу барабан" …
    tabTo(window, window->sayButton(1));
    table.test.dialogs.inputs.enqueue(QString()); // Cancel: the turn stays
    QTest::keyClick(window->sayButton(1), Qt::Key_Space);
    QCOMPARE(table.test.dialogs.prompts.size(), 1);
    QCOMPARE(window->round().phase(), WordRound::Phase::AwaitingSpin);

    // … and after a move the window has the keyboard again.
    tabTo(window, window->spinButton(1));
    table.test.random.pushDraw(drawFor(drum::plusSector), 100);
    QTest::keyClick(window->spinButton(1), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window);
    table.finishSpin();

    // Under the plus sector only the closed cells, each with a ring while it has the keyboard.
    QCOMPARE(tabStops(window), (QStringList{"cell1", "cell2", "cell3", "cell4", "cell5"}));
    PressableLabel* cell = window->cell(2);
    const auto ringShown = [cell] {
        const QImage shown = cell->grab().toImage();
        return shown.pixelColor(1, shown.height() / 2) == QColor(0xFF, 0xC4, 0x00);
    };
    QVERIFY(!ringShown());
    tabTo(window, cell);
    QVERIFY(ringShown());
    QTest::keyClick(cell, Qt::Key_Space);
    QVERIFY(state.ClosedLetters.at(2).isEmpty());
    QCOMPARE(QApplication::focusWidget(), window);

    // A letter sector: the free letters; Enter names the one with the ring.
    table.spinByKeyTo(pointsSector());
    const QStringList letterStops = tabStops(window);
    QCOMPARE(letterStops.size(), letters::count - 1); // К is named already
    QVERIFY(letterStops.first().startsWith(QLatin1String("letterButton")));
    tabTo(window, window->letterButton(letters::number(u'Л')));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QVERIFY(state.FreeLetters.at(letters::number(u'Л')).isEmpty());
    QCOMPARE(QApplication::focusWidget(), window);

    // The word over, "go on" is the message line.
    table.test.dialogs.inputs.enqueue(QStringLiteral("около"));
    sendKey(window, Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(state.WordFinished);
    QCOMPARE(tabStops(window), QStringList{"messageLine"});
    tabTo(window, window->messageLine());
    QTest::keyClick(window->messageLine(), Qt::Key_Space);
    QVERIFY(!table.test.platform->windows.find(windownames::game));
    TestPlatform::flushUnloads();
}

void TableKeysTest::startMenuFollowsTheArrowsAndEnter()
{
    TestPlatform test;
    test.defineWindows();
    auto* start = qobject_cast<StartWindow*>(test.platform->windows.show(windownames::start));
    const auto lit = [start] {
        QString numbers;
        for (int number = 1; number <= 4; ++number)
            numbers += start->menuEntry(number)->isBackgroundOpaque() ? QString::number(number) : QString();
        return numbers;
    };
    QCOMPARE(lit(), QStringLiteral("1")); // the keyboard starts on "Новая игра"
    QString seen;
    for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
        sendKey(start, key);
        seen += lit();
    }
    QCOMPARE(seen, QStringLiteral("412321"));
    QVERIFY(!test.platform->windows.find(windownames::setup));
    sendKey(start, Qt::Key_Return); // "Новая игра", as its click
    QVERIFY(test.platform->windows.find(windownames::setup));
    QVERIFY(!start->isEnabled());
}

QTEST_MAIN(TableKeysTest)
#include "TableKeysTest.moc"
