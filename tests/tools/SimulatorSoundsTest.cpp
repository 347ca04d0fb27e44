// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Simulator.h"

#include <QTest>

#include <algorithm>
#include <numeric>

// The simulator lists the sounds each word would make at the table. Played
// over whole tournaments with a person in each trio, every list must hold
// together as a player would hear it: the drum's clacks in its rhythm up to
// the stop, the sector a second later, every letter pressed answered, and
// one sound for the word's end.
class SimulatorSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void everyWordSoundsAsItsTurnsWent();
    void theSameSeedListsTheSameSounds();
    void theTimelineJoinsATurnsClacks();
};

namespace {

using Heard = Simulator::Heard;

Simulator::Figures played(unsigned seed)
{
    Simulator::Options options;
    options.tournaments = 20;
    options.seed = seed;
    options.person = true;
    options.sounds = true;
    options.topicDir = QStringLiteral(KORDAMIR_SOURCE_DIR "/data/Baz");
    Simulator simulator(options);
    if (!simulator.run())
        return {};
    return simulator.figures();
}

bool isSector(Sound sound)
{
    return sound == Sound::SectorPoints || sound == Sound::SectorDouble || sound == Sound::SectorPassTurn
           || sound == Sound::SectorBankrupt || sound == Sound::SectorPlus;
}

bool heardAt(const std::vector<Heard>& heard, qint64 ms, Sound sound)
{
    return std::find(heard.begin(), heard.end(), Heard{ms, sound}) != heard.end();
}

} // namespace

void SimulatorSoundsTest::everyWordSoundsAsItsTurnsWent()
{
    const Simulator::Figures figures = played(3);
    QVERIFY2(figures.broken.isEmpty(), qPrintable(figures.broken.join('\n')));
    QCOMPARE(static_cast<int>(figures.wordSounds.size()), figures.words);
    QCOMPARE(figures.words, 20 * 4);

    qint64 listed = 0;
    for (const Simulator::WordSounds& word : figures.wordSounds) {
        const std::vector<Heard>& heard = word.heard;
        const QByteArray where = QStringLiteral("tournament %1, stage %2, %3")
                                     .arg(word.tournament)
                                     .arg(word.stage)
                                     .arg(word.word)
                                     .toUtf8();
        listed += static_cast<qint64>(heard.size());
        QVERIFY2(std::is_sorted(heard.begin(), heard.end(),
                                [](const Heard& a, const Heard& b) { return a.ms < b.ms; }),
                 where);
        int stops = 0;
        int sectors = 0;
        for (const Heard& h : heard) {
            if (h.sound == Sound::DrumStop) {
                ++stops;
                // The stop knocks with the last clack, after a clack every frame
                // of the turn; the sector sounds when it is announced.
                int clacks = 0;
                while (heardAt(heard, h.ms - clacks * WordRound::Pace::drumFrame, Sound::DrumClack))
                    ++clacks;
                QVERIFY2(clacks >= 13 && clacks <= 36, where + " clacks " + QByteArray::number(clacks));
                const qint64 announced = h.ms + WordRound::Pace::stopSectorShown;
                QVERIFY2(std::any_of(heard.begin(), heard.end(),
                                     [&](const Heard& s) { return s.ms == announced && isSector(s.sound); }),
                         where);
            }
            sectors += isSector(h.sound);
            // A pressed letter rings or buzzes at once.
            if (h.sound == Sound::LetterPress)
                QVERIFY2(heardAt(heard, h.ms, Sound::LetterRight) || heardAt(heard, h.ms, Sound::LetterWrong),
                         where);
        }
        QVERIFY2(stops > 0, where);
        QCOMPARE(sectors, stops);

        // The word ends on one sound: its winner's, the champion's in the
        // final, or none when a wrong word left nobody. Only chimes still
        // ringing out from the move before may follow it (the simulated
        // person says the word the moment it is theirs).
        const bool final = word.stage == GameState::finalStage;
        const std::array<Sound, 3> endings{Sound::WordWonByLetters, Sound::WordWonBySaying, Sound::Champion};
        const auto end = std::find_if(heard.begin(), heard.end(), [&](const Heard& h) {
            return std::find(endings.begin(), endings.end(), h.sound) != endings.end();
        });
        if (end == heard.end()) {
            QVERIFY2(std::any_of(heard.begin(), heard.end(),
                                 [](const Heard& h) { return h.sound == Sound::WordWrong; }),
                     where);
        } else {
            QVERIFY2((end->sound == Sound::Champion) == final, where);
            QVERIFY2(std::all_of(end + 1, heard.end(),
                                 [](const Heard& h) { return h.sound == Sound::LetterRight; }),
                     where);
        }
    }
    // The totals of the report count what the lists hold.
    QCOMPARE(std::accumulate(figures.soundCounts.begin(), figures.soundCounts.end(), qint64{0}), listed);
    QCOMPARE(figures.soundCounts.at(static_cast<std::size_t>(Sound::MenuPoint)), 0);
}

void SimulatorSoundsTest::theSameSeedListsTheSameSounds()
{
    const Simulator::Figures first = played(11);
    const Simulator::Figures again = played(11);
    QCOMPARE(first.wordSounds.size(), again.wordSounds.size());
    for (std::size_t i = 0; i < first.wordSounds.size(); ++i)
        QVERIFY(first.wordSounds.at(i).heard == again.wordSounds.at(i).heard);
}

void SimulatorSoundsTest::theTimelineJoinsATurnsClacks()
{
    std::vector<Heard> heard;
    for (int frame = 1; frame <= 14; ++frame)
        heard.push_back({frame * 50, Sound::DrumClack});
    heard.push_back({700, Sound::DrumStop});
    heard.push_back({1700, Sound::SectorPoints});
    heard.push_back({1700, Sound::LetterPress});
    heard.push_back({1700, Sound::LetterRight});
    heard.push_back({1840, Sound::LetterRight});
    // A clack out of step starts a line of its own.
    heard.push_back({1900, Sound::DrumClack});
    QCOMPARE(Simulator::timeline(heard), (QStringList{
                                             "    0.050 s  drum-clack × 14, every 50 ms, to 0.700 s",
                                             "    0.700 s  drum-stop",
                                             "    1.700 s  sector-points",
                                             "    1.700 s  letter-press",
                                             "    1.700 s  letter-right",
                                             "    1.840 s  letter-right",
                                             "    1.900 s  drum-clack",
                                         }));
}

QTEST_GUILESS_MAIN(SimulatorSoundsTest)
#include "SimulatorSoundsTest.moc"
