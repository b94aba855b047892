#include "AfxPath.h"

#include <QDir>
#include <QFileInfo>

QString AfxCanonicalPath(const QString &path)
{
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}
