# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Walking the program's accessibility tree: objects may vanish at any step
(a window closing), so every question answers None or nothing rather than
raise."""

import os
import time

import pyatspi
from gi.repository import GLib


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def descendants(node):
    pending = [node]
    while pending:
        current = pending.pop()
        if current is None:
            continue
        yield current
        pending.extend(children(current))


def role_of(node):
    """The role, or None for an object that is gone (a window closing)."""
    try:
        return node.getRole()
    except Exception:
        return None


def name_of(node):
    try:
        return node.name
    except Exception:
        return None


def named(frame, name, role=None):
    """The first showing object below frame with that name (and role)."""
    for node in descendants(frame):
        if name_of(node) == name and (role is None or role_of(node) == role) and showing(node):
            return node
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def frames():
    """The program's windows and dialogs, as the desktop lists them now."""
    for app in children(pyatspi.Registry.getDesktop(0)):
        for child in children(app):
            if child is not None and role_of(child) in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
                yield child


def listen(callback, event):
    """Registers callback for the event, then says so by making the file
    that $KORDAMIR_LISTENING names: the script that runs us starts the
    program only then (wait_until_listening in lib.sh). The program asks
    which events are listened to as it starts; a listener registered while
    it asks may go unheard for the whole run."""
    pyatspi.Registry.registerEventListener(callback, event)
    ready = os.environ.get("KORDAMIR_LISTENING")
    if ready:
        open(ready, "w").close()


def pump(seconds):
    """Dispatches the bus's events as they come, for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    woken = GLib.timeout_add(50, lambda: True)  # so that a quiet bus still lets us look at the time
    try:
        while time.monotonic() < end:
            context.iteration(True)
    finally:
        GLib.source_remove(woken)


def first_found(find, until, every=0.1):
    """What find(window) first answers for one of the program's windows,
    looking again every `every` seconds while the events come in, until
    time.monotonic() reaches `until`; None if nothing was found by then."""
    while time.monotonic() < until:
        for frame in frames():
            found = find(frame)
            if found is not None:
                return found
        pump(every)
    return None
