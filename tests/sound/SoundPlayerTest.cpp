// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingSounds.h"
#include "TestPlatform.h"

#include "app/GameApplication.h"
#include "platform/EventLabel.h"
#include "platform/WindowNames.h"
#include "records/RecordsWindow.h"
#include "sound/MuteKey.h"
#include "sound/RoundSounds.h"
#include "sound/SoundPlayer.h"
#include "sound/SpeakerButton.h"
#include "sound/WaveFile.h"
#include "start/StartWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <cstdlib>

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

// The player on a machine without sound and with damaged files, the key and
// the speaker that silence it, and what the start and records windows ask
// it to play. This test runs with PULSE_SERVER pointing nowhere.
class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void missingOrDamagedFileSilencesOnlyThatSound();
    void noSoundDeviceIsOneLineAndTheGameGoesOn();
    void nothingIsLoadedBeforePreload();
    void silenceChosenAtStartLoadsNothingUntilSoundIsOn();
    void mutingSilencesAndIsAnnouncedOnce();

    void soundFromTheWindowsIsMixedOnTheSoundsThread();
    void aRunIsMixedAheadAndDroppedWhenSilenced();
    void deviceGoneIsOneLineAndWakesNoMore();
    void playerEndsAtOnceWhileTheDeviceHangs();

    void muteKeyActsWhereMIsNoLetter_data();
    void muteKeyActsWhereMIsNoLetter();
    void speakerShowsAndTogglesTheState();
    void gameHandsItsSoundToTheWindowsAndTheKey();

    void startMenuSoundsWhenReachedAndChosen();
    void speakerCoversNoMenuEntry();
    void recordsGreetAChampionWhoEntersTheTable_data();
    void recordsGreetAChampionWhoEntersTheTable();

    void cleanup() { TestPlatform::flushUnloads(); }
};

namespace {

struct Collected {
    QStringList lines;
    SoundPlayer::Report report()
    {
        return [this](const QString& line) { lines << line; };
    }
};

// Waits for the device's answer to the preload; the answer comes from the
// sound's thread through the event loop.
bool deviceAnswered(SoundPlayer& player)
{
    if (player.isDeviceAnswered())
        return true;
    QSignalSpy answered(&player, &SoundPlayer::deviceAnswered);
    return answered.wait(20000);
}

// A device in place of the sound server, driven by the test: it notes the
// thread of every call, reads the mix where the real device would, and can
// hang in open() until the test lets it go. Shared with the test, since the
// player makes and destroys the device itself.
struct FakeDevice {
    std::atomic<QThread*> openedOn{nullptr};
    std::atomic<int> resumes{0};
    std::atomic<bool> failOnResume{false};
    std::atomic<bool> hangInOpen{false};
    QSemaphore resumed; // one per resume()
    QSemaphore enteredOpen;
    QSemaphore letOpenGo;
    QSemaphore destroyed;
    // The loudest sample of the last read, on the sound's thread.
    std::atomic<int> lastPeak{-1};
    // The last run handed over, and on which thread.
    QSemaphore runPlayed;
    QSemaphore runDropped;
    std::atomic<qsizetype> runLength{-1};
    std::atomic<QThread*> runOn{nullptr};

    SoundOutputFactory factory(std::shared_ptr<FakeDevice> self)
    {
        return [self] { return std::make_unique<Output>(self); };
    }

    class Output final : public SoundOutput {
    public:
        explicit Output(std::shared_ptr<FakeDevice> device) : device_(std::move(device)) {}
        ~Output() override { device_->destroyed.release(); }

        QString open(QIODevice& stream, Failed failed) override
        {
            device_->openedOn = QThread::currentThread();
            stream_ = &stream;
            failed_ = std::move(failed);
            device_->enteredOpen.release();
            if (device_->hangInOpen)
                device_->letOpenGo.acquire();
            return {};
        }
        void resume() override
        {
            if (device_->failOnResume) {
                failed_(QStringLiteral("the fake device went away"));
            } else {
                QByteArray read(4800 * 2, '\0');
                stream_->read(read.data(), read.size());
                const auto* samples = reinterpret_cast<const qint16*>(read.constData());
                int peak = 0;
                for (int i = 0; i < 4800; ++i)
                    peak = std::max(peak, std::abs(int(samples[i])));
                device_->lastPeak = peak;
            }
            if (QThread::currentThread() == device_->openedOn.load())
                ++device_->resumes;
            device_->resumed.release();
        }
        void suspend() override {}
        void playRun(const QList<qint16>& samples) override
        {
            device_->runLength = samples.size();
            device_->runOn = QThread::currentThread();
            device_->runPlayed.release();
        }
        void dropRun() override { device_->runDropped.release(); }

