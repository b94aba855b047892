#pragma once

#include <QString>

#include <ostream>

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
