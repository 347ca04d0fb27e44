// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameWindow.h"

#include "game/LatinPlacesValidator.h"
#include "game/TableKeys.h"
#include "game/TableTexts.h"
#include "platform/Clock.h"
#include "platform/DataDir.h"
#include "platform/Dialogs.h"
#include "platform/EventLabel.h"
#include "platform/Fonts.h"
#include "platform/Navigation.h"
#include "platform/PictureCache.h"
#include "platform/PictureSetView.h"
#include "platform/Pictures.h"
#include "platform/ProgramExit.h"
#include "platform/RandomSource.h"
#include "rules/Drum.h"
#include "rules/TopicDatabase.h"
#include "sound/MuteKey.h"
#include "sound/RoundSounds.h"
#include "sound/SoundService.h"
#include "sound/SpeakerButton.h"
#include "state/GameState.h"

#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

static_assert(pictures::drumPictureCount == drum::sectorCount, "one drum picture per sector");

namespace {

// The key hint on a closed cell under the plus sector: the yellow of the
// computers' lines, on the black of the cell.
const QColor cellKeyColour(0xFF, 0xF0, 0x90);

Clock& clockOf(const GameWindow::Services& services, std::unique_ptr<Clock>& own, QObject* window)
{
    if (services.clock)
        return *services.clock;
    own = std::make_unique<TimerClock>(window);
    return *own;
}

} // namespace

GameWindow::GameWindow(const Services& services, Tournament& tournament)
    : services_(services), tournament_(tournament),
      round_(tournament, services.random, clockOf(services, ownClock_, this)),
      controls_(TableControls::build(this))
{
    setWindowTitle(Dialogs::applicationTitle);
    setBackgroundColour(gameBackground);
    resize(pictures::tableWindowSize);
    connectControls();

    connect(&round_, &WordRound::changed, this, &GameWindow::showRound);
    connect(&round_, &WordRound::drumTurned, this, &GameWindow::showDrum);
    connect(&round_, &WordRound::played, this, &GameWindow::showOutcome);
    connect(&round_, &WordRound::played, this, [this](const WordRound::Outcome& outcome) {
        // The drum's turn is known whole as it starts: its clacks go out as
        // one run, in step with the frames the rules will show.
        if (outcome.next == WordRound::Next::DrumSpinning)
            services_.sounds.playRun(roundsounds::ofSpin(outcome.drumFrames));
        playSounds(roundsounds::of(outcome, round_.message()));
    });

    // The speaker stands in the table's free bottom-left corner; on the
    // table the M key names a letter, so Ctrl+M silences.
    speaker_ = new SpeakerButton(services_.sounds, controls_.table);
    speaker_->move(pictures::tableSpeakerAt);
    MuteKey::keepLetterKeys(*this);

    // Key preview: the window sees Ctrl whichever of its controls has the focus.
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    auto* keys = new TableKeys(*this, round_);
    connect(keys, &TableKeys::letterChosen, this, &GameWindow::letterPressed);
    connect(keys, &TableKeys::spinChosen, this, &GameWindow::spinClicked);
    connect(keys, &TableKeys::sayWordChosen, this, &GameWindow::sayWordClicked);
    connect(keys, &TableKeys::boxChosen, this, &GameWindow::openBox);
    connect(keys, &TableKeys::cellChosen, this, &GameWindow::cellClicked);
    connect(keys, &TableKeys::goOnChosen, this, &GameWindow::goOn);
    fitTableTexts(*this);
}

GameWindow::~GameWindow()
{
    // A drum left turning takes its clacks with it.
    if (round_.phase() == WordRound::Phase::DrumTurning)
        services_.sounds.stopRun();
}

void GameWindow::connectControls()
{
    const TableControls& c = controls_;
    connect(c.table, &EventLabel::mouseMoved, this, [this] { showPeek(false); });
    connect(c.hiddenWordStrip, &EventLabel::mouseMoved, this, [this] {
        if (peekKeyHeld_)
            showPeek(true);
    });
    connect(c.messagePlate, &EventLabel::clicked, this, &GameWindow::goOn);
    connect(c.messageLine, &EventLabel::clicked, this, &GameWindow::goOn);
    for (int i = 1; i <= GameState::maxWordLength; ++i)
        connect(c.cells.at(i), &EventLabel::clicked, this, [this, i] { cellClicked(i); });
    for (int b = 1; b <= WordRound::boxCount; ++b)
        connect(c.prizeBoxes.at(b), &EventLabel::clicked, this, [this, b] { openBox(b); });
    for (int n = 1; n <= letters::count; ++n)
        connect(c.letterButtons.at(n), &QPushButton::clicked, this, [this, n] { letterPressed(n); });
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        connect(c.sayWordButtons.at(seat), &QPushButton::clicked, this,
                [this, seat] { sayWordClicked(seat); });
        connect(c.spinButtons.at(seat), &QPushButton::clicked, this, [this, seat] { spinClicked(seat); });
    }
}

