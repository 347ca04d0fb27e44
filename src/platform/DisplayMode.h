// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QSize>

// A screen mode the game may ask for on a small screen. Only its size: no
// service the game runs on changes the colour depth of a screen.
struct DisplayModeRequest {
    int width = 0;
    int height = 0;
    friend bool operator==(const DisplayModeRequest&, const DisplayModeRequest&) = default;
};

// Changes the screen's mode where the platform offers such a service.
class DisplayModeService {
public:
    virtual ~DisplayModeService() = default;
    // True when the screen now runs in the requested mode.
    virtual bool request(const DisplayModeRequest& mode) = 0;
    // Gives the screen its original mode back (nothing when it was never changed).
    virtual void restore() = 0;
};

// Where there is no such service (Wayland, offscreen): every request fails.
class NoDisplayModeService final : public DisplayModeService {
public:
    bool request(const DisplayModeRequest&) override { return false; }
    void restore() override {}
};

namespace displaymode {

// The modes to try, in order, for a screen of this size in pixels: none when
// the screen is at least 1024 x 768; otherwise 1024 x 768, then 800 x 600.
QList<DisplayModeRequest> modesFor(QSize screen);

// Asks the service for the modes of modesFor() until one is granted.
// Returns the granted mode, or a default request when none was needed or granted.
DisplayModeRequest switchIfSmall(QSize screen, DisplayModeService& service);

} // namespace displaymode
