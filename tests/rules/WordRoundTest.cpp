// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/ComputerPlayer.h"
#include "rules/Drum.h"
#include "rules/WordRound.h"
#include "platform/RandomSource.h"
#include "state/GameState.h"

#include <QQueue>
#include <QTest>

#include <limits>

namespace {

// Scripted draws; one nobody scripted (a box offer beside the point) draws 1.
class QueuedRandom final : public RandomSource {
public:
    void pushDraw(int result, int n) { values.enqueue((result - 0.5) / n); }
    double uniform() override { return values.isEmpty() ? 0.0 : values.dequeue(); }
    QQueue<double> values;
};

constexpr int largest = std::numeric_limits<int>::max();
using Next = WordRound::Next;

int drawFor(int sector)
{
    for (int draw = 1; draw <= 100; ++draw) {
        if (drum::sectorForDraw(draw) == sector)
            return draw;
    }
    return 0;
}

// One word on a fresh state: seats "А", "Б", "В" of the given kinds.
struct Round {
    explicit Round(const QString& word, int stage = 1, const QList<PlayerKind>& kinds = {})
    {
        state.newGame();
        state.Stage = stage;
        for (int seat = 1; seat <= 3; ++seat) {
            Player& player = state.player(seat, stage);
            player.kind = kinds.isEmpty() ? PlayerKind::Person : kinds.at(seat - 1);
            player.name = QString(QChar(u'А' + seat - 1));
        }
        round.begin(word);
    }

    WordRound::Outcome spinTo(int sector)
    {
        random.pushDraw(drawFor(sector), 100);
        round.spin();
        while (!round.stepDrum()) {
        }
        return round.announce();
    }
    WordRound::Outcome name(QChar letter) { return round.nameLetter(letters::number(letter)); }
    int& score(int seat) { return state.player(seat, state.Stage).score; }

    GameState state;
    QueuedRandom random;
    WordRound round{state, random};
};

} // namespace

Q_DECLARE_METATYPE(WordRound::Next)

class WordRoundTest : public QObject {
    Q_OBJECT
private slots:
    void sectorDecidesTheTurn_data();
    void sectorDecidesTheTurn();
    void plusPickOpensTheLetterEverywhereWithoutPoints();
    void letterScoresEveryOpenedCell_data();
    void letterScoresEveryOpenedCell();
    void boxesComeOncePerSeatAndWordAndNeverToTheComputer();
    void openedBoxPaysOnceAndHoldsAtTheLargestScore();
    void wordEndMovesTheTournamentOn_data();
    void wordEndMovesTheTournamentOn();
    void computerNeverStopsOnThePlusAndChoosesOnlyFreeLetters();
};

void WordRoundTest::sectorDecidesTheTurn_data()
{
    QTest::addColumn<int>("sector");
    QTest::addColumn<Next>("next");
    QTest::addColumn<int>("seatAfter");
    QTest::addColumn<int>("scoreAfter");
    QTest::newRow("letter") << 9 << Next::LetterWanted << 1 << 350;
    QTest::newRow("pass skips the seat out") << 5 << Next::TurnPassed << 3 << 350;
    QTest::newRow("bankrupt") << drum::bankruptSector << Next::TurnPassed << 3 << 0;
    QTest::newRow("plus") << drum::plusSector << Next::PlusWanted << 1 << 350;
}

void WordRoundTest::sectorDecidesTheTurn()
{
    QFETCH(int, sector);
    QFETCH(Next, next);
    QFETCH(int, seatAfter);
    QFETCH(int, scoreAfter);
    Round r(QStringLiteral("КОРОВА"));
    r.state.SeatInPlay.at(2) = false;
    r.score(1) = 350;
    const WordRound::Outcome outcome = r.spinTo(sector);
    QCOMPARE(outcome.next, next);
    QCOMPARE(outcome.message, drum::sector(sector).caption);
    QCOMPARE(outcome.seat, 1);
    QCOMPARE(outcome.score, scoreAfter);
    QCOMPARE(r.score(1), scoreAfter);
    QCOMPARE(r.state.CurrentSeat, seatAfter);
    QCOMPARE(r.state.PlusSectorActive, next == Next::PlusWanted);
}

void WordRoundTest::plusPickOpensTheLetterEverywhereWithoutPoints()
{
    Round r(QStringLiteral("КОРОВА"));
    QCOMPARE(r.round.openByPlus(2).next, Next::Ignored);  // no plus sector yet
    r.score(1) = 40;
    r.spinTo(drum::plusSector);
    const WordRound::Outcome outcome = r.round.openByPlus(4);
    QCOMPARE(outcome.next, Next::SameSeat);
    QCOMPARE(outcome.message, QStringLiteral("4 буква это - О"));
    QCOMPARE(outcome.openedCells, (QList<int>{2, 4}));
    QCOMPARE(outcome.namedLetter, letters::number(u'О'));
    QCOMPARE(r.score(1), 40);
    QCOMPARE(r.round.openByPlus(1).next, Next::Ignored);  // one pick per plus sector

    r.spinTo(drum::plusSector);
    QCOMPARE(r.round.openByPlus(2).next, Next::Ignored);  // an open cell waits for a closed one
    QCOMPARE(r.round.openByPlus(1).next, Next::BoxesOffered);
}

