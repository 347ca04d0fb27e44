// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameWindow;

// The table's texts that vary in width (names, scores, the message line with
// its topic or a long name, the stage caption and the computer's lines)
// shrink and then elide instead of running past their controls.
void fitTableTexts(GameWindow& window);
