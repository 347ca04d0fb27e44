// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/WordRound.h"
#include "sound/Sound.h"

#include <QList>

// What the hall hears of a word: the sounds of one outcome of the round, in
// the order they sound. The drum's clacks and stop come with its frames.
namespace roundsounds {

QList<Sound> of(const WordRound::Outcome& outcome, const WordRound::Message& message);

// The sounds of the drum's frame: a clack, and the stop once it rests.
QList<Sound> ofDrumFrame(bool resting);

// A sound of an outcome and when it starts, in milliseconds after it.
struct Cue {
    Sound sound;
    int afterMs;
    bool operator==(const Cue&) const = default;
};

// The cells a letter opens ring one after another, this far apart; what
// follows them starts after the last.
constexpr int chimeSpacing = 140;

// When each of `heard` starts: the window and the simulator keep this time.
QList<Cue> timed(const QList<Sound>& heard);

} // namespace roundsounds
