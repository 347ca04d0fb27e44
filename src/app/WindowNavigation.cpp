// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowNavigation.h"

#include "platform/WindowNames.h"
#include "platform/WindowRegistry.h"
#include "start/StartWindow.h"

void WindowNavigation::newTournament()
{
    showSetupOverBackdrop();
}

void WindowNavigation::abandonTournament()
{
    windows_.unload(windownames::setup);
    windows_.unload(windownames::game);
    showMenu();
}

void WindowNavigation::playStage()
{
    windows_.unload(windownames::setup);
    windows_.unload(windownames::start);
    windows_.show(windownames::game);
}

void WindowNavigation::nextStage()
{
    windows_.unload(windownames::game);
    showSetupOverBackdrop();
}

void WindowNavigation::finishTournament()
{
    windows_.unload(windownames::game);
    windows_.show(windownames::records);
}

void WindowNavigation::showRecords()
{
    windows_.show(windownames::records);
    windows_.unload(windownames::start);
}

void WindowNavigation::leaveRecords()
{
    windows_.unload(windownames::records);
    windows_.show(windownames::start);
}

void WindowNavigation::showAbout()
{
    windows_.show(windownames::about);
}

void WindowNavigation::closeAbout()
{
    windows_.unload(windownames::about);
}

void WindowNavigation::showRules()
{
    windows_.show(windownames::rules);
}

void WindowNavigation::closeRules()
{
    windows_.unload(windownames::rules);
}

QWidget* WindowNavigation::startWindow() const
{
    return windows_.find(windownames::start);
}

void WindowNavigation::showSetupOverBackdrop()
{
    auto* start = qobject_cast<StartWindow*>(windows_.show(windownames::start));
    if (!start)
        return; // the start window's check ended the program
    windows_.show(windownames::setup);
    start->enterBackdropState();
}

void WindowNavigation::showMenu()
{
    if (auto* start = qobject_cast<StartWindow*>(windows_.show(windownames::start)))
        start->enterMenuState();
}
