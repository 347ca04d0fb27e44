// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeldDecoder.h"
#include "TestPlatform.h"

#include "game/GameWindow.h"
#include "platform/Cp1251.h"
#include "platform/EventLabel.h"
#include "platform/PictureSetView.h"
#include "platform/WindowNames.h"
#include "rules/Drum.h"
#include "sound/RoundSounds.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QValidator>

namespace {

// A first draw of 1..100 that stops the drum on each sector.
int drawFor(int sector)
{
    for (int draw = 1; draw <= 100; ++draw) {
        if (drum::sectorForDraw(draw) == sector)
            return draw;
    }
    return 0;
}

struct Seat {
    PlayerKind kind = PlayerKind::Person;
    QString name;
    int score = 0;
};

// A game table over a topic directory holding one word.
class Table {
public:
    explicit Table(const QString& word, int stage = 1,
                   std::array<Seat, 3> seats = {Seat{PlayerKind::Person, QStringLiteral("Аня")},
                                                Seat{PlayerKind::Person, QStringLiteral("Борис")},
                                                Seat{PlayerKind::Person, QStringLiteral("Вера")}})
    {
        QDir(test.dataPath(QStringLiteral("Baz"))).removeRecursively();
        test.writeData(QStringLiteral("Baz/Тест.dat"),
                       *cp1251::encode(QStringLiteral("1\r\n") + word + "\r\n"));
        test.defineWindows();
        GameState& state = test.state;
        state.newGame();
        state.setUpStage();
        state.Stage = stage;
        for (int s = 1; s <= 3; ++s) {
            Player& player = state.player(s, stage);
            player.kind = seats.at(s - 1).kind;
            player.name = seats.at(s - 1).name;
            player.score = seats.at(s - 1).score;
        }
    }

    // The table, with its pictures arrived unless told to leave them to the decoders.
    GameWindow* open(bool picturesArrive = true)
    {
        window = qobject_cast<GameWindow*>(test.platform->windows.show(windownames::game));
        if (window && picturesArrive)
            test.platform->pictures.deliverAll();
        return window;
    }

    // Spins for the current seat and runs the drum until the announcement.
    void spinTo(int sector, bool byButton = true)
    {
        test.random.pushDraw(drawFor(sector), 100);
        if (byButton) {
            window->spinClicked(state().CurrentSeat);
        } else {
            QCOMPARE(clock().untilNext(), WordRound::Pace::computerBeforeSpin);
            clock().runNext();
        }
        steps = 0;
        while (phase() == WordRound::Phase::DrumTurning) {
            QCOMPARE(clock().untilNext(), WordRound::Pace::drumFrame);
            clock().runNext();
            ++steps;
        }
        QCOMPARE(clock().untilNext(), WordRound::Pace::stopSectorShown);
        clock().runNext();
    }

    SteppedClock& clock() { return test.clock; }
    WordRound::Phase phase() const { return window->round().phase(); }

    void press(QChar letter) { window->letterPressed(letters::number(letter)); }
    GameState& state() { return test.state; }
    int score(int seat) { return state().player(seat, state().Stage).score; }

    TestPlatform test;
    GameWindow* window = nullptr;
    int steps = 0;
};

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// Runs the press action of `widget` as a screen reader does, and lets the
// press (queued, so that the reader has its answer first) happen.
void pressAccessibly(QWidget* widget)
{
    QAccessibleInterface* control = accessible(widget);
    QVERIFY(control->actionInterface());
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheBoardOfTheDrawnWord_data();
    void loadShowsTheBoardOfTheDrawnWord();
    void loadPreparesTheFirstTurnOfAPerson();
    void computerInSeatOneSpinsAfterItsDelay();
    void finalistKeepsHisScoreAndANewSeatStartsAtZero();
    void noTopicEndsTheProgramWithTheDatabaseBox_data();
    void noTopicEndsTheProgramWithTheDatabaseBox();
    void bloatedPicturesCostNoMoreThanTheirControls();
    void tablePlaysBeforeItsPicturesArriveAndShowsThemAfter();

    void firstSpinShowsTwoTurnsAndTheStopSector();
    void spinIsHeardAsOneRunOfItsFrames();
    void spinFromTwelveToOneAndBack();
    void drumStepsShowPicturesFromMemoryOnly();
    void letterSectorOpensTheLetterPanelForAPerson();
    void bankruptLosesTheScoreAndTheTurn();
    void turnPassSkipsASeatOutOfTheWord();

    void letterStandingTwiceScoresPerCell();
    void wrongLetterPassesTheTurn();
    void rightLetterKeepsTheTurn();
    void lastCellInTrioTwoMakesTheFinalist();
    void lastCellOfTheFinalCrownsTheChampion();

    void sayingTheWordInSmallLettersWins();
    void sayingTheWordOnALatinLayoutWins();
    void answerWithATrailingBlankLoses();
    void escAndClosingAskBeforeLeavingTheTournament();
    void emptyAnswerCostsNothing();
    void lastWrongWordEndsTheTrioWithoutWinner();
    void messageLineLeadsOnOnlyAfterTheWord();

    void plusSectorOpensTheClickedLetterEverywhere();
    void plusSectorOnTheLastClosedCellFinishesTheWord();
    void plusSectorReachingThreeCellsOffersTheBoxes();

    void prizeBoxAddsAHundredOnce();
    void emptyBoxLeavesTheScore();

    void threeComputersPlayAWordToItsEnd();
    void computerWithNoLetterLeftEndsTheProgram();

    void ctrlUncoversTheHiddenWord();

    void everyMessageIsAnnouncedWithItsText();
    void everyClickableControlHasANameARoleAndAPressAction();
    void pressActionOpensACellOnlyUnderThePlusSector();
    void pressActionOpensAPrizeBoxOnlyWhileTheBoxesAreOffered();
};

void GameWindowTest::loadShowsTheBoardOfTheDrawnWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("caption");
    QTest::newRow("11 letters, trio 1") << QStringLiteral("АБВГДЕЖЗИЙК") << 1 << QStringLiteral("1 тройка");
    QTest::newRow("4 letters, trio 2") << QStringLiteral("КОТЯ") << 2 << QStringLiteral("2 тройка");
    QTest::newRow("1 letter, final") << QStringLiteral("Я") << 4 << QStringLiteral("Финал");
}

