// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/StartWindow.h"

#include "platform/DataDir.h"
#include "platform/Dialogs.h"
#include "platform/DisplayMode.h"
#include "platform/EventLabel.h"
#include "platform/Navigation.h"
#include "platform/PictureCache.h"
#include "platform/Pictures.h"
#include "platform/PressableLabel.h"
#include "platform/ProgramExit.h"
#include "records/RecordsWindow.h"
#include "rules/Tournament.h"
#include "setup/SetupWindow.h"
#include "sound/SoundService.h"
#include "sound/SpeakerButton.h"
#include "start/MenuKeys.h"
#include "start/StartupCheck.h"
#include "state/GameState.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

const QColor hoverColour(0xFF, 0xFF, 0xC0);
const QColor pressColour(0x00, 0xFF, 0x00);
const QSize designClientSize(1018, 736);
const QRect helpHintPlace(548, 236, 225, 30);

} // namespace

StartWindow::StartWindow(const Services& services, Tournament& tournament)
    : services_(services), tournament_(tournament)
{
    setWindowTitle(Dialogs::applicationTitle);
    setMouseTracking(true);
    setBackgroundColour(gameBackground);
    resize(designClientSize);

    backdrop_ = new EventLabel(this);
    backdrop_->setObjectName(QStringLiteral("backdrop"));
    backdrop_->setGeometry(QRect(pictures::startBackdropAt, pictures::backdropSize));
    backdrop_->setScaledContents(true);
    connect(backdrop_, &EventLabel::mouseMoved, this, &StartWindow::clearHighlight);

    QFont menuFont(QStringLiteral("Monotype Corsiva"), 36);
    menuFont.setItalic(true);
    menuFont.setWeight(QFont::Normal);

    const std::array<QString, entryCount + 1> captions{QString(), tr("Новая игра"), tr("Рекорды"),
                                                       tr("Автор"), tr("Выход")};
    const std::array<void (StartWindow::*)(), entryCount + 1> actions{
        nullptr, &StartWindow::newGame, &StartWindow::showRecords, &StartWindow::showAbout,
        &StartWindow::exitProgram};
    for (int number = 1; number <= entryCount; ++number) {
        auto* entry = new PressableLabel(captions.at(number), backdrop_);
        // Tab reaches the entries too, but a click only highlights, as it always did.
        entry->setFocusPolicy(Qt::TabFocus);
        entry->setObjectName(QStringLiteral("menuEntry%1").arg(number));
        entry->setGeometry(pictures::menuEntry(number));
        entry->setFont(menuFont);
        entry->setAlignment(Qt::AlignCenter);
        entry->setBackgroundColour(hoverColour);
        entry->setBackgroundOpaque(false);
        connect(entry, &EventLabel::mouseMoved, this, [this, entry] { highlight(entry, hoverColour); });
        connect(entry, &EventLabel::pressed, this, [this, entry] { highlight(entry, pressColour); });
        // Heard before the action, which may unload this window.
        connect(entry, &EventLabel::released, this, [this] { services_.sounds.play(Sound::MenuChoose); });
        connect(entry, &EventLabel::released, this, actions.at(number));
        connect(entry, &PressableLabel::focusEntered, this, [this, entry] { entryFocused(entry); });
        entries_.at(number) = entry;
    }
    // F1 works everywhere, but nothing else would tell a newcomer so. Above
    // the scroll with the menu, on the night sky, clear of every entry.
    QFont hintFont(QStringLiteral("Monotype Corsiva"), 18);
    hintFont.setItalic(true);
    helpHint_ = new PressableLabel(tr("F1 — правила"), backdrop_);
    helpHint_->setObjectName(QStringLiteral("HelpHint"));
    helpHint_->setGeometry(helpHintPlace);
    helpHint_->setFont(hintFont);
    helpHint_->setAlignment(Qt::AlignCenter);
    helpHint_->setTextColour(hoverColour);
    connect(helpHint_, &EventLabel::mouseMoved, this, &StartWindow::clearHighlight);
    connect(helpHint_, &EventLabel::clicked, this, [this] { services_.navigation.showRules(); });

    new MenuKeys(*this);

    // In the picture's bottom left corner, clear of the menu column.
    speaker_ = new SpeakerButton(services_.sounds, backdrop_);
    speaker_->move(pictures::speakerAt);
}

void StartWindow::load()
{
    keepCentred({backdrop_});
    if (!checkPictures())
        return;
    switchDisplayModeIfSmall();
}

void StartWindow::present()
{
    presentMaximised();
    // The window goes on screen in its colour while the backdrop decodes on
    // another core; the picture follows within a frame or two. Started only
    // now: on two cores a decoder running during the showing slowed it.
    services_.pictures.showWhenDecoded(pictures::startBackdrop, backdrop_->size(), backdrop_,
                                       [this](const QPixmap& backdrop) { backdrop_->setPixmap(backdrop); });
}

