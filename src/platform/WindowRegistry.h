// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/LoadableWindow.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class ProgramExit;

// Each window of the game exists at most once and is found by its name
// ("Начало", "Form2", "Игра", "Конец", "Опрог"). The registry creates a window
// on its first show and forgets it on unload.
//
// An unloaded window leaves the screen only once the windows shown after it
// have been painted, so that a step from one window to the next never shows
// the bare desktop. Until then it takes no input and its timers are stopped.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<LoadableWindow>()>;

    explicit WindowRegistry(ProgramExit& program);
    ~WindowRegistry();

    void define(const QString& name, Factory factory);

    // Shows the window, creating it and running its load step if it does not
    // exist. Null when the load step ended the program.
    LoadableWindow* show(const QString& name);

    // Forgets the window at once (find() no longer returns it, the next show
    // loads it anew); it is hidden and deleted when the windows shown since
    // are painted, or on the next turn of the event loop when none was
    // shown. Safe from within the window's own handlers.
    void unload(const QString& name);

    // Hides and deletes the unloaded windows now.
    void discardUnloaded();

    LoadableWindow* find(const QString& name) const;

    template <typename Window>
    Window* find(const QString& name) const
    {
        return qobject_cast<Window*>(find(name));
    }

    void unloadAll();

private:
    class Handover;

    // Discards the unloaded windows once no window shown since waits for its first paint.
    void handOverWhenPainted();

    // Creates the window and runs its load step; null when that step ended the program.
    LoadableWindow* load(const QString& name);

    ProgramExit& program_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<LoadableWindow>> windows_;
    QList<QPointer<LoadableWindow>> unloaded_;
    QList<QPointer<LoadableWindow>> awaitingPaint_;
    std::unique_ptr<Handover> handover_;
};
