// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Accessibility.h"
#include "platform/SceneScale.h"

#include <QCloseEvent>
#include <QColor>
#include <QGuiApplication>
#include <QList>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

// A window of the game: created when it is shown, its load step run once,
// discarded when it is unloaded. Nothing of a window survives its unload.
class LoadableWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadableWindow(QWidget* parent = nullptr) : QWidget(parent) { accessibility::install(); }

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
    void setBackgroundColour(const QColor& colour)
    {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colour);
        setPalette(palette);
        setAutoFillBackground(true);
    }

    // These children stay in the middle of the window, whatever its size:
    // the picture boxes that carry a window's controls.
    void keepCentred(QList<QWidget*> children)
    {
        centred_ = std::move(children);
        centreChildren();
    }
    void centreChildren()
    {
        if (centred_.isEmpty())
            return;
        // A window smaller than the scene (a small screen under a title bar)
        // shows the first child's controls rather than its middle, its top
        // ones first; the others move with it.
        const QWidget* scene = centred_.first();
        const QPoint middle((width() - scene->width()) / 2, (height() - scene->height()) / 2);
        QPoint at = middle;
        if (const QRect controls = scene->childrenRect(); !controls.isEmpty()) {
            at.setX(std::max(std::min(at.x(), width() - controls.right() - 1), -controls.left()));
            at.setY(std::max(std::min(at.y(), height() - controls.bottom() - 1), -controls.top()));
        }
        const QPoint shift = at - middle;
        for (QWidget* child : std::as_const(centred_))
            child->move(QPoint((width() - child->width()) / 2, (height() - child->height()) / 2) + shift);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        centreChildren();
    }

    // Maximised; without a window manager to maximise it, the window still
    // covers the screen's free area, up to a 4K screen's worth of it.
    void presentMaximised()
    {
        // A Wayland compositor alone sizes a maximised window, and takes a
        // window that draws itself at any other size for a protocol error.
        const bool compositorSizes = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        if (const QScreen* screen = this->screen(); screen && !compositorSizes) {
            QRect area = screen->availableGeometry();
            // At a fractional scale the area's size rounds down and would leave
            // the screen's last row and column uncovered.
            if (screen->devicePixelRatio() != std::floor(screen->devicePixelRatio()))
                area.adjust(0, 0, 1, 1);
            // On a screen larger than 4K the window keeps to its middle: a
            // maximised one would cost memory for every pixel of the screen.
            const QRect bounded = scenescale::windowArea(area, screen->devicePixelRatio());
            keepControlsWhole(bounded.size());
            setGeometry(bounded);
            if (bounded != area) {
                show();
                activateWindow();
                return;
            }
        }
        showMaximized();
        // The keyboard goes with the window that comes up, window manager or not.
        activateWindow();
    }

    // Un-maximised, tiled or resized by the player, the window keeps room for
    // the controls of its scene: a window manager makes it no smaller than
    // they need, short of the screen's free area under a title bar. (On
    // Wayland the compositor alone sizes a maximised window, and a minimum
    // it cannot meet would be a protocol error: no minimum there.)
    void keepControlsWhole(QSize screenArea)
    {
        if (centred_.isEmpty())
            return;
        const QSize controls = centred_.first()->childrenRect().size();
        const QSize room = screenArea - QSize(0, scenescale::titleBarAllowance);
        setMinimumSize(controls.boundedTo(room.expandedTo(QSize(0, 0))));
    }

    void closeEvent(QCloseEvent* event) override
    {
        QWidget::closeEvent(event);
        if (event->isAccepted())
            emit closedByPlayer();
    }

private:
    QList<QWidget*> centred_;
};
