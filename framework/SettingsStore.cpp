#include "SettingsStore.h"

#include "AppIdentity.h"
#include "CRecentFileList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

SettingsStore::SettingsStore()
    : SettingsStore(kSettingsOrganization, kAppTitle)
{
}

SettingsStore::SettingsStore(const QString &organization, const QString &application)
    : m_strOrganization(organization)
    , m_strApplication(application)
{
}

SettingsStore::~SettingsStore() = default;

std::unique_ptr<QSettings> SettingsStore::Open() const
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       m_strOrganization, m_strApplication);
}

QString SettingsStore::FileName() const
{
    return Open()->fileName();
}

int SettingsStore::LoadStdProfileSettings(CRecentFileList &recentFiles)
{
    const std::unique_ptr<QSettings> settings = Open();
    m_bFoundCorrupt = settings->status() == QSettings::FormatError;
    if (settings->status() != QSettings::NoError) {
        recentFiles = CRecentFileList(recentFiles.GetSize());
        return 0;
    }

    // An INI group with no values has no form of its own, so the store's
    // existence is what start-up guarantees: the file is there afterwards.
    const QString fileName = settings->fileName();
    if (!QFileInfo::exists(fileName)) {
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        QFile file(fileName);
        file.open(QIODevice::WriteOnly);
    }

    recentFiles.ReadList(*settings);
    bool ok = false;
    const int previewPages = settings->value(QString("%1/%2").arg(kSettingsSection, kPreviewPagesKey)).toInt(&ok);
    return ok ? previewPages : 0;
}

void SettingsStore::SaveStdProfileSettings(const CRecentFileList &recentFiles, int previewPages)
{
    const std::unique_ptr<QSettings> settings = Open();
    // A store that did not parse holds nothing worth keeping. Qt reports the
    // fault only to the first reader of the file, hence the remembered flag.
    if (m_bFoundCorrupt || settings->status() == QSettings::FormatError)
        settings->clear();
    m_bFoundCorrupt = false;
    recentFiles.WriteList(*settings);
    if (previewPages != 0)
        settings->setValue(QString("%1/%2").arg(kSettingsSection, kPreviewPagesKey), previewPages);
    settings->sync();
}

void SettingsStore::Remove()
{
    const std::unique_ptr<QSettings> settings = Open();
    const QString fileName = settings->fileName();
    // Clearing first keeps Qt's cached copy of the store from writing the
    // old values back later in this run.
    settings->clear();
    settings->sync();
    QFile::remove(fileName);
    QDir().rmdir(QFileInfo(fileName).absolutePath());
}