void WordRoundTest::letterScoresEveryOpenedCell_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("sector");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("after");
    QTest::addColumn<QList<int>>("opened");
    QTest::addColumn<Next>("next");
    QTest::newRow("30 twice") << "КОРОВА" << 7 << 0 << "О" << 60 << QList<int>{2, 4} << Next::SameSeat;
    QTest::newRow("doubling zero stays zero") << "КОРОВА" << 3 << 0 << "К" << 0 << QList<int>{1} << Next::SameSeat;
    // Four cells at once also bring the boxes.
    QTest::newRow("x16 holds at the largest") << "ААААБ" << 12 << 300'000'000 << "А" << largest
                                              << QList<int>{1, 2, 3, 4} << Next::BoxesOffered;
    QTest::newRow("points past the range hold") << "КОРОВА" << 11 << largest - 10 << "Р" << largest
                                                << QList<int>{3} << Next::SameSeat;
    QTest::newRow("missing letter passes") << "КОРОВА" << 2 << 40 << "Ж" << 40 << QList<int>{} << Next::TurnPassed;
    QTest::newRow("last cells win") << "ККК" << 9 << 0 << "К" << 120 << QList<int>{1, 2, 3} << Next::WordWonByLetters;
}

void WordRoundTest::letterScoresEveryOpenedCell()
{
    QFETCH(QString, word);
    QFETCH(int, sector);
    QFETCH(int, before);
    QFETCH(QString, letter);
    QFETCH(int, after);
    QFETCH(QList<int>, opened);
    QFETCH(Next, next);
    Round r(word);
    r.score(1) = before;
    QCOMPARE(r.spinTo(sector).next, Next::LetterWanted);
    const WordRound::Outcome outcome = r.name(letter.at(0));
    QCOMPARE(outcome.next, next);
    QCOMPARE(outcome.openedCells, opened);
    QCOMPARE(outcome.score, after);
    QCOMPARE(r.state.player(1, 1).score, after);  // also once the word is won and the stage moved on
    QVERIFY(r.state.FreeLetters.at(letters::number(letter.at(0))).isEmpty());
    QCOMPARE(r.state.CurrentSeat, next == Next::TurnPassed ? 2 : 1);
}

void WordRoundTest::boxesComeOncePerSeatAndWordAndNeverToTheComputer()
{
    Round r(QStringLiteral("АБВГДЕЖЗИЙК"), 1, {PlayerKind::Person, PlayerKind::Person, PlayerKind::Computer});
    r.state.CellsOpened = {0, 2, 2, 5};
    r.spinTo(2);
    r.random.pushDraw(2, 2);
    const WordRound::Outcome offer = r.name(u'А');
    QCOMPARE(offer.next, Next::BoxesOffered);
    QCOMPARE(offer.message, QStringLiteral("Выбирайте шкатулку!"));
    QVERIFY(!r.state.PrizeInFirstBox);
    r.round.openBox(1);
    r.round.closeBoxes();
    r.spinTo(2);
    QCOMPARE(r.name(u'Б').next, Next::SameSeat);  // 4 cells, offered already

    r.state.CurrentSeat = 2;  // another seat gets its own offer in the same word
    r.spinTo(2);
    r.random.pushDraw(1, 2);
    QCOMPARE(r.name(u'В').next, Next::BoxesOffered);
    r.round.closeBoxes();

    r.state.CurrentSeat = 3;
    r.spinTo(2);
    QCOMPARE(r.name(u'Г').next, Next::SameSeat);
    QVERIFY(!r.state.BoxesOffered.at(3));
}

void WordRoundTest::openedBoxPaysOnceAndHoldsAtTheLargestScore()
{
    Round r(QStringLiteral("КОРОВА"));
    QVERIFY(!r.round.openBox(1).opened);  // nothing offered
    r.random.pushDraw(1, 2);
    r.round.offerBoxes();
    r.score(1) = 250;
    const WordRound::BoxOutcome prize = r.round.openBox(1);
    QVERIFY(prize.opened && prize.prize);
    QCOMPARE(prize.message, QStringLiteral("Наверно вы знали!"));
    QVERIFY(!r.round.openBox(1).opened);
    QVERIFY(!r.round.openBox(2).opened);
    QCOMPARE(r.score(1), 350);
    r.round.closeBoxes();
    QVERIFY(!r.round.openBox(1).opened);

    r.random.pushDraw(1, 2);
    r.round.offerBoxes();
    r.score(1) = largest - 1;
    QCOMPARE(r.round.openBox(2).message, QStringLiteral("Увы эта шкатулка пуста!"));
    QCOMPARE(r.score(1), largest - 1);
    r.round.closeBoxes();
    r.random.pushDraw(2, 2);
    r.round.offerBoxes();
    QVERIFY(r.round.openBox(2).prize);
    QCOMPARE(r.score(1), largest);
}

