// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SceneScale.h"

#include <QTest>

class SceneScaleTest : public QObject {
    Q_OBJECT
private slots:
    void playerChoosesOneToOneOrAFactor_data();
    void playerChoosesOneToOneOrAFactor();
    void sceneFillsTheScreenWithRoomForATitleBar_data();
    void sceneFillsTheScreenWithRoomForATitleBar();
};

void SceneScaleTest::playerChoosesOneToOneOrAFactor_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<double>("factor");  // 0: fit the screen

    QTest::newRow("nothing asked") << QStringList() << QString() << 0.0;
    QTest::newRow("option") << QStringList{"--no-scale"} << QString() << 1.0;
    QTest::newRow("option beats the variable") << QStringList{"-x", "--no-scale"} << "2" << 1.0;
    QTest::newRow("variable 1") << QStringList() << "1" << 1.0;
    QTest::newRow("variable with blanks") << QStringList() << " 1.5 " << 1.5;
    QTest::newRow("auto") << QStringList() << "auto" << 0.0;
    QTest::newRow("zero would hide the game") << QStringList() << "0" << 0.0;
    QTest::newRow("absurdly large") << QStringList() << "100" << 0.0;
}

void SceneScaleTest::playerChoosesOneToOneOrAFactor()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(double, factor);
    const std::optional<double> requested = scenescale::requested(arguments, environment);
    QCOMPARE(requested.value_or(0.0), factor);
}

void SceneScaleTest::sceneFillsTheScreenWithRoomForATitleBar_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("allowance");
    QTest::addColumn<double>("factor");

    const int titleBar = scenescale::titleBarAllowance;
    const int wayland = titleBar + scenescale::panelAllowance;
    QTest::newRow("the scene's own size") << QSize(800, 600) << titleBar << 1.0;
    QTest::newRow("smaller: the display mode's business") << QSize(640, 480) << titleBar << 1.0;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << titleBar << 1.2;
    QTest::newRow("1280 x 1024: the width decides") << QSize(1280, 1024) << titleBar << 1.6;
    QTest::newRow("1920 x 1080: the height decides") << QSize(1920, 1080) << titleBar << 1.7;
    QTest::newRow("1920 x 1080 on Wayland, room for a panel") << QSize(1920, 1080) << wayland << 1.6;
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << titleBar << 3.5;
    QTest::newRow("portrait") << QSize(1080, 1920) << titleBar << 1.35;
}

void SceneScaleTest::sceneFillsTheScreenWithRoomForATitleBar()
{
    QFETCH(QSize, screen);
    QFETCH(int, allowance);
    QFETCH(double, factor);
    QCOMPARE(scenescale::fitting(screen, allowance), factor);
}

QTEST_GUILESS_MAIN(SceneScaleTest)
#include "SceneScaleTest.moc"
