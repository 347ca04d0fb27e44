// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/KeepInFront.h"

#include "platform/LoadableWindow.h"
#include "platform/WindowNames.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

KeepInFront::KeepInFront(QWidget& window) : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

void KeepInFront::belongTo(QWidget* owner)
{
    if (!owner || owner == &window_)
        return;
    window_.winId();
    owner->winId();
    if (window_.windowHandle() && owner->windowHandle())
        window_.windowHandle()->setTransientParent(owner->windowHandle());
}

void KeepInFront::bringForward()
{
    window_.raise();
    window_.activateWindow();
}

bool KeepInFront::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched != &window_ && window_.isVisible()) {
        auto* other = qobject_cast<LoadableWindow*>(watched);
        // The rules may stand in front of it; any other window of the game may not.
        if (other && other->isWindow() && other->objectName() != windownames::rules) {
            belongTo(other);
            // Once the other window is on the screen; it keeps the keyboard.
            QTimer::singleShot(0, &window_, [this] { window_.raise(); });
        }
    }
    return QObject::eventFilter(watched, event);
}
