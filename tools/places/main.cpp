// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the places the end-to-end scripts click, from the layout the
// windows themselves use, one per line: NAME X Y WIDTH HEIGHT, in the
// program's own pixels at scale 1. The menu entries and "Меню" are placed on
// their window's backdrop, OK in the player setup's window.

#include "platform/Pictures.h"

#include <cstdio>

namespace {

void print(const char* name, const QRect& place)
{
    std::printf("%s %d %d %d %d\n", name, place.x(), place.y(), place.width(), place.height());
}

} // namespace

int main()
{
    const char* const entries[] = {"newGame", "records", "about", "exit"};
    for (int number = 1; number <= 4; ++number)
        print(entries[number - 1], pictures::menuEntry(number));
    print("recordsMenu", pictures::recordsMenu);
    print("setupOk", pictures::setupOk.translated(pictures::setupSeats.topLeft()));
    return 0;
}
