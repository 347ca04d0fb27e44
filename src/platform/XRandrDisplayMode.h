// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DisplayMode.h"

#include <memory>

// The screen mode on X11 through XRandR: only a mode that the output offers
// is set, and the original mode is given back by restore(). The colour depth
// of an X screen is fixed; a request names only a size.
class XRandrDisplayMode final : public DisplayModeService {
public:
    XRandrDisplayMode();
    ~XRandrDisplayMode() override;

    bool request(const DisplayModeRequest& mode) override;
    void restore() override;

    // The service for this session: XRandR on X11, nothing elsewhere.
    static std::unique_ptr<DisplayModeService> forCurrentPlatform();

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};
