// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/GameWindow.h"

#include "game/LatinPlacesValidator.h"

#include "rules/ComputerPlayer.h"
#include "rules/Drum.h"
#include "game/TableKeys.h"
#include "game/TablePictures.h"
#include "game/TableTexts.h"
#include "rules/TopicDatabase.h"
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
#include "platform/Twips.h"
#include "platform/WrappingButton.h"
#include "state/GameState.h"

#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

static_assert(pictures::drumPictureCount == drum::sectorCount, "one drum picture per sector");

namespace {

const QColor letterColour(0x80, 0xFF, 0x80);
const QColor seatButtonColour(0xC0, 0xFF, 0xC0);
const QColor hiddenWordColour(0x80, 0x80, 0x80);

constexpr int closedBoxTop = 5760;
constexpr int openBoxTop = 5040;

const std::array<int, 7> timerIntervals{0, 50, 1000, 1000, 3000, 1000, 2000};

QFont comicSans(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The word in tiny letters at the table's left edge.
QFont tinyTimes()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(5.25);
    return font;
}

EventLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* label = new EventLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

EventLabel* makePicture(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& picture)
{
    EventLabel* label = makeLabel(parent, name, geometry);
    label->setScaledContents(true);
    label->setPixmap(picture);
    return label;
}

} // namespace

GameWindow::GameWindow(const Services& services, GameState& state)
    : services_(services), state_(state), round_(state, services.random)
{
    setWindowTitle(Dialogs::applicationTitle);
    setBackgroundColour(gameBackground);
    resize(twipsSize(15270, 11040));

    buildTable();

    for (int n = 1; n <= 6; ++n) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(n));
        timer->setInterval(timerIntervals.at(n));
        timers_.at(n) = timer;
    }
    connect(timers_.at(1), &QTimer::timeout, this, &GameWindow::drumStep);
    connect(timers_.at(2), &QTimer::timeout, this, &GameWindow::announceSector);
    connect(timers_.at(3), &QTimer::timeout, this, &GameWindow::closeBoxes);
    connect(timers_.at(4), &QTimer::timeout, this, &GameWindow::computerSpins);
    connect(timers_.at(5), &QTimer::timeout, this, &GameWindow::computerChoosesLetter);
    connect(timers_.at(6), &QTimer::timeout, this, &GameWindow::computerPressesLetter);

    // Key preview: the window sees Ctrl whichever of its controls has the focus.
    setFocusPolicy(Qt::StrongFocus);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    new TableKeys(*this, state_);
    fitTableTexts(*this);
}

