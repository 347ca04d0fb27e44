// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/RoundSounds.h"

#include "rules/Drum.h"

namespace roundsounds {

namespace {

Sound ofSector(int sector)
{
    switch (drum::sector(sector).effect) {
    case drum::Effect::Points:
        return Sound::SectorPoints;
    case drum::Effect::Double:
        return Sound::SectorDouble;
    case drum::Effect::PassTurn:
        return Sound::SectorPassTurn;
    case drum::Effect::Bankrupt:
        return Sound::SectorBankrupt;
    case drum::Effect::Plus:
        break;
    }
    return Sound::SectorPlus;
}

} // namespace

QList<Sound> of(const WordRound::Outcome& outcome, const WordRound::Message& message)
{
    using Next = WordRound::Next;
    if (outcome.announced)
        return {ofSector(outcome.sector)};

    QList<Sound> heard;
    // A named letter (not the plus sector's pick) is a press of its button.
    if (outcome.namedLetter > 0 && !outcome.plusPick)
        heard << Sound::LetterPress;
    for (qsizetype cell = 0; cell < outcome.openedCells.size(); ++cell)
        heard << Sound::LetterRight;

    const bool champion = message.kind == WordRound::Message::Kind::Champion;
    switch (outcome.next) {
    case Next::TurnPassed:
        heard << (outcome.seatLeft ? Sound::WordWrong : Sound::LetterWrong);
        break;
    case Next::NoWinner:
        heard << Sound::WordWrong;
        break;
    case Next::BoxesOffered:
        heard << Sound::BoxesOffered;
        break;
    case Next::BoxOpened:
        heard << (outcome.prize ? Sound::BoxPrize : Sound::BoxEmpty);
        break;
    case Next::WordWonByLetters:
        heard << (champion ? Sound::Champion : Sound::WordWonByLetters);
        break;
    case Next::WordWonBySaying:
        heard << (champion ? Sound::Champion : Sound::WordWonBySaying);
        break;
    default:
        break;
    }
    return heard;
}

QList<Cue> ofSpin(int frames)
{
    QList<Cue> cues;
    for (int frame = 1; frame <= frames; ++frame)
        cues << Cue{Sound::DrumClack, frame * WordRound::Pace::drumFrame};
    if (frames > 0)
        cues << Cue{Sound::DrumStop, frames * WordRound::Pace::drumFrame};
    return cues;
}

QList<Cue> timed(const QList<Sound>& heard)
{
    QList<Cue> cues;
    int after = 0;
    for (const Sound sound : heard) {
        cues << Cue{sound, after};
        if (sound == Sound::LetterRight)
            after += chimeSpacing;
    }
    return cues;
}

} // namespace roundsounds
