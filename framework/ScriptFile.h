#pragma once

#include "CFileException.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

enum class ScriptFileOperation { Load, Save };
enum class ScriptFileStatus { Ok, TooLarge, UnexpectedFormat, FileError, Failed };

// How a load or save ended, and the message to show when it failed.
struct ScriptFileOutcome {
    ScriptFileOperation operation = ScriptFileOperation::Load;
    ScriptFileStatus status = ScriptFileStatus::Ok;
    std::optional<CFileException> error;  // set when status is FileError

    bool Succeeded() const { return status == ScriptFileStatus::Ok; }
    // Empty when it succeeded.
    QString Message() const;
};

struct ScriptLoadResult {
    ScriptFileOutcome outcome;
    QByteArray bytes;
};

// A script file on disk, read and written as raw bytes: nothing is decoded,
// converted, added or cut (NUL bytes included).
//
// Sharing uses advisory locks, both kinds Linux offers, so that programs using
// either are seen: a BSD lock (flock) and an open-file-description record lock
// (which also conflicts with classic fcntl/lockf record locks). Loading takes
// them shared, so other readers may go on but a program holding them for
// writing is a sharing violation; saving takes them exclusively. A file
// system that cannot lock does not stop a load or save. What locks cannot
// tell: a program that writes without locking, or that opens the file for
// writing and only locks later; anything done to the file before or after our
// short hold (we release the file once read or written); and locks on network
// file systems that do not pass them on.
class ScriptFile {
public:
    // The largest script: what one edit window holds.
    static constexpr qsizetype kMaxBytes = 1048575;

    // Reads the whole file in one read of its length.
    static ScriptLoadResult Load(const QString &path);

    // Writes bytes to path and syncs them to disk. An existing file is
    // replaced only once a temporary file in its folder holds the complete
    // new content (the existing file's owner and permissions are carried
    // over); a failed save leaves the file as it was and deletes whatever the
    // attempt created. A symbolic link is followed: its target is replaced.
    static ScriptFileOutcome Save(const QString &path, QByteArrayView bytes);
};