void GameWindow::buildTable()
{
    picture1_ = makeLabel(this, QStringLiteral("Picture1"), QRect(QPoint(), pictures::backdropSize));
    picture1_->setScaledContents(true);
    connect(picture1_, &EventLabel::mouseMoved, this, [this] { showPeek(false); });

    picture2_ = new PictureSetView(this);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setGeometry(pictures::turningDrumPlace);
    picture2_->hide();

    label7_ = makeLabel(picture1_, QStringLiteral("Label7"), pictures::stageCaption);
    label7_->setAlignment(Qt::AlignCenter);
    label7_->setFont(comicSans(14.25));

    const QFont boardFont = comicSans(14.25);
    for (int i = 1; i <= GameState::maxWordLength; ++i) {
        EventLabel* cell = makeLabel(picture1_, QStringLiteral("Label5_%1").arg(i),
                                     pictures::wordCell(i));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFont(boardFont);
        cell->setTextColour(Qt::black);
        cell->setBackgroundColour(Qt::black);
        cell->setBackgroundOpaque(true);
        cell->hide();
        connect(cell, &EventLabel::clicked, this, [this, i] { cellClicked(i); });
        label5_.at(i) = cell;
    }

    image1_.at(0) = makePicture(picture1_, QStringLiteral("Image1_0"), twipsRect(3420, 3840, 6540, 1245),
                                tablepictures::messagePlate(twipsSize(6540, 1245)));
    connect(image1_.at(0), &EventLabel::clicked, this, &GameWindow::goOn);

    label4_ = makeLabel(picture1_, QStringLiteral("Label4_0"), twipsRect(4260, 4260, 5475, 435));
    label4_->setAlignment(Qt::AlignCenter);
    label4_->setFont(comicSans(14.25));
    label4_->setCursor(Qt::PointingHandCursor);
    connect(label4_, &EventLabel::clicked, this, &GameWindow::goOn);

    label9_ = makeLabel(picture1_, QStringLiteral("Label9"), twipsRect(60, 4680, 1755, 135));
    label9_->setTextColour(hiddenWordColour);
    label9_->setFont(tinyTimes());

    image7_ = makePicture(picture1_, QStringLiteral("Image7"), twipsRect(0, 4665, 2415, 150),
                          tablepictures::strip(twipsSize(2415, 150)));
    connect(image7_, &EventLabel::mouseMoved, this, [this] {
        if (state_.KeyHeld)
            showPeek(true);
    });

    image4_ = new PictureSetView(picture1_);
    image4_->setObjectName(QStringLiteral("Image4"));
    image4_->setGeometry(pictures::restingDrumPlace);
    image4_->setScaledContents(true);

    image5_ = makeLabel(picture1_, QStringLiteral("Image5"),
                        QRect(twipsPoint(4920, closedBoxTop), pictures::prizeBoxSize));
    image6_ = makeLabel(picture1_, QStringLiteral("Image6"),
                        QRect(twipsPoint(6060, closedBoxTop), pictures::prizeBoxSize));
    for (EventLabel* prizeBox : {image5_, image6_}) {
        prizeBox->setScaledContents(true);
        prizeBox->setCursor(Qt::PointingHandCursor);
        prizeBox->hide();
    }
    connect(image5_, &EventLabel::clicked, this, [this] { openBox(1); });
    connect(image6_, &EventLabel::clicked, this, [this] { openBox(2); });

    frame1_ = new QFrame(picture1_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(pictures::letterRow);
    frame1_->setStyleSheet(QStringLiteral(
        "QPushButton { background: %1; border: 1px solid #2E7D32; border-radius: 3px; color: black; }"
        "QPushButton:hover { background: #B0FFB0; }"
        "QPushButton:pressed { background: #40C040; }"
        "QPushButton:disabled { color: #3A5A3A; }").arg(letterColour.name()));
    const QFont letterFont = comicSans(9.75, true);
    for (int n = 1; n <= letters::count; ++n) {
        auto* button = new QPushButton(QString(letters::letter(n)), frame1_);
        button->setObjectName(QStringLiteral("Command3_%1").arg(n));
        button->setGeometry(twipsRect(360 * (n - 1), 0, 375, 375));
        button->setFont(letterFont);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, n] { letterPressed(n); });
        command3_.at(n) = button;
    }

    // The seats' stands, markers and plates look alike: each is drawn once
    // and its pixels shared by the three.
    const SeatPictures seatPictures{tablepictures::stand(pictures::seatStand(1).size()),
                                    tablepictures::turnMarker(pictures::turnMarker(1).size()),
                                    tablepictures::scorePlate(twipsSize(1350, 450))};
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        buildSeat(seat, seatPictures);
}

