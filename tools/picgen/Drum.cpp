// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drum.h"

#include "Paint.h"
#include "Pictures.h"

#include "platform/Pictures.h"
#include "rules/Drum.h"

#include <QPolygonF>
#include <QRandomGenerator>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>

namespace picgen {
namespace {

enum class Kind { Value, Pass, Bankrupt, Plus, Double };

struct Sector {
    QString label;
    QColor colour;
    QColor ink;
    QColor edge;
    Kind kind = Kind::Value;
};

// A sector looks like what it does, so the picture follows the game's table
// in order and content: every value has a colour of its own.
Sector look(const drum::Sector& sector)
{
    const QColor white(Qt::white);
    const QColor night(0x1c, 0x14, 0x3c);
    const QColor wine(0x8a, 0x06, 0x10);
    switch (sector.effect) {
    case drum::Effect::PassTurn:
        return {QStringLiteral("П"), QColor(0x9c, 0xa6, 0xb4), white, night, Kind::Pass};
    case drum::Effect::Double:
        return {QStringLiteral("×2"), QColor(0xff, 0xc4, 0x1c), wine, white, Kind::Double};
    case drum::Effect::Bankrupt:
        return {QStringLiteral("Б"), QColor(0x14, 0x12, 0x16), white, QColor(0xd0, 0x10, 0x18),
                Kind::Bankrupt};
    case drum::Effect::Plus:
        return {QStringLiteral("+"), QColor(0xf4, 0xf8, 0xff), QColor(0x12, 0x9a, 0x3a), white, Kind::Plus};
    case drum::Effect::Points:
        break;
    }
    QColor colour(0x10, 0x90, 0x90);
    switch (sector.points) {
    case 10:
        colour = QColor(0x1c, 0xaa, 0x48);
        break;
    case 20:
        colour = QColor(0x22, 0x6a, 0xf0);
        break;
    case 30:
        colour = QColor(0x92, 0x36, 0xd8);
        break;
    case 40:
        colour = QColor(0xff, 0x78, 0x14);
        break;
    case 50:
        colour = QColor(0xe8, 0x24, 0x2c);
        break;
    case 80:
        colour = QColor(0xe4, 0x1e, 0x8c);
        break;
    }
    return {QString::number(sector.points), colour, white, night, Kind::Value};
}

// Index 0..11 holds drum sector 1..12.
const std::array<Sector, kSectorCount>& sectors()
{
    static const std::array<Sector, kSectorCount> table = [] {
        std::array<Sector, kSectorCount> looks;
        for (int i = 0; i < kSectorCount; ++i)
            looks[i] = look(drum::sector(i + 1));
        return looks;
    }();
    return table;
}

// Proportions of the wheel, as fractions of its radius.
constexpr double kFaceEdge = 0.88;  // where the sectors end and the gold rim starts
constexpr double kHubEdge = 0.17;
constexpr double kLabelRadius = 0.67;
constexpr double kLabelSize = 0.2;
constexpr double kStandingLabelRadius = 0.64;
constexpr double kStandingLabelSize = 0.125;
constexpr double kThickness = 0.075;  // side of the drum, seen when tilted
constexpr double kTaper = 0.11;       // how much narrower the far edge looks

// Labels seen on a tilted wheel stand upright so every value stays readable;
// far ones shrink and all are a little squat to sit on the slanted face.
constexpr double kFarLabelScale = 0.72;
constexpr double kStandingSquash = 0.82;

constexpr int kBlurCopies = 10;
constexpr double kLayerMargin = 2;  // room for the rim's antialiased edge
constexpr double kLabelGhostShare = 0.5;
constexpr double kLabelGhostOpacity = 0.35;

double sectorCentre(int index)
{
    // Counter-clockwise from sector 1, so a clockwise turn brings them in order.
    return -index * kSectorDegrees;
}

QTransform wheelToScreen(const DrumPose& pose)
{
    const double r = pose.radius;
    const double tilt = qDegreesToRadians(pose.tiltDegrees);
    const double depth = std::cos(tilt);
    const double taper = kTaper * std::sin(tilt);
    const QPointF c = pose.centre;
    const QPolygonF square{{-r, -r}, {r, -r}, {r, r}, {-r, r}};
    const QPolygonF seen{c + QPointF(-r * (1 - taper), -r * depth), c + QPointF(r * (1 - taper), -r * depth),
                         c + QPointF(r * (1 + taper), r * depth), c + QPointF(-r * (1 + taper), r * depth)};
    QTransform transform;
    QTransform::quadToQuad(square, seen, transform);
    return transform;
}

double sideThickness(const DrumPose& pose)
{
    return pose.radius * kThickness * std::sin(qDegreesToRadians(pose.tiltDegrees));
}

QPainterPath circle(double radius)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), radius, radius);
    return path;
}

