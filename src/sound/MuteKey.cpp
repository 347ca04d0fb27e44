// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MuteKey.h"

#include "sound/SoundService.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

const char* const lettersProperty = "kordamirLetterKeys";
constexpr int softSignKey = 0x042C;

bool typesLetters(const QObject* watched)
{
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus->testAttribute(Qt::WA_InputMethodEnabled))
        return true;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const QWidget* window = widget ? widget->window() : QApplication::activeWindow();
    return window && window->property(lettersProperty).toBool();
}

} // namespace

MuteKey::MuteKey(SoundService& sounds) : sounds_(sounds)
{
    qApp->installEventFilter(this);
}

MuteKey::~MuteKey()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void MuteKey::keepLetterKeys(QWidget& window)
{
    window.setProperty(lettersProperty, true);
}

bool MuteKey::eventFilter(QObject* watched, QEvent* event)
{
    // The application sees a key once for every object it passes through;
    // only the one sent to a widget counts.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    // On the Russian layout the same key types "Ь".
    if ((key->key() != Qt::Key_M && key->key() != softSignKey) || key->isAutoRepeat())
        return QObject::eventFilter(watched, event);
    const bool plain = modifiers == Qt::NoModifier;
    const bool withControl = modifiers == Qt::ControlModifier;
    if (withControl || (plain && !typesLetters(watched))) {
        sounds_.toggleMuted();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