void GameWindow::buildSeat(int seat, const SeatPictures& seatPictures)
{
    const int left = pictures::seatLeft(seat);
    const QString index = QString::number(seat);

    image2_.at(seat) = makePicture(picture1_, QStringLiteral("Image2_") + index, pictures::seatStand(seat),
                                   seatPictures.stand);

    image1_.at(seat) = makePicture(picture1_, QStringLiteral("Image1_") + index,
                                   pictures::turnMarker(seat),
                                   seatPictures.marker);
    image1_.at(seat)->hide();

    names_.at(seat) = makeLabel(picture1_, QStringLiteral("Label") + index, twipsRect(left + 60, 2130, 3330, 420));
    names_.at(seat)->setAlignment(Qt::AlignCenter);
    names_.at(seat)->setFont(comicSans(14.25));
    names_.at(seat)->setTextColour(Qt::white);

    image3_.at(seat) = makePicture(picture1_, QStringLiteral("Image3_") + index,
                                   twipsRect(left + 1050, 2640, 1350, 450),
                                   seatPictures.scorePlate);

    label6_.at(seat) = makeLabel(picture1_, QStringLiteral("Label6_") + index,
                                 twipsRect(left + 1050, 2640, 1350, 450));
    label6_.at(seat)->setAlignment(Qt::AlignCenter);
    label6_.at(seat)->setFont(comicSans(14.25));
    label6_.at(seat)->setTextColour(Qt::black);
    label6_.at(seat)->setText(QStringLiteral("0"));

    label8_.at(seat) = makeLabel(picture1_, QStringLiteral("Label8_") + index, twipsRect(left + 60, 3150, 3330, 420));
    label8_.at(seat)->setAlignment(Qt::AlignCenter);
    label8_.at(seat)->setFont(comicSans(12, true));
    label8_.at(seat)->setTextColour(QColor(0xFF, 0xF0, 0x90));
    label8_.at(seat)->hide();

    const QString buttonStyle = QStringLiteral(
        "QPushButton { background: %1; border: 2px solid #2E7D32; border-radius: 8px; }"
        "QPushButton:hover { background: #E0FFE0; }"
        "QPushButton:pressed { background: #90E090; }").arg(seatButtonColour.name());
    const QFont buttonFont = comicSans(8, true);
    auto makeButton = [&](const QString& name, const QString& caption, int buttonLeft) {
        auto* button = new WrappingButton(caption, picture1_);
        button->setObjectName(name + index);
        button->setGeometry(twipsRect(buttonLeft, 2640, 855, 855));
        button->setFont(buttonFont);
        button->setStyleSheet(buttonStyle);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        return button;
    };
    command1_.at(seat) = makeButton(QStringLiteral("Command1_"), QStringLiteral("Скажу слово"), left + 90);
    command2_.at(seat) = makeButton(QStringLiteral("Command2_"), QStringLiteral("Кручу барабан"), left + 2505);
    connect(command1_.at(seat), &QPushButton::clicked, this, [this, seat] { sayWordClicked(seat); });
    connect(command2_.at(seat), &QPushButton::clicked, this, [this, seat] { spinClicked(seat); });
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
    fonts::lookUpSoon({comicSans(14.25), comicSans(12, true), comicSans(9.75, true), comicSans(8, true), tinyTimes()});
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
    keepCentred({picture1_, picture2_});

    label7_->setText(Tournament::stageCaption(state_.Stage));

    // Every drum picture is decoded now (most of them were while the players
    // were named), so no spin ever waits for the disk.
    picture1_->setPixmap(services_.pictures.picture(pictures::tableBackdrop, picture1_->size()));
    image4_->setPictures(&services_.pictures.pictureSet(drumPictures(pictures::restingDrum), image4_->size()));
    image4_->showPicture(0);
    picture2_->setPictures(&services_.pictures.pictureSet(drumPictures(pictures::turningDrum), picture2_->size()));
    picture2_->showPicture(0);

    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        names_.at(seat)->setText(state_.player(seat, state_.Stage).name);

    if (!loadTopicAndWord())
        return;

    round_.begin(state_.SecretWord);
    layOutBoard();
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        showScore(seat);
    startTurn();

    for (EventLabel* prizeBox : {image6_, image5_}) {
        prizeBox->setPixmap(services_.pictures.picture(pictures::closedBox, prizeBox->size()));
        prizeBox->move(prizeBox->x(), twips(closedBoxTop));
        prizeBox->hide();
    }
    frame1_->setEnabled(false);
    showPeek(false);
}

