#include "CRecentFileList.h"

#include "CCmdUI.h"
#include "CanonicalPath.h"
#include "CommandActions.h"
#include "ResourceIds.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

constexpr char kEllipsis[] = "...";

} // namespace

CRecentFileList::CRecentFileList(int size)
    : m_nSize(size)
{
}

void CRecentFileList::Add(const QString &path)
{
    const QString canonical = CanonicalPath(path);
    if (canonical.isEmpty() || m_nSize <= 0)
        return;
    m_arrNames.removeAll(canonical);
    m_arrNames.prepend(canonical);
    while (m_arrNames.size() > m_nSize)
        m_arrNames.removeLast();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < m_arrNames.size())
        m_arrNames.removeAt(index);
}

QString CRecentFileList::GetDisplayName(int index, const QString &currentDir) const
{
    const QString &path = m_arrNames.at(index);
    const QFileInfo info(path);
    if (!currentDir.isEmpty() && info.absolutePath() == CanonicalPath(currentDir))
        return info.fileName();
    return AbbreviatePath(path, kMaxDisplayLength);
}

QString CRecentFileList::GetMenuText(int index, const QString &currentDir) const
{
    QString name = GetDisplayName(index, currentDir);
    name.replace('&', "&&");
    return QString("&%1 %2").arg(index + 1).arg(name);
}

QString CRecentFileList::AbbreviatePath(const QString &path, int maxLength)
{
    if (path.size() <= maxLength)
        return path;
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return path;
    // Keep as many trailing components as fit, at least one folder dropped.
    for (qsizetype first = 1; first < parts.size(); ++first) {
        const QString candidate = QString("/%1/%2").arg(kEllipsis, parts.mid(first).join('/'));
        if (candidate.size() <= maxLength)
            return candidate;
    }
    return parts.last();
}

void CRecentFileList::UpdateMenu(CCmdUI &cmdUI, const QString &currentDir,
                                 const std::function<QAction *(int id)> &actionFor)
{
    const int index = cmdUI.m_nID - ID_FILE_MRU_FILE1;
    QAction *action = cmdUI.Action();
    if (index == 0 && action && m_strOriginal.isEmpty())
        m_strOriginal = action->text();

    if (QMenu *menu = cmdUI.Menu(); menu && index == 0 && action) {
        // The entries' items stand right after the placeholder, in order.
        for (QAction *item : menu->actions()) {
            const std::optional<int> id = CommandActions::CommandId(item);
            if (id && *id > ID_FILE_MRU_FILE1 && *id <= ID_FILE_MRU_FILE16)
                menu->removeAction(item);
        }
        const QList<QAction *> items = menu->actions();
        const qsizetype next = items.indexOf(action) + 1;
        QAction *before = next < items.size() ? items.at(next) : nullptr;
        for (int i = 1; i < GetCount(); ++i) {
            QAction *entry = actionFor(ID_FILE_MRU_FILE1 + i);
            entry->setText(GetMenuText(i, currentDir));
            entry->setEnabled(true);
            menu->insertAction(before, entry);
        }
    }

    if (index < GetCount()) {
        cmdUI.SetText(GetMenuText(index, currentDir));
        cmdUI.Enable(true);
        return;
    }
    if (index == 0 && !m_strOriginal.isEmpty())
        cmdUI.SetText(m_strOriginal);
    cmdUI.Enable(false);
}

void CRecentFileList::ReadList(QSettings &settings)
{
    m_arrNames.clear();
    settings.beginGroup(kSection);
    for (int i = 0; i < m_nSize; ++i) {
        const QVariant value = settings.value(EntryKey(i));
        if (value.typeId() != QMetaType::QString)
            continue;
        const QString path = value.toString();
        if (path.isEmpty() || QDir::isRelativePath(path))
            continue;
        const QString canonical = CanonicalPath(path);
        if (!m_arrNames.contains(canonical))
            m_arrNames.append(canonical);
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings &settings) const
{
    settings.remove(kSection);
    settings.beginGroup(kSection);
    for (int i = 0; i < m_arrNames.size(); ++i)
        settings.setValue(EntryKey(i), m_arrNames.at(i));
    settings.endGroup();
}

QString CRecentFileList::EntryKey(int index)
{
    return QString("File%1").arg(index + 1);
}
