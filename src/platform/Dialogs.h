// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// The modal boxes of the game. Windows ask through this interface, so tests
// can answer a box without a display and without waiting.
class Dialogs {
public:
    enum class Icon { Critical, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    static inline const QString applicationTitle = QStringLiteral("Кордамир");

    virtual ~Dialogs() = default;

    virtual Answer message(const QString& text, Icon icon, Buttons buttons = Buttons::Ok,
                           const QString& title = applicationTitle) = 0;

    // The text typed, or empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& title = applicationTitle,
                          const QString& defaultText = QString()) = 0;
};

// The real boxes, with Russian buttons, above the active window.
class QtDialogs final : public Dialogs {
public:
    Answer message(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
};
