// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/WordRound.h"
#include "TournamentPosition.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "rules/ComputerPlayer.h"
#include "rules/Drum.h"
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
using Message = WordRound::Message;
using Kind = WordRound::Message::Kind;

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
        QObject::connect(&round, &WordRound::played,
                         [this](const WordRound::Outcome& outcome) { last = outcome; });
        round.begin(word);
    }

    // A person's spin, run on the clock to its announcement.
    WordRound::Outcome spinTo(int sector)
    {
        random.pushDraw(drawFor(sector), 100);
        if (round.spin().next != Next::DrumSpinning)
            return {};
        while (round.phase() == WordRound::Phase::DrumTurning
               || round.phase() == WordRound::Phase::DrumResting)
            clock.runNext();
        return last;
    }
    // A box offered to seat 1 of a word with letters to spare.
    void offerBoxes(int prizeBox)
    {
        state.BoxesOffered.at(1) = false;
        state.CellsOpened.at(1) = 2;
        spinTo(2);
        random.pushDraw(prizeBox, 2);
        for (int n = 1; n <= letters::count; ++n) {
            if (round.isLetterFree(n) && state.SecretWord.contains(letters::letter(n))) {
                round.nameLetter(n);
                return;
            }
        }
    }
    WordRound::Outcome name(QChar letter) { return round.nameLetter(letters::number(letter)); }
    int& score(int seat) { return state.player(seat, state.Stage).score; }

    Tournament tournament;
    GameState& state = TournamentPosition::board(tournament);
    QueuedRandom random;
    SteppedClock clock;
    WordRound round{tournament, random, clock};
    WordRound::Outcome last;
};

} // namespace

Q_DECLARE_METATYPE(WordRound::Next)
Q_DECLARE_METATYPE(WordRound::Message)

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
    QCOMPARE(r.round.message(), (Message{Kind::Sector, QString(), sector}));
    QCOMPARE(outcome.seat, 1);
    QCOMPARE(outcome.score, scoreAfter);
    QCOMPARE(r.score(1), scoreAfter);
    QCOMPARE(r.state.CurrentSeat, seatAfter);
    QCOMPARE(r.state.PlusSectorActive, next == Next::PlusWanted);
}

void WordRoundTest::plusPickOpensTheLetterEverywhereWithoutPoints()
{
    Round r(QStringLiteral("КОРОВА"));
    QCOMPARE(r.round.openByPlus(2).next, Next::Refused); // no plus sector yet
    r.score(1) = 40;
    r.spinTo(drum::plusSector);
    const WordRound::Outcome outcome = r.round.openByPlus(4);
    QCOMPARE(outcome.next, Next::SameSeat);
    QCOMPARE(r.round.message(), (Message{Kind::PlusCell, QString(), 0, 4, u'О'}));
    QCOMPARE(outcome.openedCells, (QList<int>{2, 4}));
    QCOMPARE(outcome.namedLetter, letters::number(u'О'));
    QCOMPARE(r.score(1), 40);
    QCOMPARE(r.round.openByPlus(1).next, Next::Refused); // one pick per plus sector

    r.spinTo(drum::plusSector);
    QCOMPARE(r.round.openByPlus(2).next, Next::Refused); // an open cell waits for a closed one
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
    QTest::newRow("doubling zero stays zero")
        << "КОРОВА" << 3 << 0 << "К" << 0 << QList<int>{1} << Next::SameSeat;
    // Four cells at once also bring the boxes.
    QTest::newRow("x16 holds at the largest")
        << "ААААБ" << 12 << 300'000'000 << "А" << largest << QList<int>{1, 2, 3, 4} << Next::BoxesOffered;
    QTest::newRow("points past the range hold")
        << "КОРОВА" << 11 << largest - 10 << "Р" << largest << QList<int>{3} << Next::SameSeat;
    QTest::newRow("missing letter passes")
        << "КОРОВА" << 2 << 40 << "Ж" << 40 << QList<int>{} << Next::TurnPassed;
    QTest::newRow("last cells win") << "ККК" << 9 << 0 << "К" << 120 << QList<int>{1, 2, 3}
                                    << Next::WordWonByLetters;
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
    QCOMPARE(r.state.player(1, 1).score, after); // also once the word is won and the stage moved on
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
    QCOMPARE(r.round.message().kind, Kind::ChooseBox);
    QVERIFY(!r.state.PrizeInFirstBox);
    r.round.openBox(1);
    r.clock.runNext();
    r.spinTo(2);
    QCOMPARE(r.name(u'Б').next, Next::SameSeat); // 4 cells, offered already

    r.state.CurrentSeat = 2; // another seat gets its own offer in the same word
    r.spinTo(2);
    r.random.pushDraw(1, 2);
    QCOMPARE(r.name(u'В').next, Next::BoxesOffered);
    r.round.openBox(2);
    r.clock.runNext();

    // The computer plays on its own clock: spin, choose Г, press it.
    Round c(QStringLiteral("АБВГДЕЖЗИЙК"), 1, {PlayerKind::Computer, PlayerKind::Person, PlayerKind::Person});
    c.state.CellsOpened = {0, 5, 0, 0};
    c.random.pushDraw(drawFor(2), 100);
    c.random.pushDraw(letters::number(u'Г'), 32);
    while (c.last.next != Next::SameSeat && c.clock.runNext()) {
    }
    QCOMPARE(c.last.namedLetter, letters::number(u'Г'));
    QVERIFY(!c.state.BoxesOffered.at(1));
    QCOMPARE(c.round.phase(), WordRound::Phase::AwaitingSpin);
}

