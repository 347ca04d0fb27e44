#include "game/GameWindow.h"

#include "game/Drum.h"
#include "game/Seats.h"
#include "game/TablePictures.h"
#include "game/TopicDatabase.h"
#include "platform/Dialogs.h"
#include "platform/EventLabel.h"
#include "platform/Platform.h"
#include "platform/ProgramExit.h"
#include "platform/RandomSource.h"
#include "platform/Twips.h"
#include "platform/WindowNames.h"
#include "platform/WrappingButton.h"
#include "start/Navigation.h"
#include "state/GameState.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

const QColor letterColour(0x80, 0xFF, 0x80);
const QColor seatButtonColour(0xC0, 0xFF, 0xC0);
const QColor hiddenWordColour(0x80, 0x80, 0x80);

constexpr int prizePoints = 100;
constexpr int closedBoxTop = 5760;
constexpr int openBoxTop = 5040;

const std::array<int, 12> cellLefts{0, 4680, 5125, 5570, 6000, 6430, 6870, 7310, 7740, 8190, 8630, 9060};
const std::array<int, 7> timerIntervals{0, 50, 1000, 1000, 3000, 1000, 2000};

QString drumPicture(const char* folder, int position)
{
    return QStringLiteral("%1/%2.res").arg(QLatin1String(folder)).arg(position);
}

QFont comicSans(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
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

int addPoints(int score, int points)
{
    constexpr int largest = std::numeric_limits<int>::max();
    return score > largest - points ? largest : score + points;
}

} // namespace

GameWindow::GameWindow(Platform& platform, GameState& state)
    : platform_(platform), state_(state)
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
}

