// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

// Every sound the game makes, one file each below Data/Zvuk. The generator
// writes them from this list and the player reads them by it, so a sound
// cannot be added to one without the other.
enum class Sound {
    DrumClack, // one per sector passing the pointer
    DrumStop,
    SectorPoints, // 10 … 80 points: a letter is asked for
    SectorDouble,
    SectorPassTurn,
    SectorBankrupt,
    SectorPlus,
    LetterRight, // one per cell that opens
    LetterWrong,
    LetterPress, // a letter button pressed
    BoxesOffered,
    BoxPrize,
    BoxEmpty,
    WordWonByLetters,
    WordWonBySaying,
    WordWrong,
    Champion,        // the final is won: applause and a fanfare
    RecordsChampion, // the records window enters a new champion
    MenuPoint,       // the pointer reaches a menu entry
    MenuChoose,
};

// A sound and when it starts, in milliseconds after the first of its list.
struct SoundCue {
    Sound sound;
    int afterMs;
    bool operator==(const SoundCue&) const = default;
};

namespace sounds {

constexpr int count = static_cast<int>(Sound::MenuChoose) + 1;

// Every sound in the order of the enum.
std::array<Sound, count> all();

// The folder of the sounds below Data.
inline const QString folder = QStringLiteral("Zvuk");

// "Zvuk/drum-clack.wav" for Sound::DrumClack: the file below Data.
QString relativePath(Sound sound);

// "drum-clack": the file's name without folder and extension, for messages.
QString name(Sound sound);

// The format every sound file has: 16-bit PCM, one channel, at this rate.
constexpr int sampleRate = 48000;

} // namespace sounds
