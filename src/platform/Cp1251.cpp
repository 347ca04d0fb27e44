#include "platform/Cp1251.h"

#include <iconv.h>

#include <cerrno>
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

} // namespace

namespace cp1251 {

QString decode(const QByteArray& bytes)
{
    // The 256 characters of the code page, asked of iconv once.
    static const QString table = [] {
        QString characters;
        for (int code = 0; code < 256; ++code) {
            const auto decoded = convert("UTF-8", "WINDOWS-1251", QByteArray(1, static_cast<char>(code)));
            const QString character = decoded ? QString::fromUtf8(*decoded) : QString();
            characters += character.size() == 1 ? character.at(0) : QChar(QChar::ReplacementCharacter);
        }
        return characters;
    }();

    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += table.at(static_cast<unsigned char>(byte));
    return text;
}

std::optional<QByteArray> encode(const QString& text)
{
    for (const QChar character : text) {
        if (!canHold(character))
            return std::nullopt;
    }
    return convert("WINDOWS-1251", "UTF-8", text.toUtf8());
}

bool canHold(QChar character)
{
    if (character.isSurrogate())
        return false;
    const auto encoded = convert("WINDOWS-1251", "UTF-8", QString(character).toUtf8());
    return encoded && encoded->size() == 1;
}

} // namespace cp1251
