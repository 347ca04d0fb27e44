// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/LoadableWindow.h"

#include "platform/SceneScale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// One notch of a mouse wheel (120 eighths of a degree) scrolls a small
// window's scene this far; a touchpad scrolls in smaller steps.
constexpr int wheelStep = 60;
constexpr int notch = 120;

// Where the scene's origin goes on one axis: its middle in the middle of the
// window when its controls fit; otherwise the controls from `first` to `last`
// scrolled by `scrolled` (kept within them), the first ones at the edge.
int place(int window, int scene, int first, int last, int& scrolled)
{
    const int middle = (window - scene) / 2;
    const int overflow = (last - first + 1) - window;
    if (overflow <= 0) {
        scrolled = 0;
        return std::clamp(middle, -first, window - last - 1);
    }
    scrolled = std::clamp(scrolled, 0, overflow);
    return -first - scrolled;
}

} // namespace

LoadableWindow::LoadableWindow(QWidget* parent) : QWidget(parent)
{
    accessibility::install();
    // A control reached by the keyboard is scrolled into a window too small for the scene.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != this && isAncestorOf(now))
            bringIntoView(now);
    });
}

void LoadableWindow::setBackgroundColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void LoadableWindow::keepCentred(QList<QWidget*> children)
{
    centred_ = std::move(children);
    centreChildren();
}

void LoadableWindow::centreChildren()
{
    if (centred_.isEmpty())
        return;
    // A window smaller than the scene's controls (a small screen under a
    // title bar, a tiling window manager) shows its top left controls, and
    // the wheel or the keyboard's focus scrolls to the others; the other
    // children move with the first.
    const QWidget* scene = centred_.first();
    const QPoint middle((width() - scene->width()) / 2, (height() - scene->height()) / 2);
    QRect controls = scene->childrenRect();
    if (controls.isEmpty())
        controls = scene->rect();
    int scrolledX = scrolled_.x();
    int scrolledY = scrolled_.y();
    const QPoint at(place(width(), scene->width(), controls.left(), controls.right(), scrolledX),
                    place(height(), scene->height(), controls.top(), controls.bottom(), scrolledY));
    scrolled_ = QPoint(scrolledX, scrolledY);
    const QPoint shift = at - middle;
    for (QWidget* child : std::as_const(centred_))
        child->move(QPoint((width() - child->width()) / 2, (height() - child->height()) / 2) + shift);
}

void LoadableWindow::bringIntoView(QWidget* control)
{
    if (centred_.isEmpty() || !control->isVisible())
        return;
    const QRect shown = rect();
    const QRect at(control->mapTo(this, QPoint(0, 0)), control->size());
    if (shown.contains(at))
        return;
    // The least scroll that shows the control, its top left first.
    int dx = 0;
    int dy = 0;
    if (at.right() > shown.right())
        dx = at.right() - shown.right();
    if (at.left() - dx < shown.left())
        dx = at.left() - shown.left();
    if (at.bottom() > shown.bottom())
        dy = at.bottom() - shown.bottom();
    if (at.top() - dy < shown.top())
        dy = at.top() - shown.top();
    scrolled_ += QPoint(dx, dy);
    centreChildren();
}

void LoadableWindow::wheelEvent(QWheelEvent* event)
{
    // The wheel scrolls down and up; with Shift, or sideways, across.
    QPoint turned = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier)
        turned = QPoint(turned.y(), 0);
    const QPoint before = scrolled_;
    scrolled_ -= turned * wheelStep / notch;
    centreChildren();
    event->setAccepted(scrolled_ != before);
}

void LoadableWindow::presentMaximised()
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

void LoadableWindow::keepControlsWhole(QSize screenArea)
{
    if (centred_.isEmpty())
        return;
    const QSize controls = centred_.first()->childrenRect().size();
    const QSize room = screenArea - QSize(0, scenescale::titleBarAllowance);
    setMinimumSize(controls.boundedTo(room.expandedTo(QSize(0, 0))));
}

void LoadableWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    centreChildren();
}

void LoadableWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closedByPlayer();
}