bool StartWindow::checkPictures()
{
    const QString missing = startupcheck::firstMissing(
        [this](const QString& relative) { return QFileInfo(services_.data.path(relative)).isFile(); });
    if (missing.isEmpty())
        return true;
    services_.dialogs.message(this, startupcheck::errorText, Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                              startupcheck::errorTitle);
    services_.program.end();
    return false;
}

void StartWindow::switchDisplayModeIfSmall()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    // In the screen's own pixels: a scaled-up program sees a smaller screen.
    if (screen)
        displaymode::switchIfSmall((QSizeF(screen->size()) * screen->devicePixelRatio()).toSize(),
                                   services_.display);
}

void StartWindow::enterMenuState()
{
    present();
    setEnabled(true);
    for (int number = 1; number <= entryCount; ++number)
        entries_.at(number)->setVisible(true);
    helpHint_->setVisible(true);
    showKeyboardPlace();
}

void StartWindow::enterBackdropState()
{
    if (!isVisible())
        present();
    setEnabled(false);
    for (int number = 1; number <= entryCount; ++number)
        entries_.at(number)->setVisible(false);
    // It goes with the menu; a disabled window would grey it out.
    helpHint_->setVisible(false);
}

int StartWindow::highlightedEntry() const
{
    for (int number = 1; number <= entryCount; ++number) {
        const PressableLabel* entry = entries_.at(number);
        if (entry->isBackgroundOpaque() && entry->isVisibleTo(this))
            return number;
    }
    return 0;
}

void StartWindow::highlightEntry(int number)
{
    emit entries_.at(number)->mouseMoved();
}

void StartWindow::highlight(PressableLabel* entry, const QColor& colour)
{
    for (int number = 1; number <= entryCount; ++number) {
        if (entries_.at(number) != entry)
            entries_.at(number)->setBackgroundOpaque(false);
    }
    const bool reached = !entry->isBackgroundOpaque();
    entry->setBackgroundOpaque(true);
    entry->setBackgroundColour(colour);
    if (reached && colour == hoverColour)
        services_.sounds.play(Sound::MenuPoint);
    // A player pointing at an entry is about to open its window: what that
    // window needs is made ready now, not after the click. Not sooner: at the
    // menu it would only take memory.
    if (reached && entry == entries_.at(1))
        SetupWindow::preload();
    if (reached && entry == entries_.at(2))
        RecordsWindow::preload(services_.pictures);
    // The highlight is the keyboard focus, wherever it came from, so that a
    // screen reader says the entry the player has reached.
    if (focusWidget() != entry)
        entry->setFocus(Qt::OtherFocusReason);
}

void StartWindow::entryFocused(PressableLabel* entry)
{
    // Focus that follows a highlight leaves its colour alone (a press stays green).
    if (!entry->isBackgroundOpaque())
        highlight(entry, hoverColour);
}

void StartWindow::clearHighlight()
{
    for (int number = 1; number <= entryCount; ++number)
        entries_.at(number)->setBackgroundOpaque(false);
    // No entry highlighted, none focused: the keyboard goes back to the window.
    if (QWidget* focused = focusWidget(); focused && focused != this)
        setFocus(Qt::OtherFocusReason);
}

void StartWindow::showEvent(QShowEvent* event)
{
    LoadableWindow::showEvent(event);
    showKeyboardPlace();
    // Behind the player setup the window keeps the keyboard to itself.
    if (!focusWidget())
        setFocus(Qt::OtherFocusReason);
}

void StartWindow::showKeyboardPlace()
{
    // The menu opens with the keyboard on its first entry, highlighted, so
    // that a player without a pointer sees (and a screen reader says) where
    // Enter goes. Quietly, and without getting the setup ready: nobody has
    // pointed at the entry yet. Back from the backdrop, the keyboard goes to
    // the entry that kept its highlight.
    if (!entries_.at(1)->isVisibleTo(this))
        return;
    const int highlighted = highlightedEntry();
    PressableLabel* place = entries_.at(highlighted == 0 ? 1 : highlighted);
    if (highlighted == 0) {
        place->setBackgroundColour(hoverColour);
        place->setBackgroundOpaque(true);
    }
    place->setFocus(Qt::OtherFocusReason);
}

void StartWindow::mouseMoveEvent(QMouseEvent* event)
{
    clearHighlight();
    LoadableWindow::mouseMoveEvent(event);
}

void StartWindow::newGame()
{
    tournament_.start();
    services_.navigation.newTournament();
}

void StartWindow::showRecords()
{
    services_.navigation.showRecords();
}

void StartWindow::showAbout()
{
    services_.navigation.showAbout();
}

void StartWindow::exitProgram()
{
    services_.program.end();
}
