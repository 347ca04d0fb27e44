// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The names under which the windows are shown, found and unloaded.
namespace windownames {
inline const QString start = QStringLiteral("Начало");
inline const QString setup = QStringLiteral("Form2");
inline const QString game = QStringLiteral("Игра");
inline const QString records = QStringLiteral("Конец");
inline const QString about = QStringLiteral("Опрог");
inline const QString rules = QStringLiteral("Правила");
} // namespace windownames
