#pragma once

#include <QString>

// A path as the program tells files apart: absolute, with symbolic links and
// "." and ".." resolved while the file exists, letter case counting.
QString AfxCanonicalPath(const QString &path);
