// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/ClockGeometry.h"
#include "platform/LoadableWindow.h"

#include <QPoint>
#include <QSize>
#include <QTime>

class ClockFace;
class EtchedRules;
class EventLabel;
class KeepInFront;
class Navigation;
class QTimer;

// "Опрог": version, author and feedback lines and a running analog clock.
// It fades in from invisible to slightly see-through and closes on Esc.
class AboutWindow : public LoadableWindow {
    Q_OBJECT
public:
    using Hand = clockgeometry::Hand;

    static constexpr int fadeStepSize = 5;
    static constexpr int fadeTarget = 215; // of 255: never quite opaque

    explicit AboutWindow(Navigation& navigation);

    void load() override;
    void present() override;

    // Tick of `Timer2`.
    void fadeStep();
    int fadeLevel() const { return fadeLevel_; }

    // Tick of `Часы`: the local time now.
    void clockTick();
    void showTime(QTime time);
    QPoint handEnd(Hand hand) const;

    // Frame included, in pixels.
    static QSize outerSize();

    ClockFace* clockFace() const { return clockFace_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    EventLabel* addLabel(const QString& name, const QString& text, const QRect& geometry);
    void applyOpacity();
    void fitOuterSize();
    void centreOnScreen();

    Navigation& navigation_;
    int fadeLevel_ = 0;
    QSize fittedFrame_; // frame the client size was last fitted to; none before the first show
    QTimer* fadeTimer_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    ClockFace* clockFace_ = nullptr;
    EtchedRules* rules_ = nullptr;
    EventLabel* timeLabel_ = nullptr;
    KeepInFront* inFront_ = nullptr;
};
