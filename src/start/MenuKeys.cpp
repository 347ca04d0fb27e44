// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/MenuKeys.h"

#include "platform/PressableLabel.h"
#include "start/StartWindow.h"

#include <QKeyEvent>

MenuKeys::MenuKeys(StartWindow& window) : QObject(&window), window_(window)
{
    window_.setFocusPolicy(Qt::StrongFocus);
    window_.installEventFilter(this);
    // A focused entry sees its keys first, and would take Tab for itself.
    for (int number = 1; number <= StartWindow::entryCount; ++number)
        window_.menuEntry(number)->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Backtab:
            move(-1);
            return true;
        case Qt::Key_Down:
        case Qt::Key_Tab:
            move(+1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!key->isAutoRepeat())
                choose();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MenuKeys::move(int step)
{
    if (!window_.menuEntry(1)->isVisibleTo(&window_))
        return;
    constexpr int count = StartWindow::entryCount;
    const int current = window_.highlightedEntry();
    int next = 0;
    if (current == 0)
        next = step > 0 ? 1 : count;
    else
        next = (current - 1 + step + count) % count + 1;
    window_.highlightEntry(next);
}

void MenuKeys::choose()
{
    const int current = window_.highlightedEntry();
    if (current == 0)
        return;
    // The action may unload the window and this object with it.
    window_.menuEntry(current)->press();
}
