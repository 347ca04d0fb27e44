// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "game/GameWindow.h"
#include "platform/Cp1251.h"
#include "platform/EventLabel.h"
#include "platform/WindowNames.h"
#include "records/RecordsWindow.h"
#include "setup/NameBox.h"
#include "setup/SetupWindow.h"
#include "start/StartWindow.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

// Whole tournaments through the real windows: the start menu, the setup of
// every stage, four words played to their end, and the records table.
class TournamentTest : public QObject {
    Q_OBJECT
private slots:
    void personsPlayATournamentToTheRecords();
    void computersPlayATournamentByThemselves();

private:
    void startNewGame(TestPlatform& test);
    SetupWindow* setup(TestPlatform& test);
    GameWindow* confirmSetup(TestPlatform& test);
    // Plays the word by turns: persons spin and press letters of the word,
    // computers run on their timers. Returns the number of turns taken.
    int playWordToTheEnd(TestPlatform& test, GameWindow* game);
    void goOn(TestPlatform& test, GameWindow* game);
};

void TournamentTest::startNewGame(TestPlatform& test)
{
    test.defineWindows();
    auto* start = qobject_cast<StartWindow*>(test.platform->windows.show(windownames::start));
    QVERIFY(start);
    EventLabel* newGame = start->menuEntry(1);
    QTest::mouseClick(newGame, Qt::LeftButton, {}, newGame->rect().center());
}

SetupWindow* TournamentTest::setup(TestPlatform& test)
{
    auto* window = qobject_cast<SetupWindow*>(test.platform->windows.find(windownames::setup));
    if (window) {
        auto* start = test.platform->windows.find(windownames::start);
        if (!start || start->isEnabled() || !window->isVisible())
            return nullptr;
    }
    return window;
}

GameWindow* TournamentTest::confirmSetup(TestPlatform& test)
{
    SetupWindow* window = setup(test);
    if (!window)
        return nullptr;
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    TestPlatform::flushUnloads();
    return qobject_cast<GameWindow*>(test.platform->windows.find(windownames::game));
}

int TournamentTest::playWordToTheEnd(TestPlatform& test, GameWindow* game)
{
    GameState& state = test.state;
    int actions = 0;
    while (!state.WordFinished && actions < 20000) {
        ++actions;
        const int seat = state.CurrentSeat;
        if (test.clock.isWaiting()) {
            test.clock.runNext();
        } else if (game->box(1)->isVisible()) {
            QTest::mouseClick(game->box(1), Qt::LeftButton);
        } else if (state.PlusSectorActive) {
            for (int i = 1; i <= state.WordLength; ++i) {
                if (!state.ClosedLetters.at(i).isEmpty()) {
                    QTest::mouseClick(game->cell(i), Qt::LeftButton);
                    break;
                }
            }
        } else if (game->letterPanel()->isEnabled()) {
            // A person names the first letter of the word still closed.
            for (int i = 1; i <= state.WordLength; ++i) {
                if (!state.ClosedLetters.at(i).isEmpty()) {
                    QTest::mouseClick(game->letterButton(letters::number(state.ClosedLetters.at(i).at(0))),
                                      Qt::LeftButton);
                    break;
                }
            }
        } else if (game->spinButton(seat)->isVisible()) {
            QTest::mouseClick(game->spinButton(seat), Qt::LeftButton);
        } else {
            qWarning("nothing to do at seat %d", seat);
            return -1;
        }
    }
    return actions;
}

void TournamentTest::goOn(TestPlatform& test, GameWindow* game)
{
    QTest::mouseClick(game->messageLine(), Qt::LeftButton);
    TestPlatform::flushUnloads();
    QVERIFY(!test.platform->windows.find(windownames::game));
}

