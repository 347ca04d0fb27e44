#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The game's boxes as a screen reader meets them, through AT-SPI alone.

    atspi_box.py shown TEXT   a box (a dialog or an alert) whose text holds
                              TEXT comes up within 30 seconds

Where nothing else can see the program's windows (on Wayland), this is how a
test tells one box from another. Exits 1 with the boxes it saw otherwise.
"""

import sys
import time

import pyatspi

BOX_ROLES = {pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT}


def texts(node):
    """Every name and text below a node, itself included."""
    found = []
    pending = [node]
    while pending:
        current = pending.pop()
        if current is None:
            continue
        if current.name:
            found.append(current.name)
        try:
            text = current.queryText()
            found.append(text.getText(0, text.characterCount))
        except NotImplementedError:
            pass
        pending.extend(current[i] for i in range(current.childCount))
    return found


def boxes():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for child in app:
            if child is not None and child.getRole() in BOX_ROLES:
                yield child


def shown(wanted, seconds=30):
    deadline = time.monotonic() + seconds
    seen = []
    while time.monotonic() < deadline:
        seen = []
        for box in boxes():
            said = " | ".join(t for t in texts(box) if t)
            seen.append(said)
            if wanted in said:
                print(f"box: {said}")
                return
        time.sleep(0.2)
    sys.exit(f"no box saying '{wanted}' within {seconds}s; boxes seen: {seen}")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "shown":
        shown(sys.argv[2])
    else:
        sys.exit(__doc__)
