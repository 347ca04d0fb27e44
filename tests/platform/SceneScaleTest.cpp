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
    void scaleNeverCarriesTheSceneOffTheScreen_data();
    void scaleNeverCarriesTheSceneOffTheScreen();
    void toolkitEndsAtTheChosenScaleWhateverItsOwnRatio_data();
    void toolkitEndsAtTheChosenScaleWhateverItsOwnRatio();
    void windowCoversAtMostAFourKScreen_data();
    void windowCoversAtMostAFourKScreen();
};

void SceneScaleTest::playerChoosesOneToOneOrAFactor_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<double>("factor"); // 0: fit the screen

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
    // Beyond 4K the scene stays at the 4K scale amid a margin, so that its
    // pictures cost no more memory there.
    QTest::newRow("7680 x 4320") << QSize(7680, 4320) << titleBar << 3.5;
    QTest::newRow("16000 x 16000") << QSize(16000, 16000) << titleBar << 3.5;
}

void SceneScaleTest::sceneFillsTheScreenWithRoomForATitleBar()
{
    QFETCH(QSize, screen);
    QFETCH(int, allowance);
    QFETCH(double, factor);
    QCOMPARE(scenescale::fitting(screen, allowance), factor);
}

void SceneScaleTest::scaleNeverCarriesTheSceneOffTheScreen_data()
{
    QTest::addColumn<double>("wanted"); // 0: none, fit the screen
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("allowance");
    QTest::addColumn<double>("factor");

    QTest::newRow("fit") << 0.0 << QSize(1920, 1080) << 40 << 1.7;
    QTest::newRow("the player's factor, where it fits") << 1.5 << QSize(1280, 1024) << 40 << 1.5;
    QTest::newRow("the player's factor, beyond the screen") << 8.0 << QSize(1920, 1080) << 40 << 1.8;
    QTest::newRow("the player's factor on a small screen") << 2.0 << QSize(640, 480) << 40 << 1.0;
    QTest::newRow("the player's factor below 1") << 0.75 << QSize(1920, 1080) << 40 << 0.75;
    // One to one under a desktop claiming a billion dots per inch: the
    // toolkit's own ratio of ten million, clamped to the screen.
    QTest::newRow("toolkit's absurd ratio") << 1e9 / 96 << QSize(1920, 1080) << 0 << 1.8;
    QTest::newRow("toolkit's sane ratio stays") << 1.5 << QSize(1920, 1080) << 0 << 1.5;
}

void SceneScaleTest::scaleNeverCarriesTheSceneOffTheScreen()
{
    QFETCH(double, wanted);
    QFETCH(QSize, screen);
    QFETCH(int, allowance);
    QFETCH(double, factor);
    const std::optional<double> asked = wanted > 0 ? std::optional(wanted) : std::nullopt;
    QCOMPARE(scenescale::chosen(asked, screen, allowance), factor);
}

void SceneScaleTest::toolkitEndsAtTheChosenScaleWhateverItsOwnRatio_data()
{
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("platformRatio");

    QTest::newRow("plain desktop") << 1.7 << 1.0;
    QTest::newRow("desktop at 144 dpi") << 1.7 << 1.5;
    QTest::newRow("desktop at 144 dpi, one to one") << 1.5 << 1.5;
    // 1.7 / 10416666.67 written with four decimals was 0.0000, which the
    // toolkit ignores: it then scaled the scene ten million times.
    QTest::newRow("a billion dots per inch") << 1.7 << 1e9 / 96;
    QTest::newRow("a tiny ratio") << 3.5 << 0.01;
}

void SceneScaleTest::toolkitEndsAtTheChosenScaleWhateverItsOwnRatio()
{
    QFETCH(double, total);
    QFETCH(double, platformRatio);
    const QByteArray value = scenescale::toolkitFactor(total, platformRatio);
    if (qFuzzyCompare(total, platformRatio)) {
        QVERIFY2(value.isEmpty(), value.constData());
        return;
    }
    // Read back as the toolkit reads its variable.
    bool number = false;
    const double factor = QString::fromLatin1(value).toDouble(&number);
    QVERIFY2(number && factor > 0, value.constData());
    QVERIFY2(qAbs(factor * platformRatio - total) < 1e-9, value.constData());
}

void SceneScaleTest::windowCoversAtMostAFourKScreen_data()
{
    QTest::addColumn<QRect>("available"); // in the toolkit's units
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QRect>("window");

    const QRect fullHd(0, 0, 1129, 635);
    QTest::newRow("1920 x 1080: the whole area") << fullHd << 1.7 << fullHd;
    const QRect fourK(0, 0, 1097, 617);
    QTest::newRow("4K: the whole area") << fourK << 3.5 << fourK;
    QTest::newRow("4K at 1:1") << QRect(0, 0, 3840, 2160) << 1.0 << QRect(0, 0, 3840, 2160);
    // 16000 x 16000 at the 4K scale of 3.5: the middle 3840 x 2160 pixels.
    QTest::newRow("16000 x 16000") << QRect(0, 0, 4571, 4571) << 3.5 << QRect(1737, 1977, 1097, 617);
    QTest::newRow("16000 x 16000 under a panel")
        << QRect(0, 30, 4571, 4541) << 3.5 << QRect(1737, 1992, 1097, 617);
    // Fewer pixels than 4K, however wide: maximised as ever.
    QTest::newRow("5120 x 1440") << QRect(0, 0, 5120, 1440) << 1.0 << QRect(0, 0, 5120, 1440);
    QTest::newRow("a wall of screens, wide") << QRect(0, 0, 15360, 2160) << 1.0 << QRect(5760, 0, 3840, 2160);
    QTest::newRow("a tall wall of screens") << QRect(0, 0, 2160, 15360) << 1.0 << QRect(0, 5760, 2160, 3840);
}

void SceneScaleTest::windowCoversAtMostAFourKScreen()
{
    QFETCH(QRect, available);
    QFETCH(double, ratio);
    QFETCH(QRect, window);
    QCOMPARE(scenescale::windowArea(available, ratio), window);
}

QTEST_GUILESS_MAIN(SceneScaleTest)
#include "SceneScaleTest.moc"
