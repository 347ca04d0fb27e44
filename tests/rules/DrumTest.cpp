// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Drum.h"
#include "platform/RandomSource.h"
#include "rules/Seats.h"
#include "rules/TopicDatabase.h"
#include "state/GameState.h"

#include <QDir>
#include <QQueue>
#include <QTest>

#include <limits>

namespace {

class QueuedRandom final : public RandomSource {
public:
    void pushDraw(int result, int n) { values.enqueue((result - 0.5) / n); }
    double uniform() override { return values.dequeue(); }
    QQueue<double> values;
};

constexpr int largest = std::numeric_limits<int>::max();

} // namespace

class DrumTest : public QObject {
    Q_OBJECT
private slots:
    void drawsMapToSectorsAtEveryBoundary_data();
    void drawsMapToSectorsAtEveryBoundary();
    void sectorSharesAddUpToAHundred();
    void computerDrawsAgainOffThePlusSector();
    void personKeepsThePlusSector();

    void spinAlwaysTurnsAtLeastOnceAndStopsOnTheDrawnSector_data();
    void spinAlwaysTurnsAtLeastOnceAndStopsOnTheDrawnSector();

    void openedCellChangesTheScoreBySector_data();
    void openedCellChangesTheScoreBySector();

    void nextSeatSkipsSeatsOutOfTheWord_data();
    void nextSeatSkipsSeatsOutOfTheWord();

    void everyShippedWordCanBeCompletedWithTheLetterButtons();
};

void DrumTest::drawsMapToSectorsAtEveryBoundary_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("sector");
    const QList<std::pair<int, int>> boundaries{{1, 1},   {2, 2},   {14, 2},  {15, 3},  {20, 3},  {21, 4},
                                                {36, 4},  {37, 5},  {38, 6},  {50, 6},  {51, 7},  {63, 7},
                                                {64, 8},  {65, 9},  {77, 9},  {78, 10}, {81, 10}, {82, 11},
                                                {94, 11}, {95, 12}, {100, 12}};
    for (const auto& [draw, sector] : boundaries)
        QTest::addRow("draw %d", draw) << draw << sector;
}

void DrumTest::drawsMapToSectorsAtEveryBoundary()
{
    QFETCH(int, draw);
    QFETCH(int, sector);
    QCOMPARE(drum::sectorForDraw(draw), sector);
}

void DrumTest::sectorSharesAddUpToAHundred()
{
    std::array<int, 13> shares{};
    for (int draw = 1; draw <= 100; ++draw)
        ++shares.at(drum::sectorForDraw(draw));
    const std::array<int, 13> expected{0, 1, 13, 6, 16, 1, 13, 13, 1, 13, 4, 13, 6};
    QCOMPARE(shares, expected);
    QCOMPARE(drum::sector(8).effect, drum::Effect::Bankrupt);
    QCOMPARE(drum::sector(5).effect, drum::Effect::PassTurn);
    QCOMPARE(drum::sector(11).points, 80);
    QCOMPARE(drum::sector(12).effect, drum::Effect::Double);
}

void DrumTest::computerDrawsAgainOffThePlusSector()
{
    QueuedRandom random;
    random.pushDraw(80, 100); // plus
    random.pushDraw(78, 100); // plus again
    random.pushDraw(90, 100); // 80 points
    QCOMPARE(drum::drawStopSector(random, true), 11);
    QVERIFY(random.values.isEmpty());
}

void DrumTest::personKeepsThePlusSector()
{
    QueuedRandom random;
    random.pushDraw(79, 100);
    QCOMPARE(drum::drawStopSector(random, false), drum::plusSector);
}

void DrumTest::spinAlwaysTurnsAtLeastOnceAndStopsOnTheDrawnSector_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("steps");
    QTest::newRow("first spin of a word to 5") << 0 << 5 << 29;
    QTest::newRow("12 to 1") << 12 << 1 << 13;
    QTest::newRow("1 to 12") << 1 << 12 << 35;
    QTest::newRow("same sector again") << 7 << 7 << 24;
}

void DrumTest::spinAlwaysTurnsAtLeastOnceAndStopsOnTheDrawnSector()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, steps);
    QCOMPARE(drum::stepsToStop(to, from), steps);
    int position = from;
    for (int step = 0; step < steps; ++step)
        position = drum::nextPosition(position);
    QCOMPARE(position, to);
}

void DrumTest::openedCellChangesTheScoreBySector_data()
{
    QTest::addColumn<int>("sector");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("after");
    QTest::newRow("50 points") << 2 << 100 << 150;
    QTest::newRow("doubling") << 3 << 150 << 300;
    QTest::newRow("doubling zero stays zero") << 12 << 0 << 0;
    QTest::newRow("30 points") << 7 << 0 << 30;
    QTest::newRow("80 points") << 11 << 20 << 100;
    QTest::newRow("turn pass sector changes nothing") << 1 << 70 << 70;
    QTest::newRow("plus sector changes nothing") << 10 << 70 << 70;
    QTest::newRow("doubling past the range holds") << 3 << largest / 2 + 1 << largest;
    QTest::newRow("points past the range hold") << 11 << largest - 10 << largest;
    QTest::newRow("the largest score stays") << 12 << largest << largest;
}

void DrumTest::openedCellChangesTheScoreBySector()
{
    QFETCH(int, sector);
    QFETCH(int, score);
    QFETCH(int, after);
    QCOMPARE(drum::scoreAfterOpenedCell(score, sector), after);
}

void DrumTest::nextSeatSkipsSeatsOutOfTheWord_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<bool>>("inPlay");
    QTest::addColumn<int>("next");
    QTest::newRow("1 to 2") << 1 << QList<bool>{true, true, true} << 2;
    QTest::newRow("3 round to 1") << 3 << QList<bool>{true, true, true} << 1;
    QTest::newRow("1 skips 2") << 1 << QList<bool>{true, false, true} << 3;
    QTest::newRow("3 skips 1") << 3 << QList<bool>{false, true, true} << 2;
    QTest::newRow("alone comes back to itself") << 2 << QList<bool>{false, true, false} << 2;
    QTest::newRow("nobody left") << 2 << QList<bool>{false, false, false} << 0;
}

void DrumTest::nextSeatSkipsSeatsOutOfTheWord()
{
    QFETCH(int, current);
    QFETCH(QList<bool>, inPlay);
    QFETCH(int, next);
    const std::array<bool, 4> seats{false, inPlay.at(0), inPlay.at(1), inPlay.at(2)};
    QCOMPARE(nextSeatInPlay(current, seats), next);
}

// The computer's "no letter left" guard can only fire for a word with a
// character that no letter button names; the database never lets one through.
void DrumTest::everyShippedWordCanBeCompletedWithTheLetterButtons()
{
    const QDir topics(QStringLiteral(KORDAMIR_SOURCE_DIR "/data/Baz"));
    int words = 0;
    for (const QString& file : topics.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
        const TopicDatabase::TopicFile topic = TopicDatabase::read(topics.filePath(file));
        QCOMPARE(topic.problem, TopicDatabase::Problem::None);
        for (const QString& word : topic.words) {
            for (const QChar letter : word)
                QVERIFY2(letters::number(letter) > 0, qPrintable(word));
            ++words;
        }
    }
    QVERIFY(words > 0);
    QVERIFY(!TopicDatabase::isValidWord(QStringLiteral("ЁЖИК")));
}

QTEST_GUILESS_MAIN(DrumTest)
#include "DrumTest.moc"
