// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/LargePicture.h"
#include "platform/PictureCache.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

// A picture decoder that reads nothing until the test releases it, so that
// pictures arrive when the test says. A decode still held after ten seconds
// goes on alone and is counted as timed out: a program that waits for its
// pictures then fails its test instead of hanging it.
class HeldDecoder {
public:
    enum class OnStop { GiveUp, Ignore };

    PictureCache::Decoder decoder(OnStop onStop = OnStop::GiveUp) const
    {
        return [state = state_, onStop](const DataDir& data, const QString& relative, qreal ratio,
                                        QSize largest, std::stop_token stop) {
            {
                std::unique_lock lock(state->mutex);
                ++state->asked;
                state->changed.notify_all();
                const auto released = [&state] { return state->released; };
                constexpr auto patience = std::chrono::seconds(10);
                const bool inTime = onStop == OnStop::GiveUp
                                        ? state->changed.wait_for(lock, stop, patience, released)
                                        : state->changed.wait_for(lock, patience, released);
                if (!inTime && !stop.stop_requested())
                    state->timedOut = true;
            }
            QImage image = largepicture::read(data, relative, ratio, largest, stop);
            const std::lock_guard lock(state->mutex);
            ++state->finished;
            state->changed.notify_all();
            return image;
        };
    }

    void release()
    {
        const std::lock_guard lock(state_->mutex);
        state_->released = true;
        state_->changed.notify_all();
    }

    // Waits until `count` decodes have begun (or finished), ten seconds at most.
    bool waitUntilAsked(int count) const
    {
        return waitFor([&] { return state_->asked >= count; });
    }
    bool waitUntilFinished(int count) const
    {
        return waitFor([&] { return state_->finished >= count; });
    }

    bool timedOut() const
    {
        const std::lock_guard lock(state_->mutex);
        return state_->timedOut;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable_any changed;
        bool released = false;
        bool timedOut = false;
        int asked = 0;
        int finished = 0;
    };

    template <typename Done>
    bool waitFor(Done done) const
    {
        std::unique_lock lock(state_->mutex);
        return state_->changed.wait_for(lock, std::chrono::seconds(10), done);
    }

    std::shared_ptr<State> state_ = std::make_shared<State>();
};
