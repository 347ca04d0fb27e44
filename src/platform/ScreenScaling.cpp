// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScreenScaling.h"

#include "platform/SceneScale.h"
#include "platform/XScreen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

#include <vector>

namespace screenscaling {

void scaleToScreen(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<double> wanted = scenescale::requested(
        arguments, qEnvironmentVariable(scenescale::environmentVariable));
    // One to one leaves the toolkit its own ratio, unless that ratio (an
    // absurd Xft.dpi) would carry the scene off the screen; only the X
    // server is asked, which costs nothing like an application object.
    if (wanted && *wanted == 1.0) {
        if (const std::optional<xscreen::Facts> x = xscreen::primary()) {
            const QByteArray factor = scenescale::toolkitFactor(
                scenescale::chosen(x->platformRatio, x->available, 0), x->platformRatio);
            if (!factor.isEmpty())
                qputenv("QT_SCALE_FACTOR", factor);
        }
        return;
    }

    // The scale only counts for an application object created after it is
    // set. On X11 the server is asked directly; elsewhere a short-lived
    // application object looks first, with its own copy of the arguments,
    // since it takes the toolkit's out of them.
    double platformRatio = 1.0;
    QSize available;
    int allowance = scenescale::titleBarAllowance;
    if (const std::optional<xscreen::Facts> x = xscreen::primary()) {
        platformRatio = x->platformRatio;
        available = x->available;
    } else {
        int probeArgc = argc;
        std::vector<char*> probeArgv(argv, argv + argc + 1);
        const QGuiApplication probe(probeArgc, probeArgv.data());
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        platformRatio = screen->devicePixelRatio();
        available = (QSizeF(screen->availableGeometry().size()) * platformRatio).toSize();
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            allowance += scenescale::panelAllowance;
    }
    const QByteArray factor = scenescale::toolkitFactor(scenescale::chosen(wanted, available, allowance),
                                                        platformRatio);
    if (!factor.isEmpty())
        qputenv("QT_SCALE_FACTOR", factor);
}

void finishScaling()
{
    xscreen::release();
}

namespace {

class WholeWindowRepaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Move) {
            if (watched->isWidgetType()) {
                auto* widget = static_cast<QWidget*>(watched);
                if (!widget->isWindow() && widget->window()->isVisible())
                    widget->window()->update();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void repaintWholeWindowsAtFractionalScale()
{
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio != std::floor(ratio))
        qApp->installEventFilter(new WholeWindowRepaint(qApp));
}

} // namespace screenscaling
