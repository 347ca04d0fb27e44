// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingSounds.h"
#include "TestPlatform.h"

#include "app/GameApplication.h"
#include "platform/EventLabel.h"
#include "platform/WindowNames.h"
#include "records/RecordsWindow.h"
#include "sound/MuteKey.h"
#include "sound/SoundPlayer.h"
#include "sound/SpeakerButton.h"
#include "sound/WaveFile.h"
#include "start/StartWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

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
    QCOMPARE(collected.lines.size(), 1);
    QVERIFY(collected.lines.first().contains(QStringLiteral("silent")));
    QVERIFY(!player.hasDevice());
    for (const Sound sound : sounds::all())
        player.play(sound);
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
    emit start->menuEntry(1)->mouseMoved();
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
