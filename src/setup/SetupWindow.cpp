// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/SetupWindow.h"

#include "game/GameWindow.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Navigation.h"
#include "platform/OutlinedGroupBox.h"
#include "platform/PictureCache.h"
#include "platform/Pictures.h"
#include "rules/Tournament.h"
#include "setup/NameBox.h"
#include "state/GameState.h"

#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

namespace {

const QColor windowColour(0x9D, 0x84, 0xFF);
const QColor nameColour(0xFF, 0xFF, 0xC0);
const QColor captionColour(0x00, 0xFF, 0x00);
const QSize clientSize(509, 338);

const QString comicSans = QStringLiteral("Comic Sans MS");
const QString emptyNameText = QStringLiteral("Вы заполнили не все поля!");
const QString emptyNameTitle = QStringLiteral("Впишите имена игроков");
const QString endGameQuestion = QStringLiteral("Закончить игру?");

// Green captions (drawn by the frames themselves, with a dark rim: green on
// this violet is too faint to read) sit on the frame's top line; the frame of the seats has no caption, so
// its line runs along its top edge. A style sheet on the window replaces the palette of everything below it,
// so the option buttons and OK take their colours here.
const QString frameStyle = QStringLiteral(
    "QGroupBox { background-color: #9D84FF; border: 2px groove #C9BCFF; border-radius: 3px;"
    " margin-top: 10px; }"
    "QGroupBox#seats { margin-top: 0px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
    " padding: 0px 3px; }"
    "QRadioButton { background-color: #C0FFC0; }"
    "QPushButton#okButton { background-color: #C0C0FF; border: 2px outset #E0E0FF; border-radius: 3px; }"
    "QPushButton#okButton:focus { border-color: #5A48C8; }"
    "QPushButton#okButton:pressed { border-style: inset; }");

QFont comicSansFont(qreal points)
{
    QFont font(comicSans);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QGroupBox* createFrame(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* frame = new OutlinedGroupBox(caption, captionColour, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFont(comicSansFont(12));
    return frame;
}

QRadioButton* createOption(const QString& name, const QString& caption, const QRect& geometry, QWidget* frame)
{
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    option->setGeometry(geometry);
    return option;
}

QString defaultName(int seat)
{
    return QStringLiteral("Игрок %1").arg(seat);
}

} // namespace

SetupWindow::SetupWindow(Dialogs& dialogs, PictureCache& pictures, Navigation& navigation,
                         Tournament& tournament)
    : dialogs_(dialogs), pictures_(pictures), navigation_(navigation), tournament_(tournament)
{
    setWindowTitle(Dialogs::applicationTitle);
    setFixedSize(clientSize);
    setBackgroundColour(windowColour);
    setStyleSheet(frameStyle);

    stageTitle_ = new QLabel(this);
    stageTitle_->setObjectName(QStringLiteral("stageTitle"));
    stageTitle_->setGeometry(8, 8, 493, 29);
    stageTitle_->setAlignment(Qt::AlignCenter);
    stageTitle_->setFont(comicSansFont(14.25));

    auto* seatsFrame = createFrame(QStringLiteral("seats"), QString(), pictures::setupSeats, this);

    okButton_ = new QPushButton(QStringLiteral("OK"), seatsFrame);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(pictures::setupOk);
    okButton_->setFont(comicSansFont(14.25));
    // Enter on OK confirms, as Space does; outside a dialog Qt leaves that off.
    okButton_->setAutoDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &SetupWindow::confirm);

    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        createSeat(seat, seatsFrame);

    // Seat by seat, as the seats stand: each one's kind, then its name; OK
    // last. The kinds of a seat are one stop (the arrows choose between them).
    QWidget* previous = personOption(1);
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        if (seat > 1)
            chain(personOption(seat));
        chain(computerOption(seat));
        chain(nameBox(seat));
    }
    chain(okButton_);

