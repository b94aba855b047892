#include "CanonicalPath.h"

#include <QDir>
#include <QFileInfo>

QString CanonicalPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty())
        return QDir::cleanPath(folder + '/' + info.fileName());
    return QDir::cleanPath(info.absoluteFilePath());
}

bool IsSamePath(const QString &first, const QString &second)
{
    return CanonicalPath(first) == CanonicalPath(second);
}
