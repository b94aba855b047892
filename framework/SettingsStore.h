#pragma once

#include <QString>

#include <memory>

class CRecentFileList;
class QSettings;

// The per-user settings store: an INI file under the user's config folder
// ($XDG_CONFIG_HOME/<organization>/<application>.conf). It holds the
// recent-file list and the print preview page count. Failures to read or
// write are ignored without a message; a store that cannot be read or
// parsed counts as empty, and one that did not parse at start-up is
// rewritten whole at exit: keep one object from start-up to exit.
class SettingsStore {
public:
    static constexpr char kSettingsSection[] = "Settings";
    static constexpr char kPreviewPagesKey[] = "PreviewPages";

    // The program's own store: organisation kSettingsOrganization,
    // application kAppTitle.
    SettingsStore();
    SettingsStore(const QString &organization, const QString &application);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Start-up: makes sure the store exists, fills the list and returns
    // PreviewPages (0 when missing or not a number).
    int LoadStdProfileSettings(CRecentFileList &recentFiles);
    // Exit: rewrites the list's group; PreviewPages only when not 0.
    void SaveStdProfileSettings(const CRecentFileList &recentFiles, int previewPages);
    // Unregistration: deletes the store file, and its organisation folder
    // when nothing else is left in it.
    void Remove();

    QString FileName() const;

private:
    std::unique_ptr<QSettings> Open() const;

    QString m_strOrganization;
    QString m_strApplication;
    bool m_bFoundCorrupt = false;
};