void GameWindowTest::loadShowsTheBoardOfTheDrawnWord()
{
    QFETCH(QString, word);
    QFETCH(int, stage);
    QFETCH(QString, caption);
    Table table(word, stage);
    GameWindow* window = table.open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Кордамир"));
    QCOMPARE(window->stageCaption()->text(), caption);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Тема: Тест"));
    QCOMPARE(table.state().SecretWord, word);
    QCOMPARE(table.state().WordLength, word.size());
    for (int i = 1; i <= 11; ++i) {
        const bool used = i <= word.size();
        QCOMPARE(window->cell(i)->isVisible(), used);
        if (!used)
            continue;
        // Nothing of a closed letter is in the window, for the eye or a screen reader.
        QCOMPARE(window->cell(i)->text(), QString());
        QCOMPARE(window->cell(i)->accessibleName(), QStringLiteral("клетка %1, закрыта").arg(i));
        QCOMPARE(window->cell(i)->backgroundColour(), QColor(Qt::black));
        QCOMPARE(window->cell(i)->textColour(), QColor(Qt::black));
    }
    for (int n = 1; n <= 32; ++n) {
        QVERIFY(window->letterButton(n)->isVisible());
        QCOMPARE(table.state().FreeLetters.at(n), QString(letters::letter(n)));
    }
    QCOMPARE(window->letterButton(1)->text(), QStringLiteral("А"));
    QCOMPARE(window->letterButton(32)->text(), QStringLiteral("Я"));
    QVERIFY(!window->letterPanel()->isEnabled());
    QVERIFY(!window->box(1)->isVisible());
    QVERIFY(!window->box(2)->isVisible());
    QCOMPARE(window->hiddenWord()->text(), QString());
    QVERIFY(window->strip()->isVisible());
    QVERIFY(!window->turningDrum()->isVisible());
    // A person's table waits for the person.
    QVERIFY(!table.clock().isWaiting());
}

void GameWindowTest::loadPreparesTheFirstTurnOfAPerson()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    QCOMPARE(table.state().CurrentSeat, 1);
    QCOMPARE(window->nameLabel(1)->text(), QStringLiteral("Аня"));
    QCOMPARE(window->nameLabel(3)->text(), QStringLiteral("Вера"));
    for (int seat = 1; seat <= 3; ++seat) {
        QCOMPARE(window->scoreLabel(seat)->text(), QStringLiteral("0"));
        QCOMPARE(window->spinButton(seat)->isVisible(), seat == 1);
        QCOMPARE(window->sayButton(seat)->isVisible(), seat == 1);
        QCOMPARE(window->marker(seat)->isVisible(), seat == 1);
        QVERIFY(!window->computerLine(seat)->isVisible());
    }
    QCOMPARE(window->spinButton(1)->text(), QStringLiteral("Кручу барабан"));
    QCOMPARE(window->sayButton(1)->text(), QStringLiteral("Скажу слово"));
    // A screen reader hears a seat as one: who, how many points, whose turn.
    QCOMPARE(window->nameLabel(1)->accessibleName(), QStringLiteral("Аня, 0 очков, ходит"));
    QCOMPARE(window->scoreLabel(2)->accessibleName(), QStringLiteral("Борис, 0 очков"));
}

void GameWindowTest::computerInSeatOneSpinsAfterItsDelay()
{
    Table table(QStringLiteral("КОРОВА"), 1,
                {Seat{PlayerKind::Computer, QStringLiteral("Комп-11")},
                 Seat{PlayerKind::Person, QStringLiteral("Б")},
                 Seat{PlayerKind::Person, QStringLiteral("В")}});
    GameWindow* window = table.open();
    QVERIFY(window->computerLine(1)->isVisible());
    QCOMPARE(window->computerLine(1)->text(), QStringLiteral("Кручу барабан"));
    QVERIFY(window->marker(1)->isVisible());
    QVERIFY(!window->spinButton(1)->isVisible());
    QVERIFY(!window->sayButton(1)->isVisible());
    QCOMPARE(table.clock().untilNext(), 3000);
    table.clock().advance(2999);
    QVERIFY(!window->turningDrum()->isVisible());
    table.clock().advance(1);
    QCOMPARE(table.phase(), WordRound::Phase::DrumTurning);
    QCOMPARE(table.clock().untilNext(), 50);
    QVERIFY(window->turningDrum()->isVisible());
    QVERIFY(!window->table()->isVisible());
}

void GameWindowTest::finalistKeepsHisScoreAndANewSeatStartsAtZero()
{
    Table table(QStringLiteral("КОРОВА"), 4,
                {Seat{PlayerKind::Person, QStringLiteral("Аня"), 350},
                 Seat{PlayerKind::Person, QStringLiteral("Новый"), 120},
                 Seat{PlayerKind::Computer, QStringLiteral("Комп-3"), 90}});
    table.state().TrioWithoutWinner.at(2) = true;
    GameWindow* window = table.open();
    QCOMPARE(window->scoreLabel(1)->text(), QStringLiteral("350"));
    QCOMPARE(window->scoreLabel(2)->text(), QStringLiteral("0"));
    QCOMPARE(window->scoreLabel(3)->text(), QStringLiteral("90"));
    QCOMPARE(table.state().CurrentSeat, 1);
}

