#pragma once

#include "QStringPrinter.h"
#include "ShellRequest.h"

#include <ostream>

// Readable failure messages for the requests the tests compare.
inline void PrintTo(const ShellRequest &request, std::ostream *out)
{
    *out << request.ToText().toStdString();
}
