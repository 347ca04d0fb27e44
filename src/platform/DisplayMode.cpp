// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DisplayMode.h"

namespace displaymode {

QList<DisplayModeRequest> modesFor(QSize screen)
{
    if (screen.width() >= 1024 && screen.height() >= 768)
        return {};
    return {{1024, 768}, {800, 600}};
}

DisplayModeRequest switchIfSmall(QSize screen, DisplayModeService& service)
{
    for (const DisplayModeRequest& mode : modesFor(screen)) {
        if (service.request(mode))
            return mode;
    }
    return {};
}

} // namespace displaymode
