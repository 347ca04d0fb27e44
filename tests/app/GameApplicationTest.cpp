// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestPlatform.h"

#include "app/GameApplication.h"
#include "platform/EventLabel.h"
#include "platform/WindowNames.h"
#include "start/StartWindow.h"

#include <QApplication>
#include <QTest>

#include <optional>

namespace {

StartWindow* shownStartWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == windownames::start && window->isVisible())
            return qobject_cast<StartWindow*>(window);
    }
    return nullptr;
}

} // namespace

// The whole program as main() builds it, on scripted services: a desktop left
// at another resolution after the game has closed is the fault guarded here.
class GameApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void screenModeIsGivenBackWhenTheProgramEnds_data()
    {
        QTest::addColumn<bool>("byExitEntry");
        QTest::newRow("Выход in the menu") << true;
        QTest::newRow("application closed without it") << false;
    }

    void screenModeIsGivenBackWhenTheProgramEnds()
    {
        QFETCH(bool, byExitEntry);
        TestPlatform test;
        const DisplayModeRequest larger{1024, 768};
        test.display.granted = {larger};
        auto game = std::make_optional<GameApplication>(GameApplication::Services{
            DataDir(test.baseDir.path()), test.dialogs, test.random, test.exit, test.display});

        QVERIFY(game->start());
        StartWindow* start = shownStartWindow();
        QVERIFY(start);
        // Qt's offscreen screen is smaller than the game wants.
        QCOMPARE(test.display.requests, QList<DisplayModeRequest>{larger});
        QCOMPARE(test.display.restores, 0);

        if (byExitEntry) {
            QTest::mouseClick(start->menuEntry(4), Qt::LeftButton);
            QVERIFY(test.exit.hasEnded());
            QCOMPARE(test.display.restores, 1);
        }
        game.reset();
        TestPlatform::flushUnloads();
        QVERIFY(test.display.restores >= 1);
        QVERIFY(!shownStartWindow());
    }
};

QTEST_MAIN(GameApplicationTest)
#include "GameApplicationTest.moc"