    // Esc is the window's, whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void SetupWindow::createSeat(int seat, QWidget* seatsFrame)
{
    const std::array<QString, GameState::seatCount + 1> kindCaptions{QString(), tr("Первый игрок"),
                                                                     tr("Второй игрок"), tr("Третий игрок")};
    // Three frames read "Имя игрока": a screen reader needs the seat as well.
    const std::array<QString, GameState::seatCount + 1> nameBoxNames{
        QString(), tr("Имя первого игрока"), tr("Имя второго игрока"), tr("Имя третьего игрока")};
    const int left = 8 + 164 * (seat - 1);
    SeatControls& controls = seats_.at(seat);

    controls.kindFrame = createFrame(QStringLiteral("kindFrame%1").arg(seat), kindCaptions.at(seat),
                                     QRect(left, 8, 149, 157), seatsFrame);
    controls.person = createOption(QStringLiteral("personOption%1").arg(seat), tr("Человек"),
                                   QRect(8, 36, 133, 45), controls.kindFrame);
    controls.computer = createOption(QStringLiteral("computerOption%1").arg(seat), tr("Комп"),
                                     QRect(8, 92, 133, 45), controls.kindFrame);
    controls.person->setChecked(true);
    // Also when the program selects "Комп": the finalist's name is written after it.
    connect(controls.computer, &QRadioButton::toggled, this, [this, seat](bool selected) {
        if (selected)
            computerChosen(seat);
    });

    controls.nameFrame = createFrame(QStringLiteral("nameFrame%1").arg(seat), tr("Имя игрока"),
                                     QRect(left, 164, 149, 57), seatsFrame);
    controls.name = new NameBox(controls.nameFrame);
    controls.name->setObjectName(QStringLiteral("nameBox%1").arg(seat));
    controls.name->setAccessibleName(nameBoxNames.at(seat));
    controls.name->setGeometry(8, 24, 133, 21);
    controls.name->setFont(comicSansFont(9.75));
    setColour(controls.name, QPalette::Base, nameColour);
    controls.name->setText(defaultName(seat));
}

void SetupWindow::preload()
{
    fonts::lookUp({comicSansFont(12), comicSansFont(14.25), comicSansFont(9.75), QGuiApplication::font()});
}

void SetupWindow::load()
{
    // The game table comes next: its pictures are decoded while the players
    // are named, not over the bare desktop after OK, and not at the menu,
    // where they would only take memory.
    GameWindow::preload(pictures_);

    const int stage = tournament_.stage();
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        nameBox(seat)->setText(defaultName(seat));
    // A trio starts with the names of the trio before it, but every seat a person.
    if (stage == 2 || stage == 3) {
        for (int seat = 1; seat <= GameState::seatCount; ++seat)
            nameBox(seat)->setText(tournament_.state().player(seat, stage - 1).name);
    }
    nameBox(1)->selectAll();
    stageTitle_->setText(Tournament::stageCaption(stage));
    tournament_.setUpStage();
    if (stage == GameState::finalStage)
        setUpFinalSeats();
    focusFirstControl();
}

void SetupWindow::setUpFinalSeats()
{
    const int stage = GameState::finalStage;
    // Only a seat whose trio ended without a winner is entered anew.
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        const bool open = tournament_.isFinalSeatOpen(seat);
        kindFrame(seat)->setEnabled(open);
        nameFrame(seat)->setEnabled(open);
    }
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        const PlayerKind kind = tournament_.state().player(seat, stage).kind;
        if (kind == PlayerKind::Person)
            personOption(seat)->setChecked(true);
        else if (kind == PlayerKind::Computer)
            computerOption(seat)->setChecked(true);
    }
    // After the kinds, so the finalist's name replaces the one "Комп" wrote.
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        nameBox(seat)->setText(tournament_.state().player(seat, stage).name);
}

void SetupWindow::focusFirstControl()
{
    const std::array<QWidget*, GameState::seatCount + 1> tabOrderStart{nameBox(1), nameBox(2), nameBox(3),
                                                                       okButton_};
    for (QWidget* control : tabOrderStart) {
        if (control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void SetupWindow::present()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    // Kept in front of the start window, which stays behind it disabled.
    if (QWidget* backdrop = navigation_.startWindow()) {
        winId();
        backdrop->winId();
        windowHandle()->setTransientParent(backdrop->windowHandle());
    }
    show();
    activateWindow();
}

void SetupWindow::computerChosen(int seat)
{
    nameBox(seat)->setText(QStringLiteral("Комп-%1%2").arg(tournament_.stage()).arg(seat));
}

void SetupWindow::confirm()
{
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        // Only an empty name is refused: blanks are a name, and are kept as typed.
        if (nameBox(seat)->text().isEmpty()) {
            dialogs_.message(this, emptyNameText, Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                             emptyNameTitle);
            return;
        }
    }
    for (int seat = 1; seat <= GameState::seatCount; ++seat) {
        tournament_.seatPlayer(seat,
                               personOption(seat)->isChecked() ? PlayerKind::Person : PlayerKind::Computer,
                               nameBox(seat)->text());
    }
    navigation_.playStage();
}

bool SetupWindow::askToEndGame()
{
    const Dialogs::Answer answer = dialogs_.message(this, endGameQuestion, Dialogs::Icon::Question,
                                                    Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return false;
    // The tournament is left as it stands; the next new game clears it.
    navigation_.abandonTournament();
    return true;
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        askToEndGame();
        return true;
    }
    // Enter on a kind is the form's OK, as it is on OK itself.
    if (event->type() == QEvent::KeyPress && qobject_cast<QRadioButton*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && okButton_->isEnabled()) {
            okButton_->click();
            return true;
        }
    }
    return LoadableWindow::eventFilter(watched, event);
}

void SetupWindow::closeEvent(QCloseEvent* event)
{
    // Closed through its frame, the window would leave the player facing a
    // disabled start window with no menu: the same question as Esc instead.
    if (askToEndGame())
        event->accept();
    else
        event->ignore();
}
