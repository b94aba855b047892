#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CCmdUI;
class QAction;
class QSettings;

// The most recently used files, most recent first, as the File menu shows
// them and the settings store keeps them. Entries are canonical full paths
// (see CanonicalPath), so one file never appears twice.
class CRecentFileList {
public:
    static constexpr int kDefaultSize = 5;
    static constexpr int kMaxDisplayLength = 30;
    static constexpr char kSection[] = "Recent File List";

    explicit CRecentFileList(int size = kDefaultSize);

    int GetSize() const { return m_nSize; }
    int GetCount() const { return static_cast<int>(m_arrNames.size()); }
    bool IsEmpty() const { return m_arrNames.isEmpty(); }
    const QString &operator[](int index) const { return m_arrNames.at(index); }
    const QStringList &Entries() const { return m_arrNames; }

    // Puts the file at the top; a file already listed moves up from its
    // place, otherwise the last entry falls out when the list is full.
    void Add(const QString &path);
    // Removes one entry; those after it move up. Out of range does nothing.
    void Remove(int index);

    // A file in currentDir by its name alone, any other by its full path
    // shortened to kMaxDisplayLength characters (AbbreviatePath).
    QString GetDisplayName(int index, const QString &currentDir) const;
    // The menu item's text: "&1 name" for the first entry, with every "&"
    // of the name doubled so that it shows as itself.
    QString GetMenuText(int index, const QString &currentDir) const;

    // Shortens a full path to at most maxLength characters by putting
    // "..." in place of its leading folders: "/.../maps/desert.rms". The
    // root and the file name always stay; when even "/.../name" is too long
    // the name alone is shown, whole.
    static QString AbbreviatePath(const QString &path, int maxLength);

    // The update of one recent-file command (ID_FILE_MRU_FILE1 onwards).
    // When the File menu opens, the placeholder item of the first command
    // is followed by one item per further entry (actionFor gives a
    // command's action); each shows GetMenuText and is enabled. While the
    // list is empty the placeholder keeps its own text, grayed.
    void UpdateMenu(CCmdUI &cmdUI, const QString &currentDir, const std::function<QAction *(int id)> &actionFor);

    // Reads File1..FileN of the section; a missing, empty, non-text or
    // relative value counts as no entry, and a repeated file is kept once.
    void ReadList(QSettings &settings);
    // Replaces the section with one value per entry, File1 first. An empty
    // list leaves no section at all.
    void WriteList(QSettings &settings) const;

private:
    static QString EntryKey(int index);

    int m_nSize;
    QStringList m_arrNames;
    QString m_strOriginal;  // the placeholder's text, as the menu first had it
};
