// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kordamir_soundgen <DataDir>: writes every sound the game plays into
// DataDir/Zvuk. --levels prints each sound's length, loudness and peak.

#include "Synth.h"

#include "sound/WaveFile.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const bool levels = argc == 3 && qstrcmp(argv[1], "--levels") == 0;
    if (argc != 2 && !levels) {
        std::fprintf(stderr, "usage: kordamir_soundgen [--levels] <DataDir>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]) + QLatin1Char('/') + sounds::folder);
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "kordamir_soundgen: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    int failures = 0;
    for (const Sound sound : sounds::all()) {
        const QList<qint16> samples = soundgen::render(sound);
        const QString path = folder.filePath(sounds::name(sound) + QStringLiteral(".wav"));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(wavefile::encode(samples, sounds::sampleRate)) < 0
            || !file.commit()) {
            std::fprintf(stderr, "kordamir_soundgen: cannot write %s\n", qPrintable(path));
            ++failures;
        }
        if (levels) {
            int peak = 0;
            for (const qint16 x : samples)
                peak = std::max(peak, std::abs(static_cast<int>(x)));
            std::printf("%-18s %5.0f ms  loudness %6.1f dBFS  peak %6.1f dBFS\n",
                        qPrintable(sounds::name(sound)),
                        1000.0 * static_cast<double>(samples.size()) / sounds::sampleRate,
                        soundgen::loudnessDb(samples), 20 * std::log10(std::max(peak, 1) / 32767.0));
        }
    }
    return failures == 0 ? 0 : 1;
}
