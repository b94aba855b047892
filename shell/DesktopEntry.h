#pragma once

#include <QString>

// The text of the program's desktop entry (.desktop file) and the quoting
// its Exec line needs.
class DesktopEntry {
public:
    // The whole entry for the program at executablePath, handling files of
    // mimeType, shown with the theme icon iconName.
    static QString Text(const QString &executablePath, const QString &mimeType, const QString &iconName);

    // One argument of an Exec line: always in double quotes, with '"', '`',
    // '$' and '\' escaped by a backslash inside them, and '%' written as
    // "%%" so it is never read as a field code.
    static QString QuoteExecArgument(const QString &argument);
    // A value as a key file stores it: '\' as "\\", line feed, tab and
    // carriage return as "\n", "\t", "\r", and a leading blank as "\s".
    static QString EscapeValue(const QString &value);
};
