// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The folders of the player's own that the game may write: its records and its
// cache of scaled pictures. They follow the XDG variables, but more strictly
// than the toolkit does: a relative value is no value (it would put the
// player's files below whatever folder the game was started from), and
// without a home folder that exists there is no fallback at all (the toolkit
// then falls back to the root of the file system). A game without such a
// folder keeps no cache, and keeps records only in a Data it may rewrite.
namespace playerfolders {

// $XDG_DATA_HOME/kordamir, else ~/.local/share/kordamir; empty when neither is usable.
QString data();
// $XDG_CACHE_HOME/kordamir, else ~/.cache/kordamir; empty when neither is usable.
QString cache();
// $XDG_CONFIG_HOME/kordamir, else ~/.config/kordamir; empty when neither is usable.
QString config();

// The rule both follow, for the values of the variables as given: `xdg` when
// it is absolute, else `belowHome` below `home` when that is an absolute
// folder that exists, other than the root; then "kordamir" below it. Empty
// when there is none. Nothing is created: a missing home stays missing.
QString resolve(const QString& xdg, const QString& home, const QString& belowHome);

} // namespace playerfolders
