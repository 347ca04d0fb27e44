// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WindowRegistry.h"

#include "platform/ProgramExit.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

// However a new window fares, an unloaded one never lingers longer than this
// once the program is back in its event loop.
constexpr int longestHandoverMs = 500;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

// Sees the first paint of the windows just shown (their platform window's
// expose: the paint and the flush follow at once) and keeps input away from
// the windows that are on their way out.
class WindowRegistry::Handover : public QObject {
public:
    explicit Handover(WindowRegistry& registry) : registry_(registry)
    {
        deadline.setSingleShot(true);
        deadline.setInterval(longestHandoverMs);
        QObject::connect(&deadline, &QTimer::timeout, this, [this] { registry_.discardUnloaded(); });
    }

    QTimer deadline;

    // Tries the hand-over again once this box has closed.
    void retryAfter(QWidget* box)
    {
        if (box == watchedBox_)
            return;
        if (watchedBox_)
            watchedBox_->removeEventFilter(this);
        watchedBox_ = box;
        box->installEventFilter(this);
        QObject::connect(box, &QObject::destroyed, this, [this] { retry(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == watchedBox_ && event->type() == QEvent::Hide) {
            watchedBox_->removeEventFilter(this);
            retry();
            return false;
        }
        if (event->type() == QEvent::Expose) {
            if (auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed()) {
                window->removeEventFilter(this);
                // Queued: the window is painted and flushed once this event is handled.
                QMetaObject::invokeMethod(
                    this, [this] { registry_.handOverWhenPainted(); }, Qt::QueuedConnection);
            }
            return false;
        }
        if (isInput(event->type()) && watched->isWidgetType()) {
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            return std::any_of(registry_.unloaded_.cbegin(), registry_.unloaded_.cend(),
                               [window](const auto& unloaded) { return unloaded == window; });
        }
        return false;
    }

private:
    void retry()
    {
        watchedBox_ = nullptr;
        // Queued: the box's own event loop is still on the stack when it hides.
        QMetaObject::invokeMethod(
            this, [this] { registry_.handOverWhenPainted(); }, Qt::QueuedConnection);
    }

    WindowRegistry& registry_;
    QPointer<QWidget> watchedBox_;
};

WindowRegistry::WindowRegistry(ProgramExit& program)
    : program_(program), handover_(std::make_unique<Handover>(*this))
{
}

WindowRegistry::~WindowRegistry()
{
    for (const auto& window : std::as_const(windows_))
        delete window.data();
    for (const auto& window : std::as_const(unloaded_))
        delete window.data();
}

void WindowRegistry::define(const QString& name, Factory factory)
{
    factories_.insert(name, std::move(factory));
}

LoadableWindow* WindowRegistry::load(const QString& name)
{
    if (LoadableWindow* existing = find(name))
        return existing;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd() || program_.hasEnded())
        return nullptr;

    std::unique_ptr<LoadableWindow> window = (*factory)();
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    windows_.insert(name, window.get());
    // A window closed through its frame is unloaded like any other; when it
    // was the last one on the screen, the program ends as on "Выход".
    QObject::connect(window.get(), &LoadableWindow::closedByPlayer, window.get(), [this, name] {
        unload(name);
        const bool anyShown = std::any_of(windows_.cbegin(), windows_.cend(),
                                          [](const auto& other) { return other && other->isVisible(); });
        if (!anyShown)
            program_.end();
    });
    window->load();
    if (program_.hasEnded()) {
        windows_.remove(name);
        return nullptr;
    }
    return window.release();
}

LoadableWindow* WindowRegistry::show(const QString& name)
{
    LoadableWindow* window = load(name);
    if (!window)
        return nullptr;
    const bool wasVisible = window->isVisible();
    window->present();
    if (!wasVisible && window->isVisible() && window->windowHandle()) {
        awaitingPaint_.append(window);
        window->windowHandle()->installEventFilter(handover_.get());
    }
    return window;
}

void WindowRegistry::unload(const QString& name)
{
    const QPointer<LoadableWindow> window = windows_.take(name);
    if (!window)
        return;
    // Gone for the game from now on: no tick and no click reaches it any more.
    for (QTimer* timer : window->findChildren<QTimer*>())
        timer->stop();
    // Its pixels stay on the screen, but the memory behind them is given back
    // before the next window takes its own: two screens' worth at once would
    // raise the program's peak. Should it be uncovered meanwhile, Qt sizes the
    // store anew and repaints it.
    if (QBackingStore* store = window->backingStore())
        store->resize(QSize(1, 1));
    unloaded_.append(window);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(handover_.get());
    // Queued: the window that replaces this one is usually shown later in the same handler.
    QMetaObject::invokeMethod(
        handover_.get(), [this] { handOverWhenPainted(); }, Qt::QueuedConnection);
}

void WindowRegistry::handOverWhenPainted()
{
    awaitingPaint_.removeIf([](const QPointer<LoadableWindow>& window) {
        return !window || !window->isVisible() || !window->windowHandle()
               || window->windowHandle()->isExposed();
    });
    if (awaitingPaint_.isEmpty())
        discardUnloaded();
    else if (!unloaded_.isEmpty() && !handover_->deadline.isActive())
        handover_->deadline.start();
}

void WindowRegistry::discardUnloaded()
{
    handover_->deadline.stop();
    // No window goes while a box is open: the box may be its child, and the
    // box's own event loop is still on the stack. They go once it closes.
    if (QWidget* box = QApplication::activeModalWidget(); box && !unloaded_.isEmpty()) {
        handover_->retryAfter(box);
        return;
    }
    const auto unloaded = std::exchange(unloaded_, {});
    for (const QPointer<LoadableWindow>& window : unloaded) {
        if (!window)
            continue;
        window->hide();
        window->deleteLater();
    }
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(handover_.get());
}

LoadableWindow* WindowRegistry::find(const QString& name) const
{
    return windows_.value(name).data();
}

void WindowRegistry::unloadAll()
{
    const auto names = windows_.keys();
    for (const QString& name : names)
        unload(name);
    discardUnloaded();
}
