#include "CFileException.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

namespace {

using Cause = CFileException::Cause;

struct CauseMessage {
    Cause cause;
    const char *text;  // %1 is the file's full path
};

constexpr std::array kMessages{
    CauseMessage{Cause::none, "No error occurred."},
    CauseMessage{Cause::generic, "An unknown error occurred while accessing %1."},
    CauseMessage{Cause::fileNotFound, "%1 was not found."},
    CauseMessage{Cause::badPath, "%1 contains an invalid path."},
    CauseMessage{Cause::tooManyOpenFiles, "%1 could not be opened because there are too many open files."},
    CauseMessage{Cause::accessDenied, "Access to %1 was denied."},
    CauseMessage{Cause::invalidFile, "An invalid file handle was associated with %1."},
    CauseMessage{Cause::removeCurrentDir, "%1 could not be removed because it is the current directory."},
    CauseMessage{Cause::directoryFull, "%1 could not be created because the directory is full."},
    CauseMessage{Cause::badSeek, "Seek failed on %1"},
    CauseMessage{Cause::hardIO, "A hardware I/O error was reported while accessing %1."},
    CauseMessage{Cause::sharingViolation, "A sharing violation occurred while accessing %1."},
    CauseMessage{Cause::lockViolation, "A locking violation occurred while accessing %1."},
    CauseMessage{Cause::diskFull, "Disk full while accessing %1."},
    CauseMessage{Cause::endOfFile, "An attempt was made to access %1 past its end."},
};

struct OsErrorCause {
    int osError;
    Cause cause;
};

// The one place where Linux error codes become causes. Codes not listed are
// generic. No errno means "the current directory cannot be removed" on Linux
// and none means "past the end", so removeCurrentDir and endOfFile never come
// from here.
constexpr std::array kOsErrors{
    OsErrorCause{0, Cause::none},
    // The file or a folder on the way to it does not exist.
    OsErrorCause{ENOENT, Cause::fileNotFound},
    // The name cannot be a path here: a file used as a folder, a name or path
    // too long, a loop of symbolic links, a name the file system refuses.
    OsErrorCause{ENOTDIR, Cause::badPath},
    OsErrorCause{ENAMETOOLONG, Cause::badPath},
    OsErrorCause{ELOOP, Cause::badPath},
    OsErrorCause{EINVAL, Cause::badPath},
    OsErrorCause{EMFILE, Cause::tooManyOpenFiles},
    OsErrorCause{ENFILE, Cause::tooManyOpenFiles},
    // Permissions, read-only file systems, and a folder where a file is
    // expected (opening a folder for writing).
    OsErrorCause{EACCES, Cause::accessDenied},
    OsErrorCause{EPERM, Cause::accessDenied},
    OsErrorCause{EROFS, Cause::accessDenied},
    OsErrorCause{EISDIR, Cause::accessDenied},
    OsErrorCause{EBADF, Cause::invalidFile},
    OsErrorCause{ESTALE, Cause::invalidFile},
    // Too many entries (links) in the folder.
    OsErrorCause{EMLINK, Cause::directoryFull},
    OsErrorCause{ESPIPE, Cause::badSeek},
    OsErrorCause{EIO, Cause::hardIO},
    OsErrorCause{ENXIO, Cause::hardIO},
    OsErrorCause{ENODEV, Cause::hardIO},
    // The file is in use in a way that excludes us: a running program's
    // image, a busy device, a lock held by another program.
    OsErrorCause{ETXTBSY, Cause::sharingViolation},
    OsErrorCause{EBUSY, Cause::sharingViolation},
    OsErrorCause{EWOULDBLOCK, Cause::sharingViolation},
    OsErrorCause{EDEADLK, Cause::lockViolation},
    OsErrorCause{ENOLCK, Cause::lockViolation},
    // No space left, the user's quota used up, or the process's file-size
    // limit reached.
    OsErrorCause{ENOSPC, Cause::diskFull},
    OsErrorCause{EDQUOT, Cause::diskFull},
    OsErrorCause{EFBIG, Cause::diskFull},
};

} // namespace

CFileException::CFileException(Cause cause, QString fileName, int osError)
    : m_cause(cause)
    , m_strFileName(std::move(fileName))
    , m_lOsError(osError)
    , m_what(GetErrorMessage().toUtf8())
{
}

CFileException::Cause CFileException::OsErrorToCause(int osError)
{
    const auto found = std::find_if(kOsErrors.begin(), kOsErrors.end(),
                                    [osError](const OsErrorCause &entry) { return entry.osError == osError; });
    return found == kOsErrors.end() ? Cause::generic : found->cause;
}

CFileException CFileException::FromOsError(int osError, QString fileName)
{
    return CFileException(OsErrorToCause(osError), std::move(fileName), osError);
}

QString CFileException::GetErrorMessage() const
{
    const auto found = std::find_if(kMessages.begin(), kMessages.end(),
                                    [this](const CauseMessage &entry) { return entry.cause == m_cause; });
    const QString text = QString::fromLatin1(found == kMessages.end() ? kMessages[1].text : found->text);
    return text.contains(QLatin1String("%1")) ? text.arg(m_strFileName) : text;
}

int CFileException::ReportError(MessageIcon icon) const
{
    return AfxMessageBox(GetErrorMessage(), MessageButtons::Ok, icon);
}

const char *CFileException::what() const noexcept
{
    return m_what.constData();
}