void GameWindowTest::noTopicEndsTheProgramWithTheDatabaseBox_data()
{
    QTest::addColumn<QByteArray>("topic"); // empty: no topic file at all
    QTest::addColumn<bool>("keepFolder");
    QTest::addColumn<QString>("text");

    const QString missing = QStringLiteral("Работа программы будет завершена, т.к. не найдена база данных");
    QTest::newRow("no folder") << QByteArray() << false << missing;
    QTest::newRow("empty folder") << QByteArray() << true << missing;
    QTest::newRow("topic files without a word")
        << QByteArray("2\r\ncat\r\ndog\r\n") << true
        << QStringLiteral("Работа программы будет завершена: ни один файл темы в папке %1 "
                          "не содержит слова из 1–11 букв А–Я.");
}

void GameWindowTest::noTopicEndsTheProgramWithTheDatabaseBox()
{
    QFETCH(QByteArray, topic);
    QFETCH(bool, keepFolder);
    QFETCH(QString, text);

    Table table(QStringLiteral("КОРОВА"));
    const QString folder = table.test.dataPath(QStringLiteral("Baz"));
    QDir(folder).removeRecursively();
    if (keepFolder)
        QVERIFY(QDir().mkpath(folder));
    if (!topic.isEmpty())
        table.test.writeData(QStringLiteral("Baz/Звери.dat"), topic);
    QVERIFY(!table.open());
    QVERIFY(table.test.exit.hasEnded());
    QCOMPARE(table.test.dialogs.messages.size(), 1);
    QCOMPARE(table.test.dialogs.messages.first().text, text.contains(u'%') ? text.arg(folder) : text);
    QCOMPARE(table.test.dialogs.messages.first().title, QStringLiteral("Кордамир"));
    QCOMPARE(table.test.dialogs.messages.first().icon, Dialogs::Icon::Critical);
}

void GameWindowTest::bloatedPicturesCostNoMoreThanTheirControls()
{
    Table table(QStringLiteral("КОРОВА"));
    QImage huge(2400, 2000, QImage::Format_RGB32);
    huge.fill(Qt::darkGreen);
    for (const QString& name :
         {QStringLiteral("PolV/1.res"), QStringLiteral("PolB/1.res"), QStringLiteral("Scr/Osn.res")}) {
        QVERIFY(huge.save(table.test.dataPath(name), "PNG"));
    }
    GameWindow* window = table.open();
    QVERIFY(window);
    const QSize turning = window->turningDrum()->shownImage().size();
    const QSize resting = window->restingDrum()->shownImage().size();
    const QSize background = table.test.platform->pictures.picture(QStringLiteral("Scr/Osn.res")).size();
    QCOMPARE(turning, QSize(360, 360));
    QCOMPARE(resting, QSize(600, 246));
    QCOMPARE(background, QSize(800, 600));
}

void GameWindowTest::tablePlaysBeforeItsPicturesArriveAndShowsThemAfter()
{
    Table table(QStringLiteral("КОРОВА"));
    table.state().BoxesOffered.at(1) = true; // no boxes after the letter
    HeldDecoder held;
    PictureCache& cache = table.test.platform->pictures;
    cache.setDecoder(held.decoder());
    GameWindow* window = table.open(false);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY2(!held.timedOut(), "the table waited for its pictures");
    // In its colours: not a picture yet.
    QVERIFY(window->table()->pixmap().isNull());
    QCOMPARE(window->restingDrum()->shownPicture(), -1);
    QCOMPARE(window->turningDrum()->shownPicture(), -1);

    // The round goes on meanwhile: a spin, by key, and a letter.
    table.test.random.pushDraw(drawFor(9), 100);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(window, &space);
    QCOMPARE(table.phase(), WordRound::Phase::DrumTurning);
    while (table.phase() == WordRound::Phase::DrumTurning || table.phase() == WordRound::Phase::DrumResting)
        table.clock().runNext();
    QCOMPARE(window->messageLine()->text(), QStringLiteral("40 очков, буква?"));
    table.press(u'К');
    QVERIFY(window->cell(1)->text() == QStringLiteral("К"));
    QVERIFY2(!held.timedOut(), "the round waited for the pictures");
    QVERIFY(window->table()->pixmap().isNull());

    // They arrive, and each shows what the round shows now: the drum at rest on 9.
    held.release();
    cache.deliverAll();
    QCOMPARE(window->table()->pixmap().toImage(), cache.picture(QStringLiteral("Scr/Osn.res")).toImage());
    QCOMPARE(window->restingDrum()->shownPicture(), 8);
    QCOMPARE(window->restingDrum()->shownImage(), cache.picture(QStringLiteral("PolB/9.res")).toImage());
    QCOMPARE(window->turningDrum()->shownPicture(), 8);
    QCOMPARE(window->turningDrum()->shownImage(), cache.picture(QStringLiteral("PolV/9.res")).toImage());
}

