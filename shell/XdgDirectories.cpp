#include "XdgDirectories.h"

#include <QDir>

namespace {

QString HomeFolder(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? value : QDir::homePath() + '/' + fallback;
}

QStringList FolderList(const char *variable, const QStringList &fallback)
{
    QStringList folders;
    for (const QString &folder : qEnvironmentVariable(variable).split(':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    }
    return folders.isEmpty() ? fallback : folders;
}

} // namespace

XdgDirectories XdgDirectories::FromEnvironment()
{
    XdgDirectories dirs;
    dirs.dataHome = HomeFolder("XDG_DATA_HOME", ".local/share");
    dirs.configHome = HomeFolder("XDG_CONFIG_HOME", ".config");
    dirs.dataDirs = FolderList("XDG_DATA_DIRS", {"/usr/local/share", "/usr/share"});
    dirs.configDirs = FolderList("XDG_CONFIG_DIRS", {"/etc/xdg"});
    for (const QString &desktop : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts))
        dirs.desktops.append(desktop.toLower());
    return dirs;
}

QStringList XdgDirectories::MimeAppsLists() const
{
    QStringList lists;
    const auto addFolder = [&](const QString &folder) {
        for (const QString &desktop : desktops)
            lists.append(QString("%1/%2-mimeapps.list").arg(folder, desktop));
        lists.append(folder + "/mimeapps.list");
    };
    addFolder(configHome);
    for (const QString &folder : configDirs)
        addFolder(folder);
    addFolder(dataHome + "/applications");
    for (const QString &folder : dataDirs)
        addFolder(folder + "/applications");
    return lists;
}
