// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/NameBox.h"

#include "setup/NameValidator.h"

#include <QFocusEvent>

NameBox::NameBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(maxNameLength);
    setAlignment(Qt::AlignCenter);
    setValidator(new NameValidator(this));
}

void NameBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from another program or from the box's own context menu
    // (after a paste, say) is not the player moving to this name.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void NameBox::mousePressEvent(QMouseEvent* event)
{
    // The line edit places the cursor at the press; the selection comes after it.
    QLineEdit::mousePressEvent(event);
    selectAll();
}

void NameBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    selectAll();
}
