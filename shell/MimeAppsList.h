#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One mimeapps.list file: the desktop's record of which application opens
// which file type by default. Only the entries asked about are touched;
// every other line, comment and group stays byte for byte.
class MimeAppsList {
public:
    static constexpr char kDefaultsGroup[] = "Default Applications";

    explicit MimeAppsList(QString filePath);

    // The desktop ids listed as defaults for mimeType, in order; empty when
    // the file, the group or the entry is missing.
    QStringList Defaults(const QString &mimeType) const;
    // Adds "mimeType=desktopId;" unless the type has a default already.
    // False when nothing was written.
    bool AddDefault(const QString &mimeType, const QString &desktopId);
    // Takes desktopId out of the type's defaults; the entry goes when no
    // other id is left. False when nothing was written.
    bool RemoveDefault(const QString &mimeType, const QString &desktopId);

private:
    struct Entry {
        qsizetype line = -1;  // index of the entry's line, -1 when missing
        qsizetype groupLine = -1;  // index of the group's header, -1 when missing
        QList<QByteArray> ids;
    };

    QList<QByteArray> ReadLines() const;
    static Entry Find(const QList<QByteArray> &lines, const QByteArray &mimeType);
    bool WriteLines(const QList<QByteArray> &lines) const;

    QString m_strFilePath;
};
