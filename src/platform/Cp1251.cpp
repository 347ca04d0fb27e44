// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Cp1251.h"

#include <iconv.h>

#include <array>
#include <vector>

namespace {

// Converts between UTF-8 and Windows-1251 with glibc's iconv; empty on any
// character that the target cannot hold or any byte the source does not define.
std::optional<QByteArray> convert(const char* to, const char* from, const QByteArray& input)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    std::vector<char> output(static_cast<size_t>(input.size()) * 4 + 4);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1))
        return std::nullopt;
    return QByteArray(output.data(), static_cast<qsizetype>(output.size() - outLeft));
}

// The code page both ways, asked of iconv once per process: iconv stays the
// authority on what each byte means, but a name or a topic file costs a table
// look-up per character instead of a converter per character.
struct CodePage {
    std::array<QChar, 256> decoded{};
    // Byte of each UTF-16 unit the code page holds; -1 where it holds none.
    std::vector<qint16> encoded = std::vector<qint16>(0x10000, -1);

    CodePage()
    {
        for (int code = 0; code < 256; ++code) {
            const auto utf8 = convert("UTF-8", "WINDOWS-1251", QByteArray(1, static_cast<char>(code)));
            const QString character = utf8 ? QString::fromUtf8(*utf8) : QString();
            if (character.size() == 1) {
                decoded.at(code) = character.at(0);
                encoded.at(character.at(0).unicode()) = static_cast<qint16>(code);
            } else {
                decoded.at(code) = QChar(QChar::ReplacementCharacter);
            }
        }
    }
};

const CodePage& codePage()
{
    static const CodePage table;
    return table;
}

} // namespace

namespace cp1251 {

QString decode(const QByteArray& bytes)
{
    const CodePage& table = codePage();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = table.decoded.at(static_cast<unsigned char>(byte));
    return text;
}

std::optional<QByteArray> encode(const QString& text)
{
    const CodePage& table = codePage();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar character : text) {
        const qint16 code = table.encoded.at(character.unicode());
        if (code < 0)
            return std::nullopt;
        *out++ = static_cast<char>(code);
    }
    return bytes;
}

bool canHold(QChar character)
{
    return codePage().encoded.at(character.unicode()) >= 0;
}

} // namespace cp1251