    private:
        std::shared_ptr<FakeDevice> device_;
        QIODevice* stream_ = nullptr;
        Failed failed_;
    };
};

StartWindow* showStartWith(TestPlatform& test, SoundService& sounds)
{
    test.defineWindows();
    test.platform->windows.define(windownames::start, [&test, &sounds] {
        return std::make_unique<StartWindow>(
            StartWindow::Services{test.platform->data, test.platform->pictures, test.dialogs, test.exit,
                                  test.display, *test.navigation, sounds},
            test.tournament);
    });
    return qobject_cast<StartWindow*>(test.platform->windows.show(windownames::start));
}

} // namespace

void SoundPlayerTest::missingOrDamagedFileSilencesOnlyThatSound()
{
    TestPlatform test;
    test.removeData(sounds::relativePath(Sound::LetterRight));
    test.writeData(sounds::relativePath(Sound::DrumStop), QByteArrayLiteral("RIFF\x04\0\0\0WAVE"));
    // Right in form, wrong in rate: it would play at the wrong pitch.
    test.writeData(sounds::relativePath(Sound::MenuPoint), wavefile::encode(QList<qint16>(480, 0), 8000));
    Collected collected;
    SoundPlayer player(test.platform->data.root(), collected.report());
    player.preload();

    const QStringList aboutFiles = collected.lines.filter(QStringLiteral(".wav"));
    QCOMPARE(aboutFiles.size(), 3);
    QVERIFY(aboutFiles.at(0).contains(QStringLiteral("drum-stop")));
    QVERIFY(aboutFiles.at(1).contains(QStringLiteral("letter-right")));
    QVERIFY(aboutFiles.at(2).contains(QStringLiteral("menu-point")));
    for (const QString& line : aboutFiles)
        QVERIFY2(!line.contains(QLatin1Char('\n')), qPrintable(line));
    // The other seventeen are in memory.
    QVERIFY(player.memoryBytes() > 0);
    player.play(Sound::LetterRight);
    player.play(Sound::DrumStop);
}

void SoundPlayerTest::noSoundDeviceIsOneLineAndTheGameGoesOn()
{
    TestPlatform test;
    Collected collected;
    SoundPlayer player(test.platform->data.root(), collected.report());
    // Ours is the only line: the toolkit's own complaint is not repeated.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    player.preload();
    QVERIFY(deviceAnswered(player));
    QCOMPARE(collected.lines.size(), 1);
    QVERIFY(collected.lines.first().contains(QStringLiteral("silent")));
    QVERIFY(!player.hasDevice());
    for (const Sound sound : sounds::all())
        player.play(sound);
    // Nothing waits in the mix for a device that will never come.
    QCOMPARE(player.voiceCount(), 0);
    player.toggleMuted();
    player.toggleMuted();
    // Loaded once: a second call neither reads nor reports again.
    player.preload();
    QCOMPARE(collected.lines.size(), 1);
}

void SoundPlayerTest::nothingIsLoadedBeforePreload()
{
    TestPlatform test;
    Collected collected;
    SoundPlayer player(test.platform->data.root(), collected.report());
    player.play(Sound::DrumClack);
    QVERIFY(!player.isPreloaded());
    QCOMPARE(player.memoryBytes(), 0);
    QVERIFY(collected.lines.isEmpty());
}

void SoundPlayerTest::silenceChosenAtStartLoadsNothingUntilSoundIsOn()
{
    TestPlatform test;
    Collected collected;
    SoundPlayer player(test.platform->data.root(), collected.report());
    player.setMuted(true);
    // Turned on before the moment to load: still nothing loaded.
    player.setMuted(false);
    QVERIFY(!player.isPreloaded());
    player.setMuted(true);
    player.preload();
    QVERIFY(!player.isPreloaded());
    QCOMPARE(player.memoryBytes(), 0);
    QVERIFY(collected.lines.isEmpty());

    player.setMuted(false);
    QVERIFY(player.isPreloaded());
    QVERIFY(player.memoryBytes() > 0);
    QVERIFY(deviceAnswered(player));
    QCOMPARE(collected.lines.size(), 1); // no sound device here
}