bool GameWindow::loadTopicAndWord()
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
                ? QStringLiteral("Работа программы будет завершена, т.к. не найдена база данных")
                : QStringLiteral("Работа программы будет завершена: ни один файл темы в папке %1 "
                                 "не содержит слова из 1–11 букв А–Я.")
                      .arg(QDir::toNativeSeparators(topicDir)),
            Dialogs::Icon::Critical);
        services_.program.end();
        return false;
    }
    setMessage(QStringLiteral("Тема: ") + drawn->topic);
    state_.SecretWord = drawn->word;
    return true;
}

void GameWindow::layOutBoard()
{
    for (int i = 1; i <= GameState::maxWordLength; ++i) {
        showCell(i, false);
        label5_.at(i)->setVisible(i <= state_.WordLength);
    }
}

void GameWindow::showPeek(bool shown)
{
    // The word is in the window only while the look at it shows it.
    label9_->setText(shown ? state_.SecretWord : QString());
    image7_->setVisible(!shown);
}

void GameWindow::showCell(int i, bool open)
{
    // A closed cell holds no letter at all: black on black hides it from the
    // eye, but a screen reader would read it out.
    EventLabel* cell = label5_.at(i);
    const QString letter = open ? state_.SecretWord.mid(i - 1, 1) : QString();
    cell->setText(letter);
    cell->setBackgroundColour(open ? QColor(Qt::white) : QColor(Qt::black));
    cell->setAccessibleName(open ? tr("клетка %1, буква %2").arg(i).arg(letter) : tr("клетка %1, закрыта").arg(i));
}

// ---- Turns -----------------------------------------------------------------

void GameWindow::startTurn()
{
    const int seat = state_.CurrentSeat;
    const PlayerKind kind = state_.player(seat, state_.Stage).kind;
    if (kind == PlayerKind::Computer) {
        timers_.at(4)->start();
        label8_.at(seat)->setText(QStringLiteral("Кручу барабан"));
        label8_.at(seat)->show();
        image1_.at(seat)->show();
    }
    if (kind == PlayerKind::Person)
        showTurnControls(seat, true);
}

void GameWindow::passTurn()
{
    const int seat = state_.CurrentSeat;
    round_.passTurn();
    showTurnPassed(seat);
}

void GameWindow::showTurnPassed(int fromSeat)
{
    hideSeatControls(fromSeat);
    startTurn();
}

void GameWindow::showTurnControls(int seat, bool shown)
{
    command1_.at(seat)->setVisible(shown);
    command2_.at(seat)->setVisible(shown);
    image1_.at(seat)->setVisible(shown);
}

void GameWindow::hideSeatControls(int seat)
{
    showTurnControls(seat, false);
    label8_.at(seat)->hide();
}

void GameWindow::showScore(int seat)
{
    label6_.at(seat)->setText(QString::number(state_.player(seat, state_.Stage).score));
}

void GameWindow::setMessage(const QString& text)
{
    label4_->setText(text);
}

// ---- The drum ----------------------------------------------------------------

void GameWindow::spinClicked(int seat)
{
    command1_.at(seat)->hide();
    command2_.at(seat)->hide();
    spinDrum();
}

void GameWindow::spinDrum()
{
    picture1_->hide();
    picture2_->show();
    round_.spin();
    timers_.at(1)->start();
}

void GameWindow::drumStep()
{
    const bool resting = round_.stepDrum();
    picture2_->showPicture(state_.DrumSector - 1);
    if (resting) {
        timers_.at(1)->stop();
        image4_->showPicture(state_.DrumSector - 1);
        timers_.at(2)->start();
    }
}

