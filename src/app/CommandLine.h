// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// What the command line asks of the program, decided before anything needs a
// display. The game's own options are --help (-h), --version, --no-scale and
// --mute; the toolkit's standard options (-platform xcb, -style=fusion,
// -reverse …) pass through to it. Anything else is refused, GNU style, with status 2: a
// mistyped option must not start a full-screen game.
namespace commandline {

enum class Action { Play, Help, Version, Refuse };
enum class Problem { None, UnknownOption, UnexpectedArgument, MissingValue };

struct Request {
    Action action = Action::Play;
    Problem problem = Problem::None;
    std::string argument; // the argument refused
    bool mute = false;    // --mute: start without sound
};

// Reads argv in order: the first --help, --version or refused argument decides.
Request read(int argc, const char* const argv[]);

// Writes the answer to --help or --version to `out` and returns the exit
// status: 0 once all of it has reached `out`, else 1 with the reason on
// `err`, as coreutils do. An answer lost to a full disk or a closed output
// must not look like one given.
int print(std::string_view text, std::FILE* out, std::FILE* err);

} // namespace commandline
