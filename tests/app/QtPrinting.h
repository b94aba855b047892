#pragma once

#include "ShellRequest.h"

#include <QString>

#include <ostream>

// Readable failure messages for the Qt and request values the tests compare.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const ShellRequest &request, std::ostream *out)
{
    *out << request.ToText().toStdString();
}