void SoundPlayerTest::mutingSilencesAndIsAnnouncedOnce()
{
    RecordingSounds sounds;
    QSignalSpy changes(&sounds, &SoundService::mutedChanged);
    sounds.play(Sound::DrumClack);
    sounds.setMuted(true);
    sounds.setMuted(true);
    sounds.play(Sound::DrumClack);
    sounds.play(Sound::Champion);
    QCOMPARE(sounds.played, QList<Sound>{Sound::DrumClack});
    QCOMPARE(sounds.silenced, 1);
    sounds.toggleMuted();
    sounds.play(Sound::LetterRight);
    QCOMPARE(sounds.played, (QList<Sound>{Sound::DrumClack, Sound::LetterRight}));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    QCOMPARE(changes.at(1).at(0).toBool(), false);
}

void SoundPlayerTest::soundFromTheWindowsIsMixedOnTheSoundsThread()
{
    TestPlatform test;
    Collected collected;
    auto device = std::make_shared<FakeDevice>();
    SoundPlayer player(test.platform->data.root(), collected.report(), device->factory(device));
    player.preload();
    // The clack is handed to the mix here, whether or not the device has
    // answered yet, and heard where the device reads.
    player.play(Sound::DrumClack);
    QVERIFY(deviceAnswered(player));
    QVERIFY(player.hasDevice());
    QVERIFY(collected.lines.isEmpty());
    QVERIFY(device->openedOn.load() != nullptr);
    QVERIFY(device->openedOn.load() != QThread::currentThread());
    QVERIFY(device->resumed.tryAcquire(1, 20000));
    QCOMPARE(device->resumes.load(), 1);
    QVERIFY2(device->lastPeak > 1000, qPrintable(QString::number(device->lastPeak)));

    // Awake, the device reads nothing unless asked: the next sound waits in
    // the mix, and muting empties the mix at once, from this thread.
    player.play(Sound::LetterRight);
    QVERIFY(player.voiceCount() >= 1);
    player.setMuted(true);
    QCOMPARE(player.voiceCount(), 0);
}

void SoundPlayerTest::aRunIsMixedAheadAndDroppedWhenSilenced()
{
    TestPlatform test;
    Collected collected;
    auto device = std::make_shared<FakeDevice>();
    SoundPlayer player(test.platform->data.root(), collected.report(), device->factory(device));
    player.preload();
    QVERIFY(deviceAnswered(player));

    // A drum of three frames: mixed whole on the sound's thread, from the
    // first clack to the end of the stop, and never through the mix.
    const QList<SoundCue> spin = roundsounds::ofSpin(3);
    player.playRun(spin);
    QVERIFY(device->runPlayed.tryAcquire(1, 20000));
    QVERIFY(device->runOn.load() == device->openedOn.load());
    const auto samplesOf = [&](Sound sound) {
        return wavefile::read(test.platform->data.root() + QLatin1Char('/') + sounds::relativePath(sound))
            .samples.size();
    };
    const qsizetype stopAt = spin.last().afterMs * sounds::sampleRate / 1000;
    QCOMPARE(device->runLength.load(),
             stopAt + std::max(samplesOf(Sound::DrumStop), samplesOf(Sound::DrumClack)));
    QCOMPARE(player.voiceCount(), 0);

    // Silenced, what is left of it goes; silent, no run reaches the device.
    player.setMuted(true);
    QVERIFY(device->runDropped.tryAcquire(1, 20000));
    player.playRun(spin);
    player.stopRun();
    QVERIFY(device->runDropped.tryAcquire(1, 20000));
    QCoreApplication::processEvents();
    QCOMPARE(device->runPlayed.available(), 0);
    QVERIFY(collected.lines.isEmpty());
}

