#pragma once

#include "XdgDirectories.h"

#include <QIcon>
#include <QString>

// The program's icons as the desktop shows them: the application's for its
// launcher entry, the document's for ".rms" files. Until they are given, the
// entries name the icons and the desktop shows its generic ones.
struct DesktopIcons {
    QIcon application;
    QIcon document;
};

// Announces the program and its ".rms" files to the desktop, in the user's
// own XDG folders:
//   <data home>/applications/mapsmith.desktop        launcher entry, Exec "<program>" %f
//   <data home>/mime/packages/mapsmith.xml            type text/x-rms, "RMS Document", *.rms
//   <data home>/icons/hicolor/<n>x<n>/apps/mapsmith.png
//   <data home>/icons/hicolor/<n>x<n>/mimetypes/text-x-rms.png
//   <config home>/mimeapps.list                       "text/x-rms=mapsmith.desktop;", only
//                                                     when no list names a default for the type
// Failures are ignored without a message: the first failing write ends the
// installation. Files that already hold what they should are not rewritten,
// and the desktop's caches are only refreshed after a change.
class DesktopIntegration {
public:
    static constexpr char kMimeType[] = "text/x-rms";
    static constexpr char kDesktopFileId[] = "mapsmith.desktop";
    static constexpr char kMimePackageFile[] = "mapsmith.xml";
    static constexpr char kApplicationIconName[] = "mapsmith";
    static constexpr char kDocumentIconName[] = "text-x-rms";

    explicit DesktopIntegration(XdgDirectories dirs = XdgDirectories::FromEnvironment());

    // Run on every start.
    void Install(const QString &executablePath, const DesktopIcons &icons = {});
    // The switch Unregister: removes exactly what Install puts in place,
    // and the default only where it names this program.
    void Uninstall();

    QString DesktopFilePath() const;
    QString MimePackagePath() const;
    QString UserMimeAppsListPath() const;
    QString IconPath(const QString &context, int size, const QString &name) const;

private:
    enum class Change { Unchanged, Written, Failed };

    static Change WriteIfChanged(const QString &path, const QByteArray &content);
    bool InstallIcon(const QIcon &icon, const QString &context, const QString &name) const;
    bool AnyDefaultForType() const;
    void RefreshMimeDatabase() const;
    void RefreshDesktopDatabase() const;

    XdgDirectories m_dirs;
};
