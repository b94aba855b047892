#include "ScriptFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <utility>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Cause = CFileException::Cause;

// Longest part of the file's name kept in its temporary file's name, so that
// the temporary name stays within the file system's limit.
constexpr qsizetype kTempNameStemBytes = 200;

// An open file, closed on scope exit unless closed explicitly before.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Returns 0 or the errno of close.
    int Close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int OpenRetrying(const QByteArray &path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC | O_NOCTTY, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

enum class LockMode { Shared, Exclusive };
enum class LockResult { Held, Conflict };

// Takes both kinds of advisory lock on the whole file without waiting. A
// file system that does not support one of them is not a conflict.
LockResult LockWholeFile(int fd, LockMode mode)
{
    int rc;
    do {
        rc = ::flock(fd, (mode == LockMode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && errno == EWOULDBLOCK)
        return LockResult::Conflict;

    struct flock range = {};
    range.l_type = mode == LockMode::Shared ? F_RDLCK : F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = 0;
    range.l_len = 0;  // to the end, however long the file grows
    if (::fcntl(fd, F_OFD_SETLK, &range) != 0 && (errno == EAGAIN || errno == EACCES))
        return LockResult::Conflict;
    return LockResult::Held;
}

ScriptFileOutcome Success(ScriptFileOperation operation)
{
    return {operation, ScriptFileStatus::Ok, std::nullopt};
}

ScriptFileOutcome Failure(ScriptFileOperation operation, ScriptFileStatus status)
{
    return {operation, status, std::nullopt};
}

ScriptFileOutcome FileError(ScriptFileOperation operation, int osError, const QString &path)
{
    return {operation, ScriptFileStatus::FileError, CFileException::FromOsError(osError, path)};
}

ScriptFileOutcome SharingViolation(ScriptFileOperation operation, const QString &path)
{
    return {operation, ScriptFileStatus::FileError, CFileException(Cause::sharingViolation, path, EWOULDBLOCK)};
}

// Writes every byte; returns 0 or the errno that stopped it. A write that
// stores nothing of what it was given means the disk is full.
int WriteAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(std::min<qsizetype>(left, SSIZE_MAX)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

int SyncAndClose(Descriptor &file)
{
    if (::fsync(file.get()) != 0)
        return errno;
    return file.Close();
}

// Makes a rename or a new entry in the folder durable. Best effort: by now
// the file itself is complete, and nothing can be undone.
void SyncFolder(const QByteArray &filePath)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(filePath)).absolutePath());
    Descriptor dir(OpenRetrying(folder, O_RDONLY | O_DIRECTORY));
    if (dir.valid())
        ::fsync(dir.get());
}

// The file that saving to path writes: the target of a symbolic link, so that
// the link stays a link.
QByteArray SaveTarget(const QString &absolutePath)
{
    const QFileInfo info(absolutePath);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return QFile::encodeName(target);
    }
    return QFile::encodeName(absolutePath);
}

ScriptFileOutcome WriteNewFile(Descriptor &file, const QByteArray &target, QByteArrayView bytes, const QString &path)
{
    constexpr auto op = ScriptFileOperation::Save;
    int error = 0;
    if (LockWholeFile(file.get(), LockMode::Exclusive) == LockResult::Conflict)
        error = EWOULDBLOCK;
    if (error == 0)
        error = WriteAll(file.get(), bytes);
    if (error == 0)
        error = SyncAndClose(file);
    if (error != 0) {
        ::unlink(target.constData());
        return error == EWOULDBLOCK ? SharingViolation(op, path) : FileError(op, error, path);
    }
    SyncFolder(target);
    return Success(op);
}

// Carries the existing file's owner, group and permission bits over to its
// replacement. Owner and group are kept where the system lets us (a user may
// give a file only to a group they belong to); the permission bits always.
int CopyOwnershipAndMode(int tempFd, const struct stat &existing)
{
    if (::fchown(tempFd, existing.st_uid, existing.st_gid) != 0)
        ::fchown(tempFd, static_cast<uid_t>(-1), existing.st_gid);
    return ::fchmod(tempFd, existing.st_mode & 07777) == 0 ? 0 : errno;
}

