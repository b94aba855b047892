#include "CodePage1252.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; the rest of the upper half is the same as Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t ByteToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte);
}

char UnicodeToByte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), code);
    return found == kHighControls.end() ? '?' : static_cast<char>(0x80 + (found - kHighControls.begin()));
}

} // namespace

QString CodePage1252::ToUnicode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(ByteToUnicode(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray CodePage1252::FromUnicode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint code : text.toUcs4())
        bytes.append(UnicodeToByte(code));
    return bytes;
}