void TournamentTest::personsPlayATournamentToTheRecords()
{
    TestPlatform test;
    startNewGame(test);
    SetupWindow* form = setup(test);
    QVERIFY(form);
    QCOMPARE(form->title()->text(), QStringLiteral("1 тройка"));
    form->nameBox(1)->setText(QStringLiteral("Аня"));
    form->nameBox(3)->setText(QStringLiteral("Петя"));

    // Trio 1: won letter by letter.
    GameWindow* game = confirmSetup(test);
    QVERIFY(game);
    QVERIFY(!test.platform->windows.find(windownames::start));
    QVERIFY(playWordToTheEnd(test, game) > 0);
    QVERIFY(game->messageLine()->text().endsWith(QStringLiteral(" открыл слово!")));
    const QString trioOneWinner = test.state.player(1, 4).name;
    const int trioOneScore = test.state.player(1, 4).score;
    QVERIFY(!trioOneWinner.isEmpty());
    goOn(test, game);

    // Trio 2: the names carried over; nobody knows the word.
    form = setup(test);
    QVERIFY(form);
    QCOMPARE(form->title()->text(), QStringLiteral("2 тройка"));
    QCOMPARE(form->nameBox(1)->text(), QStringLiteral("Аня"));
    game = confirmSetup(test);
    QVERIFY(game);
    for (int seat = 1; seat <= 3; ++seat) {
        test.dialogs.inputs.enqueue(QStringLiteral("НЕТАКОЕСЛОВО"));
        QTest::mouseClick(game->sayButton(test.state.CurrentSeat), Qt::LeftButton);
    }
    QCOMPARE(game->messageLine()->text(), QStringLiteral("Нет победителя!"));
    goOn(test, game);

    // Trio 3: the word said at once.
    game = confirmSetup(test);
    QVERIFY(game);
    test.dialogs.inputs.enqueue(test.state.SecretWord.toLower());
    QTest::mouseClick(game->sayButton(1), Qt::LeftButton);
    QVERIFY(game->messageLine()->text().endsWith(QStringLiteral(" угадал слово!")));
    QCOMPARE(test.state.Stage, 4);
    goOn(test, game);

    // The final: seat 2 is open and must be filled in.
    form = setup(test);
    QVERIFY(form);
    QCOMPARE(form->title()->text(), QStringLiteral("Финал"));
    QVERIFY(!form->nameFrame(1)->isEnabled());
    QVERIFY(form->nameFrame(2)->isEnabled());
    QCOMPARE(form->nameBox(1)->text(), trioOneWinner);
    QVERIFY(!confirmSetup(test));
    QCOMPARE(test.dialogs.messages.last().text, QStringLiteral("Вы заполнили не все поля!"));
    form->nameBox(2)->setText(QStringLiteral("Гость"));
    game = confirmSetup(test);
    QVERIFY(game);
    QCOMPARE(game->scoreLabel(1)->text(), QString::number(trioOneScore));
    QCOMPARE(game->scoreLabel(2)->text(), QStringLiteral("0"));
    QVERIFY(playWordToTheEnd(test, game) > 0);
    QVERIFY(game->messageLine()->text().endsWith(QStringLiteral(" ПОБЕДИТЕЛЬ!")));
    QCOMPARE(test.state.Stage, 5);
    QVERIFY(test.state.Champion);
    const QString champion = test.state.Champion->name;
    goOn(test, game);

    // The records: the champion entered in the empty table and written down.
    auto* records = qobject_cast<RecordsWindow*>(test.platform->windows.find(windownames::records));
    QVERIFY(records);
    QVERIFY(records->isVisible());
    QVERIFY(!test.state.Champion);
    QFile file(test.dataPath(QStringLiteral("Cfg.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(*cp1251::encode(champion + QStringLiteral("\r\n"))));
    QVERIFY(test.dialogs.messages.size() == 1); // only the empty name of the final
}

void TournamentTest::computersPlayATournamentByThemselves()
{
    TestPlatform test;
    startNewGame(test);
    for (int stage = 1; stage <= 4; ++stage) {
        SetupWindow* form = setup(test);
        QVERIFY2(form, qPrintable(QStringLiteral("no setup for stage %1").arg(stage)));
        for (int seat = 1; seat <= 3; ++seat) {
            if (form->kindFrame(seat)->isEnabled())
                form->computerOption(seat)->click();
        }
        if (stage < 4)
            QCOMPARE(form->nameBox(2)->text(), QStringLiteral("Комп-%1%2").arg(stage).arg(2));
        GameWindow* game = confirmSetup(test);
        QVERIFY(game);
        QVERIFY(playWordToTheEnd(test, game) > 0);
        for (int seat = 1; seat <= 3; ++seat)
            QVERIFY(!test.state.BoxesOffered.at(seat));
        goOn(test, game);
    }
    QCOMPARE(test.state.Stage, 5);
    QVERIFY(test.platform->windows.find(windownames::records));
    QVERIFY(test.dialogs.messages.isEmpty());
    QVERIFY(!test.exit.hasEnded());
}

QTEST_MAIN(TournamentTest)
#include "TournamentTest.moc"