void GameWindow::announceSector()
{
    picture2_->hide();
    picture1_->show();
    timers_.at(2)->stop();

    const WordRound::Outcome outcome = round_.announce();
    const int seat = outcome.seat;
    setMessage(outcome.message);
    switch (outcome.next) {
    case WordRound::Next::LetterWanted:
        if (round_.isComputer(seat)) {
            label8_.at(seat)->setText(QStringLiteral("Буква..."));
            timers_.at(5)->start();
        } else {
            frame1_->setEnabled(true);
        }
        break;
    case WordRound::Next::TurnPassed:
        label6_.at(seat)->setText(QString::number(outcome.score));  // a bankrupt seat's 0
        showTurnPassed(seat);
        break;
    case WordRound::Next::PlusWanted:
        command1_.at(seat)->hide();
        command2_.at(seat)->hide();
        for (int i = 1; i <= GameState::maxWordLength; ++i)
            label5_.at(i)->setCursor(Qt::WhatsThisCursor);
        break;
    default:
        break;
    }
}

// ---- Letters -----------------------------------------------------------------

void GameWindow::openCell(int i)
{
    round_.openCell(i);
    showCell(i, true);
}

void GameWindow::showOpenedCells(const WordRound::Outcome& outcome)
{
    for (int i : outcome.openedCells)
        showCell(i, true);
    if (outcome.namedLetter > 0)
        command3_.at(outcome.namedLetter)->hide();
    label6_.at(outcome.seat)->setText(QString::number(outcome.score));
}

void GameWindow::letterPressed(int n)
{
    const WordRound::Outcome outcome = round_.nameLetter(n);
    if (outcome.next == WordRound::Next::Ignored)
        return;
    showOpenedCells(outcome);
    switch (outcome.next) {
    case WordRound::Next::WordWonByLetters:
        showWordWon(outcome);
        break;
    case WordRound::Next::BoxesOffered:
        showBoxesOffered(outcome);
        break;
    case WordRound::Next::SameSeat:
        setMessage(outcome.message);
        frame1_->setEnabled(false);
        startTurn();
        break;
    case WordRound::Next::TurnPassed:
        setMessage(outcome.message);
        showTurnPassed(outcome.seat);
        frame1_->setEnabled(false);
        break;
    default:
        break;
    }
}

void GameWindow::cellClicked(int i)
{
    const WordRound::Outcome outcome = round_.openByPlus(i);
    if (outcome.next == WordRound::Next::Ignored)
        return;
    for (int cell = 1; cell <= GameState::maxWordLength; ++cell)
        label5_.at(cell)->unsetCursor();
    showOpenedCells(outcome);
    switch (outcome.next) {
    case WordRound::Next::WordWonByLetters:
        showWordWon(outcome);
        break;
    case WordRound::Next::BoxesOffered:
        showBoxesOffered(outcome);
        break;
    case WordRound::Next::SameSeat:
        setMessage(outcome.message);
        frame1_->setEnabled(false);
        showTurnControls(outcome.seat, true);
        break;
    default:
        break;
    }
}

// ---- The end of a word and the way on ------------------------------------------

void GameWindow::finishWordByLetters()
{
    showWordWon(round_.finishWordByLetters());
}

void GameWindow::finishWordBySaying()
{
    showWordWon(round_.finishWordBySaying());
}

void GameWindow::showWordWon(const WordRound::Outcome& outcome)
{
    // A said word leaves cells closed: the whole board is shown open.
    if (outcome.next == WordRound::Next::WordWonBySaying) {
        for (int i = 1; i <= state_.WordLength; ++i)
            showCell(i, true);
    }
    setMessage(outcome.message);
    hideSeatControls(outcome.seat);
    frame1_->setEnabled(false);
}

