// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WaveFile.h"

#include <QFile>
#include <QSysInfo>
#include <QtEndian>

#include <cstring>

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

namespace {

// Where a file's sound data lies, read from its first bytes.
struct Layout {
    int rate = 0;
    qint64 dataAt = 0;
    qint64 dataLength = 0;
    QString error;
    bool dataFound = false;
};

Layout layoutOf(const QByteArray& head, qint64 fileSize)
{
    Layout layout;
    const qsizetype size = head.size();
    const char* data = head.constData();
    if (size < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        layout.error = QStringLiteral("not a WAVE file");
        return layout;
    }
    bool formatSeen = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        const QByteArray id = head.mid(at, 4);
        const quint32 length = u32(data + at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (length < 16 || body + 16 > size) {
                layout.error = QStringLiteral("format chunk cut short");
                return layout;
            }
            const quint16 format = u16(data + body);
            const quint16 channels = u16(data + body + 2);
            layout.rate = static_cast<int>(u32(data + body + 4));
            const quint16 bits = u16(data + body + 14);
            if (format != 1 || channels != 1 || bits != 16) {
                layout.error = QStringLiteral("not 16-bit PCM mono (format %1, %2 channels, %3 bits)")
                                   .arg(format)
                                   .arg(channels)
                                   .arg(bits);
                return layout;
            }
            if (layout.rate < 8000 || layout.rate > 192000) {
                layout.error = QStringLiteral("sample rate %1 Hz").arg(layout.rate);
                return layout;
            }
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen)
                layout.error = QStringLiteral("sound data before its format");
            else if (length > static_cast<quint64>(layout.rate) * maxSeconds * 2)
                layout.error = QStringLiteral("longer than %1 seconds").arg(maxSeconds);
            else if (body + length > fileSize)
                layout.error = QStringLiteral("sound data cut short");
            layout.dataAt = body;
            layout.dataLength = length;
            layout.dataFound = true;
            return layout;
        }
        // Chunks are padded to an even length.
        at = body + length + (length & 1);
    }
    if (at + 8 > fileSize || size == fileSize)
        layout.error = formatSeen ? QStringLiteral("no sound data") : QStringLiteral("no format chunk");
    return layout;
}

void toHost(QList<qint16>& samples)
{
    if constexpr (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        for (qint16& sample : samples)
            sample = qFromLittleEndian(sample);
    }
}

} // namespace

Samples parse(const QByteArray& bytes)
{
    const Layout layout = layoutOf(bytes, bytes.size());
    if (!layout.error.isEmpty())
        return refused(layout.error);
    if (!layout.dataFound)
        return refused(QStringLiteral("no sound data"));
    Samples result;
    result.sampleRate = layout.rate;
    result.samples.resize(layout.dataLength / 2);
    std::memcpy(result.samples.data(), bytes.constData() + layout.dataAt,
                static_cast<std::size_t>(result.samples.size()) * 2);
    toHost(result.samples);
    return result;
}

Samples read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    // The samples go straight from the file into their place: no second copy
    // of a sound held for a moment, which would count in the game's peak memory.
    const QByteArray head = file.read(4096);
    const Layout layout = layoutOf(head, file.size());
    if (!layout.error.isEmpty())
        return refused(layout.error);
    if (!layout.dataFound) {
        // Long chunks before the data, as some editors write: read it all.
        if (file.size() > static_cast<qint64>(192000) * maxSeconds * 2 + (1 << 20))
            return refused(QStringLiteral("longer than %1 seconds").arg(maxSeconds));
        return parse(head + file.readAll());
    }
    Samples result;
    result.sampleRate = layout.rate;
    result.samples.resize(layout.dataLength / 2);
    const qint64 bytes = result.samples.size() * 2;
    if (!file.seek(layout.dataAt)
        || file.read(reinterpret_cast<char*>(result.samples.data()), bytes) != bytes)
        return refused(QStringLiteral("sound data cut short"));
    toHost(result.samples);
    return result;
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
    append16(out, 1); // PCM
    append16(out, 1); // mono
    append32(out, static_cast<quint32>(sampleRate));
    append32(out, static_cast<quint32>(sampleRate) * 2);
    append16(out, 2); // bytes per frame
    append16(out, 16);
    out.append("data");
    append32(out, dataBytes);
    for (const qint16 sample : samples)
        append16(out, static_cast<quint16>(sample));
    return out;
}

} // namespace wavefile
