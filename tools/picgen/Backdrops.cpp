// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drum.h"
#include "Paint.h"
#include "Pictures.h"

#include "platform/Pictures.h"

#include <QtMath>

#include <array>

namespace picgen {
namespace {

constexpr QSize kScreenSize = pictures::backdropSize;

// Places the game lays its own widgets on; the pictures keep them readable.
const QRectF kMenuColumn = pictures::menuEntry(1).united(pictures::menuEntry(4));
constexpr QRectF kCaption = pictures::stageCaption;
// The word's cells on a dark board with a gold frame.
const QRectF kLetterBoard = pictures::wordCell(1).united(pictures::wordCell(11)).adjusted(-12, -8, 13, 8);

// A seat's pool of light holds its stand and the turn marker above it.
QRectF seatArea(int seat)
{
    const QRectF stand = pictures::seatStand(seat);
    return stand.adjusted(0, pictures::turnMarker(seat).top() - stand.top() - 2, 0, 2);
}
const std::array<QRectF, 3> kSeats{seatArea(1), seatArea(2), seatArea(3)};

// The records table: rows 1..4, the result that did not enter below them, the score column.
const std::array<double, 4> kRecordRows{
    double(pictures::recordName(1).top()), double(pictures::recordName(2).top()),
    double(pictures::recordName(3).top()), double(pictures::recordName(4).top())};
const double kExtraRecordRow = pictures::recordName(0).top();
const double kRecordRowHeight = pictures::recordName(0).height();
const double kScoreColumnX = pictures::recordScore(1).left() - 4;
const QRectF kRecordsPanel(QPointF(pictures::recordName(1).left() - 6, kRecordRows.front() - 8),
                           QPointF(QRectF(pictures::recordScore(0)).right() + 7,
                                   kExtraRecordRow + kRecordRowHeight + 5));

const QColor kNight(0x1a, 0x12, 0x52);
const QColor kInk(0x2a, 0x1c, 0x78);
const QColor kWine(0x7a, 0x06, 0x14);

void paintFestiveSky(QPainter& painter, QPointF glowCentre, const QColor& glow, const QColor& dark)
{
    QRadialGradient sky(glowCentre, 620);
    sky.setColorAt(0, glow);
    sky.setColorAt(0.55, glow.darker(170));
    sky.setColorAt(1, dark);
    painter.fillRect(QRect(QPoint(0, 0), kScreenSize), sky);
    paintRays(painter, glowCentre, 20, QColor(255, 255, 255, 24));
}

// Large festive title: gold letters on a dark edge, with a soft shadow.
void paintTitle(QPainter& painter, const QString& text, QPointF centre, int pixelSize)
{
    const QPainterPath glyphs = textPath(text, pixelFont(kTitleFamily, pixelSize, false, true), centre);
    const QRectF box = glyphs.boundingRect();
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 80), pixelSize * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(glyphs.translated(pixelSize * 0.04, pixelSize * 0.05));
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0, QColor(0xff, 0xfa, 0xd8));
    gold.setColorAt(0.4, QColor(0xff, 0xd8, 0x40));
    gold.setColorAt(0.7, QColor(0xe8, 0x98, 0x10));
    gold.setColorAt(1, QColor(0xff, 0xe8, 0x80));
    paintOutlined(painter, glyphs, gold, kWine, pixelSize * 0.08);
    painter.restore();
}