void paintBulb(QPainter& painter, QPointF at, double radius)
{
    QRadialGradient light(at, radius * 2);
    light.setColorAt(0, Qt::white);
    light.setColorAt(0.35, QColor(0xff, 0xf0, 0x90));
    light.setColorAt(0.5, QColor(0xff, 0xd0, 0x40, 160));
    light.setColorAt(1, QColor(0xff, 0xc0, 0x20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(at, radius * 2, radius * 2);
}

// Sectors, spokes, rim and bulbs, in the wheel's own unturned frame.
void paintFace(QPainter& painter, double r)
{
    const double face = r * kFaceEdge;
    const QRectF faceBox(-face, -face, 2 * face, 2 * face);

    // The rim is a whole gold disc under the sectors: a ring with a hole loses
    // its hole under a perspective transform.
    QRadialGradient bevel(QPointF(0, 0), r);
    bevel.setColorAt(kFaceEdge, QColor(0x7a, 0x4c, 0x08));
    bevel.setColorAt(kFaceEdge + (1 - kFaceEdge) * 0.45, QColor(0xff, 0xe8, 0x90));
    bevel.setColorAt(kFaceEdge + (1 - kFaceEdge) * 0.7, QColor(0xe0, 0xa4, 0x28));
    bevel.setColorAt(1.0, QColor(0x6a, 0x40, 0x04));
    painter.setPen(Qt::NoPen);
    painter.setBrush(bevel);
    painter.drawPath(circle(r));

    for (int i = 0; i < kSectorCount; ++i) {
        const Sector& sector = sectors()[i];
        const double start = sectorCentre(i) - kSectorDegrees / 2;
        QPainterPath wedge;
        wedge.moveTo(0, 0);
        wedge.arcTo(faceBox, 90 - start, -kSectorDegrees);  // Qt counts counter-clockwise from 3 o'clock
        wedge.closeSubpath();
        QRadialGradient shade(QPointF(0, 0), face);
        shade.setColorAt(0.15, sector.colour.lighter(140));
        shade.setColorAt(0.55, sector.colour.lighter(115));
        shade.setColorAt(1.0, sector.colour.darker(118));
        painter.setBrush(shade);
        painter.drawPath(wedge);
    }

    painter.setPen(QPen(QColor(0xff, 0xe2, 0x8a), r * 0.014));
    for (int i = 0; i < kSectorCount; ++i) {
        const double boundary = sectorCentre(i) + kSectorDegrees / 2;
        painter.drawLine(polar(r * kHubEdge, boundary), polar(face, boundary));
    }

    const double bulbRing = r * (1 + kFaceEdge) / 2;
    for (int i = 0; i < kSectorCount * 2; ++i)
        paintBulb(painter, polar(bulbRing, i * kSectorDegrees / 2 + kSectorDegrees / 2), r * 0.024);
}

QImage faceLayer(double r)
{
    const int side = qCeil(2 * (r + kLayerMargin));
    QImage layer = blankImage(QSize(side, side));
    QPainter painter(&layer);
    prepare(painter);
    painter.translate(r + kLayerMargin, r + kLayerMargin);
    paintFace(painter, r);
    return layer;
}

void paintHub(QPainter& painter, double r)
{
    const double hub = r * kHubEdge;
    QRadialGradient gold(QPointF(-hub * 0.3, -hub * 0.3), hub * 1.4);
    gold.setColorAt(0, QColor(0xff, 0xf6, 0xc8));
    gold.setColorAt(0.5, QColor(0xe8, 0xb0, 0x30));
    gold.setColorAt(1, QColor(0x7a, 0x4a, 0x06));
    painter.setPen(QPen(QColor(0x5a, 0x36, 0x02), r * 0.008));
    painter.setBrush(gold);
    painter.drawEllipse(QPointF(0, 0), hub, hub);
    painter.setBrush(QColor(0x2a, 0x1c, 0x78));
    painter.drawEllipse(QPointF(0, 0), hub * 0.72, hub * 0.72);
    painter.setPen(Qt::NoPen);
    painter.setBrush(goldGradient(QPointF(-hub, -hub), QPointF(hub, hub)));
    painter.drawPath(starPath(QPointF(0, 0), hub * 0.62, hub * 0.26));
}

// Open arrow circling clockwise: the turn passes to the next player.
void paintTurnArrow(QPainter& painter, QPointF centre, double radius, const QColor& ink, const QColor& edge)
{
    constexpr double kFrom = 50;
    constexpr double kTo = 320;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, 90 - kFrom);
    arc.arcTo(box, 90 - kFrom, -(kTo - kFrom));
    const QPointF end = centre + polar(radius, kTo);
    QPainterPath head;
    head.moveTo(end + polar(radius * 0.75, kTo + 90));
    head.lineTo(end + polar(radius * 0.55, kTo));
    head.lineTo(end + polar(-radius * 0.55, kTo));
    head.closeSubpath();

    const double width = radius * 0.42;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, width + radius * 0.3, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    painter.setPen(QPen(edge, radius * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(head);
    painter.setPen(QPen(ink, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(head);
    painter.restore();
}

// Where the pass arrow goes relative to its letter: below it on a face seen
// from above, beside it on a tilted face where height is scarce.
enum class Emblem { Below, Beside };

// The sector's value (and emblem), upright in the current frame, centred on `centre`.
void paintMark(QPainter& painter, const Sector& sector, QPointF centre, double size, Emblem emblem)
{
    if (sector.kind == Kind::Pass) {
        const QPointF letterShift = emblem == Emblem::Beside ? QPointF(-size * 0.45, 0) : QPointF();
        const QPointF arrowShift = emblem == Emblem::Beside ? QPointF(size * 0.5, 0)
                                                            : QPointF(0, size * 1.05);
        paintTurnArrow(painter, centre + arrowShift, size * 0.34, sector.ink, sector.edge);
        centre += letterShift;
    }
    if (sector.kind == Kind::Plus) {
        painter.save();
        painter.setPen(QPen(QColor(0xa0, 0x70, 0x08), size * 0.04));
        painter.setBrush(goldGradient(centre - QPointF(size, size), centre + QPointF(size, size)));
        painter.drawPath(starPath(centre, size * 0.95, size * 0.42));
        painter.restore();
    }
    const int pixels = qRound(sector.kind == Kind::Plus ? size * 1.05 : size);
    const QPainterPath glyphs = textPath(sector.label, pixelFont(kValueFamily, pixels, true), centre);
    paintOutlined(painter, glyphs, sector.ink, sector.edge, size * 0.17);
}

void paintFaceLabels(QPainter& painter, double r)
{
    for (int i = 0; i < kSectorCount; ++i) {
        painter.save();
        painter.rotate(sectorCentre(i));
        paintMark(painter, sectors()[i], QPointF(0, -r * kLabelRadius), r * kLabelSize, Emblem::Below);
        painter.restore();
    }
}

void paintStandingLabels(QPainter& painter, const DrumPose& pose, const QTransform& view)
{
    const double r = pose.radius;
    for (int i = 0; i < kSectorCount; ++i) {
        const QPointF local = polar(r * kStandingLabelRadius, pose.turnDegrees + sectorCentre(i));
        const double nearness = (local.y() / r + 1) / 2;
        const double scale = kFarLabelScale + (1 - kFarLabelScale) * nearness;
        painter.save();
        painter.resetTransform();
        painter.translate(view.map(local));
        painter.scale(scale, scale * kStandingSquash);
        paintMark(painter, sectors()[i], QPointF(0, 0), r * kStandingLabelSize, Emblem::Beside);
        painter.restore();
    }
}

// Shadow on the floor and the gold side band of a tilted drum.
void paintBody(QPainter& painter, const DrumPose& pose, const QTransform& view)
{
    const double r = pose.radius;
    const double thickness = sideThickness(pose);
    const QPainterPath top = view.map(circle(r));
    const QRectF box = top.boundingRect();
    painter.save();
    painter.resetTransform();
    paintFloorShadow(painter,
                     box.adjusted(-box.width() * 0.03, box.height() * 0.3 + thickness, box.width() * 0.03,
                                  box.height() * 0.12 + thickness * 1.8),
                     130);
    const QLinearGradient gold = goldGradient(box.topLeft(), box.topRight());
    painter.setPen(Qt::NoPen);
    painter.fillPath(top.translated(0, thickness), QColor(0x5a, 0x34, 0x02));
    for (double dy = thickness - 1; dy > 0; dy -= 1)
        painter.fillPath(top.translated(0, dy), gold);
    for (int i = 0; i < kSectorCount; ++i) {
        const double around = 90 + kSectorDegrees / 2 + i * kSectorDegrees / 2;  // the near half only
        if (around >= 270)
            break;
        paintBulb(painter, view.map(polar(r, around)) + QPointF(0, thickness * 0.55), thickness * 0.2);
    }
    painter.restore();
}

}  // namespace

double turnBringingSector(int number, double pointerDegrees)
{
    return pointerDegrees - sectorCentre(number - 1);
}

void paintDrum(QPainter& painter, const DrumPose& pose)
{
    painter.save();
    const QTransform view = wheelToScreen(pose) * painter.worldTransform();
    const auto turned = [&view](double turn) { return QTransform().rotate(turn) * view; };
    const bool tilted = pose.tiltDegrees > 0.5;
    const double r = pose.radius;

    if (tilted)
        paintBody(painter, pose, view);

    if (pose.blurDegrees > 0) {
        // Equal-weight average of copies along the swept angle (opacity 1/(i+1)).
        // Each copy must be one flat layer, or the rim under the sectors shows through.
        const QImage face = faceLayer(r);
        const QRectF box(QPointF(-r - kLayerMargin, -r - kLayerMargin), face.deviceIndependentSize());
        for (int i = 0; i < kBlurCopies; ++i) {
            painter.setOpacity(1.0 / (i + 1));
            painter.setTransform(turned(pose.turnDegrees - pose.blurDegrees * i / (kBlurCopies - 1)));
            painter.drawImage(box, face);
        }
        painter.setOpacity(1);
    } else {
        painter.setTransform(turned(pose.turnDegrees));
        paintFace(painter, r);
    }

    if (!tilted) {
        // A faint ghost just behind, then the values sharp: they must read even in motion.
        if (pose.blurDegrees > 0) {
            painter.setOpacity(kLabelGhostOpacity);
            painter.setTransform(turned(pose.turnDegrees - pose.blurDegrees * kLabelGhostShare));
            paintFaceLabels(painter, r);
            painter.setOpacity(1);
        }
        painter.setTransform(turned(pose.turnDegrees));
        paintFaceLabels(painter, r);
    }

    painter.setTransform(turned(pose.turnDegrees));
    paintHub(painter, r);
    if (tilted)
        paintStandingLabels(painter, pose, view);
    painter.restore();
}

QPointF drumFrontEdge(const DrumPose& pose)
{
    return wheelToScreen(pose).map(QPointF(0, pose.radius)) + QPointF(0, sideThickness(pose));
}

void paintPointer(QPainter& painter, QPointF tip, double length, double directionDegrees)
{
    const double width = length * 0.5;
    const QPointF knob(0, -length + width / 2);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.lineTo(width * 0.48, knob.y() + width * 0.12);
    shape.lineTo(-width * 0.48, knob.y() + width * 0.12);
    shape.closeSubpath();
    QPainterPath round;
    round.addEllipse(knob, width / 2, width / 2);
    shape = shape.united(round);

    painter.save();
    painter.translate(tip);
    painter.rotate(directionDegrees - 180);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(shape.translated(3, 3));
    painter.setPen(QPen(QColor(0x4a, 0x2c, 0x02), length * 0.03));
    painter.setBrush(goldGradient(QPointF(-width / 2, 0), QPointF(width / 2, 0)));
    painter.drawPath(shape);
    QRadialGradient gem(knob - QPointF(width * 0.08, width * 0.08), width * 0.28);
    gem.setColorAt(0, QColor(0xff, 0xb0, 0xb0));
    gem.setColorAt(0.45, QColor(0xe0, 0x10, 0x20));
    gem.setColorAt(1, QColor(0x70, 0x00, 0x08));
    painter.setBrush(gem);
    painter.drawEllipse(knob, width * 0.24, width * 0.24);
    painter.restore();
}

// ---- the two drum pictures -------------------------------------------------

namespace {

constexpr QSize kSpinSize = pictures::turningDrumPlace.size();
constexpr QPointF kSpinCentre(180, 192);
constexpr double kSpinRadius = 160;
constexpr double kSpinBlur = 7;
constexpr double kSpinPointerLength = 54;
constexpr int kSpinStreaks = 22;

constexpr double kRestRadius = 262;
constexpr double kRestTilt = 72;
constexpr double kRestCentreY = 90;
constexpr double kRestPointerLength = 46;

// Fading white arcs that trail behind the turning wheel.
void paintSpeedStreaks(QPainter& painter, QPointF centre, double radius, quint32 seed)
{
    QRandomGenerator random(seed);
    painter.save();
    for (int i = 0; i < kSpinStreaks; ++i) {
        const double distance = radius * (0.3 + 0.68 * random.generateDouble());
        const double head = random.bounded(360.0);
        const double length = 30 + random.bounded(50.0);
        const double width = 1.2 + random.bounded(2.2);
        QConicalGradient fade(centre, 90 - head);  // Qt angles run counter-clockwise from 3 o'clock
        fade.setColorAt(0, QColor(255, 255, 255, 170));
        fade.setColorAt(length / 360, QColor(255, 255, 255, 0));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        const QRectF box(centre.x() - distance, centre.y() - distance, 2 * distance, 2 * distance);
        QPainterPath arc;
        arc.arcMoveTo(box, 90 - head);
        arc.arcTo(box, 90 - head, length);
        painter.setPen(QPen(QBrush(fade), width, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arc);
    }
    painter.restore();
}

}  // namespace

QImage drumSpinning(int sector)
{
    QImage image = blankImage(kSpinSize, QColor(0x1a, 0x14, 0x50));
    QPainter painter(&image);
    prepare(painter);
    QRadialGradient stage(kSpinCentre, 260);
    stage.setColorAt(0, QColor(0x6a, 0x58, 0xd8));
    stage.setColorAt(0.6, QColor(0x34, 0x28, 0x98));
    stage.setColorAt(1, QColor(0x14, 0x0e, 0x48));
    painter.fillRect(image.rect(), stage);
    paintRays(painter, kSpinCentre, 18, QColor(255, 255, 255, 26));
    paintSparkles(painter, QRectF(QPointF(0, 0), kSpinSize), 26, 7);

    QRadialGradient glow(kSpinCentre, kSpinRadius * 1.15);
    glow.setColorAt(0.8, QColor(0xff, 0xe0, 0x80, 150));
    glow.setColorAt(1, QColor(0xff, 0xe0, 0x80, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(kSpinCentre, kSpinRadius * 1.15, kSpinRadius * 1.15);

    const DrumPose pose{.centre = kSpinCentre,
                        .radius = kSpinRadius,
                        .turnDegrees = turnBringingSector(sector, kPointerAtTop),
                        .blurDegrees = kSpinBlur};
    paintDrum(painter, pose);
    paintSpeedStreaks(painter, kSpinCentre, kSpinRadius * kFaceEdge, 100 + sector);
    paintPointer(painter, kSpinCentre + polar(kSpinRadius * 0.86, kPointerAtTop), kSpinPointerLength, 180);
    return image;
}

namespace {

DrumPose restPose(int sector)
{
    return {.centre = QPointF(pictures::restingDrumPlace.width() / 2.0, kRestCentreY),
            .radius = kRestRadius,
            .turnDegrees = turnBringingSector(sector, kPointerAtFront),
            .tiltDegrees = kRestTilt};
}

}  // namespace

QImage drumAtRest(int sector, const QImage& table)
{
    const qreal scale = table.devicePixelRatio();
    const QRectF place = pictures::restingDrumPlace;
    QImage image = table.copy(QRectF(place.topLeft() * scale, place.size() * scale).toRect());
    QPainter painter(&image);
    prepare(painter);
    const DrumPose pose = restPose(sector);
    paintDrum(painter, pose);
    // The pointer stands on the floor in front of the drum, clear of the letter buttons.
    const int rowsLeftVisible = pictures::letterRow.top() - pictures::restingDrumPlace.top();
    const double tipY = std::min(drumFrontEdge(pose).y() - kRestPointerLength * 0.55,
                                 rowsLeftVisible - 4 - kRestPointerLength);
    paintPointer(painter, QPointF(pose.centre.x(), tipY), kRestPointerLength, 0);
    return image;
}

QColor sectorColour(int number)
{
    return sectors().at(number - 1).colour;
}

QPoint restingFaceUnderPointer()
{
    // Between the standing labels and the gold rim, a little aside from the tip.
    const DrumPose pose = restPose(1);
    const QPointF onFace = wheelToScreen(pose).map(QPointF(pose.radius * 0.12, pose.radius * 0.8));
    return onFace.toPoint();
}

}  // namespace picgen