void GameWindow::sayWordClicked(int seat)
{
    showTurnControls(seat, false);
    LatinPlacesValidator onLatinLayout;
    const QString answer = TableKeys::russianAtLatinPlaces(services_.dialogs.input(
        this, QStringLiteral("Назовите слово:"), Dialogs::applicationTitle, QString(), &onLatinLayout));
    const WordRound::Outcome outcome = round_.sayWord(answer);
    switch (outcome.next) {
    case WordRound::Next::SameSeat:
        showTurnControls(seat, true);
        return;
    case WordRound::Next::WordWonBySaying:
        showWordWon(outcome);
        return;
    case WordRound::Next::Ignored:
        return;
    default:
        break;
    }
    setMessage(outcome.message);
    if (outcome.seatLeft) {
        image2_.at(outcome.seat)->hide();
        image3_.at(outcome.seat)->hide();
        label6_.at(outcome.seat)->hide();
        names_.at(outcome.seat)->hide();
    }
    if (outcome.next == WordRound::Next::TurnPassed)
        startTurn();
}

void GameWindow::goOn()
{
    if (!state_.WordFinished)
        return;
    if (Tournament(state_).isOver())
        services_.navigation.finishTournament();
    else
        services_.navigation.nextStage();
}

// ---- Prize boxes ----------------------------------------------------------------

void GameWindow::offerBoxes()
{
    showBoxesOffered(round_.offerBoxes());
}

void GameWindow::showBoxesOffered(const WordRound::Outcome& outcome)
{
    image5_->show();
    image6_->show();
    setMessage(outcome.message);
    command1_.at(outcome.seat)->hide();
    command2_.at(outcome.seat)->hide();
    frame1_->setEnabled(false);
}

void GameWindow::openBox(int b)
{
    const WordRound::BoxOutcome outcome = round_.openBox(b);
    if (!outcome.opened)
        return;
    EventLabel* chosen = box(b);
    chosen->setPixmap(services_.pictures.picture(outcome.prize ? pictures::boxWithPrize : pictures::emptyBox,
                                                 chosen->size()));
    chosen->move(chosen->x(), twips(openBoxTop));
    setMessage(outcome.message);
    showScore(state_.CurrentSeat);
    timers_.at(3)->start();
}

void GameWindow::closeBoxes()
{
    round_.closeBoxes();
    for (EventLabel* prizeBox : {image6_, image5_}) {
        prizeBox->hide();
        prizeBox->setPixmap(services_.pictures.picture(pictures::closedBox, prizeBox->size()));
        prizeBox->move(prizeBox->x(), twips(closedBoxTop));
    }
    showTurnControls(state_.CurrentSeat, true);
    timers_.at(3)->stop();
}

// ---- The computer ------------------------------------------------------------------

void GameWindow::computerSpins()
{
    timers_.at(4)->stop();
    spinDrum();
}

void GameWindow::computerChoosesLetter()
{
    timers_.at(5)->stop();
    const int choice = ComputerPlayer::chooseLetter(state_, services_.random);
    if (choice == 0) {
        services_.dialogs.message(this, QStringLiteral("Ошибка! Комп не может выбрать букву!"),
                                  Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("Ошибка"));
        services_.program.end();
        return;
    }
    computerLetter_ = choice;
    label8_.at(state_.CurrentSeat)->setText(QStringLiteral("Буква ") + letters::letter(choice));
    timers_.at(6)->start();
}

void GameWindow::computerPressesLetter()
{
    timers_.at(6)->stop();
    letterPressed(computerLetter_);
}

// ---- Keys and the hidden word ----------------------------------------------------------

bool GameWindow::askToEndGame()
{
    QList<QTimer*> paused;
    for (QTimer* timer : findChildren<QTimer*>()) {
        if (timer->isActive()) {
            timer->stop();
            paused.append(timer);
        }
    }
    const Dialogs::Answer answer = services_.dialogs.message(this, tr("Закончить игру?"), Dialogs::Icon::Question,
                                                             Dialogs::Buttons::YesNo);
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
            state_.KeyHeld = event->type() == QEvent::KeyPress;
    }
    return LoadableWindow::eventFilter(watched, event);
}
