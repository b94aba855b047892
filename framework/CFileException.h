#pragma once

#include "ModalHost.h"

#include <QString>

#include <exception>

// A failed file operation: what went wrong (the cause), on which file (its
// full path) and the operating system's error code behind it. Thrown by file
// code that cannot report a result, or carried inside one.
class CFileException : public std::exception {
public:
    enum class Cause {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(Cause cause, QString fileName, int osError = 0);

    // The cause for an errno value; values the table does not know are generic.
    static Cause OsErrorToCause(int osError);
    static CFileException FromOsError(int osError, QString fileName);

    // The message for the cause with the file's full path in it.
    QString GetErrorMessage() const;
    // Shows the message in a message box; returns the button pressed.
    int ReportError(MessageIcon icon = MessageIcon::Exclamation) const;

    const char *what() const noexcept override;

    Cause m_cause;
    QString m_strFileName;
    int m_lOsError;

private:
    QByteArray m_what;
};