// Paper plate with a thin gold line inside its edge, for black text.
void paintParchment(QPainter& painter, const QRectF& rect, double radius)
{
    QLinearGradient paper(rect.topLeft(), rect.bottomRight());
    paper.setColorAt(0, QColor(0xff, 0xfc, 0xee));
    paper.setColorAt(1, QColor(0xf6, 0xea, 0xc8));
    paintGoldFramedPlate(painter, rect, radius, paper, 4);
    painter.save();
    painter.setPen(QPen(QColor(0xd8, 0xb0, 0x50), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(9, 9, -9, -9), radius * 0.5, radius * 0.5);
    painter.restore();
}

// Rolled scroll: the paper between two gold-capped rollers.
void paintScroll(QPainter& painter, const QRectF& paper)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRect(paper.translated(5, 6));
    QLinearGradient sheet(paper.topLeft(), paper.topRight());
    sheet.setColorAt(0, QColor(0xf0, 0xe2, 0xbc));
    sheet.setColorAt(0.15, QColor(0xff, 0xfa, 0xea));
    sheet.setColorAt(0.85, QColor(0xff, 0xf8, 0xe4));
    sheet.setColorAt(1, QColor(0xec, 0xdc, 0xb4));
    painter.setBrush(sheet);
    painter.drawRect(paper);
    painter.setPen(QPen(QColor(0xd4, 0xaa, 0x48), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(paper.adjusted(8, 10, -8, -10));
    for (const double y : {paper.top(), paper.bottom()}) {
        const QRectF roller(paper.left() - 6, y - 9, paper.width() + 12, 18);
        QLinearGradient wood(roller.topLeft(), roller.bottomLeft());
        wood.setColorAt(0, QColor(0xc0, 0x4a, 0x30));
        wood.setColorAt(0.4, QColor(0xf0, 0x90, 0x70));
        wood.setColorAt(1, QColor(0x60, 0x14, 0x08));
        painter.setPen(QPen(QColor(0x40, 0x08, 0x04), 1));
        painter.setBrush(wood);
        painter.drawRoundedRect(roller, 9, 9);
        for (const double x : {roller.left() - 4, roller.right() - 6}) {
            const QRectF cap(x, y - 11, 10, 22);
            painter.setBrush(goldGradient(cap.topLeft(), cap.bottomLeft()));
            painter.drawRoundedRect(cap, 4, 4);
        }
    }
    painter.restore();
}

void paintLetterTile(QPainter& painter, QPointF centre, double size, const QString& letter, double turn)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(turn);
    const QRectF tile(-size / 2, -size / 2, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(tile.translated(3, 4), size * 0.16, size * 0.16);
    QLinearGradient face(tile.topLeft(), tile.bottomRight());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xe4, 0xe4, 0xff));
    paintGoldFramedPlate(painter, tile, size * 0.16, face, size * 0.07);
    paintOutlined(painter, textPath(letter, pixelFont(kSerifFamily, qRound(size * 0.62), true), {}), kInk,
                  kInk, 0);
    painter.restore();
}

