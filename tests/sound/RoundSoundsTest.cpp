// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/RoundSounds.h"
#include "rules/Drum.h"

#include <QTest>

using Next = WordRound::Next;
using Kind = WordRound::Message::Kind;

Q_DECLARE_METATYPE(WordRound::Outcome)
Q_DECLARE_METATYPE(WordRound::Message)

namespace {

WordRound::Outcome outcome(Next next, QList<int> cells = {}, int letter = 0)
{
    WordRound::Outcome made;
    made.next = next;
    made.seat = 1;
    made.openedCells = std::move(cells);
    made.namedLetter = letter;
    return made;
}

WordRound::Outcome announced(Next next, int sector)
{
    WordRound::Outcome made = outcome(next);
    made.announced = true;
    made.sector = sector;
    return made;
}

} // namespace

// What the hall hears is decided from the rules' outcomes alone, so a word's
// sounds can be listed without a window.
class RoundSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void everyOutcomeSoundsAsItShould_data();
    void everyOutcomeSoundsAsItShould();
    void theDrumClacksEveryFrameAndKnocksOnceAtRest();
    void chimesRingOneAfterAnotherAndTheEndAfterThem();
};

void RoundSoundsTest::everyOutcomeSoundsAsItShould_data()
{
    QTest::addColumn<WordRound::Outcome>("played");
    QTest::addColumn<WordRound::Message>("message");
    QTest::addColumn<QList<Sound>>("heard");
    const WordRound::Message none;
    QTest::newRow("the spin starts: only the drum's frames sound")
        << outcome(Next::DrumSpinning) << none << QList<Sound>{};
    QTest::newRow("points") << announced(Next::LetterWanted, 2) << none << QList<Sound>{Sound::SectorPoints};
    QTest::newRow("double") << announced(Next::LetterWanted, 3) << none << QList<Sound>{Sound::SectorDouble};
    QTest::newRow("pass") << announced(Next::TurnPassed, 1) << none << QList<Sound>{Sound::SectorPassTurn};
    QTest::newRow("bankrupt") << announced(Next::TurnPassed, drum::bankruptSector) << none
                              << QList<Sound>{Sound::SectorBankrupt};
    QTest::newRow("plus") << announced(Next::PlusWanted, drum::plusSector) << none
                          << QList<Sound>{Sound::SectorPlus};
    QTest::newRow("two cells of a letter")
        << outcome(Next::SameSeat, {2, 4}, 16) << WordRound::Message{Kind::LetterFound}
        << QList<Sound>{Sound::LetterPress, Sound::LetterRight, Sound::LetterRight};
    QTest::newRow("a wrong letter") << outcome(Next::TurnPassed, {}, 7)
                                    << WordRound::Message{Kind::LetterMissing}
                                    << QList<Sound>{Sound::LetterPress, Sound::LetterWrong};
    WordRound::Outcome plus = outcome(Next::SameSeat, {3}, 18);
    plus.plusPick = true;
    QTest::newRow("the plus pick presses no button")
        << plus << WordRound::Message{Kind::PlusCell} << QList<Sound>{Sound::LetterRight};
    QTest::newRow("the third cell brings the boxes")
        << outcome(Next::BoxesOffered, {5}, 1) << WordRound::Message{Kind::ChooseBox}
        << QList<Sound>{Sound::LetterPress, Sound::LetterRight, Sound::BoxesOffered};
    WordRound::Outcome prize = outcome(Next::BoxOpened);
    prize.prize = true;
    QTest::newRow("the prize") << prize << none << QList<Sound>{Sound::BoxPrize};
    QTest::newRow("an empty box") << outcome(Next::BoxOpened) << none << QList<Sound>{Sound::BoxEmpty};
    QTest::newRow("the word opened") << outcome(Next::WordWonByLetters, {1}, 12)
                                     << WordRound::Message{Kind::WordOpened, "Аня"}
                                     << QList<Sound>{Sound::LetterPress, Sound::LetterRight,
                                                     Sound::WordWonByLetters};
    QTest::newRow("the word said") << outcome(Next::WordWonBySaying)
                                   << WordRound::Message{Kind::WordGuessed, "Аня"}
                                   << QList<Sound>{Sound::WordWonBySaying};
    QTest::newRow("the final said") << outcome(Next::WordWonBySaying)
                                    << WordRound::Message{Kind::Champion, "Аня"}
                                    << QList<Sound>{Sound::Champion};
    WordRound::Outcome wrong = outcome(Next::TurnPassed);
    wrong.seatLeft = true;
    QTest::newRow("a wrong word") << wrong << WordRound::Message{Kind::WrongWord, "Аня"}
                                  << QList<Sound>{Sound::WordWrong};
    QTest::newRow("nobody wins") << outcome(Next::NoWinner) << WordRound::Message{Kind::NoWinner}
                                 << QList<Sound>{Sound::WordWrong};
    QTest::newRow("a refused move is silent") << outcome(Next::Refused) << none << QList<Sound>{};
}

void RoundSoundsTest::everyOutcomeSoundsAsItShould()
{
    QFETCH(WordRound::Outcome, played);
    QFETCH(WordRound::Message, message);
    QFETCH(QList<Sound>, heard);
    QCOMPARE(roundsounds::of(played, message), heard);
}

void RoundSoundsTest::theDrumClacksEveryFrameAndKnocksOnceAtRest()
{
    using roundsounds::Cue;
    const int frame = WordRound::Pace::drumFrame;
    QCOMPARE(roundsounds::ofSpin(3), (QList<Cue>{{Sound::DrumClack, frame},
                                                 {Sound::DrumClack, 2 * frame},
                                                 {Sound::DrumClack, 3 * frame},
                                                 {Sound::DrumStop, 3 * frame}}));
    QCOMPARE(roundsounds::ofSpin(0), QList<Cue>{});
}

void RoundSoundsTest::chimesRingOneAfterAnotherAndTheEndAfterThem()
{
    using roundsounds::Cue;
    const int gap = roundsounds::chimeSpacing;
    // The press with the first chime; the word's end after the last one.
    QCOMPARE(roundsounds::timed({Sound::LetterPress, Sound::LetterRight, Sound::LetterRight,
                                 Sound::LetterRight, Sound::WordWonByLetters}),
             (QList<Cue>{{Sound::LetterPress, 0},
                         {Sound::LetterRight, 0},
                         {Sound::LetterRight, gap},
                         {Sound::LetterRight, 2 * gap},
                         {Sound::WordWonByLetters, 3 * gap}}));
    // Without a chime everything sounds at once.
    QCOMPARE(roundsounds::timed({Sound::LetterPress, Sound::LetterWrong}),
             (QList<Cue>{{Sound::LetterPress, 0}, {Sound::LetterWrong, 0}}));
    QVERIFY(roundsounds::timed({}).isEmpty());
}

QTEST_GUILESS_MAIN(RoundSoundsTest)
#include "RoundSoundsTest.moc"
