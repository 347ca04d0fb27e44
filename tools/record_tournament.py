#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays a whole tournament of computers in the real program, recording its sound.

    record_tournament.py RECORDING HEARD [SECONDS]

The program must be running on a private accessibility bus, its sound going
to a sink whose monitor is "game.monitor" (tools/record-tournament.sh sets
this up). parec records that monitor into RECORDING (raw: 48 kHz, 16-bit
little-endian, one channel) from before "Новая игра" is pressed until the
records window has greeted the champion. Every seat of the three trios is
made a computer ("Комп"); the final's seats are the trios' winners. Each
word is played at the game's own pace, and once it is over and its last
sounds have rung out the message line is pressed to go on, as a player
would.

HEARD gets one line for each message of the message line and each step
taken, with its time in seconds from the recording's first sample:

    12.345 s  Тема: ...
    80.100 s  [stage 2 begins]

Exits 1 when the tournament did not end within SECONDS (1800 unless given).
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

# The end-to-end tests' walk through the accessibility tree.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "end-to-end"))
from atspi_tree import descendants, first_found, listen, name_of, named, pump, role_of, showing  # noqa: E402

RATE = 48000
BYTES_PER_SECOND = RATE * 2
WORD_OVER = re.compile(r"(открыл слово!|угадал слово!|ПОБЕДИТЕЛЬ!|Нет победителя!)$")
# The word's last sound (a fanfare and applause, the longest) rings out in this.
RING_OUT = 6.0
SEATS = ("Первый игрок", "Второй игрок", "Третий игрок")

if len(sys.argv) not in (3, 4):
    sys.exit(__doc__)
recording_path, heard_path = sys.argv[1], sys.argv[2]
DEADLINE = time.monotonic() + (float(sys.argv[3]) if len(sys.argv) == 4 else 1800)
recording_began = None  # monotonic seconds of the recording's first sample
heard = []  # (monotonic seconds, text)


def fail(message):
    sys.exit(f"FAILED: {message}")


def note(text, when=None):
    heard.append((time.monotonic() if when is None else when, text))


def on_text_inserted(event):
    when = time.monotonic()  # before any round trip to ask the source's role
    try:
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            note(event.any_data, when)
    except Exception:  # the source may be gone already
        pass


def press(node, what):
    if node is None:
        fail(f"no {what}")
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) in ("Press", "Toggle"):
            if not action.doAction(index):
                fail(f"{what}: the press was refused")
            return
    fail(f"{what} cannot be pressed")


def wait_for(what, find, seconds=60):
    found = first_found(find, min(time.monotonic() + seconds, DEADLINE), every=0.2)
    if found is None:
        fail(f"no {what} within {seconds} s")
    return found


def with_role(frame, role):
    for node in descendants(frame):
        if node is not None and role_of(node) == role and showing(node):
            return node
    return None


def start_recording():
    """Starts parec, and notes when its first sample was taken."""
    global recording_began
    output = open(recording_path, "wb")
    recorder = subprocess.Popen(
        ["parec", "-d", "game.monitor", "--format=s16le", f"--rate={RATE}", "--channels=1", "--latency-msec=20"],
        stdout=output,
    )
    end = time.monotonic() + 10
    while os.path.getsize(recording_path) == 0:
        if time.monotonic() > end:
            fail("the recorder took nothing from the sink")
        time.sleep(0.005)
    recording_began = time.monotonic() - os.path.getsize(recording_path) / BYTES_PER_SECOND
    return recorder


def play_stage(stage):
    def setup(frame):
        return frame if named(frame, "Имя первого игрока") is not None else None

    window = wait_for(f"setup of stage {stage}", setup)
    pump(0.5)
    if stage <= 3:
        for seat in SEATS:
            group = named(window, seat)
            press(named(group, "Комп", pyatspi.ROLE_RADIO_BUTTON) if group else None, f"'Комп' of {seat}")
    note(f"[stage {stage} begins]")
    press(named(window, "OK", pyatspi.ROLE_PUSH_BUTTON), "the setup's OK")
    start = len(heard)
    while time.monotonic() < DEADLINE and not any(WORD_OVER.search(text) for _, text in heard[start:]):
        pump(0.2)
    if not any(WORD_OVER.search(text) for _, text in heard[start:]):
        fail(f"stage {stage}: the word did not end in time")
    pump(RING_OUT)
    table = wait_for("the table", lambda frame: with_role(frame, pyatspi.ROLE_STATUS_BAR))
    note(f"[stage {stage} over: the message line pressed]")
    press(with_role(table, pyatspi.ROLE_STATUS_BAR), "the message line")


def records_shown(frame):
    """The records window's picture, named as the menu's entry is."""
    for node in descendants(frame):
        if node is not None and name_of(node) == "Рекорды" and role_of(node) != pyatspi.ROLE_PUSH_BUTTON:
            return node if showing(node) else None
    return None


def main():
    listen(on_text_inserted, "object:text-changed:insert")
    recorder = start_recording()
    try:
        pump(1.0)
        note("[Новая игра]")
        press(wait_for("start menu", lambda frame: named(frame, "Новая игра", pyatspi.ROLE_PUSH_BUTTON)),
              "'Новая игра'")
        for stage in (1, 2, 3, 4):
            play_stage(stage)
        wait_for("records window", records_shown)
        note("[the records window]")
        pump(RING_OUT)
    finally:
        recorder.terminate()
        recorder.wait()
        with open(heard_path, "w", encoding="utf-8") as out:
            previous = None
            for when, text in heard:
                if text != previous:  # the table says its first message again as it comes up
                    out.write(f"{when - recording_began:9.3f} s  {text}\n")
                previous = text


if __name__ == "__main__":
    main()
