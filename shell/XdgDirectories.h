#pragma once

#include <QString>
#include <QStringList>

// The user's XDG base folders, as the desktop finds them. Tests build one
// over temporary folders instead of reading the environment.
struct XdgDirectories {
    QString dataHome;        // $XDG_DATA_HOME, default ~/.local/share
    QString configHome;      // $XDG_CONFIG_HOME, default ~/.config
    QStringList dataDirs;    // $XDG_DATA_DIRS, default /usr/local/share:/usr/share
    QStringList configDirs;  // $XDG_CONFIG_DIRS, default /etc/xdg
    QStringList desktops;    // $XDG_CURRENT_DESKTOP, lower-cased

    // Relative paths in the variables are ignored, as the base directory
    // rules ask.
    static XdgDirectories FromEnvironment();

    // The mimeapps.list files in the order the desktop consults them.
    QStringList MimeAppsLists() const;
};