void SoundPlayerTest::deviceGoneIsOneLineAndWakesNoMore()
{
    TestPlatform test;
    Collected collected;
    auto device = std::make_shared<FakeDevice>();
    device->failOnResume = true;
    SoundPlayer player(test.platform->data.root(), collected.report(), device->factory(device));
    player.preload();
    QVERIFY(deviceAnswered(player));
    player.play(Sound::MenuPoint);
    QVERIFY(device->resumed.tryAcquire(1, 20000));
    QTRY_COMPARE(collected.lines.size(), 1);
    QVERIFY(collected.lines.first().contains(QStringLiteral("the fake device went away")));
    QVERIFY(collected.lines.first().contains(QStringLiteral("silent")));
    QVERIFY(!player.hasDevice());

    // Silent from now on: nothing more reaches the device or stderr.
    player.play(Sound::MenuPoint);
    player.play(Sound::Champion);
    QCOMPARE(player.voiceCount(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(device->resumes.load(), 1);
    QCOMPARE(collected.lines.size(), 1);
}

void SoundPlayerTest::playerEndsAtOnceWhileTheDeviceHangs()
{
    TestPlatform test;
    Collected collected;
    auto device = std::make_shared<FakeDevice>();
    device->hangInOpen = true;
    {
        SoundPlayer player(test.platform->data.root(), collected.report(), device->factory(device));
        player.preload();
        QVERIFY(device->enteredOpen.tryAcquire(1, 20000));
        // A window keeps playing while the device does not answer; the
        // clack waits in the mix.
        player.play(Sound::DrumClack);
        QCOMPARE(player.voiceCount(), 1);
        QVERIFY(!player.hasDevice());
    }
    // The player is gone while its device still hangs in open(): its end
    // did not wait for the sound server.
    QCOMPARE(device->destroyed.available(), 0);
    // The program's end is told that a thread is left behind.
    QVERIFY(!SoundPlayer::finishLeftBehind(0));
    device->letOpenGo.release();
    // Once the device answers, the thread ends by itself and the device is
    // destroyed on it; the answer reaches no one.
    QVERIFY(device->destroyed.tryAcquire(1, 20000));
    QVERIFY(SoundPlayer::finishLeftBehind(20000));
    QCoreApplication::processEvents();
    QVERIFY(collected.lines.isEmpty());
}

void SoundPlayerTest::muteKeyActsWhereMIsNoLetter_data()
{
    QTest::addColumn<QString>("focus"); // "button", "text" or "letters window"
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("toggles");

    const int softSign = 0x042C;
    QTest::newRow("M on a window") << "button" << int(Qt::Key_M) << Qt::KeyboardModifiers() << true;
    QTest::newRow("Shift+M") << "button" << int(Qt::Key_M) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << true;
    QTest::newRow("the M key on the Russian layout")
        << "button" << softSign << Qt::KeyboardModifiers() << true;
    QTest::newRow("another letter") << "button" << int(Qt::Key_N) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Alt+M belongs to the desktop")
        << "button" << int(Qt::Key_M) << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("M typed into a name") << "text" << int(Qt::Key_M) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Ctrl+M in a name")
        << "text" << int(Qt::Key_M) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
    QTest::newRow("M names a letter on the table")
        << "letters window" << int(Qt::Key_M) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Ctrl+M on the table")
        << "letters window" << int(Qt::Key_M) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
}

void SoundPlayerTest::muteKeyActsWhereMIsNoLetter()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, toggles);

    RecordingSounds sounds;
    MuteKey muteKey(sounds);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("OK"));
    auto* text = new QLineEdit;
    layout->addWidget(button);
    layout->addWidget(text);
    if (focus == QLatin1String("letters window"))
        MuteKey::keepLetterKeys(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* target = focus == QLatin1String("text") ? static_cast<QWidget*>(text) : button;
    target->setFocus();
    QApplication::setActiveWindow(&window);

    const QString typed = key == Qt::Key_M ? QStringLiteral("m") : QString(QChar(key).toLower());
    QKeyEvent press(QEvent::KeyPress, key, modifiers, modifiers & Qt::ControlModifier ? QString() : typed);
    QApplication::sendEvent(target, &press);
    QCOMPARE(sounds.isMuted(), toggles);
    if (focus == QLatin1String("text") && !toggles)
        QCOMPARE(text->text(), QStringLiteral("m"));

    // A key held down repeats; the sound must not flicker off and on.
    QKeyEvent repeat(QEvent::KeyPress, key, modifiers, typed, true);
    QApplication::sendEvent(target, &repeat);
    QCOMPARE(sounds.isMuted(), toggles);
}