QList<std::pair<QString, QSize>> GameWindow::pictures()
{
    return {{pictures::tableBackdrop, pictures::backdropSize},
            {pictures::closedBox, pictures::prizeBoxSize},
            {pictures::boxWithPrize, pictures::prizeBoxSize},
            {pictures::emptyBox, pictures::prizeBoxSize}};
}

QStringList GameWindow::drumPictures(QString (*picture)(int sector))
{
    QStringList all;
    for (int sector = 1; sector <= drum::sectorCount; ++sector)
        all << picture(sector);
    return all;
}

void GameWindow::preload(PictureCache& cache)
{
    cache.preloadInBackground(pictures());
    fonts::lookUpSoon(TableControls::fonts());
    // The drum's pictures differ only in its face: each set holds its
    // surround once.
    cache.preloadSetsInBackground({{drumPictures(pictures::restingDrum), pictures::restingDrumPlace.size()},
                                   {drumPictures(pictures::turningDrum), pictures::turningDrumPlace.size()}});
}

void GameWindow::present()
{
    presentMaximised();
    setFocus();
}

void GameWindow::load()
{
    TableControls& c = controls_;
    keepCentred({c.table, c.turningDrum});
    c.stageCaption->setText(Tournament::stageCaption(tournament_.stage()));

    // The table comes up at once in its colours and the round begins; each
    // picture is drawn as it arrives (most were decoded while the players
    // were named; the prize boxes are begun here should the table come
    // first). A drum's twelve arrive as one set, so that once it is there no
    // spin waits for the disk; until then the drum turns unseen.
    PictureCache& cache = services_.pictures;
    cache.preloadInBackground(pictures());
    cache.showWhenDecoded(pictures::tableBackdrop, c.table->size(), c.table,
                          [table = c.table](const QPixmap& backdrop) { table->setPixmap(backdrop); });
    for (PictureSetView* drum : {c.restingDrum, c.turningDrum}) {
        drum->showPicture(0);
        cache.showSetWhenDecoded(
            drumPictures(drum == c.restingDrum ? pictures::restingDrum : pictures::turningDrum), drum->size(),
            drum, [drum](const PictureSet& set) { drum->setPictures(&set); });
    }
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        c.names.at(seat)->setText(tournament_.state().player(seat, tournament_.stage()).name);
    showPeek(false);

    if (const auto drawn = drawWord())
        round_.begin(drawn->word, drawn->topic);
}

std::optional<TopicWord> GameWindow::drawWord()
{
    const QString topicDir = services_.data.path(QStringLiteral("Baz"));
    TopicDatabase::DrawReport report;
    const auto drawn = TopicDatabase::draw(topicDir, services_.random, &report);
    if (!drawn) {
        // Files that are there but hold no word are not a missing database:
        // the player is told so, and each file's fault goes to the terminal.
        for (const QString& rejected : std::as_const(report.rejected))
            std::fprintf(stderr, "%s\n", qUtf8Printable(QStringLiteral("Кордамир: Baz/") + rejected));
        services_.dialogs.message(this,
                                  report.topicFiles == 0
                                      ? tr("Работа программы будет завершена, т.к. не найдена база данных")
                                      : tr("Работа программы будет завершена: ни один файл темы в папке %1 "
                                           "не содержит слова из 1–11 букв А–Я.")
                                            .arg(QDir::toNativeSeparators(topicDir)),
                                  Dialogs::Icon::Critical);
        services_.program.end();
    }
    return drawn;
}

// ---- Showing the round -----------------------------------------------------------

