// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramExit.h"

#include <QApplication>
#include <QWidget>

void ProgramExit::runEndSteps()
{
    auto steps = std::move(endSteps_);
    endSteps_.clear();
    for (auto& step : steps)
        step();
}

void ApplicationExit::end()
{
    if (ended_)
        return;
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setEnabled(false);
        window->hide();
    }
    runEndSteps();
    QCoreApplication::exit(0);
}
