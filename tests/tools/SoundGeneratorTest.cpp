// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Synth.h"

#include "sound/RoundSounds.h"
#include "sound/Sound.h"
#include "sound/WaveFile.h"

#include <QTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(Sound)

// The sounds as the build wrote them into Data/Zvuk: each one short, clean
// and as loud as its fellows, and the drum's clack short enough to keep
// step with the drum.
class SoundGeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void everySoundIsCleanAndMatched_data();
    void everySoundIsCleanAndMatched();
    void clackDiesAwayBeforeTheNextFrame();
    void clacksAtFrameIntervalsStayApart();
    void soundsOfOneMomentMixUnderFullScale_data();
    void soundsOfOneMomentMixUnderFullScale();
    void aClackOverAnyOtherSoundNeverClips();
    void soundsDiffer();
    void sameBuildWritesTheSameSamples();
};

namespace {

QList<qint16> shipped(Sound sound)
{
    const wavefile::Samples read = wavefile::read(QStringLiteral(KORDAMIR_BUILD_DATA_DIR "/")
                                                  + sounds::relativePath(sound));
    return read.error.isEmpty() && read.sampleRate == sounds::sampleRate ? read.samples : QList<qint16>{};
}

double dbfs(double amplitude)
{
    return 20 * std::log10(std::max(amplitude, 1e-9) / 32767.0);
}

int peakOf(const QList<qint16>& samples, qsizetype from = 0, qsizetype to = -1)
{
    if (to < 0)
        to = samples.size();
    int peak = 0;
    for (qsizetype i = from; i < to; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(samples.at(i))));
    return peak;
}

qsizetype frames(double milliseconds)
{
    return static_cast<qsizetype>(milliseconds * sounds::sampleRate / 1000);
}

// The drum's step: one frame of its animation, in milliseconds.
constexpr double drumFrameMs = 50;

} // namespace

void SoundGeneratorTest::everySoundIsCleanAndMatched_data()
{
    QTest::addColumn<Sound>("sound");
    for (const Sound sound : sounds::all())
        QTest::newRow(qPrintable(sounds::name(sound))) << sound;
}

void SoundGeneratorTest::everySoundIsCleanAndMatched()
{
    QFETCH(Sound, sound);
    const QList<qint16> samples = shipped(sound);
    QVERIFY2(!samples.isEmpty(), "missing, unreadable or not 16-bit mono at the game's rate");
    const soundgen::Recipe& recipe = soundgen::recipe(sound);

    // Short: a sound never holds up the game, the final's applause included.
    const double seconds = double(samples.size()) / sounds::sampleRate;
    QVERIFY2(std::abs(seconds - recipe.seconds) < 0.002, qPrintable(QString::number(seconds)));
    QVERIFY(seconds <= 4.0);

    // No clipping: the peak stays under full scale.
    const int peak = peakOf(samples);
    QVERIFY2(dbfs(peak) <= soundgen::peakCeilingDb, qPrintable(QString::number(dbfs(peak))));

    // Not silent, and as loud as the others of its level.
    const double loudness = soundgen::loudnessDb(samples);
    QVERIFY2(std::abs(loudness - soundgen::targetLoudness(recipe.level)) <= 2.5,
             qPrintable(QStringLiteral("%1 dBFS").arg(loudness)));

    // Centred: no offset that would thump when it starts and stops.
    double sum = 0;
    for (const qint16 x : samples)
        sum += x;
    QVERIFY2(std::abs(sum / samples.size()) < 0.001 * 32767,
             qPrintable(QString::number(sum / samples.size())));

    // No click at either end: it starts and ends at rest.
    QVERIFY(std::abs(samples.first()) <= 2);
    QVERIFY(std::abs(samples.last()) <= 2);
    QVERIFY(peakOf(samples, samples.size() - frames(1)) < peak / 4);
}

void SoundGeneratorTest::clackDiesAwayBeforeTheNextFrame()
{
    const QList<qint16> clack = shipped(Sound::DrumClack);
    QVERIFY(!clack.isEmpty());
    // A clack per frame at full speed: each must be over before the next.
    QVERIFY(clack.size() < frames(drumFrameMs));
    // Its strength is at its start: the loudest moment within the first 5 ms,
    // the last 10 ms at least 30 dB below it.
    const int peak = peakOf(clack);
    QCOMPARE(peakOf(clack, 0, frames(5)), peak);
    QVERIFY2(dbfs(peakOf(clack, clack.size() - frames(10))) <= dbfs(peak) - 30,
             qPrintable(QString::number(dbfs(peakOf(clack, clack.size() - frames(10))))));
}