void GameWindow::showRound()
{
    using Phase = WordRound::Phase;
    TableControls& c = controls_;
    const Phase phase = round_.phase();
    const bool drumTurning = phase == Phase::DrumTurning || phase == Phase::DrumResting;
    c.table->setVisible(!drumTurning);
    c.turningDrum->setVisible(drumTurning);
    c.turningDrum->setAccessibleName(TableTexts::drum(round_.drumSector(), true));
    c.restingDrum->setAccessibleName(TableTexts::drum(round_.drumSector(), false));

    showMessage();
    for (int i = 1; i <= GameState::maxWordLength; ++i) {
        const bool pickable = round_.allows(WordRound::Move::OpenPlusCell) && !round_.isCellOpen(i);
        showCell(i, round_.isCellOpen(i), pickable);
        c.cells.at(i)->setAvailable(pickable);
        c.cells.at(i)->setVisible(i <= round_.wordLength());
        if (phase == Phase::AwaitingPlusCell)
            c.cells.at(i)->setCursor(Qt::WhatsThisCursor);
        else
            c.cells.at(i)->unsetCursor();
    }
    for (int n = 1; n <= letters::count; ++n)
        c.letterButtons.at(n)->setVisible(round_.isLetterFree(n));
    c.letterPanel->setEnabled(round_.allows(WordRound::Move::NameLetter));
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        showSeat(seat);
    showBox(1);
    showBox(2);
}

void GameWindow::showMessage()
{
    // A player who cannot see the table hears each message as it appears,
    // the same words given anew included.
    PressableLabel* line = controls_.messageLine;
    const QString before = line->text();
    line->setText(TableTexts::message(round_.message()));
    line->setAvailable(round_.allows(WordRound::Move::GoOn));
    if (round_.messageNumber() != shownMessage_ && !line->text().isEmpty())
        line->announce(before);
    shownMessage_ = round_.messageNumber();
}

void GameWindow::showSeat(int seat)
{
    using Phase = WordRound::Phase;
    TableControls& c = controls_;
    const Phase phase = round_.phase();
    const bool toMove = seat == round_.currentSeat() && phase != Phase::WordOver
                        && phase != Phase::NotStarted;
    const bool computer = round_.isComputer(seat);
    const bool mayAct = toMove && !computer && phase == Phase::AwaitingSpin && !askingForWord_;
    c.sayWordButtons.at(seat)->setVisible(mayAct);
    c.spinButtons.at(seat)->setVisible(mayAct);
    c.turnMarkers.at(seat)->setVisible(toMove && !askingForWord_);
    c.computerLines.at(seat)->setVisible(toMove && computer);
    if (toMove && computer)
        c.computerLines.at(seat)->setText(TableTexts::computerLine(phase, round_.computerLetter()));

    // A seat that said a wrong word leaves the table for the rest of the word.
    const bool inPlay = round_.isInPlay(seat);
    for (EventLabel* part : {c.stands.at(seat), c.scorePlates.at(seat), c.scores.at(seat), c.names.at(seat)})
        part->setVisible(inPlay);
    c.scores.at(seat)->setText(QString::number(round_.score(seat)));
    // A seat reads as one: its name, score and whether it is to move.
    const QString summary = TableTexts::seat(round_.name(seat), round_.score(seat), toMove);
    c.names.at(seat)->setAccessibleName(summary);
    c.scores.at(seat)->setAccessibleName(summary);
    c.turnMarkers.at(seat)->setAccessibleName(tr("ход: %1").arg(round_.name(seat)));
}

void GameWindow::showBox(int b)
{
    using Phase = WordRound::Phase;
    PressableLabel* prizeBox = controls_.prizeBoxes.at(b);
    const Phase phase = round_.phase();
    const bool open = phase == Phase::BoxOpened && round_.openedBox() == b;
    const QString& picture = !open                        ? pictures::closedBox
                             : round_.openedBoxHadPrize() ? pictures::boxWithPrize
                                                          : pictures::emptyBox;
    if (prizeBox->property("picture").toString() != picture) {
        // Bare until its picture arrives; one that arrives after the box has
        // changed again is not shown.
        prizeBox->clear();
        prizeBox->setProperty("picture", picture);
        services_.pictures.showWhenDecoded(picture, prizeBox->size(), prizeBox,
                                           [prizeBox, picture](const QPixmap& pixmap) {
                                               if (prizeBox->property("picture").toString() == picture)
                                                   prizeBox->setPixmap(pixmap);
                                           });
    }
    prizeBox->move(pictures::prizeBox(b, open).topLeft());
    prizeBox->setAccessibleName(TableTexts::prizeBox(b, open, round_.openedBoxHadPrize()));
    prizeBox->setVisible(phase == Phase::BoxesOffered || phase == Phase::BoxOpened);
    prizeBox->setAvailable(round_.allows(WordRound::Move::OpenBox));
}

