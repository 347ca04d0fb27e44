#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every control a player can reach lies whole inside its window.

    atspi_fit.py NAME...

Waits until a control named by each NAME is shown, then walks the tree of
the frame that holds them: every shown control (a button, a menu entry, a
letter, a cell, a field) must lie whole inside the frame. Positions are the
toolkit's own pixels, the frame's and the controls' alike, so the game's
scale does not matter; whether the window lies on the screen is the
caller's to check. Exits 1 with the controls that are cut off.
"""

import sys
import time

import pyatspi

from atspi_tree import descendants, name_of, role_of, showing

if len(sys.argv) < 2:
    sys.exit(__doc__)
needed = sys.argv[1:]


CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_TEXT,
}


def control(node):
    """A control of the game's: a button, an entry, a field, or anything with
    a press action (a letter waiting for its turn has none)."""
    if role_of(node) in CONTROL_ROLES:
        return True
    try:
        return node.queryAction().nActions > 0
    except Exception:
        return False


def extents(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height
    except Exception:
        return None


def frame_with(names):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        for frame in app or []:
            if role_of(frame) != pyatspi.ROLE_FRAME or not showing(frame):
                continue
            shown = {name_of(n) for n in descendants(frame) if showing(n)}
            if all(name in shown for name in names):
                return frame
    return None


deadline = time.monotonic() + 30
frame = None
while frame is None and time.monotonic() < deadline:
    frame = frame_with(needed)
    if frame is None:
        time.sleep(0.3)
if frame is None:
    sys.exit(f"FAILED: no frame shows {needed} within 30s")
time.sleep(0.5)  # a window manager's last move

left, top, width, height = extents(frame)
cut = []
count = 0
for node in descendants(frame):
    if node is frame or not showing(node) or not control(node):
        continue
    box = extents(node)
    if box is None or box[2] <= 0 or box[3] <= 0:
        continue
    count += 1
    x, y, w, h = box
    # A pixel's leeway: the toolkit rounds positions at a fractional scale.
    if x < left - 1 or y < top - 1 or x + w > left + width + 1 or y + h > top + height + 1:
        cut.append(f"'{name_of(node)}' at {x},{y} {w}x{h}")
if cut:
    sys.exit(f"FAILED: cut off by the {width}x{height} frame '{name_of(frame)}': " + "; ".join(cut))
print(f"'{name_of(frame)}': all {count} controls whole inside its {width}x{height}")
