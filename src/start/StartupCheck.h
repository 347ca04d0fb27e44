// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

// The pictures the game cannot do without, checked each time the start window loads.
namespace startupcheck {

// The first picture of Data (in the order of pictures::all()) that does not
// exist, or empty text when all are there. Files after the first missing one
// are not examined.
QString firstMissing(const std::function<bool(const QString& relative)>& exists);

inline const QString errorTitle = QStringLiteral("Критическая ошибка");
inline const QString errorText = QStringLiteral("Один из файлов программы не найден!\r\n"
                                                " Работа программы будет завершена. \r\n"
                                                "Попробуйте переустановить приложение.");

} // namespace startupcheck
