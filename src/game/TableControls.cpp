// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/TableControls.h"

#include "game/TablePictures.h"
#include "platform/EventLabel.h"
#include "platform/PictureSetView.h"
#include "platform/Pictures.h"
#include "platform/PressableLabel.h"
#include "platform/WrappingButton.h"
#include "state/GameState.h"

#include <QFrame>
#include <QPushButton>

#include <type_traits>

namespace {

const QColor letterColour(0x80, 0xFF, 0x80);
const QColor seatButtonColour(0xC0, 0xFF, 0xC0);
const QColor hiddenWordColour(0x80, 0x80, 0x80);
const QColor computerLineColour(0xFF, 0xF0, 0x90);
// The ring round whatever control has the keyboard: the gold of the table's frames.
const QColor focusColour(0xFF, 0xC4, 0x00);

QFont comicSans(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont tinyTimes()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(5.25);
    return font;
}

template <typename Label = EventLabel>
Label* makeLabel(QWidget* parent, const QString& name, const QRect& geometry)
{
    Label* label = nullptr;
    if constexpr (std::is_same_v<Label, PressableLabel>)
        label = new PressableLabel(QString(), parent);
    else
        label = new Label(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

template <typename Label = EventLabel>
Label* makeText(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                const QColor& colour = QColor())
{
    Label* label = makeLabel<Label>(parent, name, geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    if (colour.isValid())
        label->setTextColour(colour);
    return label;
}

EventLabel* makePicture(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& picture)
{
    EventLabel* label = makeLabel(parent, name, geometry);
    label->setScaledContents(true);
    label->setPixmap(picture);
    return label;
}

// The seats' stands, markers and plates look alike: each is drawn once and
// its pixels shared by the three.
struct SeatPictures {
    QPixmap stand = tablepictures::stand(pictures::seatStand(1).size());
    QPixmap marker = tablepictures::turnMarker(pictures::turnMarker(1).size());
    QPixmap scorePlate = tablepictures::scorePlate(pictures::scorePlate(1).size());
};

void buildSeat(TableControls& c, int seat, const SeatPictures& seatPictures)
{
    QWidget* table = c.table;
    const QString index = QString::number(seat);
    c.stands.at(seat) = makePicture(table, QStringLiteral("stand") + index, pictures::seatStand(seat),
                                    seatPictures.stand);
    c.turnMarkers.at(seat) = makePicture(table, QStringLiteral("turnMarker") + index,
                                         pictures::turnMarker(seat), seatPictures.marker);
    c.turnMarkers.at(seat)->hide();
    c.names.at(seat) = makeText(table, QStringLiteral("name") + index, pictures::seatName(seat),
                                comicSans(14.25), Qt::white);
    c.scorePlates.at(seat) = makePicture(table, QStringLiteral("scorePlate") + index,
                                         pictures::scorePlate(seat), seatPictures.scorePlate);
    c.scores.at(seat) = makeText(table, QStringLiteral("score") + index, pictures::scorePlate(seat),
                                 comicSans(14.25), Qt::black);
    c.scores.at(seat)->setText(QStringLiteral("0"));
    c.computerLines.at(seat) = makeText(table, QStringLiteral("computerLine") + index,
                                        pictures::computerLine(seat), comicSans(12, true),
                                        computerLineColour);
    c.computerLines.at(seat)->hide();

    const QString buttonStyle =
        QStringLiteral("QPushButton { background: %1; border: 2px solid #2E7D32; border-radius: 8px; }"
                       "QPushButton:hover { background: #E0FFE0; }"
                       "QPushButton:pressed { background: #90E090; }"
                       "QPushButton:focus { border: 3px solid %2; }")
            .arg(seatButtonColour.name(), focusColour.name());
    auto makeButton = [&](const QString& name, const QString& caption, const QRect& place) {
        auto* button = new WrappingButton(caption, table);
        button->setObjectName(name + index);
        button->setGeometry(place);
        button->setFont(comicSans(8, true));
        button->setStyleSheet(buttonStyle);
        button->setFocusPolicy(Qt::TabFocus);
        button->hide();
        return button;
    };
    c.sayWordButtons.at(seat) = makeButton(QStringLiteral("sayWordButton"), QObject::tr("Скажу слово"),
                                           pictures::sayWordButton(seat));
    c.spinButtons.at(seat) = makeButton(QStringLiteral("spinButton"), QObject::tr("Кручу барабан"),
                                        pictures::spinButton(seat));
}

} // namespace

TableControls TableControls::build(QWidget* window)
{
    TableControls c;
    c.table = makeLabel(window, QStringLiteral("table"), QRect(QPoint(), pictures::backdropSize));
    c.table->setScaledContents(true);

    c.turningDrum = new PictureSetView(window);
    c.turningDrum->setObjectName(QStringLiteral("turningDrum"));
    c.turningDrum->setGeometry(pictures::turningDrumPlace);
    c.turningDrum->hide();

    c.stageCaption = makeText(c.table, QStringLiteral("stageCaption"), pictures::stageCaption,
                              comicSans(14.25));

    for (int i = 1; i <= GameState::maxWordLength; ++i) {
        PressableLabel* cell = makeText<PressableLabel>(c.table, QStringLiteral("cell%1").arg(i),
                                                        pictures::wordCell(i), comicSans(14.25), Qt::black);
        cell->setBackgroundColour(Qt::black);
        cell->setBackgroundOpaque(true);
        cell->takeFocusWhileAvailable(focusColour);
        cell->hide();
        c.cells.at(i) = cell;
    }

    c.messagePlate = makePicture(c.table, QStringLiteral("messagePlate"), pictures::messagePlate,
                                 tablepictures::messagePlate(pictures::messagePlate.size()));
    c.messageLine = new PressableLabel(QString(), c.table, QAccessible::StatusBar);
    c.messageLine->setObjectName(QStringLiteral("messageLine"));
    c.messageLine->setGeometry(pictures::messageLine);
    c.messageLine->setAlignment(Qt::AlignCenter);
    c.messageLine->setFont(comicSans(14.25));
    c.messageLine->setCursor(Qt::PointingHandCursor);
    c.messageLine->takeFocusWhileAvailable(focusColour);

    c.hiddenWord = makeLabel(c.table, QStringLiteral("hiddenWord"), pictures::hiddenWord);
    c.hiddenWord->setTextColour(hiddenWordColour);
    c.hiddenWord->setFont(tinyTimes());
    c.hiddenWordStrip = makePicture(c.table, QStringLiteral("hiddenWordStrip"), pictures::hiddenWordStrip,
                                    tablepictures::strip(pictures::hiddenWordStrip.size()));

    c.restingDrum = new PictureSetView(c.table);
    c.restingDrum->setObjectName(QStringLiteral("restingDrum"));
    c.restingDrum->setGeometry(pictures::restingDrumPlace);
    c.restingDrum->setScaledContents(true);

    for (int box = 1; box <= WordRound::boxCount; ++box) {
        PressableLabel* prizeBox = makeLabel<PressableLabel>(c.table, QStringLiteral("prizeBox%1").arg(box),
                                                             pictures::prizeBox(box, false));
        prizeBox->setScaledContents(true);
        prizeBox->setCursor(Qt::PointingHandCursor);
        prizeBox->takeFocusWhileAvailable(focusColour);
        prizeBox->hide();
        c.prizeBoxes.at(box) = prizeBox;
    }

    c.letterPanel = new QFrame(c.table);
    c.letterPanel->setObjectName(QStringLiteral("letterPanel"));
    c.letterPanel->setGeometry(pictures::letterRow);
    c.letterPanel->setStyleSheet(
        QStringLiteral(
            "QPushButton { background: %1; border: 1px solid #2E7D32; border-radius: 3px; color: black; }"
            "QPushButton:hover { background: #B0FFB0; }"
            "QPushButton:pressed { background: #40C040; }"
            "QPushButton:disabled { color: #3A5A3A; }"
            "QPushButton:focus { border: 2px solid %2; background: #FFF3B0; }")
            .arg(letterColour.name(), focusColour.name()));
    for (int n = 1; n <= letters::count; ++n) {
        auto* button = new QPushButton(QString(letters::letter(n)), c.letterPanel);
        button->setObjectName(QStringLiteral("letterButton%1").arg(n));
        button->setGeometry(pictures::letterButton(n));
        button->setFont(comicSans(9.75, true));
        button->setFocusPolicy(Qt::TabFocus);
        c.letterButtons.at(n) = button;
    }

    const SeatPictures seatPictures;
    for (int seat = 1; seat <= GameState::seatCount; ++seat)
        buildSeat(c, seat, seatPictures);
    return c;
}

QList<QFont> TableControls::fonts()
{
    return {comicSans(14.25), comicSans(12, true), comicSans(9.75, true), comicSans(8, true), tinyTimes()};
}
