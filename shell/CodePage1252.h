#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one 8-bit code page in which script bytes are shown and exchanged with
// the clipboard: Windows-1252. The five bytes it leaves undefined map to the
// control characters of the same number, so every byte survives a trip to
// text and back.
class CodePage1252 {
public:
    static QString ToUnicode(QByteArrayView bytes);
    // Characters the code page does not hold become '?'.
    static QByteArray FromUnicode(QStringView text);
};
