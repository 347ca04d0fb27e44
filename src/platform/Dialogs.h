// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QValidator;
class QWidget;

// The modal boxes of the game. Windows ask through this interface, so tests
// can answer a box without a display and without waiting.
//
// A box belongs to the window that asks for it (its owner), never to
// whichever window happens to be active: the active one may be a window on
// its way out, deleted while the box still runs. A window that is not on the
// screen yet (one asking from its load step) gets a box of its own, centred
// on the screen.
class Dialogs {
public:
    enum class Icon { Critical, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    static inline const QString applicationTitle = QStringLiteral("Кордамир");

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* owner, const QString& text, Icon icon, Buttons buttons = Buttons::Ok,
                           const QString& title = applicationTitle) = 0;

    // The text typed, or empty text on Cancel. A validator, when given,
    // shapes the text as it is typed.
    virtual QString input(QWidget* owner, const QString& prompt, const QString& title = applicationTitle,
                          const QString& defaultText = QString(), QValidator* validator = nullptr) = 0;
};

// The real boxes, with Russian buttons, above their owner.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* owner, const QString& text, Icon icon, Buttons buttons,
                   const QString& title) override;
    QString input(QWidget* owner, const QString& prompt, const QString& title, const QString& defaultText,
                  QValidator* validator) override;
};
