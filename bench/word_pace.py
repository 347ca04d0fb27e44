#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Times one word of three computers at the real program's own pace.

    word_pace.py WORD [SECONDS]
    word_pace.py --heard FILE WORD

The program must be running on a private accessibility bus with WORD the
only word of its topic files. "Новая игра" is pressed by its action, the
three seats are made computers ("Комп") and OK is pressed; then the message
line (a status bar) is listened to: every message reaches the listener as a
text change carrying it. Each stop of the drum announces its sector, so the
sector messages count the spins; the word ends with its winner's message.
The clock runs from the table's first message to that last one, the very
span the simulator counts from the word's start to its end.

Prints one line, tab-separated:

    word  spins  letter_spins  seconds  pace_model_seconds  pace_model_spread
    setup_to_first_message  letter_step  letter_step_min  letter_step_max
    spin_step_error  spin_step_min_error  spin_step_max_error  spin_steps_timed

pace_model_seconds is what the rules' pace gives for this very run: for
each spin the computer's wait before it, the drum's pictures (24 a spin
plus the last stop sector's number, since every spin turns a full two turns
from the last stop) and the pause on the stop sector, and for each letter
sector the computer's choosing and its press. A double sector stands twice
on the drum (3 and 12), so a last stop on it leaves pace_model_spread of
0.225 s either side. Nothing else is waited for in a word of computers.

Two steps are timed one by one as well. letter_step: from a letter
sector's message to the message of the letter the computer named, which the
pace puts 3.000 s apart (choosing, then the press), its mean, min and max in
seconds. spin_step: from the message before a sector message (the one that
gave the turn) to that sector message: the wait before the spin, the
drum's pictures and the pause on the stop sector; spin_step_error is the
mean of the measured minus the pace's figure, with its min and max, in
seconds, over the spin_steps_timed steps whose stop sector and the one
before it are both known (not a double nor a passing sector, which stand
twice on the drum).

