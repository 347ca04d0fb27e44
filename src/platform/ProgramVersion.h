// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program's version, as the build names it: one number for --version,
// the About window and the packages alike.
namespace programversion {

// "1.0": major and minor as the build gives them.
QString number();
// "v1.00": the way the About window writes a version, minor in two digits.
QString caption(const QString& number);
inline QString caption()
{
    return caption(number());
}

} // namespace programversion
