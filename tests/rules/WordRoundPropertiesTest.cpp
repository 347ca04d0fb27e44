// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "rules/Tournament.h"
#include "rules/WordRound.h"
#include "state/GameState.h"

#include <QTest>

#include <random>

namespace {

using Move = WordRound::Move;
using Next = WordRound::Next;
using Phase = WordRound::Phase;

// Everything a move could change, in one comparable value.
QString snapshot(const GameState& state, const WordRound& round)
{
    QString all;
    QTextStream out(&all);
    out << static_cast<int>(round.phase()) << '|' << state.Stage << '|' << state.CurrentSeat << '|'
        << state.DrumSector << '|' << state.SpinStepsLeft << '|' << state.PlusSectorActive << '|'
        << state.WordFinished << '|' << state.PrizeInFirstBox << '|' << round.computerLetter() << '|'
        << static_cast<int>(round.message().kind) << '|';
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        out << state.SeatInPlay.at(seat) << state.CellsOpened.at(seat) << state.BoxesOffered.at(seat) << ':';
        for (int stage = 1; stage <= GameState::stageCount; ++stage) {
            const Player& player = state.player(seat, stage);
            out << static_cast<int>(player.kind) << player.name << player.score << ',';
        }
    }
    for (int i = 1; i <= GameState::maxWordLength; ++i)
        out << state.ClosedLetters.at(i) << '.';
    for (int n = 1; n <= letters::count; ++n)
        out << state.FreeLetters.at(n);
    return all;
}

// A player who presses anything at any time: every move with any argument,
// legal or not, and now and then lets the clock run.
struct Chaos {
    explicit Chaos(unsigned seed) : engine(seed) {}
    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(engine); }
    std::mt19937 engine;
};

WordRound::Outcome tryMove(WordRound& round, Move move, Chaos& chaos)
{
    switch (move) {
    case Move::Spin:
        return round.spin();
    case Move::SayWord: {
        // Mostly wrong words, sometimes the right one, sometimes nothing.
        static const QStringList answers{QString(), QStringLiteral("КОТ"), QStringLiteral("МОЛОКО"),
                                         QStringLiteral("молоко"), QStringLiteral("Я")};
        return round.sayWord(answers.at(chaos.pick(0, static_cast<int>(answers.size()) - 1)));
    }
    case Move::NameLetter:
        return round.nameLetter(chaos.pick(-1, letters::count + 1));
    case Move::OpenPlusCell:
        return round.openByPlus(chaos.pick(-1, GameState::maxWordLength + 1));
    case Move::OpenBox:
        return round.openBox(chaos.pick(0, 3));
    case Move::GoOn:
        break;
    }
    return {};
}

} // namespace

// The rules as a state machine: whatever is pressed, in whatever phase, a
// move the round does not allow changes nothing, and every word ends.
class WordRoundPropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void refusedMovesChangeNothingAndEveryWordEnds_data();
    void refusedMovesChangeNothingAndEveryWordEnds();
    void wholeTournamentsEndWithAChampionOrNone();
};

void WordRoundPropertiesTest::refusedMovesChangeNothingAndEveryWordEnds_data()
{
    QTest::addColumn<QList<PlayerKind>>("kinds");
    const PlayerKind person = PlayerKind::Person;
    const PlayerKind computer = PlayerKind::Computer;
    QTest::newRow("three persons") << QList<PlayerKind>{person, person, person};
    QTest::newRow("person first") << QList<PlayerKind>{person, computer, computer};
    QTest::newRow("computer first") << QList<PlayerKind>{computer, person, computer};
    QTest::newRow("three computers") << QList<PlayerKind>{computer, computer, computer};
}

