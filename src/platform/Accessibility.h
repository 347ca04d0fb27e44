// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What assistive technology (a screen reader, a magnifier) is told about the
// game's own widgets: a game window is a window, not an anonymous filler; a
// pressable label is a button with a press action; a pressable label made a
// status bar (the table's message line) is a status line whose news is told.
namespace accessibility {

// Teaches the toolkit these widgets; once per program, any number of calls.
void install();

} // namespace accessibility
