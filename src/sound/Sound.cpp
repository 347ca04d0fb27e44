// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Sound.h"

namespace sounds {

namespace {

constexpr std::array<const char*, count> names{
    "drum-clack",      "drum-stop",   "sector-points",    "sector-double",   "sector-pass-turn",
    "sector-bankrupt", "sector-plus", "letter-right",     "letter-wrong",    "letter-press",
    "boxes-offered",   "box-prize",   "box-empty",        "word-by-letters", "word-by-saying",
    "word-wrong",      "champion",    "records-champion", "menu-point",      "menu-choose"};

} // namespace

std::array<Sound, count> all()
{
    std::array<Sound, count> list{};
    for (int i = 0; i < count; ++i)
        list.at(i) = static_cast<Sound>(i);
    return list;
}

QString name(Sound sound)
{
    return QString::fromLatin1(names.at(static_cast<std::size_t>(sound)));
}

QString relativePath(Sound sound)
{
    return folder + QLatin1Char('/') + name(sound) + QStringLiteral(".wav");
}

} // namespace sounds
