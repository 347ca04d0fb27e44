// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/ClockGeometry.h"

#include <QTest>

#include <cmath>

using clockgeometry::Hand;

Q_DECLARE_METATYPE(Hand)

class ClockGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void tickDotsLieWhereTheDialHasThem_data();
    void tickDotsLieWhereTheDialHasThem();
    void secondHandEnds_data();
    void secondHandEnds();
    void clockAngles_data();
    void clockAngles();
    void hourHandAtMidnightAndNoonIsTheSame();
    void everyAngleEndsOnItsCircleOnItsSide();
};

void ClockGeometryTest::tickDotsLieWhereTheDialHasThem_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<QPoint>("dot");
    const QList<QPoint> dots{{3059, 2244}, {3455, 2640}, {3600, 3180}, {3455, 3719},
                             {3059, 4115}, {2520, 4260}, {1979, 4115}, {1584, 3719},
                             {1440, 3180}, {1584, 2640}, {1980, 2244}, {2520, 2100}};
    for (int hour = 1; hour <= 12; ++hour)
        QTest::addRow("%d o'clock", hour) << hour << dots.at(hour - 1);
}

void ClockGeometryTest::tickDotsLieWhereTheDialHasThem()
{
    // 7 and 11 are mirror images, yet a twip apart: the offsets are floored.
    QFETCH(int, hour);
    QFETCH(QPoint, dot);
    QCOMPARE(clockgeometry::tickDot(hour), dot);
    QCOMPARE(clockgeometry::handEnd(30 * hour, 1080), dot);
}

void ClockGeometryTest::secondHandEnds_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<QPoint>("end");
    QTest::newRow("0") << 0 << QPoint(2520, 2100);
    QTest::newRow("7") << 7 << QPoint(3242, 2377);
    QTest::newRow("15") << 15 << QPoint(3600, 3180);
    QTest::newRow("30") << 30 << QPoint(2520, 4260);
    QTest::newRow("45") << 45 << QPoint(1440, 3180);
}

void ClockGeometryTest::secondHandEnds()
{
    QFETCH(int, second);
    QFETCH(QPoint, end);
    QCOMPARE(clockgeometry::handEnd(Hand::Second, QTime(10, 20, second)), end);
}

void ClockGeometryTest::clockAngles_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("angle");
    QTest::newRow("hour creeps: 15:59") << QTime(15, 59, 7) << Hand::Hour << 119;
    QTest::newRow("minute at 15:59") << QTime(15, 59, 7) << Hand::Minute << 354;
    QTest::newRow("second at 15:59:07") << QTime(15, 59, 7) << Hand::Second << 42;
    QTest::newRow("hour at midnight") << QTime(0, 0) << Hand::Hour << 0;
    QTest::newRow("hour at noon") << QTime(12, 0) << Hand::Hour << 360;
    QTest::newRow("hour half past noon") << QTime(12, 31) << Hand::Hour << 375;
    QTest::newRow("hour at 13:00 is one o'clock") << QTime(13, 0) << Hand::Hour << 30;
    QTest::newRow("hour just before midnight") << QTime(23, 58, 59) << Hand::Hour << 359;
}

void ClockGeometryTest::clockAngles()
{
    QFETCH(QTime, time);
    QFETCH(Hand, hand);
    QFETCH(int, angle);
    QCOMPARE(clockgeometry::clockAngle(hand, time), angle);
}

void ClockGeometryTest::hourHandAtMidnightAndNoonIsTheSame()
{
    QCOMPARE(clockgeometry::handEnd(Hand::Hour, QTime(0, 0)), QPoint(2520, 2640));
    QCOMPARE(clockgeometry::handEnd(Hand::Hour, QTime(12, 0)), QPoint(2520, 2640));
    QCOMPARE(clockgeometry::handEnd(Hand::Hour, QTime(15, 0)), QPoint(3060, 3180));
}

void ClockGeometryTest::everyAngleEndsOnItsCircleOnItsSide()
{
    // Guards the quadrant cases: a wrong sign or sine shows at some angle.
    // Flooring costs up to a twip, and an offset just under a whole number a bit more.
    for (int length : {540, 1080}) {
        for (int angle = 0; angle < 390; ++angle) {
            const QPoint offset = clockgeometry::handEnd(angle, length) - clockgeometry::centre;
            const double rad = angle * M_PI / 180.0;
            const double expectedRight = length * std::sin(rad);
            const double expectedDown = -length * std::cos(rad);
            QVERIFY2(std::abs(offset.x() - expectedRight) < 1.01, qPrintable(QString::number(angle)));
            QVERIFY2(std::abs(offset.y() - expectedDown) < 1.01, qPrintable(QString::number(angle)));
        }
    }
}

QTEST_GUILESS_MAIN(ClockGeometryTest)
#include "ClockGeometryTest.moc"
