#include "DesktopIntegration.h"

#include "DesktopEntry.h"
#include "MimeAppsList.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace {

// The icon theme's fixed sizes that a small program's icons come in.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr char kAppsContext[] = "apps";
constexpr char kMimeTypesContext[] = "mimetypes";
constexpr int kToolTimeoutMs = 10000;

// The type's glob outweighs the default 50 of the system's database, which
// may already give "*.rms" to an unrelated media type.
constexpr char kMimePackage[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="%1">
    <comment>RMS Document</comment>
    <sub-class-of type="text/plain"/>
    <icon name="%2"/>
    <glob pattern="*.rms" weight="60"/>
  </mime-type>
</mime-info>
)";

// Runs a desktop cache tool when it is installed; its absence or failure
// changes nothing for the program.
void RunTool(const QString &program, const QString &folder)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFileInfo(folder).isDir())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, {folder});
    if (!process.waitForFinished(kToolTimeoutMs))
        process.kill();
    process.waitForFinished();
}

} // namespace

DesktopIntegration::DesktopIntegration(XdgDirectories dirs)
    : m_dirs(std::move(dirs))
{
}

QString DesktopIntegration::DesktopFilePath() const
{
    return QString("%1/applications/%2").arg(m_dirs.dataHome, kDesktopFileId);
}

QString DesktopIntegration::MimePackagePath() const
{
    return QString("%1/mime/packages/%2").arg(m_dirs.dataHome, kMimePackageFile);
}

QString DesktopIntegration::UserMimeAppsListPath() const
{
    return m_dirs.configHome + "/mimeapps.list";
}

QString DesktopIntegration::IconPath(const QString &context, int size, const QString &name) const
{
    return QString("%1/icons/hicolor/%2x%2/%3/%4.png").arg(m_dirs.dataHome).arg(size).arg(context, name);
}

void DesktopIntegration::Install(const QString &executablePath, const DesktopIcons &icons)
{
    const QByteArray entry = DesktopEntry::Text(executablePath, kMimeType, kApplicationIconName).toUtf8();
    const Change entryChange = WriteIfChanged(DesktopFilePath(), entry);
    if (entryChange == Change::Failed)
        return;

    const QByteArray package = QString(kMimePackage).arg(kMimeType, kDocumentIconName).toUtf8();
    const Change packageChange = WriteIfChanged(MimePackagePath(), package);
    if (packageChange == Change::Failed)
        return;

    if (!InstallIcon(icons.application, kAppsContext, kApplicationIconName)
        || !InstallIcon(icons.document, kMimeTypesContext, kDocumentIconName))
        return;

    if (packageChange == Change::Written)
        RefreshMimeDatabase();
    if (entryChange == Change::Written)
        RefreshDesktopDatabase();

    if (!AnyDefaultForType())
        MimeAppsList(UserMimeAppsListPath()).AddDefault(kMimeType, kDesktopFileId);
}

void DesktopIntegration::Uninstall()
{
    const bool entryRemoved = QFile::remove(DesktopFilePath());
    const bool packageRemoved = QFile::remove(MimePackagePath());
    for (const int size : kIconSizes) {
        QFile::remove(IconPath(kAppsContext, size, kApplicationIconName));
        QFile::remove(IconPath(kMimeTypesContext, size, kDocumentIconName));
    }
    MimeAppsList(UserMimeAppsListPath()).RemoveDefault(kMimeType, kDesktopFileId);
    if (packageRemoved)
        RefreshMimeDatabase();
    if (entryRemoved)
        RefreshDesktopDatabase();
}

DesktopIntegration::Change DesktopIntegration::WriteIfChanged(const QString &path, const QByteArray &content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return Change::Unchanged;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Change::Failed;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return Change::Failed;
    return Change::Written;
}

bool DesktopIntegration::InstallIcon(const QIcon &icon, const QString &context, const QString &name) const
{
    const QList<QSize> available = icon.availableSizes();
    for (const int size : kIconSizes) {
        if (!available.contains(QSize(size, size)))
            continue;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!icon.pixmap(size, size).toImage().save(&buffer, "PNG")
            || WriteIfChanged(IconPath(context, size, name), png) == Change::Failed)
            return false;
    }
    return true;
}

bool DesktopIntegration::AnyDefaultForType() const
{
    for (const QString &list : m_dirs.MimeAppsLists()) {
        if (!MimeAppsList(list).Defaults(kMimeType).isEmpty())
            return true;
    }
    return false;
}

void DesktopIntegration::RefreshMimeDatabase() const
{
    RunTool("update-mime-database", m_dirs.dataHome + "/mime");
}

void DesktopIntegration::RefreshDesktopDatabase() const
{
    RunTool("update-desktop-database", m_dirs.dataHome + "/applications");
}