void GameWindow::buildTable()
{
    picture1_ = makeLabel(this, QStringLiteral("Picture1"), twipsRect(0, 0, 12000, 9000));
    picture1_->setScaledContents(true);
    connect(picture1_, &EventLabel::mouseMoved, this, [this] { image7_->show(); });

    picture2_ = makeLabel(this, QStringLiteral("Picture2"), twipsRect(0, 0, 5400, 5400));
    picture2_->setScaledContents(true);
    picture2_->hide();

    label7_ = makeLabel(picture1_, QStringLiteral("Label7"), twipsRect(4680, 240, 3975, 495));
    label7_->setAlignment(Qt::AlignCenter);
    label7_->setFont(comicSans(14.25));

    const QFont boardFont = comicSans(14.25);
    for (int i = 1; i <= GameState::maxWordLength; ++i) {
        EventLabel* cell = makeLabel(picture1_, QStringLiteral("Label5_%1").arg(i),
                                     twipsRect(cellLefts.at(i), 1140, 420, 435));
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
    QFont tiny(QStringLiteral("Times New Roman"));
    tiny.setPointSizeF(5.25);
    label9_->setFont(tiny);

    image7_ = makePicture(picture1_, QStringLiteral("Image7"), twipsRect(0, 4665, 2415, 150),
                          tablepictures::strip(twipsSize(2415, 150)));
    connect(image7_, &EventLabel::mouseMoved, this, [this] {
        if (state_.KeyHeld)
            image7_->hide();
    });

    image4_ = makeLabel(picture1_, QStringLiteral("Image4"), twipsRect(1650, 5310, 9000, 3690));
    image4_->setScaledContents(true);

    image5_ = makeLabel(picture1_, QStringLiteral("Image5"), twipsRect(4920, closedBoxTop, 1005, 735));
    image6_ = makeLabel(picture1_, QStringLiteral("Image6"), twipsRect(6060, closedBoxTop, 1005, 735));
    for (EventLabel* prizeBox : {image5_, image6_}) {
        prizeBox->setScaledContents(true);
        prizeBox->setCursor(Qt::PointingHandCursor);
        prizeBox->hide();
    }
    connect(image5_, &EventLabel::clicked, this, [this] { openBox(1); });
    connect(image6_, &EventLabel::clicked, this, [this] { openBox(2); });

    frame1_ = new QFrame(picture1_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(180, 8580, 11535, 375));
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

    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        buildSeat(seat);
}

void GameWindow::buildSeat(int seat)
{
    // The seats stand side by side across the table, seat 1 on the left.
    const int left = 300 + (seat - 1) * 3975;
    const QString index = QString::number(seat);

    image2_.at(seat) = makePicture(picture1_, QStringLiteral("Image2_") + index,
                                   twipsRect(left, 2070, 3450, 1650),
                                   tablepictures::stand(twipsSize(3450, 1650)));

    image1_.at(seat) = makePicture(picture1_, QStringLiteral("Image1_") + index,
                                   twipsRect(left + 1500, 1710, 450, 345),
                                   tablepictures::turnMarker(twipsSize(450, 345)));
    image1_.at(seat)->hide();

    names_.at(seat) = makeLabel(picture1_, QStringLiteral("Label") + index, twipsRect(left + 60, 2130, 3330, 420));
    names_.at(seat)->setAlignment(Qt::AlignCenter);
    names_.at(seat)->setFont(comicSans(14.25));
    names_.at(seat)->setTextColour(Qt::white);

    image3_.at(seat) = makePicture(picture1_, QStringLiteral("Image3_") + index,
                                   twipsRect(left + 1050, 2640, 1350, 450),
                                   tablepictures::scorePlate(twipsSize(1350, 450)));

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

void GameWindow::present()
{
    presentMaximised();
    setFocus();
}

void GameWindow::load()
{
    keepCentred({picture1_, picture2_});

    label7_->setText(state_.Stage > 3 ? QStringLiteral("Финал")
                                      : QStringLiteral("%1 тройка").arg(state_.Stage));

    // Every drum picture is decoded now, so no spin ever waits for the disk.
    QStringList drumPictures;
    for (int position = 1; position <= drum::sectorCount; ++position)
        drumPictures << drumPicture("PolV", position) << drumPicture("PolB", position);
    platform_.pictures.preload(drumPictures);
    picture1_->setPixmap(platform_.pictures.picture(QStringLiteral("Scr/Osn.res")));
    picture2_->setPixmap(platform_.pictures.picture(drumPicture("PolV", 1)));
    image4_->setPixmap(platform_.pictures.picture(drumPicture("PolB", 1)));

    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        names_.at(seat)->setText(state_.player(seat, state_.Stage).name);

    if (!loadTopicAndWord())
        return;

    state_.WordLength = static_cast<int>(state_.SecretWord.size());
    layOutBoard();
    state_.CellsOpened.fill(0);
    state_.BoxesOffered.fill(false);
    state_.CurrentSeat = 1;

    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        // A trio winner carries the trio's score into the final; everyone else starts at 0.
        if (state_.Stage != GameState::finalStage || state_.TrioWithoutWinner.at(seat))
            state_.player(seat, state_.Stage).score = 0;
        showScore(seat);
    }

    for (int n = 1; n <= letters::count; ++n)
        state_.FreeLetters.at(n) = QString(letters::letter(n));
    state_.SeatInPlay.fill(true);
    state_.DrumSector = 0;

    startTurn();

    for (EventLabel* prizeBox : {image6_, image5_}) {
        prizeBox->setPixmap(platform_.pictures.picture(QStringLiteral("Prd/Sh.res")));
        prizeBox->move(prizeBox->x(), twips(closedBoxTop));
        prizeBox->hide();
    }
    frame1_->setEnabled(false);
    label9_->setText(state_.SecretWord);
    image7_->show();
}

bool GameWindow::loadTopicAndWord()
{
    const auto drawn = TopicDatabase::draw(platform_.data.path(QStringLiteral("Baz")), platform_.random);
    if (!drawn) {
        platform_.dialogs.message(
            QStringLiteral("Работа программы будет завершена, т.к. не найдена база данных"),
            Dialogs::Icon::Critical);
        platform_.program.end();
        return false;
    }
    setMessage(QStringLiteral("Тема: ") + drawn->topic);
    state_.SecretWord = drawn->word;
    return true;
}

void GameWindow::layOutBoard()
{
    for (int i = 1; i <= GameState::maxWordLength; ++i) {
        const bool used = i <= state_.WordLength;
        state_.ClosedLetters.at(i) = used ? QString(state_.SecretWord.at(i - 1)) : QString();
        label5_.at(i)->setText(state_.ClosedLetters.at(i));
        label5_.at(i)->setVisible(used);
    }
}

// ---- Turns -----------------------------------------------------------------

bool GameWindow::isComputer(int seat) const
{
    return state_.player(seat, state_.Stage).kind == PlayerKind::Computer;
}

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
    hideSeatControls(state_.CurrentSeat);
    moveToNextSeat();
    startTurn();
}