void WordRoundPropertiesTest::refusedMovesChangeNothingAndEveryWordEnds()
{
    QFETCH(QList<PlayerKind>, kinds);
    QSet<Phase> phasesSeen;
    for (unsigned seed = 1; seed <= 25; ++seed) {
        Chaos chaos(seed);
        SeededRandom random(seed);
        SteppedClock clock;
        Tournament tournament;
        tournament.start();
        for (int seat = 1; seat <= GameState::seatCount; ++seat)
            tournament.seatPlayer(seat, kinds.at(seat - 1), QStringLiteral("Игрок %1").arg(seat));
        const GameState& state = tournament.state();
        WordRound round(tournament, random, clock);
        round.begin(QStringLiteral("МОЛОКО"));

        int steps = 0;
        while (round.phase() != Phase::WordOver && steps < 20000) {
            ++steps;
            phasesSeen.insert(round.phase());
            if (chaos.pick(0, 3) == 0 && clock.runNext())
                continue;
            const auto move = static_cast<Move>(chaos.pick(0, static_cast<int>(Move::OpenBox)));
            const bool allowed = round.allows(move);
            const QString before = snapshot(state, round);
            const WordRound::Outcome outcome = tryMove(round, move, chaos);
            if (!allowed) {
                QVERIFY2(outcome.next == Next::Refused,
                         qPrintable(QStringLiteral("seed %1: a move not allowed was played").arg(seed)));
                QVERIFY2(snapshot(state, round) == before,
                         qPrintable(QStringLiteral("seed %1: a refused move changed the game").arg(seed)));
            } else if (outcome.next == Next::Refused) {
                // An allowed move with a wrong argument (a named letter, an open cell) is refused whole.
                QCOMPARE(snapshot(state, round), before);
            }
            // While a computer has the turn, no person's move is open.
            if (round.phase() != Phase::WordOver && round.isComputer(round.currentSeat())) {
                for (Move any :
                     {Move::Spin, Move::SayWord, Move::NameLetter, Move::OpenPlusCell, Move::OpenBox})
                    QVERIFY(!round.allows(any));
            }
        }
        QVERIFY2(round.phase() == Phase::WordOver,
                 qPrintable(QStringLiteral("seed %1: the word never ended").arg(seed)));
        QVERIFY(state.WordFinished);
        QVERIFY(round.allows(Move::GoOn));
        QVERIFY(!clock.isWaiting());
        QCOMPARE(state.Stage, 2);
    }
    // The seeds reach the phases that matter for these seats.
    QVERIFY(phasesSeen.contains(Phase::AwaitingSpin));
    QVERIFY(phasesSeen.contains(Phase::AwaitingLetter));
    QVERIFY(phasesSeen.contains(Phase::DrumTurning));
    if (kinds.first() == PlayerKind::Person)
        QVERIFY(phasesSeen.contains(Phase::AwaitingPlusCell));
    if (!kinds.contains(PlayerKind::Computer))
        QVERIFY(phasesSeen.contains(Phase::BoxesOffered));
}

// Any seed: four words played by computers end with the stage past the final
// and a champion exactly when the final had a winner.
void WordRoundPropertiesTest::wholeTournamentsEndWithAChampionOrNone()
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        SteppedClock clock;
        Tournament tournament;
        const GameState& state = tournament.state();
        tournament.start();
        const QStringList words{QStringLiteral("КОТ"), QStringLiteral("ЧЕРЕШНЯ"), QStringLiteral("А"),
                                QStringLiteral("ПРОГРАММИСТ")};
        while (!tournament.isOver()) {
            tournament.setUpStage();
            for (int seat = 1; seat <= GameState::seatCount; ++seat) {
                if (!tournament.isFinal() || tournament.isFinalSeatOpen(seat))
                    tournament.seatPlayer(seat, PlayerKind::Computer, QStringLiteral("Комп-%1").arg(seat));
            }
            WordRound round(tournament, random, clock);
            round.begin(words.at(tournament.stage() - 1));
            while (round.phase() != Phase::WordOver)
                QVERIFY2(clock.runNext(), "computers always have a next step");
        }
        QCOMPARE(state.Stage, GameState::finalStage + 1);
        // Computers never say a word, so someone opens it.
        QVERIFY(state.Champion);
        QVERIFY(state.Champion->score >= 0);
        QVERIFY(tournament.takeChampion());
        QVERIFY(!tournament.takeChampion()); // handed over once
    }
}

QTEST_GUILESS_MAIN(WordRoundPropertiesTest)
#include "WordRoundPropertiesTest.moc"
