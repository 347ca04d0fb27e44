// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/OutlinedText.h"
#include "platform/OutlinedGroupBox.h"
#include "platform/OutlinedLabel.h"

#include <QApplication>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <cmath>

namespace {

const QColor green(0x00, 0xFF, 0x00);
const QColor cream(0xF6, 0xEA, 0xC8);  // the records' parchment at its darker end
const QColor violet(0x9D, 0x84, 0xFF); // the player setup's ground

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green())
           + 0.0722 * channel(colour.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool near(QRgb pixel, const QColor& colour)
{
    const int dr = qRed(pixel) - colour.red();
    const int dg = qGreen(pixel) - colour.green();
    const int db = qBlue(pixel) - colour.blue();
    return dr * dr + dg * dg + db * db < 60 * 60;
}

struct Edges {
    int fillPixels = 0;
    int faintEdges = 0; // edge pixels of the fill with nothing at 3 : 1 beside them
};

// The eye finds a glyph at its edge: every fill pixel at the glyph's edge
// must have, within two pixels, a colour that stands at least 3 : 1 against
// the fill (the rim, or a dark enough ground).
Edges edges(const QImage& image, const QRect& area, const QColor& fill)
{
    Edges found;
    const auto isFill = [&](QPoint at) { return image.rect().contains(at) && near(image.pixel(at), fill); };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!isFill({x, y}))
                continue;
            ++found.fillPixels;
            bool edge = false;
            double best = 1.0;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const QPoint at(x + dx, y + dy);
                    if (!image.rect().contains(at) || isFill(at))
                        continue;
                    edge = edge || (qAbs(dx) <= 1 && qAbs(dy) <= 1);
                    best = std::max(best, contrast(fill, image.pixelColor(at)));
                }
            }
            found.faintEdges += edge && best < 3.0 ? 1 : 0;
        }
    }
    return found;
}

} // namespace

class OutlinedTextTest : public QObject {
    Q_OBJECT
private slots:
    void labelRimSeparatesTheTextFromItsGround_data();
    void labelRimSeparatesTheTextFromItsGround();
    void frameCaptionIsDrawnOnceWithItsRim_data();
    void frameCaptionIsDrawnOnceWithItsRim();
    void labelWithoutRimPaintsAsAPlainLabel();
};

void OutlinedTextTest::labelRimSeparatesTheTextFromItsGround_data()
{
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<qreal>("rim"); // 0: none
    QTest::addColumn<bool>("separated");
    QTest::newRow("parchment, no rim: the fault") << cream << 0.0 << false;
    QTest::newRow("parchment, rim") << cream << 1.5 << true;
    QTest::newRow("violet, no rim: the fault") << violet << 0.0 << false;
    QTest::newRow("violet, thin rim") << violet << 1.5 << true;
}

void OutlinedTextTest::labelRimSeparatesTheTextFromItsGround()
{
    QFETCH(QColor, ground);
    QFETCH(qreal, rim);
    QFETCH(bool, separated);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    OutlinedLabel label(QStringLiteral("Вера 450"));
    label.resize(240, 40);
    label.setFont(font);
    label.setAlignment(Qt::AlignCenter);
    label.setBackgroundColour(ground);
    label.setBackgroundOpaque(true);
    label.setTextColour(green);
    if (rim > 0)
        label.setTextOutline(outlinedtext::rimColour, rim);
    const QImage image = label.grab().toImage();
    const Edges found = edges(image, image.rect(), green);
    QVERIFY2(found.fillPixels > 50, "the text keeps its own colour");
    QCOMPARE(found.faintEdges == 0, separated);
}

void OutlinedTextTest::frameCaptionIsDrawnOnceWithItsRim_data()
{
    QTest::addColumn<qreal>("rim");
    QTest::addColumn<bool>("separated");
    QTest::newRow("bare caption: the fault") << 0.0 << false;
    QTest::newRow("caption with its rim") << 1.5 << true;
}

void OutlinedTextTest::frameCaptionIsDrawnOnceWithItsRim()
{
    QFETCH(qreal, rim);
    QFETCH(bool, separated);
    OutlinedGroupBox frame(QStringLiteral("Первый игрок"), green);
    QCOMPARE(frame.captionRim(), 1.5);
    frame.setCaptionRim(rim);
    frame.resize(149, 157);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(12);
    frame.setFont(font);
    QPalette palette = frame.palette();
    palette.setColor(QPalette::Window, violet);
    frame.setPalette(palette);
    frame.setAutoFillBackground(true);
    QCOMPARE(frame.title(), QStringLiteral("Первый игрок"));

    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                        QStyle::SC_GroupBoxLabel, &frame);
    const QImage image = frame.grab().toImage();
    const Edges found = edges(image, caption.adjusted(-2, -2, 2, 2), green);
    QVERIFY(found.fillPixels > 10);
    QCOMPARE(found.faintEdges == 0, separated);
    // The style's own caption, in the palette's colour, is not drawn under it.
    int styleText = 0;
    const QColor styleColour = frame.palette().color(QPalette::WindowText);
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
        for (int x = caption.left(); x <= caption.right(); ++x)
            styleText += near(image.pixel(x, y), styleColour) ? 1 : 0;
    }
    QCOMPARE(styleText, 0);
}

void OutlinedTextTest::labelWithoutRimPaintsAsAPlainLabel()
{
    // The records' plain rows keep the look they had.
    EventLabel plain(QStringLiteral("Пётр 300"));
    OutlinedLabel outlined(QStringLiteral("Пётр 300"));
    for (EventLabel* label : std::initializer_list<EventLabel*>{&plain, &outlined}) {
        label->resize(200, 30);
        label->setAlignment(Qt::AlignCenter);
        label->setTextColour(Qt::black);
    }
    QCOMPARE(outlined.grab().toImage(), plain.grab().toImage());
}

QTEST_MAIN(OutlinedTextTest)
#include "OutlinedTextTest.moc"
