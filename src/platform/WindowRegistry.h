#pragma once

#include "platform/LoadableWindow.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class ProgramExit;

// Each window of the game exists at most once and is found by its name
// ("Начало", "Form2", "Игра", "Конец", "Опрог"). The registry creates a window
// on its first show and forgets it on unload.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<LoadableWindow>()>;

    explicit WindowRegistry(ProgramExit& program);
    ~WindowRegistry();

    void define(const QString& name, Factory factory);

    // Shows the window, creating it and running its load step if it does not
    // exist. Null when the load step ended the program.
    LoadableWindow* show(const QString& name);

    // Hides and discards the window. Safe from within the window's own
    // handlers: the object is deleted once control is back in the event loop.
    void unload(const QString& name);

    LoadableWindow* find(const QString& name) const;

    template <typename Window>
    Window* find(const QString& name) const { return qobject_cast<Window*>(find(name)); }

    void unloadAll();

private:
    // Creates the window and runs its load step; null when that step ended the program.
    LoadableWindow* load(const QString& name);

    ProgramExit& program_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<LoadableWindow>> windows_;
};
