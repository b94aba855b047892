#include "AnsiCodePage.h"

#include <QList>

#include <array>

namespace {

// Characters of bytes 0x80 to 0x9F; the unassigned ones keep their own number.
constexpr std::array<char16_t, 32> kHighControlRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

constexpr unsigned char kFirstHigh = 0x80;
constexpr unsigned char kLastHigh = 0x9F;

char16_t CharacterOf(unsigned char byte)
{
    if (byte >= kFirstHigh && byte <= kLastHigh)
        return kHighControlRange[byte - kFirstHigh];
    return byte;
}

char ByteOf(char32_t character)
{
    const bool latin1 = character < kFirstHigh || (character > kLastHigh && character <= 0xFF);
    if (latin1)
        return static_cast<char>(character);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == character)
            return static_cast<char>(kFirstHigh + i);
    }
    return '?';
}

} // namespace

QString AnsiToUnicode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(QChar(CharacterOf(static_cast<unsigned char>(byte))));
    return text;
}

QByteArray UnicodeToAnsi(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t character : text.toUcs4())
        bytes.append(ByteOf(character));
    return bytes;
}
