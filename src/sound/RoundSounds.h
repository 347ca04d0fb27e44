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

// A sound of an outcome and when it starts, in milliseconds after it.
using Cue = SoundCue;

// The drum's whole turn, known as it starts: a clack with each of its
// `frames` frames, as the rules step it, and the stop with the last.
QList<Cue> ofSpin(int frames);

// The cells a letter opens ring one after another, this far apart; what
// follows them starts after the last.
constexpr int chimeSpacing = 140;

// When each of `heard` starts: the window and the simulator keep this time.
QList<Cue> timed(const QList<Sound>& heard);

} // namespace roundsounds
