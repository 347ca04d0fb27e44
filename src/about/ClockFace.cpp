// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/ClockFace.h"

#include "platform/Twips.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor navy(0x00, 0x00, 0x80);
const QColor hubColour(0x00, 0x00, 0xFF);
const QColor secondColour(0xFF, 0x00, 0x00);
const QColor minuteColour(Qt::black);
const QColor hourColour(0x00, 0x00, 0xFF);

// `Shape3`: the navy square, and the widget's own place in the window.
constexpr QRect squareTwips(600, 1500, 3855, 3615);
// `Shape1` and `Shape2`: circles inside these boxes.
constexpr QRect dialBoxTwips(1020, 1620, 3015, 3075);
constexpr QRect hubBoxTwips(2340, 3000, 375, 375);

// Pen widths in pixels.
constexpr double secondWidth = 3.0;
constexpr double minuteWidth = 5.0;
constexpr double hourWidth = 5.0;
constexpr double dotWidth = 5.0;

constexpr int digitHeight = 345;
struct DigitPlace {
    int left;
    int top;
    int width;
};
constexpr std::array<DigitPlace, 13> digitPlaces{{
    {0, 0, 0}, // unused
    {3120, 1860, 105},
    {3540, 2280, 150},
    {3720, 3000, 150},
    {3540, 3660, 150},
    {3180, 4140, 150},
    {2460, 4260, 150},
    {1800, 4080, 150},
    {1380, 3600, 150},
    {1140, 3000, 150},
    {1320, 2280, 255},
    {1800, 1860, 210},
    {2400, 1680, 255},
}};

// Twips of the window to this widget's pixels, unrounded, so that the hands
// stay where the geometry puts them.
QPointF local(QPointF twipsPosition)
{
    return twipsPosition / twipsPerPixel - QPointF(squareTwips.topLeft()) / twipsPerPixel;
}

QRectF local(const QRect& twipsBox)
{
    return {local(QPointF(twipsBox.topLeft())), QSizeF(twipsBox.size()) / twipsPerPixel};
}

// A shape drawn as a circle inside a box that is not square keeps the
// shorter side and sits in the middle of the box.
QRectF circleIn(const QRectF& box)
{
    const double diameter = std::min(box.width(), box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(box.center());
    return circle;
}

} // namespace

ClockFace::ClockFace(QWidget* parent) : QWidget(parent)
{
    setGeometry(twipsRect(squareTwips.x(), squareTwips.y(), squareTwips.width(), squareTwips.height()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Before the first tick the hands stand at 12 o'clock.
    for (Hand hand : {Hand::Second, Hand::Minute, Hand::Hour})
        setHandEnd(hand, clockgeometry::handEnd(0, clockgeometry::handLength(hand)));
    QFont digitFont = font();
    digitFont.setPixelSize(13);
    setFont(digitFont);
}

void ClockFace::placeTickDots()
{
    for (int hour = 1; hour <= 12; ++hour)
        tickDots_.at(hour) = clockgeometry::tickDot(hour);
    tickDotsPlaced_ = true;
    update();
}

void ClockFace::setHandEnd(Hand hand, QPoint end)
{
    QPoint& current = handEnds_.at(static_cast<std::size_t>(hand));
    if (current == end)
        return;
    current = end;
    update();
}

QRect ClockFace::digitRect(int number)
{
    const DigitPlace& place = digitPlaces.at(number);
    return {place.left, place.top, place.width, digitHeight};
}

void ClockFace::paintEvent(QPaintEvent*)
{
    QPainter painter(this);

    // Shape3, on whole pixels so that its outline stays a sharp single line.
    painter.fillRect(rect(), navy);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(circleIn(local(dialBoxTwips)));

    if (tickDotsPlaced_) {
        painter.setBrush(Qt::black);
        for (int hour = 1; hour <= 12; ++hour)
            painter.drawEllipse(local(QPointF(tickDots_.at(hour))), dotWidth / 2, dotWidth / 2);
    }

    painter.setPen(Qt::black);
    for (int number = 1; number <= 12; ++number) {
        // Our font is not the one the places were measured for; centring keeps
        // each number clear of its dot and puts 3 and 9 level with the hub.
        painter.drawText(local(digitRect(number)), Qt::AlignCenter | Qt::TextDontClip, digitCaption(number));
    }

    const QPointF centre = local(QPointF(clockgeometry::centre));
    const auto drawHand = [&](Hand hand, const QColor& colour, double width) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, local(QPointF(handEnd(hand))));
    };
    drawHand(Hand::Minute, minuteColour, minuteWidth);
    drawHand(Hand::Hour, hourColour, hourWidth);
    drawHand(Hand::Second, secondColour, secondWidth);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(hubColour);
    painter.drawEllipse(circleIn(local(hubBoxTwips)).adjusted(0.5, 0.5, -0.5, -0.5));
}
