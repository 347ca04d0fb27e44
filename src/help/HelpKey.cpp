// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/HelpKey.h"

#include "platform/Navigation.h"

#include <QApplication>
#include <QKeyEvent>

HelpKey::HelpKey(Navigation& navigation) : navigation_(navigation)
{
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        navigation_.showRules();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
