#include "platform/WindowRegistry.h"

#include "platform/ProgramExit.h"

#include <algorithm>

WindowRegistry::WindowRegistry(ProgramExit& program)
    : program_(program)
{
}

WindowRegistry::~WindowRegistry()
{
    for (const auto& window : std::as_const(windows_))
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
    if (window)
        window->present();
    return window;
}

void WindowRegistry::unload(const QString& name)
{
    const QPointer<LoadableWindow> window = windows_.take(name);
    if (!window)
        return;
    window->hide();
    window->deleteLater();
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
}