// How a word ends decides the final's seats, the open seats and the champion.
void WordRoundTest::wordEndMovesTheTournamentOn_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QStringList>("answers");  // by seats 1, 2, 3 in turn; "" ends by letters
    QTest::addColumn<QString>("message");
    QTest::addColumn<Next>("next");
    QTest::newRow("trio 2 by letters") << 2 << QStringList{""} << "А открыл слово!" << Next::WordWonByLetters;
    QTest::newRow("trio 3 by saying, small letters") << 3 << QStringList{"ком"} << "А угадал слово!"
                                                     << Next::WordWonBySaying;
    QTest::newRow("trio 1, all wrong") << 1 << QStringList{"КОТ", "ДОМ ", " КОМ"} << "Нет победителя!"
                                       << Next::NoWinner;
    QTest::newRow("final by saying") << 4 << QStringList{"НОС", "КОМ"} << "Б ПОБЕДИТЕЛЬ!" << Next::WordWonBySaying;
    QTest::newRow("final, all wrong") << 4 << QStringList{"А", "Б", "В"} << "Нет победителя!" << Next::NoWinner;
}

void WordRoundTest::wordEndMovesTheTournamentOn()
{
    QFETCH(int, stage);
    QFETCH(QStringList, answers);
    QFETCH(QString, message);
    QFETCH(Next, next);
    Round r(QStringLiteral("КОМ"), stage);
    if (stage == 4) {
        r.state.TrioWithoutWinner.at(3) = true;
        r.state.player(2, 4).score = 70;
        r.state.player(3, 4).score = 90;
        r.round.begin(QStringLiteral("КОМ"));
        QCOMPARE(r.score(2), 70);
        QCOMPARE(r.score(3), 0);  // an open seat of the final starts anew
    }
    r.score(1) = 30;
    WordRound::Outcome outcome;
    int winner = 1;
    for (const QString& answer : answers) {
        winner = r.state.CurrentSeat;
        if (answer.isEmpty()) {
            for (QChar letter : QStringLiteral("КОМ")) {
                r.spinTo(6);
                outcome = r.name(letter);
            }
        } else {
            outcome = r.round.sayWord(answer);
        }
    }
    QCOMPARE(outcome.next, next);
    QCOMPARE(outcome.message, message);
    QVERIFY(r.state.WordFinished);
    QCOMPARE(r.state.Stage, stage + 1);
    QCOMPARE(r.round.sayWord(QStringLiteral("КОМ")).next, Next::Ignored);
    QCOMPARE(r.state.Stage, stage + 1);

    const bool won = next != Next::NoWinner;
    const Player& winning = r.state.player(winner, stage);
    if (stage < 4) {
        QCOMPARE(r.state.TrioWithoutWinner.at(stage), !won);
        const Player& finalist = r.state.player(stage, 4);
        QCOMPARE(finalist.name, won ? winning.name : QString());
        QCOMPARE(finalist.score, won ? winning.score : 0);
        QCOMPARE(finalist.kind, won ? PlayerKind::Person : PlayerKind::None);
    } else {
        QCOMPARE(r.state.Champion.at(1), won ? winning.name : QString());
        QCOMPARE(r.state.Champion.at(2), won ? QString::number(winning.score) : QString());
    }
}

void WordRoundTest::computerNeverStopsOnThePlusAndChoosesOnlyFreeLetters()
{
    Round r(QStringLiteral("КОРОВА"), 1, {PlayerKind::Computer, PlayerKind::Person, PlayerKind::Person});
    r.random.pushDraw(drawFor(drum::plusSector), 100);
    r.random.pushDraw(drawFor(11), 100);
    QCOMPARE(r.round.spin(), 11);
    QCOMPARE(r.state.SpinStepsLeft, 24 + 11);

    for (int n = 1; n <= letters::count; ++n) {
        if (n != 5 && n != 30)
            r.state.FreeLetters.at(n).clear();
    }
    r.random.pushDraw(1, 32);
    r.random.pushDraw(30, 32);
    QCOMPARE(ComputerPlayer::chooseLetter(r.state, r.random), 30);
    r.state.FreeLetters.at(5).clear();
    r.state.FreeLetters.at(30).clear();
    QCOMPARE(ComputerPlayer::chooseLetter(r.state, r.random), 0);
}

QTEST_GUILESS_MAIN(WordRoundTest)
#include "WordRoundTest.moc"
