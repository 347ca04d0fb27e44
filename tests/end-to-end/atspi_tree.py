# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Walking the program's accessibility tree: objects may vanish at any step
(a window closing), so every question answers None or nothing rather than
raise."""

import pyatspi


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
