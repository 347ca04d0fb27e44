// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MutePreference.h"
#include "sound/SoundMixer.h"
#include "sound/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// The sound files, the mix and the player's remembered choice, without a
// display or a sound device.
class SoundCoreTest : public QObject {
    Q_OBJECT
private slots:
    void writtenFileReadsBackSampleForSample();
    void damagedFileIsRefusedWithAReason_data();
    void damagedFileIsRefusedWithAReason();
    void unknownChunkBeforeTheDataIsSkipped();
    void fileReadsAsItsBytesParse_data();
    void fileReadsAsItsBytesParse();

    void overlappingSoundsAddUp();
    void loudSumIsClippedNotWrapped();
    void newestSoundStaysWhenTooManySound();
    void soundWithoutSamplesIsSilent();
    void mixLongerThanOneBlockKeepsEverySample();
    void runIsMixedAheadAtItsMoments();

    void mutedChoiceSurvivesARestart();
    void choiceDefaultsToSoundOn_data();
    void choiceDefaultsToSoundOn();
};

namespace {

QByteArray validWave()
{
    return wavefile::encode({0, 1000, -1000, 32767, -32768, 5}, 48000);
}

// A WAVE file's bytes with the 16-bit field at `offset` replaced.
QByteArray withField16(QByteArray bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray withField32(QByteArray bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QList<qint16> mixed(SoundMixer& mixer, qsizetype frames)
{
    QList<qint16> out(frames, 12345);
    mixer.mix(out.data(), frames);
    return out;
}

} // namespace

void SoundCoreTest::writtenFileReadsBackSampleForSample()
{
    const wavefile::Samples read = wavefile::parse(validWave());
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.sampleRate, 48000);
    QCOMPARE(read.samples, (QList<qint16>{0, 1000, -1000, 32767, -32768, 5}));
}

void SoundCoreTest::damagedFileIsRefusedWithAReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = validWave();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("OggS") + good.mid(4);
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, '\0');
    QTest::newRow("cut in the data") << good.left(good.size() - 3);
    QTest::newRow("cut in the format") << good.left(30);
    QTest::newRow("no data chunk") << good.left(36);
    QTest::newRow("compressed") << withField16(good, 20, 3);
    QTest::newRow("stereo") << withField16(good, 22, 2);
    QTest::newRow("8-bit") << withField16(good, 34, 8);
    QTest::newRow("rate of zero") << withField32(good, 24, 0);
    // A damaged size must not make the game reserve gigabytes.
    QTest::newRow("data size of 4 GB") << withField32(good, 40, 0xFFFFFFF0u);
    QTest::newRow("data before format") << QByteArray("RIFF\x10\0\0\0WAVEdata\x02\0\0\0\0\0", 22);
}

void SoundCoreTest::damagedFileIsRefusedWithAReason()
{
    QFETCH(QByteArray, bytes);
    const wavefile::Samples read = wavefile::parse(bytes);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(read.samples.isEmpty());
}

void SoundCoreTest::unknownChunkBeforeTheDataIsSkipped()
{
    // Editors put LIST chunks (of odd length, padded) between format and data.
    const QByteArray good = validWave();
    const QByteArray list = QByteArray("LIST\x03\0\0\0abc\0", 12);
    const wavefile::Samples read = wavefile::parse(good.left(36) + list + good.mid(36));
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.samples.size(), 6);
}

void SoundCoreTest::fileReadsAsItsBytesParse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = validWave();
    QTest::newRow("ours") << good;
    QTest::newRow("cut in the data") << good.left(good.size() - 3);
    QTest::newRow("cut in the header") << good.left(20);
    // The data's header lies beyond the first bytes the reader looks at.
    QByteArray note(6001, 'x');
    QByteArray longChunk("LIST");
    longChunk.append("\x71\x17\0\0", 4); // 6001
    QTest::newRow("long chunk before the data") << good.left(36) + longChunk + note + '\0' + good.mid(36);
    QTest::newRow("long chunk and no data") << good.left(36) + longChunk + note + '\0';
}

void SoundCoreTest::fileReadsAsItsBytesParse()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sound.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const wavefile::Samples fromBytes = wavefile::parse(bytes);
    const wavefile::Samples fromFile = wavefile::read(path);
    QCOMPARE(fromFile.samples, fromBytes.samples);
    QCOMPARE(fromFile.error.isEmpty(), fromBytes.error.isEmpty());
    QCOMPARE(fromFile.sampleRate, fromBytes.sampleRate);
}

void SoundCoreTest::overlappingSoundsAddUp()
{
    SoundMixer mixer;
    mixer.setSamples(Sound::DrumClack, {100, 200, 300, 400});
    mixer.start(Sound::DrumClack);
    QCOMPARE(mixed(mixer, 2), (QList<qint16>{100, 200}));
    // The next clack comes before the first has died away.
    mixer.start(Sound::DrumClack);
    QCOMPARE(mixed(mixer, 3), (QList<qint16>{400, 600, 300}));
    QCOMPARE(mixer.voiceCount(), 1);
    QCOMPARE(mixed(mixer, 3), (QList<qint16>{400, 0, 0}));
    QCOMPARE(mixer.voiceCount(), 0);
    // The output rests once the mix has had nothing to sound for a while:
    // the last block of a sound counts as sounding, the silence after not.
    mixer.start(Sound::DrumClack);
    qint16 out[8];
    QVERIFY(mixer.mix(out, 8));
    QVERIFY(!mixer.mix(out, 8));
}