void GameWindowTest::spinIsHeardAsOneRunOfItsFrames()
{
    // The spin's clacks are handed over whole as it starts, one a frame as
    // the drum then shows them, and the frames themselves play nothing.
    Table table(QStringLiteral("КОРОВА"));
    table.open();
    RecordingSounds& sounds = table.test.sounds;
    table.spinTo(9);
    QCOMPARE(sounds.runs.size(), 1);
    QCOMPARE(sounds.runs.first(), roundsounds::ofSpin(table.steps));
    QVERIFY(!sounds.played.contains(Sound::DrumClack));
    QCOMPARE(sounds.played.last(), Sound::SectorPoints);
    QCOMPARE(sounds.runsDropped, 0);

    // Left while the drum turns, the table takes the rest of the run back.
    table.press(u'К');
    table.test.random.pushDraw(drawFor(9), 100);
    table.window->spinClicked(table.state().CurrentSeat);
    QCOMPARE(sounds.runs.size(), 2);
    table.clock().runNext();
    table.test.platform->windows.unloadAll();
    TestPlatform::flushUnloads();
    QCOMPARE(sounds.runsDropped, 1);
}

void GameWindowTest::firstSpinShowsTwoTurnsAndTheStopSector()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.test.random.pushDraw(drawFor(9), 100);
    window->spinClicked(1);
    QVERIFY(!window->spinButton(1)->isVisible());
    QVERIFY(!window->sayButton(1)->isVisible());
    QVERIFY(window->marker(1)->isVisibleTo(window->table()));
    QCOMPARE(table.state().SpinStepsLeft, 24 + 9);
    QList<int> shown;
    while (table.phase() == WordRound::Phase::DrumTurning) {
        table.clock().runNext();
        shown << table.state().DrumSector;
        QCOMPARE(
            window->turningDrum()->shownImage(),
            table.test.platform->pictures.picture(QStringLiteral("PolV/%1.res").arg(shown.last())).toImage());
    }
    QCOMPARE(shown.size(), 33);
    QCOMPARE(shown.mid(0, 12), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(shown.last(), 9);
    QCOMPARE(window->restingDrum()->shownImage(),
             table.test.platform->pictures.picture(QStringLiteral("PolB/9.res")).toImage());
    QCOMPARE(table.clock().untilNext(), 1000);
    QVERIFY(window->turningDrum()->isVisible());
    table.clock().runNext();
    QVERIFY(!table.clock().isWaiting());
    QVERIFY(window->table()->isVisible());
    QVERIFY(!window->turningDrum()->isVisible());
    QCOMPARE(window->messageLine()->text(), QStringLiteral("40 очков, буква?"));
}

void GameWindowTest::spinFromTwelveToOneAndBack()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.state().BoxesOffered.at(1) = true; // no boxes between the spins
    table.state().DrumSector = 12;
    table.spinTo(2); // 50 points: letter wanted, turn stays
    QCOMPARE(table.steps, 14);
    table.press(u'К');
    table.state().DrumSector = 12;
    table.spinTo(6);
    QCOMPARE(table.steps, 18);
    table.state().DrumSector = 1;
    window->letterPressed(letters::number(u'Р'));
    table.state().DrumSector = 1;
    table.spinTo(12);
    QCOMPARE(table.steps, 35);
    table.state().DrumSector = 12;
    table.press(u'О');
    table.state().DrumSector = 12;
    table.spinTo(1);
    QCOMPARE(table.steps, 13);
}

void GameWindowTest::drumStepsShowPicturesFromMemoryOnly()
{
    Table table(QStringLiteral("КОРОВА"));
    table.open();
    const int decoded = table.test.platform->pictures.decodeCount();
    table.spinTo(4);
    QCOMPARE(table.test.platform->pictures.decodeCount(), decoded);
}

void GameWindowTest::letterSectorOpensTheLetterPanelForAPerson()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(7);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("30 очков, буква?"));
    QVERIFY(window->letterPanel()->isEnabled());
    QVERIFY(!window->spinButton(1)->isVisible());
    QVERIFY(!window->sayButton(1)->isVisible());
}

void GameWindowTest::bankruptLosesTheScoreAndTheTurn()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.state().player(1, 1).score = 350;
    table.spinTo(drum::bankruptSector);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Вы банкрот!"));
    QCOMPARE(window->scoreLabel(1)->text(), QStringLiteral("0"));
    QCOMPARE(table.score(1), 0);
    QCOMPARE(table.state().CurrentSeat, 2);
    QVERIFY(!window->marker(1)->isVisible());
    QVERIFY(window->spinButton(2)->isVisible());
    QVERIFY(window->marker(2)->isVisible());
}

void GameWindowTest::turnPassSkipsASeatOutOfTheWord()
{
    Table table(QStringLiteral("КОРОВА"), 1,
                {Seat{PlayerKind::Person, QStringLiteral("А")}, Seat{PlayerKind::Person, QStringLiteral("Б")},
                 Seat{PlayerKind::Computer, QStringLiteral("Комп-13")}});
    GameWindow* window = table.open();
    table.state().SeatInPlay.at(2) = false;
    table.spinTo(1);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Переход хода!"));
    QCOMPARE(table.state().CurrentSeat, 3);
    QCOMPARE(table.clock().untilNext(), 3000);
    QCOMPARE(window->computerLine(3)->text(), QStringLiteral("Кручу барабан"));
    table.spinTo(5, false);
    QCOMPARE(table.state().CurrentSeat, 1);
    QVERIFY(!window->computerLine(3)->isVisible());
    QVERIFY(window->spinButton(1)->isVisible());
}

