#include "MimeAppsList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

bool IsGroupHeader(const QByteArray &trimmed)
{
    return trimmed.startsWith('[') && trimmed.endsWith(']');
}

QByteArray EntryLine(const QByteArray &mimeType, const QList<QByteArray> &ids)
{
    QByteArray line = mimeType + '=';
    for (const QByteArray &id : ids)
        line += id + ';';
    return line;
}

} // namespace

MimeAppsList::MimeAppsList(QString filePath)
    : m_strFilePath(std::move(filePath))
{
}

QList<QByteArray> MimeAppsList::ReadLines() const
{
    QFile file(m_strFilePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    return content.isEmpty() ? QList<QByteArray>{} : content.split('\n');
}

MimeAppsList::Entry MimeAppsList::Find(const QList<QByteArray> &lines, const QByteArray &mimeType)
{
    Entry entry;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray trimmed = lines.at(i).trimmed();
        if (IsGroupHeader(trimmed)) {
            inGroup = trimmed == QByteArray("[") + kDefaultsGroup + ']';
            if (inGroup && entry.groupLine < 0)
                entry.groupLine = i;
            continue;
        }
        const qsizetype equals = trimmed.indexOf('=');
        if (!inGroup || equals < 0 || trimmed.left(equals).trimmed() != mimeType)
            continue;
        // A later line for the same key wins, as in any key file.
        entry.line = i;
        entry.ids.clear();
        for (const QByteArray &id : trimmed.mid(equals + 1).split(';')) {
            if (!id.trimmed().isEmpty())
                entry.ids.append(id.trimmed());
        }
    }
    return entry;
}

bool MimeAppsList::WriteLines(const QList<QByteArray> &lines) const
{
    // Write through a symbolic link to its target, so a linked dotfile stays linked.
    const QFileInfo info(m_strFilePath);
    const QString target = info.isSymLink() ? info.symLinkTarget() : m_strFilePath;
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray content;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            content += '\n';
        content += lines.at(i);
    }
    file.write(content);
    return file.commit();
}

QStringList MimeAppsList::Defaults(const QString &mimeType) const
{
    QStringList ids;
    for (const QByteArray &id : Find(ReadLines(), mimeType.toUtf8()).ids)
        ids.append(QString::fromUtf8(id));
    return ids;
}

bool MimeAppsList::AddDefault(const QString &mimeType, const QString &desktopId)
{
    QList<QByteArray> lines = ReadLines();
    const QByteArray type = mimeType.toUtf8();
    const Entry entry = Find(lines, type);
    if (!entry.ids.isEmpty())
        return false;
    const QByteArray line = EntryLine(type, {desktopId.toUtf8()});
    if (entry.line >= 0) {
        lines[entry.line] = line;
    } else if (entry.groupLine >= 0) {
        lines.insert(entry.groupLine + 1, line);
    } else {
        // A new group at the end, set off from any text before it by a blank line.
        const QByteArray header = QByteArray("[") + kDefaultsGroup + ']';
        if (!lines.isEmpty() && !lines.last().isEmpty())
            lines.append(QByteArray());
        lines << header << line << QByteArray();
    }
    return WriteLines(lines);
}

bool MimeAppsList::RemoveDefault(const QString &mimeType, const QString &desktopId)
{
    QList<QByteArray> lines = ReadLines();
    const QByteArray type = mimeType.toUtf8();
    Entry entry = Find(lines, type);
    if (entry.line < 0 || entry.ids.removeAll(desktopId.toUtf8()) == 0)
        return false;
    if (entry.ids.isEmpty())
        lines.removeAt(entry.line);
    else
        lines[entry.line] = EntryLine(type, entry.ids);
    return WriteLines(lines);
}