void GameWindow::moveToNextSeat()
{
    state_.CurrentSeat = nextSeatInPlay(state_.CurrentSeat, state_.SeatInPlay);
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
    // The stop sector is decided before the drum moves; the steps only show it.
    const int stop = drum::drawStopSector(platform_.random, isComputer(state_.CurrentSeat));
    state_.SpinStepsLeft = drum::stepsToStop(stop, state_.DrumSector);
    timers_.at(1)->start();
}

void GameWindow::drumStep()
{
    state_.SpinStepsLeft -= 1;
    state_.DrumSector = drum::nextPosition(state_.DrumSector);
    picture2_->setPixmap(platform_.pictures.picture(drumPicture("PolV", state_.DrumSector)));
    if (state_.SpinStepsLeft <= 0) {
        timers_.at(1)->stop();
        image4_->setPixmap(platform_.pictures.picture(drumPicture("PolB", state_.DrumSector)));
        timers_.at(2)->start();
    }
}

void GameWindow::announceSector()
{
    picture2_->hide();
    picture1_->show();
    timers_.at(2)->stop();

    const int seat = state_.CurrentSeat;
    const drum::Sector& sector = drum::sector(state_.DrumSector);
    setMessage(sector.caption);
    switch (sector.effect) {
    case drum::Effect::Points:
    case drum::Effect::Double:
        if (isComputer(seat)) {
            label8_.at(seat)->setText(QStringLiteral("Буква..."));
            timers_.at(5)->start();
        } else {
            frame1_->setEnabled(true);
        }
        break;
    case drum::Effect::PassTurn:
        passTurn();
        break;
    case drum::Effect::Bankrupt:
        hideSeatControls(seat);
        state_.player(seat, state_.Stage).score = 0;
        showScore(seat);
        moveToNextSeat();
        startTurn();
        break;
    case drum::Effect::Plus:
        command1_.at(seat)->hide();
        command2_.at(seat)->hide();
        state_.PlusSectorActive = true;
        for (int i = 1; i <= GameState::maxWordLength; ++i)
            label5_.at(i)->setCursor(Qt::WhatsThisCursor);
        break;
    }
}

// ---- Letters -----------------------------------------------------------------

void GameWindow::openCell(int i)
{
    state_.CellsOpened.at(state_.CurrentSeat) += 1;
    state_.ClosedLetters.at(i).clear();
    label5_.at(i)->setBackgroundColour(Qt::white);
}

bool GameWindow::anyCellClosed() const
{
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (!state_.ClosedLetters.at(i).isEmpty())
            return true;
    }
    return false;
}