Everything it heard goes to stderr, each message with its time; --heard
reads such a record back and prints the line again, without the program.
Exits 1 when the word did not end within SECONDS (600 unless given).
"""

import re
import sys
import time

import os

import pyatspi

# The end-to-end tests' walk through the accessibility tree.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "end-to-end"))
from atspi_tree import first_found, listen, name_of, named, pump  # noqa: E402

# The rules' pace, in milliseconds, as the round waits between its steps.
DRUM_FRAME = 50
STOP_SECTOR_SHOWN = 1000
COMPUTER_BEFORE_SPIN = 3000
COMPUTER_CHOOSING = 1000
COMPUTER_BEFORE_PRESS = 2000
# Pictures a spin shows: 24 + stop - position, position 0 before the first.
SPIN_FRAMES = 24

WORD_OVER = re.compile(r"(открыл слово!|угадал слово!|ПОБЕДИТЕЛЬ!|Нет победителя!)$")
# The sector messages: the letter sectors, then those that pass the turn.
POINTS_SECTOR = re.compile(r"^(\d+) очков, буква\?$")
DOUBLE_SECTOR = re.compile(r"^Ваши очки умножаются на 2, буква\?$")
TURN_SECTOR = re.compile(r"^(Переход хода!|Вы банкрот!|Сектор плюс, какую открыть букву\?)$")
# Sector number of each points sector, by its points.
SECTOR_OF_POINTS = {50: 2, 20: 4, 10: 6, 30: 7, 40: 9, 80: 11}
DOUBLE_SECTORS = (3, 12)

HEARD_LINE = re.compile(r"^ *(-?\d+\.\d+) s  (.*)$")

replay = len(sys.argv) == 4 and sys.argv[1] == "--heard"
if not replay and len(sys.argv) not in (2, 3):
    sys.exit(__doc__)
word = sys.argv[-1] if replay else sys.argv[1]
DEADLINE = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) == 3 else 600)
heard = []  # (monotonic seconds, text) of each message, in order


def fail(message):
    sys.exit(f"FAILED: {message}")


def on_text_inserted(event):
    when = time.monotonic()  # before any round trip to ask the source's role
    try:
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            heard.append((when, event.any_data))
    except Exception:  # the source may be gone already
        pass


def press(node):
    try:
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
    except Exception:
        fail(f"'{name_of(node)}' has no action")
    for index, name in enumerate(names):
        if name in ("Press", "Toggle"):
            if not action.doAction(index):
                fail(f"the {name} action of '{node.name}' was refused")
            print(f"pressed '{node.name}'", file=sys.stderr)
            return
    fail(f"'{node.name}' has no press action, only {names}")


def wait_for(what, find, seconds=30):
    found = first_found(find, min(time.monotonic() + seconds, DEADLINE))
    if found is None:
        fail(f"no {what} within {seconds}s")
    return found


def sector_kind(text):
    """'letter' or 'turn' for a sector message, else None."""
    if POINTS_SECTOR.match(text) or DOUBLE_SECTOR.match(text):
        return "letter"
    if TURN_SECTOR.match(text):
        return "turn"
    return None


def sector_number(text):
    """The sector 1..12 a sector message names, or None when two read alike."""
    points = POINTS_SECTOR.match(text)
    if points:
        return SECTOR_OF_POINTS[int(points.group(1))]
    if text == "Вы банкрот!":
        return 8
    if text.startswith("Сектор плюс"):
        return 10
    return None


def steps(messages):
    """The letter steps' seconds, and the spin steps' errors against the pace."""
    letter_steps = []
    spin_errors = []
    position = 0  # the drum's, before the word's first spin
    for i, (when, text) in enumerate(messages):
        kind = sector_kind(text)
        if kind is None:
            continue
        stop = sector_number(text)
        if i > 0 and stop is not None and position is not None:
            frames_shown = SPIN_FRAMES + stop - position
            paced = (COMPUTER_BEFORE_SPIN + frames_shown * DRUM_FRAME + STOP_SECTOR_SHOWN) / 1000
            spin_errors.append(when - messages[i - 1][0] - paced)
        position = stop
        if kind == "letter" and i + 1 < len(messages):
            letter_steps.append(messages[i + 1][0] - when)
    return letter_steps, spin_errors


def summary(values):
    if not values:
        return ["nan", "nan", "nan"]
    return [f"{sum(values) / len(values):.3f}", f"{min(values):.3f}", f"{max(values):.3f}"]


def pace_model(sectors):
    """Seconds the rules' pace gives for these sector messages, and the
    spread left by a last stop on a double sector."""
    spins = len(sectors)
    letters = sum(1 for text in sectors if sector_kind(text) == "letter")
    last = sectors[-1]
    spread = 0.0
    points = POINTS_SECTOR.match(last)
    if points:
        last_stop = SECTOR_OF_POINTS[int(points.group(1))]
    elif DOUBLE_SECTOR.match(last):
        last_stop = sum(DOUBLE_SECTORS) / 2
        spread = (DOUBLE_SECTORS[1] - DOUBLE_SECTORS[0]) / 2 * DRUM_FRAME / 1000
    else:
        fail(f"the word ended after '{last}', which names no letter")
    frames_shown = SPIN_FRAMES * spins + last_stop
    ms = (spins * (COMPUTER_BEFORE_SPIN + STOP_SECTOR_SHOWN) + frames_shown * DRUM_FRAME
          + letters * (COMPUTER_CHOOSING + COMPUTER_BEFORE_PRESS))
    return letters, ms / 1000, spread


def main():
    listen(on_text_inserted, "object:text-changed:insert")

    press(wait_for("start menu", lambda frame: named(frame, "Новая игра", pyatspi.ROLE_PUSH_BUTTON)))
    window = wait_for("player setup",
                      lambda frame: frame if named(frame, "Имя первого игрока") is not None else None)
    for seat in ("Первый игрок", "Второй игрок", "Третий игрок"):
        group = named(window, seat)
        computer = named(group, "Комп", pyatspi.ROLE_RADIO_BUTTON) if group is not None else None
        if computer is None:
            fail(f"no choice 'Комп' for '{seat}'")
        press(computer)
    pump(0.5)
    heard.clear()
    ok_pressed = time.monotonic()
    press(named(window, "OK", pyatspi.ROLE_PUSH_BUTTON))

    while time.monotonic() < DEADLINE and not (heard and WORD_OVER.search(heard[-1][1])):
        pump(0.2)
    if not heard or not WORD_OVER.search(heard[-1][1]):
        fail(f"the word did not end in time; heard {[text for _, text in heard]}")

    if not heard[0][1].startswith("Тема: "):
        fail(f"the first message heard was '{heard[0][1]}', not the word's topic")
    report(ok_pressed)


def report(ok_pressed):
    """Prints the record of what was heard and the line of figures."""
    # The table announces its first message again as it comes up: one message.
    while len(heard) > 1 and heard[1][1] == heard[0][1]:
        del heard[1]
    start = heard[0][0]
    for when, text in heard:
        print(f"{when - start:9.3f} s  {text}", file=sys.stderr)
    sectors = [text for _, text in heard if sector_kind(text)]
    if not sectors:
        fail("no sector announced")
    letters, model, spread = pace_model(sectors)
    seconds = heard[-1][0] - start
    letter_steps, spin_errors = steps(heard)
    print("\t".join([word, str(len(sectors)), str(letters), f"{seconds:.3f}", f"{model:.3f}",
                     f"{spread:.3f}", f"{start - ok_pressed:.3f}"]
                    + summary(letter_steps) + summary(spin_errors) + [str(len(spin_errors))]))


def read_heard(path):
    """Reads back a record of word_pace.py's stderr: the messages with their times."""
    with open(path, encoding="utf-8") as record:
        for line in record:
            match = HEARD_LINE.match(line.rstrip("\n"))
            if match:
                heard.append((float(match.group(1)), match.group(2)))
    if not heard or not WORD_OVER.search(heard[-1][1]):
        fail(f"{path} holds no whole word")
    report(heard[0][0])


if __name__ == "__main__":
    if replay:
        read_heard(sys.argv[2])
    else:
        main()