void WordRoundTest::openedBoxPaysOnceAndHoldsAtTheLargestScore()
{
    Round r(QStringLiteral("АБВГДЕЖЗИЙК"));
    QCOMPARE(r.round.openBox(1).next, Next::Refused); // nothing offered
    r.offerBoxes(1);
    QCOMPARE(r.round.phase(), WordRound::Phase::BoxesOffered);
    r.score(1) = 250;
    const WordRound::Outcome prize = r.round.openBox(1);
    QCOMPARE(prize.next, Next::BoxOpened);
    QVERIFY(prize.prize);
    QCOMPARE(r.round.message().kind, Kind::BoxWithPrize);
    QCOMPARE(r.round.openBox(1).next, Next::Refused);
    QCOMPARE(r.round.openBox(2).next, Next::Refused);
    QCOMPARE(r.score(1), 350);
    QCOMPARE(r.clock.untilNext(), WordRound::Pace::openBoxShown);
    r.clock.runNext();
    QCOMPARE(r.round.phase(), WordRound::Phase::AwaitingSpin);
    QCOMPARE(r.round.openBox(1).next, Next::Refused);

    r.offerBoxes(1);
    r.score(1) = largest - 1;
    r.round.openBox(2);
    QCOMPARE(r.round.message().kind, Kind::EmptyBox);
    QCOMPARE(r.score(1), largest - 1);
    r.clock.runNext();
    r.offerBoxes(2);
    r.score(1) = largest - 1;
    QVERIFY(r.round.openBox(2).prize);
    QCOMPARE(r.score(1), largest);
}

// How a word ends decides the final's seats, the open seats and the champion.
void WordRoundTest::wordEndMovesTheTournamentOn_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<QStringList>("answers"); // by seats 1, 2, 3 in turn; "" ends by letters
    QTest::addColumn<Message>("message");
    QTest::addColumn<Next>("next");
    QTest::newRow("trio 2 by letters")
        << 2 << QStringList{""} << Message{Kind::WordOpened, "А"} << Next::WordWonByLetters;
    QTest::newRow("trio 3 by saying, small letters")
        << 3 << QStringList{"ком"} << Message{Kind::WordGuessed, "А"} << Next::WordWonBySaying;
    QTest::newRow("trio 1, all wrong")
        << 1 << QStringList{"КОТ", "ДОМ ", " КОМ"} << Message{Kind::NoWinner} << Next::NoWinner;
    QTest::newRow("final by saying") << 4 << QStringList{"НОС", "КОМ"} << Message{Kind::Champion, "Б"}
                                     << Next::WordWonBySaying;
    QTest::newRow("final, all wrong")
        << 4 << QStringList{"А", "Б", "В"} << Message{Kind::NoWinner} << Next::NoWinner;
}

void WordRoundTest::wordEndMovesTheTournamentOn()
{
    QFETCH(int, stage);
    QFETCH(QStringList, answers);
    QFETCH(Message, message);
    QFETCH(Next, next);
    Round r(QStringLiteral("КОМ"), stage);
    if (stage == 4) {
        r.state.TrioWithoutWinner.at(3) = true;
        r.state.player(2, 4).score = 70;
        r.state.player(3, 4).score = 90;
        r.round.begin(QStringLiteral("КОМ"));
        QCOMPARE(r.score(2), 70);
        QCOMPARE(r.score(3), 0); // an open seat of the final starts anew
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
    QCOMPARE(r.round.message(), message);
    QVERIFY(r.state.WordFinished);
    QCOMPARE(r.state.Stage, stage + 1);
    QCOMPARE(r.round.sayWord(QStringLiteral("КОМ")).next, Next::Refused);
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
        QCOMPARE(r.state.Champion.has_value(), won);
        if (won) {
            QCOMPARE(r.state.Champion->name, winning.name);
            QCOMPARE(r.state.Champion->score, winning.score);
        }
    }
}

void WordRoundTest::computerNeverStopsOnThePlusAndChoosesOnlyFreeLetters()
{
    Round r(QStringLiteral("КОРОВА"), 1, {PlayerKind::Computer, PlayerKind::Person, PlayerKind::Person});
    r.random.pushDraw(drawFor(drum::plusSector), 100);
    r.random.pushDraw(drawFor(11), 100);
    QCOMPARE(r.round.spin().next, Next::Refused); // a person cannot spin for the computer
    QCOMPARE(r.clock.untilNext(), WordRound::Pace::computerBeforeSpin);
    r.clock.runNext();
    QCOMPARE(r.last.next, Next::DrumSpinning);
    QCOMPARE(r.last.sector, 11);
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