// A swag of stage curtain hanging from a top corner, with a gold fringe.
void paintDrape(QPainter& painter, bool left, double width, double height)
{
    painter.save();
    if (!left) {
        painter.translate(kScreenSize.width(), 0);
        painter.scale(-1, 1);
    }
    QPainterPath swag;
    swag.moveTo(0, 0);
    swag.lineTo(width, 0);
    swag.cubicTo(width * 0.75, height * 0.35, width * 0.3, height * 0.45, 0, height);
    swag.closeSubpath();
    QLinearGradient folds(QPointF(0, 0), QPointF(width * 0.18, height * 0.12));
    folds.setSpread(QGradient::ReflectSpread);
    folds.setColorAt(0, QColor(0x5a, 0x02, 0x10));
    folds.setColorAt(0.5, QColor(0xc0, 0x18, 0x30));
    folds.setColorAt(1, QColor(0x8a, 0x06, 0x1a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(swag.translated(3, 5));
    painter.setBrush(folds);
    painter.drawPath(swag);
    QPainterPath hem;
    hem.moveTo(width, 0);
    hem.cubicTo(width * 0.75, height * 0.35, width * 0.3, height * 0.45, 0, height);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(goldGradient(QPointF(0, 0), QPointF(width, height)), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(hem);
    painter.setPen(QPen(QColor(0xff, 0xd8, 0x60), 2, Qt::DotLine, Qt::RoundCap));
    painter.drawPath(hem.translated(-2, 5));
    painter.restore();
}

void paintBulbColumn(QPainter& painter, const QRectF& column)
{
    paintGoldFramedPlate(painter, column, column.width() / 2, QColor(0x30, 0x22, 0x88), 3);
    const double step = 22;
    for (double y = column.top() + step / 2 + 2; y < column.bottom() - 6; y += step)
        paintGlint(painter, QPointF(column.center().x(), y), 8, QColor(0xff, 0xf0, 0xa0));
}

// Round platform with a gold edge that the drum stands on.
void paintDais(QPainter& painter, QPointF centre, double rx, double ry, double height)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const QRectF top(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    QLinearGradient side(top.topLeft(), top.topRight());
    side.setColorAt(0, QColor(0x3a, 0x1c, 0x78));
    side.setColorAt(0.5, QColor(0x7a, 0x50, 0xd0));
    side.setColorAt(1, QColor(0x3a, 0x1c, 0x78));
    painter.setBrush(side);
    painter.drawEllipse(top.translated(0, height));
    painter.drawRect(QRectF(top.left(), centre.y(), top.width(), height));
    painter.save();
    painter.translate(centre);
    painter.scale(1, ry / rx);  // the top is a circle squashed into an ellipse, light included
    QRadialGradient floor(QPointF(0, -rx * 0.2), rx * 1.1);
    floor.setColorAt(0, QColor(0xc4, 0xb8, 0xff));
    floor.setColorAt(0.6, QColor(0x94, 0x80, 0xec));
    floor.setColorAt(1, QColor(0x5e, 0x48, 0xc0));
    painter.setBrush(floor);
    painter.drawEllipse(QPointF(0, 0), rx, rx);
    painter.restore();
    painter.setPen(QPen(goldGradient(top.topLeft(), top.topRight()), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(top);
    painter.restore();
}

void paintTrophy(QPainter& painter, double cx, double top)
{
    painter.save();
    const QLinearGradient gold = goldGradient(QPointF(cx - 100, 0), QPointF(cx + 100, 0));
    const QPen darkEdge(QColor(0x5a, 0x36, 0x02), 1.5);

    // handles behind the bowl
    painter.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        QPainterPath handle;
        handle.moveTo(cx + side * 80, top + 30);
        handle.cubicTo(cx + side * 150, top + 20, cx + side * 150, top + 120, cx + side * 55, top + 150);
        painter.setPen(QPen(QColor(0x5a, 0x36, 0x02), 17, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(handle);
        painter.setPen(QPen(QBrush(gold), 13, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(handle);
    }

    QPainterPath bowl;
    bowl.moveTo(cx - 95, top + 15);
    bowl.cubicTo(cx - 95, top + 130, cx - 40, top + 175, cx - 14, top + 185);
    bowl.lineTo(cx - 11, top + 225);
    bowl.cubicTo(cx - 20, top + 245, cx - 50, top + 250, cx - 55, top + 262);
    bowl.lineTo(cx + 55, top + 262);
    bowl.cubicTo(cx + 50, top + 250, cx + 20, top + 245, cx + 11, top + 225);
    bowl.lineTo(cx + 14, top + 185);
    bowl.cubicTo(cx + 40, top + 175, cx + 95, top + 130, cx + 95, top + 15);
    bowl.closeSubpath();
    painter.setPen(darkEdge);
    painter.setBrush(gold);
    painter.drawPath(bowl);
    painter.drawEllipse(QPointF(cx, top + 205), 22, 9);  // knot on the stem

    QRadialGradient mouth(QPointF(cx, top + 15), 95);
    mouth.setColorAt(0, QColor(0x6a, 0x40, 0x04));
    mouth.setColorAt(1, QColor(0xc8, 0x90, 0x20));
    painter.setBrush(mouth);
    painter.drawEllipse(QPointF(cx, top + 15), 95, 17);

    painter.setPen(QPen(QColor(0xa0, 0x10, 0x20), 2));
    QRadialGradient ruby(QPointF(cx - 8, top + 78), 40);
    ruby.setColorAt(0, QColor(0xff, 0x90, 0x90));
    ruby.setColorAt(1, QColor(0xc0, 0x10, 0x20));
    painter.setBrush(ruby);
    painter.drawPath(starPath(QPointF(cx, top + 88), 34, 14));

    const QRectF plinth(cx - 85, top + 262, 170, 48);
    QLinearGradient wood(plinth.topLeft(), plinth.bottomLeft());
    wood.setColorAt(0, QColor(0x6a, 0x2a, 0x14));
    wood.setColorAt(1, QColor(0x30, 0x0c, 0x04));
    painter.setPen(darkEdge);
    painter.setBrush(wood);
    painter.drawRoundedRect(plinth, 5, 5);
    painter.setBrush(gold);
    painter.drawRoundedRect(plinth.adjusted(40, 12, -40, -12), 3, 3);
    painter.restore();
    paintGlint(painter, QPointF(cx - 52, top + 60), 16);
    paintGlint(painter, QPointF(cx + 60, top + 8), 11);
}

// A seat is a soft glass panel under a spotlight: plain enough for the
// player's name and score drawn over it.
void paintSeat(QPainter& painter, const QRectF& seat)
{
    painter.save();
    QPainterPath beam;  // a spotlight from the studio ceiling onto each player
    beam.moveTo(seat.center().x() - 24, 0);
    beam.lineTo(seat.center().x() + 24, 0);
    beam.lineTo(seat.right() - 10, seat.bottom());
    beam.lineTo(seat.left() + 10, seat.bottom());
    beam.closeSubpath();
    QLinearGradient shine(0, 0, 0, seat.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawPath(beam);
    QRadialGradient pool(QPointF(seat.center().x(), seat.bottom() - 10), seat.width() * 0.55);
    pool.setColorAt(0, QColor(255, 255, 255, 110));
    pool.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    painter.setBrush(pool);
    painter.drawRoundedRect(seat.adjusted(4, 8, -4, -4), 16, 16);
    painter.restore();
}

void paintRecordsPanel(QPainter& painter)
{
    paintParchment(painter, kRecordsPanel, 12);
    const double left = kRecordsPanel.left() + 8;
    const double width = kRecordsPanel.width() - 16;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xd4, 0x98, 90));
    for (std::size_t i = 1; i < kRecordRows.size(); i += 2)
        painter.drawRect(QRectF(left, kRecordRows[i] + 2, width, kRecordRows[1] - kRecordRows[0] - 2));
    // the extra row is the new result, set apart from the table above it
    painter.setBrush(QColor(0xff, 0xe0, 0x80, 110));
    painter.drawRoundedRect(QRectF(left - 2, kExtraRecordRow, width + 4, kRecordRowHeight), 6, 6);
    painter.setPen(QPen(QColor(0xc8, 0x98, 0x38), 1.5));
    painter.drawLine(QPointF(left + 10, kExtraRecordRow - 6),
                     QPointF(left + width - 10, kExtraRecordRow - 6));
    painter.setPen(QPen(QColor(0xd4, 0xaa, 0x48, 150), 1, Qt::DashLine));
    painter.drawLine(QPointF(kScoreColumnX, kRecordRows.front() + 4),
                     QPointF(kScoreColumnX, kRecordRows.back() + kRecordRowHeight - 4));
    painter.restore();
}

}  // namespace

QImage startBackdrop()
{
    QImage image = blankImage(kScreenSize, kNight);
    QPainter painter(&image);
    prepare(painter);
    paintFestiveSky(painter, QPointF(280, 200), QColor(0x78, 0x58, 0xe8), kNight);
    const QRectF scrollPaper = kMenuColumn.adjusted(-14, -20, 14, 22);
    paintSparkles(painter, QRectF(image.rect()), 70, 11, scrollPaper.adjusted(-10, -14, 10, 14));
    paintConfetti(painter, QRectF(0, 160, kScreenSize.width(), 440), 90, 12,
                  scrollPaper.adjusted(-10, -14, 10, 14));

    const DrumPose drum{.centre = QPointF(262, 420), .radius = 215, .turnDegrees = 14, .tiltDegrees = 62};
    paintDrum(painter, drum);
    paintPointer(painter, drumFrontEdge(drum) - QPointF(0, 22), 46, 0);

    struct Tile {
        double x, y, size, turn;
        const char* letter;
    };
    static constexpr Tile kTiles[] = {
        {70, 228, 50, -14, "А"}, {168, 200, 42, 9, "Б"}, {372, 214, 46, -6, "Я"},
        {466, 250, 40, 16, "Ж"}, {34, 330, 36, 22, "Ы"}, {482, 346, 38, -18, "К"},
    };
    for (const Tile& tile : kTiles)
        paintLetterTile(painter, QPointF(tile.x, tile.y), tile.size, QString::fromUtf8(tile.letter),
                        tile.turn);

    paintScroll(painter, scrollPaper);
    paintTitle(painter, QStringLiteral("Кордамир"), QPointF(400, 96), 132);
    for (const QPointF at : {QPointF(84, 70), QPointF(716, 52), QPointF(640, 170), QPointF(200, 150)})
        paintGlint(painter, at, 18, QColor(0xff, 0xf4, 0xb0));
    return image;
}

QImage tableBackdrop()
{
    QImage image = blankImage(kScreenSize, QColor(0xc0, 0xc0, 0xff));
    QPainter painter(&image);
    prepare(painter);

    QLinearGradient studio(0, 0, 0, kScreenSize.height());
    studio.setColorAt(0.00, QColor(0x22, 0x1a, 0x6a));
    studio.setColorAt(0.13, QColor(0x48, 0x3c, 0xb0));
    studio.setColorAt(0.22, QColor(0xa6, 0xa2, 0xf4));
    studio.setColorAt(0.32, QColor(0xc8, 0xc8, 0xff));
    studio.setColorAt(0.52, QColor(0xc0, 0xc0, 0xff));
    studio.setColorAt(0.62, QColor(0x8e, 0x82, 0xe4));
    studio.setColorAt(1.00, QColor(0x3a, 0x2a, 0x90));
    painter.fillRect(image.rect(), studio);
    painter.save();
    painter.setClipRect(QRectF(0, 0, kScreenSize.width(), 120));
    paintRays(painter, QPointF(445, -60), 28, QColor(255, 255, 255, 22));
    painter.restore();
    paintSparkles(painter, QRectF(0, 0, kScreenSize.width(), 60), 24, 21,
                  kCaption.adjusted(-20, -10, 20, 10));

    for (const QRectF& seat : kSeats)
        paintSeat(painter, seat);

    paintDrape(painter, true, 240, 104);
    paintDrape(painter, false, 240, 104);

    QLinearGradient cream(kCaption.topLeft(), kCaption.bottomLeft());
    cream.setColorAt(0, QColor(0xff, 0xfe, 0xf4));
    cream.setColorAt(1, QColor(0xf2, 0xe8, 0xc8));
    paintGoldFramedPlate(painter, kCaption.adjusted(-10, -5, 10, 5), 12, cream, 3);

    QLinearGradient board(kLetterBoard.topLeft(), kLetterBoard.bottomLeft());
    board.setColorAt(0, QColor(0x16, 0x10, 0x4a));
    board.setColorAt(1, QColor(0x34, 0x28, 0x98));
    paintGoldFramedPlate(painter, kLetterBoard, 7, board, 3);
    for (const double x : {kLetterBoard.left() + 6.5, kLetterBoard.right() - 6.5})
        for (const double y : {80.0, 90.5, 101.0})
            paintGlint(painter, QPointF(x, y), 3.5, QColor(0xff, 0xf0, 0xa0));

    const QRectF drum = pictures::restingDrumPlace;
    paintDais(painter, QPointF(drum.center().x(), 468), 335, 104, 16);
    paintBulbColumn(painter, QRectF(14, 360, 30, 205));
    paintBulbColumn(painter, QRectF(756, 360, 30, 205));
    paintSparkles(painter, QRectF(0, 262, kScreenSize.width(), 90), 10, 22, QRectF(180, 250, 520, 100));
    return image;
}

QImage recordsBackdrop()
{
    QImage image = blankImage(kScreenSize, kNight);
    QPainter painter(&image);
    prepare(painter);
    paintFestiveSky(painter, QPointF(660, 250), QColor(0x5a, 0x70, 0xe8), QColor(0x10, 0x14, 0x4a));
    paintConfetti(painter, QRectF(image.rect()), 110, 31, kRecordsPanel);
    paintSparkles(painter, QRectF(image.rect()), 60, 32, kRecordsPanel);

    paintRecordsPanel(painter);

    paintTitle(painter, QStringLiteral("Рекорды"), QPointF(400, 54), 84);
    paintFloorShadow(painter, QRectF(540, 400, 220, 40), 150);
    paintTrophy(painter, 650, 108);
    struct Star {
        double x, y, size, turn;
    };
    static constexpr Star kStars[] = {{70, 420, 34, 30},  {230, 500, 26, 10},  {410, 420, 22, -15},
                                      {120, 555, 18, 20}, {520, 540, 24, -25}, {350, 565, 16, 5}};
    for (const Star& star : kStars) {
        const QPointF at(star.x, star.y);
        const QPointF corner(star.size, star.size);
        painter.setPen(QPen(QColor(0x8a, 0x5a, 0x0c), 1.5));
        painter.setBrush(goldGradient(at - corner, at + corner));
        painter.drawPath(starPath(at, star.size, star.size * 0.45, 5, star.turn));
        paintGlint(painter, at - QPointF(star.size * 0.3, star.size * 0.4), star.size * 0.35);
    }
    return image;
}

}  // namespace picgen
