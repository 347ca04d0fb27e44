// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

// Ending the program at once, after a fatal message or on "Выход". A handler
// that ends the program returns right away; nothing after it runs.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;

    virtual void end() = 0;
    bool hasEnded() const { return ended_; }

    // Steps that must still run when the program ends (the screen's mode is
    // given back, for one).
    void onEnd(std::function<void()> step) { endSteps_.push_back(std::move(step)); }

protected:
    void runEndSteps();
    bool ended_ = false;

private:
    std::vector<std::function<void()>> endSteps_;
};

// The program's own: closes every window and leaves the event loop.
class ApplicationExit final : public ProgramExit {
public:
    void end() override;
};
