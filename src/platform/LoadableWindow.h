// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Accessibility.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QWidget>

class QCloseEvent;
class QResizeEvent;
class QWheelEvent;

// A window of the game: created when it is shown, its load step run once,
// discarded when it is unloaded. Nothing of a window survives its unload.
class LoadableWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadableWindow(QWidget* parent = nullptr);

    // The window's load step; runs once, before the window is first shown.
    virtual void load() {}
    // Shows the window as it wants to be shown (maximised, centred, ...).
    virtual void present() { show(); }

    // The lavender around the pictures of the start, game, records and About windows.
    static inline const QColor gameBackground{0xC0, 0xC0, 0xFF};

signals:
    // The player closed the window through its frame.
    void closedByPlayer();

protected:
    // The colour the window fills itself with.
    void setBackgroundColour(const QColor& colour);

    // These children stay in the middle of the window, whatever its size:
    // the picture boxes that carry a window's controls.
    void keepCentred(QList<QWidget*> children);
    void centreChildren();

    // Maximised; without a window manager to maximise it, the window still
    // covers the screen's free area, up to a 4K screen's worth of it.
    void presentMaximised();

    // Un-maximised, tiled or resized by the player, the window keeps room for
    // the controls of its scene: a window manager makes it no smaller than
    // they need, short of the screen's free area under a title bar. (On
    // Wayland the compositor alone sizes a maximised window, and a minimum
    // it cannot meet would be a protocol error: no minimum there.)
    void keepControlsWhole(QSize screenArea);

    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void bringIntoView(QWidget* control);

    QList<QWidget*> centred_;
    // How far the scene is scrolled from its top left controls, in a window
    // too small for them (a tiling window manager that ignores the minimum).
    QPoint scrolled_;
};
