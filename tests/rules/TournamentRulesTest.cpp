// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TournamentPosition.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "rules/Tournament.h"
#include "rules/WordRound.h"

#include <QTest>

#include <functional>

using Phase = Tournament::Phase;

namespace {

// Everything the tournament offers, each as one call that says whether it was taken.
struct NamedMove {
    const char* name;
    std::function<bool(Tournament&)> play;
};

QList<NamedMove> tournamentMoves()
{
    return {
        {"setUpStage", [](Tournament& t) { return t.setUpStage(); }},
        {"seatPlayer",
         [](Tournament& t) { return t.seatPlayer(2, PlayerKind::Person, QStringLiteral("Оля")); }},
        {"wordWon", [](Tournament& t) { return t.wordWon(1); }},
        {"wordWithoutWinner", [](Tournament& t) { return t.wordWithoutWinner(); }},
    };
}

// The moves that each phase takes; every other one is refused and changes nothing.
QStringList allowedIn(Phase phase)
{
    switch (phase) {
    case Phase::Seating:
        return {"setUpStage", "seatPlayer"};
    case Phase::WordInPlay:
        return {"wordWon", "wordWithoutWinner"};
    case Phase::StageOver:
        return {"setUpStage"};
    case Phase::NotStarted:
    case Phase::Over:
        break;
    }
    return {};
}

} // namespace

class TournamentRulesTest : public QObject {
    Q_OBJECT
private slots:
    void eachPhaseTakesOnlyItsMoves();
    void stagesFollowInOrderToTheChampion();
    void theChampionIsEnteredOnce();
};

// A tournament is walked through every phase by computers; in each, every
// move is tried on a copy of the board: the phase's own moves are taken,
// all others are refused and leave the board as it was.
void TournamentRulesTest::eachPhaseTakesOnlyItsMoves()
{
    SeededRandom random(7);
    SteppedClock clock;
    Tournament tournament;
    QSet<Phase> seen;

    const auto tryEveryMove = [&] {
        const Phase phase = tournament.phase();
        seen.insert(phase);
        for (const NamedMove& move : tournamentMoves()) {
            // The same board in a tournament of its own, so the real one goes on untouched.
            Tournament trial;
            TournamentPosition::board(trial) = tournament.state();
            QCOMPARE(trial.phase(), phase);
            const GameState before = trial.state();
            const bool taken = move.play(trial);
            const bool allowed = allowedIn(phase).contains(QLatin1String(move.name));
            QVERIFY2(taken == allowed, move.name);
            if (!taken)
                QVERIFY2(trial.state() == before, move.name);
        }
    };

    tryEveryMove(); // not started
    tournament.start();
    while (tournament.phase() != Phase::Over) {
        tryEveryMove(); // seating (a new stage) or stage over
        if (tournament.phase() == Phase::StageOver)
            QVERIFY(tournament.setUpStage());
        tryEveryMove(); // seating
        for (int seat = 1; seat <= GameState::seatCount; ++seat) {
            if (!tournament.isFinal() || tournament.isFinalSeatOpen(seat))
                QVERIFY(
                    tournament.seatPlayer(seat, PlayerKind::Computer, QStringLiteral("Комп-%1").arg(seat)));
        }
        WordRound round(tournament, random, clock);
        round.begin(QStringLiteral("ЛОДКА"));
        tryEveryMove(); // word in play
        while (round.phase() != WordRound::Phase::WordOver)
            QVERIFY(clock.runNext());
    }
    tryEveryMove(); // over
    QCOMPARE(seen.size(), 5);
    QVERIFY(!tournament.seatPlayer(0, PlayerKind::Person, QStringLiteral("Оля")));
}

void TournamentRulesTest::stagesFollowInOrderToTheChampion()
{
    Tournament tournament;
    tournament.start();
    QCOMPARE(tournament.phase(), Phase::Seating);
    // Seats outside 1..3 are refused however the stage stands.
    QVERIFY(!tournament.seatPlayer(0, PlayerKind::Person, QStringLiteral("Оля")));
    QVERIFY(!tournament.seatPlayer(GameState::seatCount + 1, PlayerKind::Person, QStringLiteral("Оля")));

    SeededRandom random(3);
    SteppedClock clock;
    for (int stage = 1; stage <= GameState::finalStage; ++stage) {
        QCOMPARE(tournament.stage(), stage);
        tournament.setUpStage();
        for (int seat = 1; seat <= GameState::seatCount; ++seat) {
            if (!tournament.isFinal())
                tournament.seatPlayer(seat, PlayerKind::Person,
                                      QStringLiteral("Игрок %1%2").arg(stage).arg(seat));
        }
        WordRound round(tournament, random, clock);
        round.begin(QStringLiteral("КОТ"));
        QCOMPARE(tournament.phase(), Phase::WordInPlay);
        // Seat 1 says the word at once: the stage is over and cannot be won twice.
        QCOMPARE(round.sayWord(QStringLiteral("кот")).next, WordRound::Next::WordWonBySaying);
        QVERIFY(!tournament.wordWon(2));
        QCOMPARE(tournament.stage(), stage + 1);
    }
    QCOMPARE(tournament.phase(), Phase::Over);
    // Each trio's first seat went on to the final; the final's first seat is the champion.
    const std::optional<Player> champion = tournament.takeChampion();
    QVERIFY(champion);
    QCOMPARE(champion->name, QStringLiteral("Игрок 11"));
    QVERIFY(!tournament.takeChampion());
    tournament.start();
    QCOMPARE(tournament.phase(), Phase::Seating);
    QCOMPARE(tournament.stage(), 1);
}

void TournamentRulesTest::theChampionIsEnteredOnce()
{
    Tournament tournament;
    GameState& board = TournamentPosition::board(tournament);
    QVERIFY(!tournament.enterChampion(nullptr)); // no final decided yet

    RecordsTable table;
    table.RecordName = {QString(), QStringLiteral("Аня"), QStringLiteral("Боря"), QStringLiteral("Вера"),
                        QStringLiteral("Гоша")};
    table.RecordScore = {0, 500, 400, 300, 200};
    board.Champion = Player{PlayerKind::Person, QStringLiteral("Вика"), 450};
    std::optional<Tournament::ChampionEntry> entry = tournament.enterChampion(&table);
    QVERIFY(entry);
    QCOMPARE(entry->row, 2);
    QCOMPARE(entry->champion.score, 450);
    QCOMPARE(table.RecordName.at(2), QStringLiteral("Вика"));
    const RecordsTable entered = table;
    QVERIFY(!tournament.enterChampion(&table)); // the same result never twice
    QCOMPARE(table, entered);

    // A table that could not be read takes nothing; the champion is still handed over, once.
    board.Champion = Player{PlayerKind::Computer, QStringLiteral("Комп-41"), 900};
    entry = tournament.enterChampion(nullptr);
    QVERIFY(entry);
    QCOMPARE(entry->row, 0);
    QCOMPARE(entry->champion.name, QStringLiteral("Комп-41"));
    QCOMPARE(table, entered);
    QVERIFY(!tournament.takeChampion());
}

QTEST_GUILESS_MAIN(TournamentRulesTest)
#include "TournamentRulesTest.moc"
