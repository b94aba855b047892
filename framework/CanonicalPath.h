#pragma once

#include <QString>

// The one form in which the program compares file paths: absolute, with "."
// and ".." resolved and symbolic links followed. Linux file names are
// case-sensitive, so the comparison is exact. A file that does not exist
// (yet) keeps its name under its folder's canonical path, or failing that
// its cleaned absolute path, so a deleted file still compares equal to the
// path under which it was opened.
QString CanonicalPath(const QString &path);
bool IsSamePath(const QString &first, const QString &second);