void GameWindowTest::letterStandingTwiceScoresPerCell()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(7);
    table.press(u'О');
    QCOMPARE(table.score(1), 60);
    QCOMPARE(window->scoreLabel(1)->text(), QStringLiteral("60"));
    QCOMPARE(table.state().CellsOpened.at(1), 2);
    QCOMPARE(window->cell(2)->backgroundColour(), QColor(Qt::white));
    QCOMPARE(window->cell(4)->backgroundColour(), QColor(Qt::white));
    QCOMPARE(window->cell(1)->backgroundColour(), QColor(Qt::black));
    QCOMPARE(window->cell(2)->text(), QStringLiteral("О"));
    QCOMPARE(window->cell(2)->accessibleName(), QStringLiteral("клетка 2, буква О"));
    QCOMPARE(window->cell(1)->text(), QString());
    QVERIFY(!window->letterButton(letters::number(u'О'))->isVisible());
    QVERIFY(table.state().FreeLetters.at(letters::number(u'О')).isEmpty());
}

void GameWindowTest::wrongLetterPassesTheTurn()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(2);
    table.press(u'Ж');
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Нет такой буквы в этом слове!"));
    QCOMPARE(table.score(1), 0);
    QCOMPARE(table.state().CurrentSeat, 2);
    QVERIFY(!window->letterPanel()->isEnabled());
    QVERIFY(!window->letterButton(letters::number(u'Ж'))->isVisible());
    QVERIFY(window->spinButton(2)->isVisible());
    QVERIFY(!window->spinButton(1)->isVisible());
}

void GameWindowTest::rightLetterKeepsTheTurn()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(4);
    table.press(u'Р');
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Есть такая буква в этом слове!"));
    QCOMPARE(table.score(1), 20);
    QCOMPARE(table.state().CurrentSeat, 1);
    QVERIFY(window->spinButton(1)->isVisible());
    QVERIFY(!window->letterPanel()->isEnabled());
}

void GameWindowTest::lastCellInTrioTwoMakesTheFinalist()
{
    Table table(QStringLiteral("ДОМ"), 2);
    GameWindow* window = table.open();
    table.spinTo(9);
    table.press(u'Д');
    table.spinTo(9);
    table.press(u'О');
    table.spinTo(9);
    table.press(u'М'); // completes the word: no boxes although three cells are open
    QVERIFY(table.state().WordFinished);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Аня открыл слово!"));
    QCOMPARE(table.state().Stage, 3);
    const Player& finalist = table.state().player(2, 4);
    QCOMPARE(finalist.name, QStringLiteral("Аня"));
    QCOMPARE(finalist.kind, PlayerKind::Person);
    QCOMPARE(finalist.score, 120);
    QVERIFY(!window->box(1)->isVisible());
    QVERIFY(!window->spinButton(1)->isVisible());
    QVERIFY(!window->marker(1)->isVisible());
}

void GameWindowTest::lastCellOfTheFinalCrownsTheChampion()
{
    Table table(QStringLiteral("ЛЕС"), 4,
                {Seat{PlayerKind::Person, QStringLiteral("Аня"), 350},
                 Seat{PlayerKind::Person, QStringLiteral("Б")},
                 Seat{PlayerKind::Person, QStringLiteral("В")}});
    GameWindow* window = table.open();
    table.spinTo(6);
    table.press(u'Л');
    table.state().BoxesOffered.at(1) = true;
    table.spinTo(6);
    table.press(u'Е');
    table.spinTo(6);
    table.press(u'С');
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Аня ПОБЕДИТЕЛЬ!"));
    QCOMPARE(table.state().Stage, 5);
    QVERIFY(table.state().Champion);
    QCOMPARE(table.state().Champion->name, QStringLiteral("Аня"));
    QCOMPARE(table.state().Champion->score, 380);
}

void GameWindowTest::sayingTheWordInSmallLettersWins()
{
    Table table(QStringLiteral("КОРОВА"), 3);
    GameWindow* window = table.open();
    table.state().player(1, 3).score = 70;
    table.test.dialogs.inputs.enqueue(QStringLiteral("корова"));
    window->sayWordClicked(1);
    QCOMPARE(table.test.dialogs.prompts.first().prompt, QStringLiteral("Назовите слово:"));
    QCOMPARE(table.test.dialogs.prompts.first().title, QStringLiteral("Кордамир"));
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Аня угадал слово!"));
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(window->cell(i)->backgroundColour(), QColor(Qt::white));
    QCOMPARE(table.state().player(3, 4).name, QStringLiteral("Аня"));
    QCOMPARE(table.state().player(3, 4).score, 70);
    QCOMPARE(table.state().Stage, 4);
    QVERIFY(table.state().WordFinished);
}

// On a Latin layout the keys at ЧЕРЕШНЯ's places type "xthtiyz": the box
// shows the Russian letters as they are typed, and the answer is read so.
void GameWindowTest::sayingTheWordOnALatinLayoutWins()
{
    Table table(QStringLiteral("ЧЕРЕШНЯ"), 3);
    GameWindow* window = table.open();
    QString shownWhileTyping;
    table.test.dialogs.whileOpen = [&] {
        QValidator* shaping = table.test.dialogs.prompts.last().validator;
        QVERIFY(shaping);
        shownWhileTyping = QStringLiteral("xth");
        int cursor = 3;
        shaping->validate(shownWhileTyping, cursor);
    };
    table.test.dialogs.inputs.enqueue(QStringLiteral("xthtiyz"));
    window->sayWordClicked(1);
    QCOMPARE(shownWhileTyping, QStringLiteral("ЧЕР"));
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Аня угадал слово!"));
}

void GameWindowTest::answerWithATrailingBlankLoses()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.test.dialogs.inputs.enqueue(QStringLiteral("КОРОВА "));
    window->sayWordClicked(1);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Аня ошибся!"));
    QVERIFY(!table.state().SeatInPlay.at(1));
    QVERIFY(!window->stand(1)->isVisible());
    QVERIFY(!window->scorePlate(1)->isVisible());
    QVERIFY(!window->scoreLabel(1)->isVisible());
    QVERIFY(!window->nameLabel(1)->isVisible());
    QCOMPARE(table.state().CurrentSeat, 2);
    QVERIFY(window->spinButton(2)->isVisible());
    QVERIFY(!table.state().WordFinished);
}

