#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""One word of the game played through AT-SPI alone, as a screen reader's user.

    atspi_word.py WORD

WORD is the only word of the topic files. The menu's "Новая игра" is pressed
by its action; the setup gets a person named "Вера" in the first seat and
computers in the others, through editable text and actions; on the table the
person spins, names a letter of the word and then says the word in the
say-word box, all by actions, while the computers take their turns. At every
step the table's tree is walked:

- no closed letter is readable: a cell is "клетка N, закрыта" until its letter
  is open, and the word is nowhere in the tree before it is won;
- every control that is shown is named, with its role and a press action
  (in the setup and the say-word box too);
- every message of the message line (a status bar) has reached the listener
  as a text change carrying that very text.

Exits 1 with what it found when something is missing.
"""

import re
import sys
import time

import pyatspi

from atspi_tree import descendants, first_found, listen, name_of, named, pump, role_of, showing

PRESS_NAMES = {"Press", "Toggle"}
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TOGGLE_BUTTON,
}
WORD_OVER = re.compile(r"(открыл слово!|угадал слово!|ПОБЕДИТЕЛЬ!|Нет победителя!)$")
CELL = re.compile(r"клетка (\d+), (закрыта|буква (.))$")
DEADLINE = time.monotonic() + 100

word = sys.argv[1] if len(sys.argv) == 2 else sys.exit(__doc__)
announced = []  # the texts the message line's text changes carried, in order
steps = 0


def fail(message):
    sys.exit(f"FAILED: {message}\nannounced so far: {announced}")


def on_text_inserted(event):
    try:
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            announced.append(event.any_data)
    except Exception:  # the source may be gone already
        pass


def sensitive(node):
    try:
        return node.getState().contains(pyatspi.STATE_SENSITIVE)
    except Exception:
        return False


def actions(node):
    try:
        action = node.queryAction()
        return action, [action.getName(i) for i in range(action.nActions)]
    except Exception:  # none, or the object is gone
        return None, []


def press(node):
    action, names = actions(node)
    for index, name in enumerate(names):
        if name in PRESS_NAMES:
            label = node.name
            if not action.doAction(index):
                fail(f"the {name} action of '{label}' was refused")
            print(f"pressed '{label}'")
            return
    fail(f"'{node.name}' has no press action, only {names}")


def wait_for(what, find, seconds=30):
    found = first_found(find, min(time.monotonic() + seconds, DEADLINE))
    if found is None:
        fail(f"no {what} within {seconds}s")
    return found


def entry_in(frame):
    for node in descendants(frame):
        if role_of(node) in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and showing(node):
            return node
    return None


def type_into(node, text):
    if not node.queryEditableText().setTextContents(text):
        fail(f"'{node.name}' refused the text '{text}'")
    print(f"typed '{text}' into '{node.name}'")


# ---- The table as a screen reader reads it -------------------------------------------


def table_frame(frame):
    if role_of(frame) != pyatspi.ROLE_FRAME or not showing(frame):
        return None
    for node in descendants(frame):
        if role_of(node) == pyatspi.ROLE_STATUS_BAR:
            return frame
    return None


class Table:
    """What one walk of the table's tree found."""

    def __init__(self, frame):
        self.message = None
        self.cells = {}
        self.buttons = {}  # shown, by name
        self.boxes = []
        self.status_texts = []
        nodes = []
        for node in descendants(frame):
            try:
                nodes.append((node, node.getRole(), node.name, showing(node)))
            except Exception:
                continue
        for node, role, name, shown in nodes:
            if role == pyatspi.ROLE_STATUS_BAR and shown:
                # Name and text are two questions: a message that changes
                # between them is asked again, a little later.
                for _ in range(10):
                    text = node.queryText().getText(0, -1)
                    if text == name:
                        break
                    time.sleep(0.05)
                    name = node.name
                self.message = name
                self.status_texts.append(text)
                self.check_control(node, role, name)
        self.over = bool(self.message and WORD_OVER.search(self.message))
        # While the drum turns it covers the table: nothing of it is shown.
        self.turning = self.message is None
        for node, role, name, shown in nodes:
            self.check_secret(node, role, name, self.over)
            if not shown:
                continue
            match = CELL.match(name or "")
            if match:
                self.cells[int(match.group(1))] = (node, match.group(3))
            if name.startswith("шкатулка"):
                self.boxes.append(node)
            if role in CONTROL_ROLES or match or name.startswith("шкатулка"):
                self.check_control(node, role, name)
                self.buttons.setdefault(name, node)
        # The drum's cover comes and goes in steps, and a walk between them
        # can find the message line shown before the cells are: a walk too
        # early, taken as the drum still turning, and the caller walks again.
        if not self.turning and not self.cells:
            self.turning = True
        if not self.turning:
            self.check_cells()

    def check_secret(self, node, role, name, over):
        if over:
            return
        # Letter buttons are named by the letters of the alphabet; nothing else
        # may spell out the word, and no text of a label may hold it either.
        if word in (name or ""):
            fail(f"the word is readable before it is won: {role} '{name}'")
        try:
            text = node.queryText()
            content = text.getText(0, -1)
        except NotImplementedError:
            return
        except Exception:
            return
        if word in content:
            fail(f"the word is readable before it is won: text of {role} '{name}'")

    def check_control(self, node, role, name):
        if not name:
            fail(f"a shown {pyatspi.Role(role)} has no name")
        if role == pyatspi.ROLE_FILLER or role == pyatspi.ROLE_UNKNOWN:
            fail(f"'{name}' has no role")
        if CELL.match(name) or name.startswith("шкатулка"):
            if role != pyatspi.ROLE_PUSH_BUTTON:
                fail(f"'{name}' is a {node.getRoleName()}, not a push button")
        # The toolkit offers no action on a disabled button (a letter while
        # no letter is asked for); whatever can be pressed now says how.
        _, names = actions(node)
        if sensitive(node) and not PRESS_NAMES & set(names):
            fail(f"'{name}' has no press action, only {names}")

    def check_cells(self):
        if not self.cells:
            fail("no cell of the word in the tree")
        if sorted(self.cells) != list(range(1, len(word) + 1)):
            fail(f"cells {sorted(self.cells)} for a word of {len(word)} letters")
        open_letters = set()
        for place, (node, letter) in self.cells.items():
            if letter is None:
                continue
            if letter != word[place - 1]:
                fail(f"cell {place} reads '{letter}'")
            open_letters.add(letter)
        # A letter opens in every cell it stands in: a closed cell never
        # holds a letter that shows elsewhere.
        for place, (node, letter) in self.cells.items():
            if letter is None and word[place - 1] in open_letters and not self.over:
                fail(f"cell {place} is closed though its letter is open elsewhere")
        for text in self.status_texts:
            if text != self.message:
                fail(f"the message line reads '{text}' as text but is named '{self.message}'")

    def shown_button(self, name):
        node = self.buttons.get(name)
        return node if node is not None and sensitive(node) else None


