// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start/StartupCheck.h"

#include "platform/Pictures.h"

namespace startupcheck {

QString firstMissing(const std::function<bool(const QString& relative)>& exists)
{
    for (const QString& file : pictures::all()) {
        if (!exists(file))
            return file;
    }
    return {};
}

} // namespace startupcheck