void GameWindowTest::emptyAnswerCostsNothing()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    window->sayWordClicked(1); // Cancel
    QVERIFY(table.state().SeatInPlay.at(1));
    QCOMPARE(table.state().CurrentSeat, 1);
    QVERIFY(window->spinButton(1)->isVisible());
    QVERIFY(window->sayButton(1)->isVisible());
    QVERIFY(window->marker(1)->isVisible());
}

void GameWindowTest::lastWrongWordEndsTheTrioWithoutWinner()
{
    Table table(QStringLiteral("КОРОВА"), 2);
    GameWindow* window = table.open();
    for (int seat = 1; seat <= 3; ++seat) {
        QCOMPARE(table.state().CurrentSeat, seat);
        table.test.dialogs.inputs.enqueue(QStringLiteral("КОРОБКА"));
        window->sayWordClicked(seat);
    }
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Нет победителя!"));
    QVERIFY(table.state().TrioWithoutWinner.at(2));
    QVERIFY(table.state().WordFinished);
    QCOMPARE(table.state().Stage, 3);
    QCOMPARE(window->cell(1)->backgroundColour(), QColor(Qt::black));
}

void GameWindowTest::messageLineLeadsOnOnlyAfterTheWord()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    QTest::mouseClick(window->messageLine(), Qt::LeftButton);
    QTest::mouseClick(window->marker(1), Qt::LeftButton);
    QCOMPARE(table.test.platform->windows.find(windownames::game), window);

    table.test.dialogs.inputs.enqueue(QStringLiteral("КОРОВА"));
    window->sayWordClicked(1);
    QTest::mouseClick(window->messagePlate(), Qt::LeftButton);
    QVERIFY(!table.test.platform->windows.find(windownames::game));
    QVERIFY(table.test.platform->windows.find(windownames::setup));
    QWidget* start = table.test.platform->windows.find(windownames::start);
    QVERIFY(start);
    QVERIFY(!start->isEnabled());
}

void GameWindowTest::plusSectorOpensTheClickedLetterEverywhere()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(drum::plusSector);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Сектор плюс, какую открыть букву?"));
    QVERIFY(table.state().PlusSectorActive);
    QCOMPARE(window->cell(3)->cursor().shape(), Qt::WhatsThisCursor);
    QVERIFY(!window->letterPanel()->isEnabled());

    window->cellClicked(4); // О also stands in cell 2
    QCOMPARE(window->messageLine()->text(), QStringLiteral("4 буква это - О"));
    QCOMPARE(window->cell(2)->backgroundColour(), QColor(Qt::white));
    QCOMPARE(window->cell(4)->backgroundColour(), QColor(Qt::white));
    QCOMPARE(table.score(1), 0);
    QVERIFY(!window->letterButton(letters::number(u'О'))->isVisible());
    QVERIFY(table.state().FreeLetters.at(letters::number(u'О')).isEmpty());
    QVERIFY(!table.state().PlusSectorActive);
    QCOMPARE(window->cell(3)->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(window->spinButton(1)->isVisible());
    QVERIFY(window->sayButton(1)->isVisible());

    window->cellClicked(1); // outside the plus state: nothing
    QCOMPARE(window->cell(1)->backgroundColour(), QColor(Qt::black));
}

void GameWindowTest::plusSectorOnTheLastClosedCellFinishesTheWord()
{
    Table table(QStringLiteral("ОКО"));
    GameWindow* window = table.open();
    table.spinTo(2);
    table.press(u'О');
    table.spinTo(drum::plusSector);
    window->cellClicked(1); // open: nothing, still waiting
    QVERIFY(table.state().PlusSectorActive);
    window->cellClicked(2);
    QVERIFY(table.state().WordFinished);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Аня открыл слово!"));
}

void GameWindowTest::plusSectorReachingThreeCellsOffersTheBoxes()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(2);
    table.press(u'К');
    table.spinTo(drum::plusSector);
    window->cellClicked(2);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Выбирайте шкатулку!"));
    QVERIFY(window->box(1)->isVisible());
    QVERIFY(window->box(2)->isVisible());
    QVERIFY(!window->spinButton(1)->isVisible());
    QVERIFY(window->marker(1)->isVisible());
}

void GameWindowTest::prizeBoxAddsAHundredOnce()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.state().player(1, 1).score = 220;
    table.spinTo(7);
    table.press(u'О');
    table.spinTo(7);
    table.test.random.pushDraw(1, 2); // the prize in the left box
    table.press(u'Р');
    QCOMPARE(table.score(1), 310); // 220 + 60 + 30: the boxes came with the third cell
    QVERIFY(window->box(1)->isVisible());
    QVERIFY(table.state().PrizeInFirstBox);

    table.state().player(1, 1).score = 250;
    QTest::mouseClick(window->box(1), Qt::LeftButton);
    QTest::mouseClick(window->box(1), Qt::LeftButton);
    QTest::mouseClick(window->box(2), Qt::LeftButton);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Наверно вы знали!"));
    QCOMPARE(window->box(1)->accessibleName(), QStringLiteral("шкатулка 1, с призом"));
    QCOMPARE(window->box(2)->accessibleName(), QStringLiteral("шкатулка 2"));
    QCOMPARE(window->nameLabel(1)->accessibleName(), QStringLiteral("Аня, 350 очков, ходит"));
    QCOMPARE(table.score(1), 350);
    QCOMPARE(window->scoreLabel(1)->text(), QStringLiteral("350"));
    QCOMPARE(window->box(1)->y(), 5040 / 15);
    QCOMPARE(window->box(2)->y(), 5760 / 15);
    QCOMPARE(table.clock().untilNext(), 1000);

    table.clock().runNext();
    QVERIFY(!window->box(1)->isVisible());
    QVERIFY(!window->box(2)->isVisible());
    QCOMPARE(window->box(1)->y(), 5760 / 15);
    QVERIFY(window->spinButton(1)->isVisible());
    QVERIFY(window->sayButton(1)->isVisible());
    QVERIFY(!table.clock().isWaiting());
}

