// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace commandline {

namespace {

// The toolkit's own options (QGuiApplication, QApplication, the X11 platform),
// which it takes with one dash or two. Those of the first list take a value,
// either as the next argument or after '='.
constexpr std::array<std::string_view, 15> toolkitValueOptions{"platform",        "platformpluginpath",
                                                               "platformtheme",   "plugin",
                                                               "qwindowgeometry", "qwindowicon",
                                                               "qwindowtitle",    "geometry",
                                                               "title",           "session",
                                                               "display",         "name",
                                                               "visual",          "style",
                                                               "stylesheet"};
constexpr std::array<std::string_view, 6> toolkitFlags{"reverse", "nograb",      "dograb",
                                                       "sync",    "widgetcount", "testability"};

bool listed(const auto& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

Request refuse(Problem problem, std::string_view argument)
{
    return {Action::Refuse, problem, std::string(argument)};
}

} // namespace

Request read(int argc, const char* const argv[])
{
    bool mute = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--help" || arg == "-h")
            return {Action::Help, Problem::None, {}};
        if (arg == "--version")
            return {Action::Version, Problem::None, {}};
        if (arg == "--no-scale")
            continue;
        if (arg == "--mute") {
            mute = true;
            continue;
        }
        if (arg == "--") {
            // The game takes no file or word to play: whatever follows is a mistake.
            if (i + 1 < argc)
                return refuse(Problem::UnexpectedArgument, argv[i + 1]);
            break;
        }
        if (arg.size() < 2 || arg.front() != '-')
            return refuse(Problem::UnexpectedArgument, arg);

        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool valueGiven = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (listed(toolkitValueOptions, name)) {
            if (!valueGiven && ++i >= argc)
                return refuse(Problem::MissingValue, arg);
            continue;
        }
        if (listed(toolkitFlags, name) && !valueGiven)
            continue;
        // "-qmljsdebugger=port:…" is the toolkit's too, and only ever with a value.
        if (name == "qmljsdebugger" && valueGiven)
            continue;
        return refuse(Problem::UnknownOption, arg);
    }
    Request play;
    play.mute = mute;
    return play;
}

int print(std::string_view text, std::FILE* out, std::FILE* err)
{
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    // The text may still sit in the buffer: only a flush tells whether it
    // reached the file.
    const bool flushed = std::fflush(out) == 0;
    if (written && flushed && !std::ferror(out))
        return 0;
    const int error = errno;
    if (error != 0) {
        std::fprintf(err, "kordamir: ошибка вывода: %s\nkordamir: write error: %s\n", std::strerror(error),
                     std::strerror(error));
    } else {
        std::fputs("kordamir: ошибка вывода\nkordamir: write error\n", err);
    }
    return 1;
}

} // namespace commandline
