// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/MenuKeys.h"

#include "platform/EventLabel.h"
#include "start/StartWindow.h"

#include <QKeyEvent>

namespace {
constexpr int entryCount = 4;
}

MenuKeys::MenuKeys(StartWindow& window)
    : QObject(&window), window_(window)
{
    window_.setFocusPolicy(Qt::StrongFocus);
    window_.installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
            move(-1);
            return true;
        case Qt::Key_Down:
            move(+1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!key->isAutoRepeat())
                choose();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

int MenuKeys::highlighted() const
{
    for (int number = 1; number <= entryCount; ++number) {
        const EventLabel* entry = window_.menuEntry(number);
        if (entry->isBackgroundOpaque() && entry->isVisibleTo(&window_))
            return number;
    }
    return 0;
}

void MenuKeys::move(int step)
{
    if (!window_.menuEntry(1)->isVisibleTo(&window_))
        return;
    const int current = highlighted();
    int next = 0;
    if (current == 0)
        next = step > 0 ? 1 : entryCount;
    else
        next = (current - 1 + step + entryCount) % entryCount + 1;
    emit window_.menuEntry(next)->mouseMoved();
}

void MenuKeys::choose()
{
    const int current = highlighted();
    if (current == 0)
        return;
    EventLabel* entry = window_.menuEntry(current);
    emit entry->pressed();
    // The action may unload the window and this object with it.
    emit entry->released();
}