void SoundPlayerTest::speakerShowsAndTogglesTheState()
{
    RecordingSounds sounds;
    QWidget window;
    auto* speaker = new SpeakerButton(sounds, &window);
    auto* second = new SpeakerButton(sounds, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(speaker->accessibleName(), QStringLiteral("Звук включён"));

    QTest::mouseClick(speaker, Qt::LeftButton);
    QVERIFY(sounds.isMuted());
    // Every speaker follows the one state, whoever changed it.
    QCOMPARE(second->accessibleName(), QStringLiteral("Звук выключен"));
    QCOMPARE(speaker->focusPolicy(), Qt::NoFocus);

    sounds.setMuted(false);
    QCOMPARE(speaker->accessibleName(), QStringLiteral("Звук включён"));
}

void SoundPlayerTest::gameHandsItsSoundToTheWindowsAndTheKey()
{
    TestPlatform test;
    RecordingSounds sounds;
    GameApplication game(GameApplication::Services{DataDir(test.baseDir.path()), test.dialogs, test.random,
                                                   test.exit, test.display, &sounds});
    QVERIFY(game.start());
    StartWindow* start = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<StartWindow*>(widget); window && window->isVisible())
            start = window;
    }
    QVERIFY(start);
    // The keyboard's place on the first entry is shown in silence.
    QVERIFY(sounds.played.isEmpty());
    emit start->menuEntry(2)->mouseMoved();
    QCOMPARE(sounds.played, QList<Sound>{Sound::MenuPoint});

    // M on the start window reaches the same sound its speaker shows.
    QTest::keyClick(start, Qt::Key_M);
    QVERIFY(sounds.isMuted());
    QCOMPARE(start->speaker()->accessibleName(), QStringLiteral("Звук выключен"));
}

void SoundPlayerTest::startMenuSoundsWhenReachedAndChosen()
{
    TestPlatform test;
    RecordingSounds sounds;
    StartWindow* window = showStartWith(test, sounds);
    QVERIFY(window);

    // Each entry reached is heard once, however long the pointer moves over it.
    emit window->menuEntry(2)->mouseMoved();
    emit window->menuEntry(2)->mouseMoved();
    emit window->menuEntry(3)->mouseMoved();
    QCOMPARE(sounds.played, (QList<Sound>{Sound::MenuPoint, Sound::MenuPoint}));

    // "Автор": pressing is silent, choosing on release is heard.
    sounds.played.clear();
    emit window->menuEntry(3)->pressed();
    QVERIFY(sounds.played.isEmpty());
    emit window->menuEntry(3)->released();
    QCOMPARE(sounds.played, QList<Sound>{Sound::MenuChoose});

    // Silenced, the menu works as before and says nothing.
    sounds.played.clear();
    sounds.setMuted(true);
    emit window->menuEntry(1)->mouseMoved();
    QVERIFY(sounds.played.isEmpty());
    QVERIFY(window->menuEntry(1)->isBackgroundOpaque());
}

void SoundPlayerTest::speakerCoversNoMenuEntry()
{
    TestPlatform test;
    RecordingSounds sounds;
    StartWindow* window = showStartWith(test, sounds);
    QVERIFY(window);
    SpeakerButton* speaker = window->speaker();
    QVERIFY(speaker->isVisible());
    QCOMPARE(speaker->parentWidget(), window->picture());
    QVERIFY(window->picture()->rect().contains(speaker->geometry()));
    for (int number = 1; number <= 4; ++number)
        QVERIFY(!speaker->geometry().intersects(window->menuEntry(number)->geometry()));

    QTest::mouseClick(speaker, Qt::LeftButton);
    QVERIFY(sounds.isMuted());
}

void SoundPlayerTest::recordsGreetAChampionWhoEntersTheTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("heard");
    QTest::newRow("into an empty table") << "Вика"
                                         << "450" << true;
    QTest::newRow("no champion: the menu's «Рекорды»") << ""
                                                       << "" << false;
}

void SoundPlayerTest::recordsGreetAChampionWhoEntersTheTable()
{
    QFETCH(QString, name);
    QFETCH(QString, score);
    QFETCH(bool, heard);

    TestPlatform test;
    RecordingSounds sounds;
    test.defineWindows();
    if (!name.isEmpty())
        test.state.Champion = Player{PlayerKind::Person, name, score.toInt()};
    test.platform->windows.define(windownames::records, [&] {
        return std::make_unique<RecordsWindow>(RecordsWindow::Services{test.platform->data,
                                                                       test.platform->pictures, test.dialogs,
                                                                       *test.navigation, sounds},
                                               test.tournament);
    });
    QVERIFY(test.platform->windows.show(windownames::records));
    QCOMPARE(sounds.played, heard ? QList<Sound>{Sound::RecordsChampion} : QList<Sound>{});
}

QTEST_MAIN(SoundPlayerTest)
#include "SoundPlayerTest.moc"