void GameWindow::showDrum(int sector, bool resting)
{
    controls_.turningDrum->showPicture(sector - 1);
    if (resting)
        controls_.restingDrum->showPicture(sector - 1);
}

void GameWindow::showOutcome(const WordRound::Outcome& outcome)
{
    if (outcome.next != WordRound::Next::NoLetterLeft)
        return;
    services_.dialogs.message(this, tr("Ошибка! Комп не может выбрать букву!"), Dialogs::Icon::Critical,
                              Dialogs::Buttons::Ok, tr("Ошибка"));
    services_.program.end();
}

void GameWindow::playSounds(const QList<Sound>& heard)
{
    for (const roundsounds::Cue& cue : roundsounds::timed(heard)) {
        if (cue.afterMs == 0)
            services_.sounds.play(cue.sound);
        else
            QTimer::singleShot(cue.afterMs, this,
                               [this, sound = cue.sound] { services_.sounds.play(sound); });
    }
}

void GameWindow::showCell(int i, bool open, bool keyHint)
{
    // A closed cell holds no letter at all: black on black hides it from the
    // eye, but a screen reader would read it out.
    PressableLabel* cell = controls_.cells.at(i);
    const QString letter = open ? tournament_.state().SecretWord.mid(i - 1, 1) : QString();
    cell->setText(open || !keyHint ? letter : TableKeys::cellKey(i));
    cell->setTextColour(open || !keyHint ? QColor(Qt::black) : cellKeyColour);
    cell->setBackgroundColour(open ? QColor(Qt::white) : QColor(Qt::black));
    cell->setAccessibleName(open ? tr("клетка %1, буква %2").arg(i).arg(letter)
                                 : tr("клетка %1, закрыта").arg(i));
}

void GameWindow::showPeek(bool shown)
{
    // The word is in the window only while the look at it shows it.
    controls_.hiddenWord->setText(shown ? tournament_.state().SecretWord : QString());
    controls_.hiddenWordStrip->setVisible(!shown);
}

// ---- The player's moves ------------------------------------------------------------

void GameWindow::spinClicked(int seat)
{
    if (seat == round_.currentSeat())
        round_.spin();
}

void GameWindow::letterPressed(int n)
{
    round_.nameLetter(n);
}

void GameWindow::cellClicked(int i)
{
    round_.openByPlus(i);
}

void GameWindow::openBox(int b)
{
    round_.openBox(b);
}

void GameWindow::sayWordClicked(int seat)
{
    if (seat != round_.currentSeat() || !round_.allows(WordRound::Move::SayWord))
        return;
    askingForWord_ = true;
    showRound();
    LatinPlacesValidator onLatinLayout;
    const QString answer = TableKeys::russianAtLatinPlaces(services_.dialogs.input(
        this, tr("Назовите слово:"), Dialogs::applicationTitle, QString(), &onLatinLayout));
    askingForWord_ = false;
    round_.sayWord(answer);
    showRound();
}

void GameWindow::goOn()
{
    if (!round_.allows(WordRound::Move::GoOn))
        return;
    if (tournament_.isOver())
        services_.navigation.finishTournament();
    else
        services_.navigation.nextStage();
}

// ---- Keys and the question on leaving ----------------------------------------------------

bool GameWindow::askToEndGame()
{
    QList<QTimer*> paused;
    for (QTimer* timer : findChildren<QTimer*>()) {
        if (timer->isActive()) {
            timer->stop();
            paused.append(timer);
        }
    }
    const Dialogs::Answer answer = services_.dialogs.message(
        this, tr("Закончить игру?"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes) {
        services_.navigation.abandonTournament();
        return true;
    }
    for (QTimer* timer : std::as_const(paused))
        timer->start();
    return false;
}

void GameWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        askToEndGame();
        return;
    }
    LoadableWindow::keyPressEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    // Closed through its frame mid-tournament, the program used to end at
    // once: the same question as Esc instead.
    if (askToEndGame())
        event->accept();
    else
        event->ignore();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Control && !key->isAutoRepeat())
            peekKeyHeld_ = event->type() == QEvent::KeyPress;
    }
    return LoadableWindow::eventFilter(watched, event);
}