void SoundCoreTest::loudSumIsClippedNotWrapped()
{
    SoundMixer mixer;
    mixer.setSamples(Sound::Champion, {30000, -30000});
    mixer.setSamples(Sound::BoxPrize, {30000, -30000});
    mixer.start(Sound::Champion);
    mixer.start(Sound::BoxPrize);
    QCOMPARE(mixed(mixer, 2), (QList<qint16>{32767, -32768}));
}

void SoundCoreTest::newestSoundStaysWhenTooManySound()
{
    SoundMixer mixer;
    mixer.setSamples(Sound::Champion, QList<qint16>(100, 1));
    mixer.setSamples(Sound::DrumStop, QList<qint16>(100, 1000));
    for (int i = 0; i < SoundMixer::maxVoices; ++i)
        mixer.start(Sound::Champion);
    mixer.start(Sound::DrumStop);
    QCOMPARE(mixer.voiceCount(), SoundMixer::maxVoices);
    QCOMPARE(mixed(mixer, 1).first(), qint16(1000 + SoundMixer::maxVoices - 1));
}

void SoundCoreTest::soundWithoutSamplesIsSilent()
{
    SoundMixer mixer;
    QVERIFY(!mixer.hasSamples(Sound::LetterRight));
    mixer.start(Sound::LetterRight);
    QCOMPARE(mixer.voiceCount(), 0);
    QCOMPARE(mixed(mixer, 3), (QList<qint16>{0, 0, 0}));
}

void SoundCoreTest::mixLongerThanOneBlockKeepsEverySample()
{
    // The mix works in blocks; a sound must run on across their borders.
    QList<qint16> ramp(5000);
    for (int i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<qint16>(i);
    SoundMixer mixer;
    mixer.setSamples(Sound::Champion, ramp);
    mixer.start(Sound::Champion);
    const QList<qint16> out = mixed(mixer, 6000);
    QCOMPARE(out.mid(0, 5000), ramp);
    QCOMPARE(out.mid(5000), QList<qint16>(1000, 0));
}

void SoundCoreTest::runIsMixedAheadAtItsMoments()
{
    // One millisecond is 48 samples: each sound starts at its moment, the
    // ones that overlap add up and clip, and the run ends with its last.
    SoundMixer mixer;
    mixer.setSamples(Sound::DrumClack, QList<qint16>(60, 1000));
    mixer.setSamples(Sound::DrumStop, QList<qint16>(10, 32000));
    QList<qint16> expected(48 + 60, 0);
    for (int i = 0; i < 60; ++i)
        expected[i] += 1000;
    for (int i = 48; i < 108; ++i)
        expected[i] += 1000;
    for (int i = 48; i < 58; ++i)
        expected[i] = 32767;
    QCOMPARE(mixer.render({{Sound::DrumClack, 0}, {Sound::DrumClack, 1}, {Sound::DrumStop, 1}}), expected);

    // A sound without samples adds nothing, not even length.
    QCOMPARE(mixer.render({{Sound::DrumClack, 0}, {Sound::Champion, 5}}), QList<qint16>(60, 1000));
    QVERIFY(mixer.render({{Sound::Champion, 0}}).isEmpty());
    QVERIFY(mixer.render({}).isEmpty());
    // The run is not the mix: nothing starts sounding there.
    QCOMPARE(mixer.voiceCount(), 0);

    // A run is summed in blocks: sounds that start inside one and run on
    // across several keep every sample, and overlap only where they meet.
    QList<qint16> ramp(5000);
    for (int i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<qint16>(i);
    mixer.setSamples(Sound::DrumClack, ramp);
    const QList<qint16> run = mixer.render({{Sound::DrumClack, 21}, {Sound::DrumClack, 50}});
    QCOMPARE(run.size(), 50 * 48 + 5000);
    QCOMPARE(run.mid(0, 21 * 48), QList<qint16>(21 * 48, 0));
    QCOMPARE(run.mid(21 * 48, 29 * 48), ramp.mid(0, 29 * 48));
    for (int i = 50 * 48; i < 21 * 48 + 5000; ++i)
        QCOMPARE(run.at(i), qint16(ramp.at(i - 21 * 48) + ramp.at(i - 50 * 48)));
    QCOMPARE(run.mid(21 * 48 + 5000), ramp.mid(5000 - 29 * 48));
}

void SoundCoreTest::mutedChoiceSurvivesARestart()
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("kordamir/kordamir.conf"));
    QVERIFY(MutePreference(file).save(true));
    QVERIFY(MutePreference(file).muted());
    QVERIFY(MutePreference(file).save(false));
    QVERIFY(!MutePreference(file).muted());
}

void SoundCoreTest::choiceDefaultsToSoundOn_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("other settings only") << QByteArray("[window]\nscale=2\n");
    QTest::newRow("garbage") << QByteArray("\x01\x02\xff[[[=\n", 8);
}

void SoundCoreTest::choiceDefaultsToSoundOn()
{
    QFETCH(QByteArray, content);
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("kordamir.conf"));
    if (!content.isEmpty()) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    QVERIFY(!MutePreference(file).muted());
}

QTEST_GUILESS_MAIN(SoundCoreTest)
#include "SoundCoreTest.moc"