void GameWindowTest::emptyBoxLeavesTheScore()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.state().CellsOpened.at(1) = 2;
    table.spinTo(4);
    table.test.random.pushDraw(1, 2);
    table.press(u'К');
    table.state().player(1, 1).score = 250;
    window->openBox(2);
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Увы эта шкатулка пуста!"));
    QCOMPARE(table.score(1), 250);
    QCOMPARE(window->box(2)->pixmap().cacheKey(),
             table.test.platform->pictures.picture(QStringLiteral("Prd/ShP.res")).cacheKey());
}

void GameWindowTest::threeComputersPlayAWordToItsEnd()
{
    const Seat computer{PlayerKind::Computer, QStringLiteral("Комп")};
    Table table(QStringLiteral("КОМПЬЮТЕР"), 1, {computer, computer, computer});
    GameWindow* window = table.open();
    QSet<int> named;
    int ticks = 0;
    while (!table.state().WordFinished && ticks < 5000) {
        ++ticks;
        const WordRound::Phase before = table.phase();
        const int letterBefore = window->round().computerLetter();
        QVERIFY2(table.clock().runNext(), "the clock waits while computers play");
        if (before == WordRound::Phase::DrumResting) {
            QVERIFY(!table.state().PlusSectorActive);
        } else if (before == WordRound::Phase::AwaitingLetter && letterBefore == 0) {
            const int letter = window->round().computerLetter();
            QVERIFY2(!named.contains(letter), "a letter named twice");
            // A named letter's button is hidden for the rest of the word.
            QVERIFY2(!window->letterButton(letter)->isHidden(), "the computer chose a letter already named");
            QVERIFY(!table.state().FreeLetters.at(letter).isEmpty());
            named.insert(letter);
            QVERIFY(
                window->computerLine(table.state().CurrentSeat)->text().startsWith(QStringLiteral("Буква ")));
        } else if (before == WordRound::Phase::AwaitingLetter) {
            QVERIFY(window->letterButton(letterBefore)->isHidden());
        }
    }
    QVERIFY(table.state().WordFinished);
    QVERIFY(window->messageLine()->text().endsWith(QStringLiteral(" открыл слово!")));
    for (int seat = 1; seat <= 3; ++seat)
        QVERIFY(!table.state().BoxesOffered.at(seat));
    QVERIFY(!table.clock().isWaiting());
}

void GameWindowTest::computerWithNoLetterLeftEndsTheProgram()
{
    Table table(QStringLiteral("КОРОВА"), 1,
                {Seat{PlayerKind::Computer, QStringLiteral("Комп-11")}, Seat{}, Seat{}});
    table.open();
    for (int n = 1; n <= 32; ++n)
        table.state().FreeLetters.at(n).clear();
    table.spinTo(2, false);
    table.clock().runNext();
    QVERIFY(table.test.exit.hasEnded());
    QCOMPARE(table.test.dialogs.messages.size(), 1);
    QCOMPARE(table.test.dialogs.messages.first().text,
             QStringLiteral("Ошибка! Комп не может выбрать букву!"));
    QCOMPARE(table.test.dialogs.messages.first().title, QStringLiteral("Ошибка"));
    QVERIFY(!table.clock().isWaiting());
}

void GameWindowTest::ctrlUncoversTheHiddenWord()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    QTest::mouseMove(window->strip(), QPoint(5, 5));
    QVERIFY(window->strip()->isVisible());

    QTest::keyPress(window, Qt::Key_Shift);
    QTest::keyPress(window, Qt::Key_A);
    QTest::mouseMove(window->strip(), QPoint(6, 5));
    QVERIFY(window->strip()->isVisible()); // other keys uncover nothing
    QTest::keyPress(window->spinButton(1), Qt::Key_Control);
    QVERIFY(window->strip()->isVisible()); // only a move over the strip uncovers
    QTest::mouseMove(window->strip(), QPoint(8, 5));
    QVERIFY(!window->strip()->isVisible());
    QCOMPARE(window->hiddenWord()->text(), QStringLiteral("КОРОВА"));

    QTest::keyRelease(window, Qt::Key_Shift);
    QTest::keyRelease(window, Qt::Key_Control);
    QTest::mouseMove(window->hiddenWord(), QPoint(2, 2));
    QVERIFY(!window->strip()->isVisible());
    QTest::mouseMove(window->table(), QPoint(790, 60)); // a free spot of the table
    QVERIFY(window->strip()->isVisible());
    QCOMPARE(window->hiddenWord()->text(), QString());
    QTest::mouseMove(window->strip(), QPoint(5, 5));
    QVERIFY(window->strip()->isVisible()); // Ctrl is up: the strip stays
}

