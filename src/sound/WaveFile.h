// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The game's sound files: RIFF WAVE, 16-bit PCM, one channel. Only that is
// read; anything else is refused with a reason, never guessed at, so a
// damaged file is a silent sound and not a burst of noise.
namespace wavefile {

struct Samples {
    QList<qint16> samples;
    int sampleRate = 0;
    QString error; // empty when the file was read
};

// The longest sound a file may hold: a damaged size field must not make the
// game reserve gigabytes.
constexpr int maxSeconds = 10;

Samples parse(const QByteArray& bytes);
Samples read(const QString& path);

QByteArray encode(const QList<qint16>& samples, int sampleRate);

} // namespace wavefile