messages_seen = []


def walk():
    """Walks the table and checks that its message was announced."""
    global steps
    steps += 1
    table = Table(wait_for("game table", table_frame))
    if table.message and (not messages_seen or messages_seen[-1] != table.message):
        messages_seen.append(table.message)
        end = time.monotonic() + 5
        while table.message not in announced and time.monotonic() < end:
            pump(0.05)
        if table.message not in announced:
            fail(f"the message '{table.message}' was never announced")
        print(f"message '{table.message}' announced")
    return table


def check_window(frame, what):
    """Every control shown in a window other than the table is named, and
    one that can be pressed or typed into says how."""
    checked = 0
    for node in descendants(frame):
        role = role_of(node)
        if not showing(node) or role not in CONTROL_ROLES | {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY}:
            continue
        name = name_of(node)
        if not name:
            fail(f"a {node.getRoleName()} in {what} has no name")
        if role in CONTROL_ROLES:
            _, names = actions(node)
            if sensitive(node) and not PRESS_NAMES & set(names):
                fail(f"'{name}' in {what} has no press action, only {names}")
        else:
            try:
                node.queryEditableText()
            except Exception:
                fail(f"'{name}' in {what} cannot be typed into")
        checked += 1
    if checked == 0:
        fail(f"no control found in {what}")
    print(f"{what}: {checked} controls, each named and with its action")


def say_word(table):
    press(table.shown_button("Скажу слово"))

    def box(frame):
        if role_of(frame) != pyatspi.ROLE_DIALOG or named(frame, "Назовите слово:") is None:
            return None
        return frame

    dialog = wait_for("say-word box", box, 10)
    check_window(dialog, "the say-word box")
    entry = entry_in(dialog)
    if entry is None:
        fail("the say-word box has no text field")
    type_into(entry, word.lower())
    press(named(dialog, "OK", pyatspi.ROLE_PUSH_BUTTON))


def play():
    named_letter = False
    while time.monotonic() < DEADLINE:
        table = walk()
        if table.over:
            return table
        spin = table.shown_button("Кручу барабан")
        letters = [table.shown_button(letter) for letter in dict.fromkeys(word)]
        letters = [button for button in letters if button is not None]
        plus_cells = [node for node, letter in table.cells.values() if letter is None and sensitive(node)]
        boxes = [node for node in table.boxes if sensitive(node)]
        if spin is not None and named_letter:
            say_word(table)
        elif spin is not None:
            press(spin)
        elif letters:
            press(letters[0])
            named_letter = True
        elif plus_cells:
            press(plus_cells[0])
            named_letter = True
        elif boxes:
            press(boxes[0])
        else:
            pump(0.3)  # the drum turns, or a computer has the turn
            continue
        pump(0.5)
    fail("the word did not end in time")


def main():
    for event in ("object:property-change:accessible-name", "object:state-changed"):
        pyatspi.Registry.registerEventListener(lambda e: None, event)
    listen(on_text_inserted, "object:text-changed:insert")

    def start_menu(frame):
        return named(frame, "Новая игра", pyatspi.ROLE_PUSH_BUTTON)

    press(wait_for("start menu", start_menu))

    def setup(frame):
        return frame if named(frame, "Имя первого игрока") is not None else None

    window = wait_for("player setup", setup)
    check_window(window, "the player setup")
    type_into(named(window, "Имя первого игрока"), "Вера")
    for seat in ("Второй игрок", "Третий игрок"):
        group = named(window, seat)
        if group is None:
            fail(f"no group '{seat}' in the setup")
        computer = named(group, "Комп", pyatspi.ROLE_RADIO_BUTTON)
        if computer is None:
            fail(f"no choice 'Комп' for '{seat}'")
        press(computer)
    pump(0.5)
    press(named(window, "OK", pyatspi.ROLE_PUSH_BUTTON))

    table = play()
    # The word over stays on the table: a walk caught between two steps of
    # its showing is taken again.
    for _ in range(10):
        if table.cells:
            break
        pump(0.3)
        table = walk()
    if sorted(table.cells) != list(range(1, len(word) + 1)):
        fail(f"the word is over, and the tree holds cells {sorted(table.cells)}")
    for place, (node, letter) in table.cells.items():
        if letter != word[place - 1]:
            fail(f"the word is over, and cell {place} reads '{letter}'")
    print(f"the word ended with '{table.message}' after {steps} walks of the tree;"
          f" {len(messages_seen)} messages, each announced")


if __name__ == "__main__":
    main()