// Esc did nothing on the table, and closing the window ended the program
// mid-tournament without a word.
void GameWindowTest::escAndClosingAskBeforeLeavingTheTournament()
{
    Table table(QStringLiteral("КОРОВА"));
    QPointer<GameWindow> window = table.open();
    table.spinTo(7); // a letter is wanted: the drum's work is done
    auto* running = new QTimer(window);
    running->start(60000);

    table.test.dialogs.answers.enqueue(Dialogs::Answer::No);
    bool runningWhileAsked = true;
    table.test.dialogs.whileOpen = [&] { runningWhileAsked = running->isActive(); };
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(table.test.dialogs.messages.last().text, QStringLiteral("Закончить игру?"));
    QCOMPARE(table.test.dialogs.messages.last().owner, window.data());
    QVERIFY(!runningWhileAsked);  // the table stands still under the question
    QVERIFY(running->isActive()); // and goes on after "Нет"
    QCOMPARE(table.test.platform->windows.find(windownames::game), window.data());

    table.test.dialogs.answers.enqueue(Dialogs::Answer::No);
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QCOMPARE(table.test.dialogs.messages.size(), 2);

    table.test.dialogs.whileOpen = nullptr;
    table.test.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QVERIFY(window->close());
    QVERIFY(!table.test.platform->windows.find(windownames::game));
    QVERIFY(table.test.platform->windows.find(windownames::start));
    QVERIFY(!table.test.exit.hasEnded());
}

void GameWindowTest::everyMessageIsAnnouncedWithItsText()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    QSignalSpy heard(window->messageLine(), &PressableLabel::announced);
    const QString sector = QStringLiteral("30 очков, буква?");
    const QString missing = QStringLiteral("Нет такой буквы в этом слове!");
    table.spinTo(7);
    table.press(u'Ж');
    // The same words for the next seat are news all the same.
    table.spinTo(7);
    table.press(u'Ш');
    // The drum turning, or the say-word box opened and cancelled, repeat nothing.
    table.test.dialogs.inputs.enqueue(QString());
    window->sayWordClicked(3);
    QStringList texts;
    for (const QList<QVariant>& news : std::as_const(heard))
        texts << news.at(0).toString();
    QCOMPARE(texts, QStringList({sector, missing, sector, missing}));

    QAccessibleInterface* line = accessible(window->messageLine());
    QCOMPARE(line->role(), QAccessible::StatusBar);
    QCOMPARE(line->text(QAccessible::Name), missing);
    QVERIFY(line->textInterface());
    QCOMPARE(line->textInterface()->text(0, -1), missing);
    QCOMPARE(line->textInterface()->characterCount(), missing.size());
}

void GameWindowTest::everyClickableControlHasANameARoleAndAPressAction()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(7); // the letters wait for a press: a disabled button offers none
    QList<QWidget*> controls{window->messageLine(), window->box(1), window->box(2)};
    for (int i = 1; i <= GameState::maxWordLength; ++i)
        controls << window->cell(i);
    for (int n = 1; n <= letters::count; ++n)
        controls << window->letterButton(n);
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        controls << window->spinButton(seat) << window->sayButton(seat);
    for (QWidget* control : std::as_const(controls)) {
        QAccessibleInterface* reader = accessible(control);
        const QByteArray which = control->objectName().toUtf8();
        QVERIFY2(!reader->text(QAccessible::Name).isEmpty(), which);
        QVERIFY2(reader->role() == QAccessible::Button || reader->role() == QAccessible::StatusBar, which);
        QVERIFY2(reader->actionInterface(), which);
        QVERIFY2(reader->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 which);
    }
    QCOMPARE(accessible(window->spinButton(2))->text(QAccessible::Name), QStringLiteral("Кручу барабан"));
    QCOMPARE(accessible(window->sayButton(2))->text(QAccessible::Name), QStringLiteral("Скажу слово"));
    QCOMPARE(accessible(window->letterButton(letters::number(u'Ж')))->text(QAccessible::Name),
             QStringLiteral("Ж"));
}

void GameWindowTest::pressActionOpensACellOnlyUnderThePlusSector()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    QVERIFY(accessible(window->cell(3))->state().disabled);
    pressAccessibly(window->cell(3));
    QCOMPARE(accessible(window->cell(3))->text(QAccessible::Name), QStringLiteral("клетка 3, закрыта"));

    table.spinTo(drum::plusSector);
    QVERIFY(!accessible(window->cell(3))->state().disabled);
    pressAccessibly(window->cell(3));
    QCOMPARE(accessible(window->cell(3))->text(QAccessible::Name), QStringLiteral("клетка 3, буква Р"));
    QCOMPARE(window->messageLine()->text(), QStringLiteral("3 буква это - Р"));
    // Open, it waits for no press.
    QVERIFY(accessible(window->cell(3))->state().disabled);
    QVERIFY(accessible(window->cell(1))->state().disabled);
}

void GameWindowTest::pressActionOpensAPrizeBoxOnlyWhileTheBoxesAreOffered()
{
    Table table(QStringLiteral("КОРОВА"));
    GameWindow* window = table.open();
    table.spinTo(7);
    table.press(u'О');
    table.spinTo(7);
    table.test.random.pushDraw(2, 2); // the prize in the right box
    table.press(u'Р');
    QAccessibleInterface* left = accessible(window->box(1));
    QCOMPARE(left->role(), QAccessible::Button);
    QCOMPARE(left->text(QAccessible::Name), QStringLiteral("шкатулка 1"));
    QVERIFY(!left->state().disabled);

    pressAccessibly(window->box(1));
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Увы эта шкатулка пуста!"));
    QCOMPARE(left->text(QAccessible::Name), QStringLiteral("шкатулка 1, пустая"));
    QVERIFY(accessible(window->box(2))->state().disabled);
    pressAccessibly(window->box(2));
    QCOMPARE(window->messageLine()->text(), QStringLiteral("Увы эта шкатулка пуста!"));
    QCOMPARE(table.score(1), 90);
}

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
