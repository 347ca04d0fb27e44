// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/AboutWindow.h"

#include "about/ClockFace.h"
#include "about/EtchedRules.h"
#include "about/KeepInFront.h"
#include "platform/EventLabel.h"
#include "platform/Navigation.h"
#include "platform/ProgramVersion.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QTimer>

namespace {

const QColor bandColour(0x00, 0xC0, 0x00);
const QColor authorColour(0xFF, 0x00, 0x00);
const QColor authorBackground(0xC0, 0xFF, 0xC0);
const QColor contactColour(0x00, 0x40, 0x00);

const QString author = QStringLiteral("команда Кордамир");
// Feedback goes where the code lives; no person or address to go stale.
const QString contact = QStringLiteral("трекер задач проекта");

constexpr int outerWidth = 5025;
constexpr int outerHeight = 6630;
constexpr int rulesRight = 4980;

QFont pixelFont(const QFont& base, int pixels, bool bold)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The locale's long time format without its time zone, which would not fit
// under the dial; "HH:mm:ss" when the locale's format has no seconds.
QString timeFormat()
{
    const QString localeFormat = QLocale::system().timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (QChar c : localeFormat) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            format += c;
    }
    format = format.simplified();
    return format.contains(u's') ? format : QStringLiteral("HH:mm:ss");
}

} // namespace

AboutWindow::AboutWindow(Navigation& navigation) : navigation_(navigation)
{
    setWindowTitle(tr("О программе"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setBackgroundColour(gameBackground);

    // Bottom up: bands, the rules over their edges, the texts, the clock.
    EventLabel* header = addLabel(QStringLiteral("header"), QString(), twipsRect(-120, 240, 5115, 495));
    EventLabel* footer = addLabel(QStringLiteral("footer"), QString(), twipsRect(-120, 5340, 5115, 735));
    for (EventLabel* band : {header, footer}) {
        band->setBackgroundColour(bandColour);
        band->setBackgroundOpaque(true);
    }

    rules_ = new EtchedRules({240, 720, 5340, 6060}, rulesRight, this);
    rules_->setObjectName(QStringLiteral("Line4..Line11"));

    const QFont headerFont = pixelFont(font(), 16, true);
    EventLabel* month = addLabel(QStringLiteral("month"), tr("Апрель"), twipsRect(1380, 300, 990, 390));
    EventLabel* year = addLabel(QStringLiteral("year"), QStringLiteral("2006"),
                                twipsRect(2760, 300, 720, 390));
    for (EventLabel* date : {month, year}) {
        date->setFont(headerFont);
        // Heard apart from the picture, a month and a year say nothing.
        date->setAccessibleDescription(tr("Дата выпуска"));
    }

    EventLabel* authorLine = addLabel(QStringLiteral("author"), tr("Автор: ") + author,
                                      twipsRect(0, 900, 5010, 405));
    authorLine->setAlignment(Qt::AlignCenter);
    authorLine->setTextColour(authorColour);
    authorLine->setBackgroundColour(authorBackground);
    authorLine->setBackgroundOpaque(true);
    authorLine->setFont(pixelFont(font(), 15, true));

    EventLabel* feedback = addLabel(QStringLiteral("feedback"), tr("С отзывами обращаться: ") + contact,
                                    twipsRect(180, 5340, 2835, 675));
    feedback->setTextColour(contactColour);
    feedback->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    feedback->setWordWrap(true);
    feedback->setFont(pixelFont(font(), 12, false));

    EventLabel* version = addLabel(QStringLiteral("version"), programversion::caption(),
                                   twipsRect(3780, 5580, 585, 345));
    version->setFont(pixelFont(font(), 12, true));
    version->setAccessibleName(tr("Версия ") + programversion::caption().mid(1));

    clockFace_ = new ClockFace(this);
    clockFace_->setObjectName(QStringLiteral("Shape3"));
    // The hands are a picture; the time in words is the label under the dial.
    clockFace_->setAccessibleName(tr("Часы"));
    clockFace_->setAccessibleDescription(tr("Стрелочные часы, время под циферблатом"));

    timeLabel_ = addLabel(QStringLiteral("time"), QString(), twipsRect(1620, 4680, 1845, 375));
    timeLabel_->setTextColour(Qt::white);
    timeLabel_->setAlignment(Qt::AlignCenter);
    timeLabel_->setFont(pixelFont(font(), 14, true));
    timeLabel_->setAccessibleDescription(tr("Время"));

    rules_->setGeometry(rect());

    fadeTimer_ = new QTimer(this);
    fadeTimer_->setObjectName(QStringLiteral("Timer2"));
    fadeTimer_->setInterval(60);
    connect(fadeTimer_, &QTimer::timeout, this, &AboutWindow::fadeStep);

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Часы"));
    clockTimer_->setInterval(100);
    connect(clockTimer_, &QTimer::timeout, this, &AboutWindow::clockTick);

    inFront_ = new KeepInFront(*this);
}

EventLabel* AboutWindow::addLabel(const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new EventLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextColour(Qt::black);
    return label;
}

void AboutWindow::load()
{
    // Invisible when it first appears; the fade brings it in.
    fadeLevel_ = 0;
    applyOpacity();
    setFixedSize(outerSize());
    rules_->setGeometry(rect());
    clockFace_->placeTickDots();
    fadeTimer_->start();
    clockTimer_->start();
}

void AboutWindow::present()
{
    // Opened again while open, it comes to the front with the keyboard.
    inFront_->belongTo(navigation_.startWindow());
    show();
    fitOuterSize();
    inFront_->bringForward();
}

QSize AboutWindow::outerSize()
{
    return twipsSize(outerWidth, outerHeight);
}

void AboutWindow::fadeStep()
{
    fadeLevel_ += fadeStepSize;
    if (fadeLevel_ >= fadeTarget) {
        fadeLevel_ = fadeTarget;
        fadeTimer_->stop();
    }
    applyOpacity();
}

void AboutWindow::applyOpacity()
{
    // A no-op where the platform has no window opacity (offscreen, or X
    // without a compositor): the window is then simply shown. Wayland has
    // none for a client to set, and its platform warns on every step, so
    // the window is shown at once there.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    setWindowOpacity(fadeLevel_ / 255.0);
}

void AboutWindow::clockTick()
{
    showTime(QTime::currentTime());
}

void AboutWindow::showTime(QTime time)
{
    timeLabel_->setText(QLocale::system().toString(time, timeFormat()));
    for (Hand hand : {Hand::Second, Hand::Minute, Hand::Hour})
        clockFace_->setHandEnd(hand, clockgeometry::handEnd(hand, time));
}

QPoint AboutWindow::handEnd(Hand hand) const
{
    return clockFace_->handEnd(hand);
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        navigation_.closeAbout();
        return;
    }
    LoadableWindow::keyPressEvent(event);
}

void AboutWindow::moveEvent(QMoveEvent* event)
{
    LoadableWindow::moveEvent(event);
    // The window manager tells the frame only after the window is up.
    if (isVisible())
        fitOuterSize();
}

void AboutWindow::fitOuterSize()
{
    const QSize frame = frameGeometry().size() - size();
    if (frame == fittedFrame_ && size() == outerSize() - frame)
        return;
    fittedFrame_ = frame;
    const QSize client = (outerSize() - frame).expandedTo(QSize(1, 1));
    if (size() != client) {
        setFixedSize(client);
        rules_->setGeometry(rect());
    }
    centreOnScreen();
}

void AboutWindow::centreOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}