void GameWindow::letterPressed(int n)
{
    if (n < 1 || n > letters::count || state_.WordFinished)
        return;
    const int seat = state_.CurrentSeat;
    const QString letter(letters::letter(n));
    bool found = false;
    command3_.at(n)->hide();
    state_.FreeLetters.at(n).clear();

    Player& player = state_.player(seat, state_.Stage);
    for (int i = 1; i <= state_.WordLength; ++i) {
        if (state_.ClosedLetters.at(i) == letter) {
            found = true;
            openCell(i);
            player.score = drum::scoreAfterOpenedCell(player.score, state_.DrumSector);
            showScore(seat);
        }
    }

    if (!anyCellClosed()) {
        finishWordByLetters();
        return;
    }
    if (found) {
        if (player.kind == PlayerKind::Person && !state_.BoxesOffered.at(seat)
            && state_.CellsOpened.at(seat) >= 3) {
            offerBoxes();
        } else {
            setMessage(QStringLiteral("Есть такая буква в этом слове!"));
            frame1_->setEnabled(false);
            startTurn();
        }
    } else {
        setMessage(QStringLiteral("Нет такой буквы в этом слове!"));
        passTurn();
        frame1_->setEnabled(false);
    }
}

void GameWindow::cellClicked(int i)
{
    if (!state_.PlusSectorActive || state_.ClosedLetters.at(i).isEmpty())
        return;
    state_.PlusSectorActive = false;
    for (int cell = 1; cell <= GameState::maxWordLength; ++cell)
        label5_.at(cell)->unsetCursor();

    const QString letter = state_.ClosedLetters.at(i);
    const int n = letters::number(letter.at(0));
    if (n > 0) {
        state_.FreeLetters.at(n).clear();
        command3_.at(n)->hide();
    }
    for (int j = 1; j <= state_.WordLength; ++j) {
        if (state_.ClosedLetters.at(j) == letter)
            openCell(j);
    }

    if (!anyCellClosed()) {
        finishWordByLetters();
        return;
    }
    const int seat = state_.CurrentSeat;
    if (!state_.BoxesOffered.at(seat) && state_.CellsOpened.at(seat) >= 3) {
        offerBoxes();
    } else {
        setMessage(QStringLiteral("%1 буква это - %2").arg(i).arg(letter));
        frame1_->setEnabled(false);
        showTurnControls(seat, true);
    }
}

// ---- The end of a word and the way on ------------------------------------------

void GameWindow::copyWinnerToFinal()
{
    state_.player(state_.Stage, GameState::finalStage) = state_.currentPlayer();
}

void GameWindow::crownChampion()
{
    const Player& winner = state_.player(state_.CurrentSeat, GameState::finalStage);
    state_.Champion.at(1) = winner.name;
    state_.Champion.at(2) = QString::number(winner.score);
}

void GameWindow::finishWordByLetters()
{
    winWord(QStringLiteral(" открыл слово!"));
}

void GameWindow::openWholeBoard()
{
    for (int i = 1; i <= state_.WordLength; ++i)
        label5_.at(i)->setBackgroundColour(Qt::white);
}

void GameWindow::finishWordBySaying()
{
    openWholeBoard();
    winWord(QStringLiteral(" угадал слово!"));
}

// The current seat has won the word: a trio's winner takes the final's seat of
// that trio, the final's winner becomes the champion.
void GameWindow::winWord(const QString& trioMessage)
{
    const bool final = state_.Stage == GameState::finalStage;
    setMessage(state_.currentPlayer().name + (final ? QStringLiteral(" ПОБЕДИТЕЛЬ!") : trioMessage));
    if (final)
        crownChampion();
    else
        copyWinnerToFinal();
    state_.WordFinished = true;
    state_.Stage += 1;
    hideSeatControls(state_.CurrentSeat);
    frame1_->setEnabled(false);
}

