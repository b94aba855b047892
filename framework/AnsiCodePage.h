#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The program keeps text as 8-bit bytes and shows them through one fixed
// code page in the Windows-1252 style: bytes 0x00-0x7F and 0xA0-0xFF are the
// Latin-1 characters, 0x80-0x9F the typographic characters of that page (the
// euro sign, curly quotes, dashes, ...), and the five bytes that page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) the control characters of the same
// number. Every byte thus has a character and comes back unchanged.
QString AnsiToUnicode(QByteArrayView bytes);

// The reverse: a character outside the page becomes '?', one for each
// character, as the page has no byte for it.
QByteArray UnicodeToAnsi(QStringView text);
