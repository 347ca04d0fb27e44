// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// The time the rules wait between the steps of a turn: the drum's frames, the
// pause on the stop sector, the computer's thinking. The rules never read the
// wall clock; whoever drives them hands one of these in. At most one step
// waits at a time: a new one takes the place of any still waiting.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void callAfter(int ms, std::function<void()> step) = 0;
    virtual void cancel() = 0;
};

// Real time, for the game window: one single-shot timer.
class TimerClock : public Clock {
public:
    explicit TimerClock(QObject* owner) : timer_(new QTimer(owner))
    {
        timer_->setSingleShot(true);
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
            // The step may ask for the next one: take it out first.
            const std::function<void()> step = std::exchange(step_, nullptr);
            if (step)
                step();
        });
    }

    void callAfter(int ms, std::function<void()> step) override
    {
        step_ = std::move(step);
        timer_->start(ms);
    }
    void cancel() override
    {
        timer_->stop();
        step_ = nullptr;
    }

private:
    QTimer* timer_;
    std::function<void()> step_;
};

// Time that moves only when told to, for the simulator and the tests.
class SteppedClock : public Clock {
public:
    void callAfter(int ms, std::function<void()> step) override
    {
        step_ = std::move(step);
        due_ = now_ + ms;
    }
    void cancel() override { step_ = nullptr; }

    bool isWaiting() const { return step_ != nullptr; }
    qint64 now() const { return now_; }
    // Milliseconds until the waiting step, or -1.
    qint64 untilNext() const { return step_ ? due_ - now_ : -1; }

    // Runs the waiting step, and any it asks for, as long as they fall within
    // `ms`; returns how many ran.
    int advance(qint64 ms)
    {
        const qint64 end = now_ + ms;
        int ran = 0;
        while (step_ && due_ <= end) {
            now_ = due_;
            std::exchange(step_, nullptr)();
            ++ran;
        }
        now_ = end;
        return ran;
    }
    // Runs the waiting step at once, whenever it was due.
    bool runNext()
    {
        if (!step_)
            return false;
        now_ = due_;
        std::exchange(step_, nullptr)();
        return true;
    }

private:
    std::function<void()> step_;
    qint64 now_ = 0;
    qint64 due_ = 0;
};