void GameWindow::sayWordClicked(int seat)
{
    showTurnControls(seat, false);
    QString answer = platform_.dialogs.input(QStringLiteral("Назовите слово:"), Dialogs::applicationTitle);
    if (answer.isEmpty()) {
        showTurnControls(seat, true);
        return;
    }
    // Capitals, but not trimmed: a blank is part of the answer.
    answer = answer.toUpper();
    if (answer == state_.SecretWord) {
        finishWordBySaying();
        return;
    }

    setMessage(state_.currentPlayer().name + QStringLiteral(" ошибся!"));
    state_.SeatInPlay.at(seat) = false;
    image2_.at(seat)->hide();
    image3_.at(seat)->hide();
    label6_.at(seat)->hide();
    names_.at(seat)->hide();

    if (std::any_of(state_.SeatInPlay.begin() + 1, state_.SeatInPlay.end(), [](bool inPlay) { return inPlay; })) {
        moveToNextSeat();
        startTurn();
        return;
    }
    if (state_.Stage <= 3)
        state_.TrioWithoutWinner.at(state_.Stage) = true;
    state_.WordFinished = true;
    state_.Stage += 1;
    setMessage(QStringLiteral("Нет победителя!"));
}

void GameWindow::goOn()
{
    if (!state_.WordFinished)
        return;
    WindowRegistry& windows = platform_.windows;
    windows.unload(windownames::game);
    if (state_.Stage > GameState::finalStage)
        windows.show(windownames::records);
    else
        navigation::showSetupOverBackdrop(windows);
}

// ---- Prize boxes ----------------------------------------------------------------

void GameWindow::offerBoxes()
{
    const int seat = state_.CurrentSeat;
    state_.BoxesOffered.at(seat) = true;
    state_.PrizeInFirstBox = platform_.random.draw(2) == 1;
    image5_->show();
    image6_->show();
    setMessage(QStringLiteral("Выбирайте шкатулку!"));
    command1_.at(seat)->hide();
    command2_.at(seat)->hide();
    frame1_->setEnabled(false);
}

void GameWindow::openBox(int b)
{
    // One box per offer: while the chosen one stands open, clicks change nothing,
    // so the prize can never be paid twice.
    if (timers_.at(3)->isActive() || !image5_->isVisible())
        return;
    const int seat = state_.CurrentSeat;
    EventLabel* chosen = box(b);
    Player& player = state_.player(seat, state_.Stage);
    if ((b == 1) == state_.PrizeInFirstBox) {
        setMessage(QStringLiteral("Наверно вы знали!"));
        chosen->setPixmap(platform_.pictures.picture(QStringLiteral("Prd/ShD.res")));
        chosen->move(chosen->x(), twips(openBoxTop));
        player.score = addPoints(player.score, prizePoints);
    } else {
        chosen->setPixmap(platform_.pictures.picture(QStringLiteral("Prd/ShP.res")));
        chosen->move(chosen->x(), twips(openBoxTop));
        setMessage(QStringLiteral("Увы эта шкатулка пуста!"));
    }
    showScore(seat);
    timers_.at(3)->start();
}

void GameWindow::closeBoxes()
{
    const int seat = state_.CurrentSeat;
    for (EventLabel* prizeBox : {image6_, image5_}) {
        prizeBox->hide();
        prizeBox->setPixmap(platform_.pictures.picture(QStringLiteral("Prd/Sh.res")));
        prizeBox->move(prizeBox->x(), twips(closedBoxTop));
    }
    showTurnControls(seat, true);
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
    const bool anyFree = std::any_of(state_.FreeLetters.begin() + 1, state_.FreeLetters.end(),
                                     [](const QString& letter) { return !letter.isEmpty(); });
    if (!anyFree) {
        platform_.dialogs.message(QStringLiteral("Ошибка! Комп не может выбрать букву!"),
                                  Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("Ошибка"));
        platform_.program.end();
        return;
    }
    int choice = 0;
    do {
        choice = platform_.random.draw(letters::count);
    } while (state_.FreeLetters.at(choice).isEmpty());
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

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Control && !key->isAutoRepeat())
            state_.KeyHeld = event->type() == QEvent::KeyPress;
    }
    return LoadableWindow::eventFilter(watched, event);
}