ScriptFileOutcome ReplaceExistingFile(const QByteArray &target, QByteArrayView bytes, const QString &path)
{
    constexpr auto op = ScriptFileOperation::Save;
    // Opening the existing file for writing checks that it may be written,
    // and gives the handle on which others see our exclusive lock.
    Descriptor existing(OpenRetrying(target, O_WRONLY | O_NONBLOCK));
    if (!existing.valid())
        return FileError(op, errno, path);
    struct stat status;
    if (::fstat(existing.get(), &status) != 0)
        return FileError(op, errno, path);
    if (!S_ISREG(status.st_mode))
        return Failure(op, ScriptFileStatus::Failed);
    if (LockWholeFile(existing.get(), LockMode::Exclusive) == LockResult::Conflict)
        return SharingViolation(op, path);

    const QFileInfo targetInfo(QFile::decodeName(target));
    QByteArray temp = QFile::encodeName(targetInfo.absolutePath()) + "/."
                      + QFile::encodeName(targetInfo.fileName()).left(kTempNameStemBytes) + ".XXXXXX";
    Descriptor tempFile(::mkostemp(temp.data(), O_CLOEXEC));
    if (!tempFile.valid())
        return FileError(op, errno, path);

    int error = CopyOwnershipAndMode(tempFile.get(), status);
    if (error == 0)
        error = WriteAll(tempFile.get(), bytes);
    if (error == 0)
        error = SyncAndClose(tempFile);
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.constData());
        return FileError(op, error, path);
    }
    SyncFolder(target);
    return Success(op);
}

} // namespace

QString ScriptFileOutcome::Message() const
{
    switch (status) {
    case ScriptFileStatus::Ok:
        return {};
    case ScriptFileStatus::TooLarge:
        return QStringLiteral("The file is too large to open.");
    case ScriptFileStatus::UnexpectedFormat:
        return QStringLiteral("Unexpected file format.");
    case ScriptFileStatus::FileError:
        return error ? error->GetErrorMessage() : QString();
    case ScriptFileStatus::Failed:
        break;
    }
    return operation == ScriptFileOperation::Load ? QStringLiteral("Failed to open document.")
                                                  : QStringLiteral("Failed to save document.");
}

ScriptLoadResult ScriptFile::Load(const QString &path)
{
    constexpr auto op = ScriptFileOperation::Load;
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // Non-blocking, so that a named pipe given by mistake cannot hang us.
    Descriptor file(OpenRetrying(QFile::encodeName(fullPath), O_RDONLY | O_NONBLOCK));
    if (!file.valid())
        return {FileError(op, errno, fullPath), {}};
    if (LockWholeFile(file.get(), LockMode::Shared) == LockResult::Conflict)
        return {SharingViolation(op, fullPath), {}};

    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        return {FileError(op, errno, fullPath), {}};
    if (S_ISDIR(status.st_mode))
        return {FileError(op, EISDIR, fullPath), {}};
    if (!S_ISREG(status.st_mode))
        return {Failure(op, ScriptFileStatus::Failed), {}};
    if (status.st_size > kMaxBytes)
        return {Failure(op, ScriptFileStatus::TooLarge), {}};

    const qsizetype length = status.st_size;
    QByteArray bytes;
    try {
        bytes = QByteArray(length, Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return {Failure(op, ScriptFileStatus::Failed), {}};
    }
    qsizetype arrived = 0;
    while (arrived < length) {
        const ssize_t got = ::read(file.get(), bytes.data() + arrived, static_cast<size_t>(length - arrived));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {FileError(op, errno, fullPath), {}};
        }
        if (got == 0)
            return {Failure(op, ScriptFileStatus::UnexpectedFormat), {}};
        arrived += got;
    }
    return {Success(op), std::move(bytes)};
}

ScriptFileOutcome ScriptFile::Save(const QString &path, QByteArrayView bytes)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const QByteArray target = SaveTarget(fullPath);
    Descriptor created(OpenRetrying(target, O_WRONLY | O_CREAT | O_EXCL, 0666));
    if (created.valid())
        return WriteNewFile(created, target, bytes, fullPath);
    if (errno != EEXIST)
        return FileError(ScriptFileOperation::Save, errno, fullPath);
    return ReplaceExistingFile(target, bytes, fullPath);
}
