// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WaveFile.h"

#include <QFile>
#include <QtEndian>

namespace wavefile {

namespace {

quint32 u32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

quint16 u16(const char* at)
{
    return qFromLittleEndian<quint16>(at);
}

Samples refused(const QString& why)
{
    Samples result;
    result.error = why;
    return result;
}

void append32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void append16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

Samples parse(const QByteArray& bytes)
{
    const qsizetype size = bytes.size();
    const char* data = bytes.constData();
    if (size < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return refused(QStringLiteral("not a WAVE file"));

    bool formatSeen = false;
    int rate = 0;
    qsizetype at = 12;
    while (at + 8 <= size) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 length = u32(data + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (length < 16 || body + 16 > size)
                return refused(QStringLiteral("format chunk cut short"));
            const quint16 format = u16(data + body);
            const quint16 channels = u16(data + body + 2);
            rate = static_cast<int>(u32(data + body + 4));
            const quint16 bits = u16(data + body + 14);
            if (format != 1 || channels != 1 || bits != 16)
                return refused(QStringLiteral("not 16-bit PCM mono (format %1, %2 channels, %3 bits)")
                                   .arg(format).arg(channels).arg(bits));
            if (rate < 8000 || rate > 192000)
                return refused(QStringLiteral("sample rate %1 Hz").arg(rate));
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen)
                return refused(QStringLiteral("sound data before its format"));
            if (length > static_cast<quint64>(rate) * maxSeconds * 2)
                return refused(QStringLiteral("longer than %1 seconds").arg(maxSeconds));
            if (body + length > size)
                return refused(QStringLiteral("sound data cut short"));
            Samples result;
            result.sampleRate = rate;
            const qsizetype count = length / 2;
            result.samples.resize(count);
            for (qsizetype i = 0; i < count; ++i)
                result.samples[i] = qFromLittleEndian<qint16>(data + body + 2 * i);
            return result;
        }
        // Chunks are padded to an even length.
        at = body + static_cast<qsizetype>(length) + (length & 1);
    }
    return refused(formatSeen ? QStringLiteral("no sound data") : QStringLiteral("no format chunk"));
}

Samples read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    // More than the longest sound at the highest rate cannot be a sound of ours.
    if (file.size() > static_cast<qint64>(192000) * maxSeconds * 2 + 4096)
        return refused(QStringLiteral("longer than %1 seconds").arg(maxSeconds));
    return parse(file.readAll());
}

QByteArray encode(const QList<qint16>& samples, int sampleRate)
{
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.reserve(44 + dataBytes);
    out.append("RIFF");
    append32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    append32(out, 16);
    append16(out, 1);  // PCM
    append16(out, 1);  // mono
    append32(out, static_cast<quint32>(sampleRate));
    append32(out, static_cast<quint32>(sampleRate) * 2);
    append16(out, 2);  // bytes per frame
    append16(out, 16);
    out.append("data");
    append32(out, dataBytes);
    for (const qint16 sample : samples)
        append16(out, static_cast<quint16>(sample));
    return out;
}

} // namespace wavefile
