#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A screen reader's view of the start window, through AT-SPI alone.

    atspi_menu.py check         the window is a frame named "Кордамир"; its four
                                menu entries are push buttons with a press action
    atspi_menu.py press ENTRY   runs the press action of the entry named ENTRY
    atspi_menu.py frame TITLE   a frame named TITLE appears (not a filler)
    atspi_menu.py focused ENTRY the entry named ENTRY has the focus, and no other

Waits for the program to appear on the accessibility bus; exits 1 with what it
found when something is missing.
"""

import sys
import time

import pyatspi

ENTRIES = ["Новая игра", "Рекорды", "Автор", "Выход"]
PRESS_NAMES = {"press", "click", "Press"}


def frames():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for child in app:
            if child is not None and child.getRole() == pyatspi.ROLE_FRAME:
                yield child


def start_frame(seconds):
    deadline = time.monotonic() + seconds
    found = []
    while time.monotonic() < deadline:
        found = [(f.name, f.getRoleName()) for f in frames()]
        for frame in frames():
            if frame.name == "Кордамир" and entries(frame):
                return frame
        time.sleep(0.2)
    sys.exit(f"no frame 'Кордамир' with its menu within {seconds}s; frames seen: {found}")


def entries(frame):
    """The menu entries below the frame, by name."""
    found = {}
    pending = [frame]
    while pending:
        node = pending.pop()
        if node is None:
            continue
        if node.name in ENTRIES:
            found[node.name] = node
        pending.extend(node[i] for i in range(node.childCount))
    return found


def press_index(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for index, name in enumerate(names):
        if name in PRESS_NAMES:
            return action, index
    sys.exit(f"'{node.name}' has no press action, only {names}")


def check():
    frame = start_frame(30)
    found = entries(frame)
    for name in ENTRIES:
        if name not in found:
            sys.exit(f"menu entry '{name}' is not in the tree; found {sorted(found)}")
        node = found[name]
        if node.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            sys.exit(f"'{name}' is a {node.getRoleName()}, not a push button")
        states = node.getState()
        if not states.contains(pyatspi.STATE_FOCUSABLE):
            sys.exit(f"'{name}' cannot take the focus")
        press_index(node)
    print("frame 'Кордамир'; entries:", ", ".join(f"{n} ({found[n].getRoleName()})" for n in ENTRIES))


def press(name):
    frame = start_frame(30)
    node = entries(frame).get(name)
    if node is None:
        sys.exit(f"no entry '{name}'")
    action, index = press_index(node)
    # Named first: a press that ends the program takes the object with it.
    action_name = action.getName(index)
    if not action.doAction(index):
        sys.exit(f"the press action of '{name}' was refused")
    print(f"pressed '{name}' through action '{action_name}'")


def focused(name):
    frame = start_frame(30)
    deadline = time.monotonic() + 10
    holders = []
    while time.monotonic() < deadline:
        found = entries(frame)
        holders = [n for n, node in found.items() if node.getState().contains(pyatspi.STATE_FOCUSED)]
        if holders == [name]:
            print(f"'{name}' has the focus")
            return
        time.sleep(0.1)
    sys.exit(f"'{name}' does not have the focus; entries with it: {holders}")


def frame(title):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        if any(f.name == title for f in frames()):
            print(f"frame '{title}'")
            return
        time.sleep(0.2)
    sys.exit(f"no frame '{title}'; frames seen: {[f.name for f in frames()]}")


if __name__ == "__main__":
    if sys.argv[1:] == ["check"]:
        check()
    elif len(sys.argv) == 3 and sys.argv[1] == "press":
        press(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "frame":
        frame(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "focused":
        focused(sys.argv[2])
    else:
        sys.exit(__doc__)