void SoundGeneratorTest::clacksAtFrameIntervalsStayApart()
{
    // A drum slowing down: clacks at 50, 50, 100, 150, 250 ms. Laid on a
    // track as the mixer would, each must stand out from the silence before it.
    const QList<qint16> clack = shipped(Sound::DrumClack);
    QVERIFY(!clack.isEmpty());
    const QList<double> onsetsMs{0, 50, 100, 200, 350, 600};
    QList<qint16> track(frames(onsetsMs.last() + 100), 0);
    for (const double onset : onsetsMs) {
        for (qsizetype i = 0; i < clack.size(); ++i)
            track[frames(onset) + i] = static_cast<qint16>(track[frames(onset) + i] + clack.at(i));
    }
    for (qsizetype n = 1; n < onsetsMs.size(); ++n) {
        const int before = peakOf(track, frames(onsetsMs.at(n)) - frames(5), frames(onsetsMs.at(n)));
        const int after = peakOf(track, frames(onsetsMs.at(n)), frames(onsetsMs.at(n)) + frames(5));
        QVERIFY2(dbfs(after) - dbfs(before) >= 20, qPrintable(QStringLiteral("clack %1").arg(n)));
    }
}

void SoundGeneratorTest::soundsOfOneMomentMixUnderFullScale_data()
{
    QTest::addColumn<QList<SoundCue>>("cues");
    using Next = WordRound::Next;
    const auto move = [](Next next, QList<int> cells, int letter = 1) {
        WordRound::Outcome made;
        made.next = next;
        made.openedCells = std::move(cells);
        made.namedLetter = letter;
        return roundsounds::timed(roundsounds::of(made, {}));
    };
    QTest::newRow("the drum's whole turn, at rest") << roundsounds::ofSpin(36);
    QTest::newRow("a letter of three cells ends the word") << move(Next::WordWonByLetters, {1, 2, 3});
    QTest::newRow("a letter of five cells") << move(Next::SameSeat, {1, 2, 3, 4, 5});
    QTest::newRow("the third cell brings the boxes") << move(Next::BoxesOffered, {4});
    QTest::newRow("a wrong letter") << move(Next::TurnPassed, {});
}

void SoundGeneratorTest::soundsOfOneMomentMixUnderFullScale()
{
    // What the table starts for one moment of the round, mixed as the
    // player mixes it: a sum, which must not reach the ceiling.
    QFETCH(QList<SoundCue>, cues);
    QList<qint32> mix;
    for (const SoundCue& cue : cues) {
        const QList<qint16> samples = shipped(cue.sound);
        QVERIFY2(!samples.isEmpty(), qPrintable(sounds::name(cue.sound)));
        const qsizetype at = frames(cue.afterMs);
        if (mix.size() < at + samples.size())
            mix.resize(at + samples.size(), 0);
        for (qsizetype i = 0; i < samples.size(); ++i)
            mix[at + i] += samples.at(i);
    }
    int peak = 0;
    for (const qint32 x : mix)
        peak = std::max(peak, std::abs(x));
    QVERIFY2(dbfs(peak) <= soundgen::peakCeilingDb, qPrintable(QStringLiteral("%1 dBFS").arg(dbfs(peak))));
}

void SoundGeneratorTest::aClackOverAnyOtherSoundNeverClips()
{
    // A person may spin while the last result still rings (the bankrupt's
    // brass lasts 1.6 s): the clacks fall on it wherever they fall, so
    // even the two peaks together stay under full scale.
    const int clack = peakOf(shipped(Sound::DrumClack));
    QVERIFY(clack > 0);
    for (const Sound sound : sounds::all()) {
        const int peak = peakOf(shipped(sound));
        QVERIFY2(clack + peak <= 32767, qPrintable(sounds::name(sound)));
    }
}

void SoundGeneratorTest::soundsDiffer()
{
    // Two results must never sound alike: no two files are the same.
    const auto all = sounds::all();
    for (std::size_t a = 0; a < all.size(); ++a) {
        for (std::size_t b = a + 1; b < all.size(); ++b)
            QVERIFY2(shipped(all.at(a)) != shipped(all.at(b)), qPrintable(sounds::name(all.at(a))));
    }
}

void SoundGeneratorTest::sameBuildWritesTheSameSamples()
{
    for (const Sound sound : sounds::all())
        QCOMPARE(soundgen::render(sound), shipped(sound));
}

QTEST_GUILESS_MAIN(SoundGeneratorTest)
#include "SoundGeneratorTest.moc"
