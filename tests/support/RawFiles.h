#pragma once

// Test helpers for real files: raw reads and writes that bypass the code
// under test, a forked child to run code under process limits, and another
// process that holds a lock on a file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

inline QByteArray ReadRaw(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

inline void WriteRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs body in a forked child and returns its exit code (-1 when it died of
// a signal). The child only runs body, then leaves without cleanup.
inline int RunInChild(const std::function<int()> &body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Another process holding an advisory lock on a file for the object's life.
class ForeignLock {
public:
    enum class Kind { BsdShared, BsdExclusive, RecordRead, RecordWrite };

    ForeignLock(const QString &path, Kind kind)
    {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(m_release) != 0) {
            ADD_FAILURE() << "pipe failed";
            return;
        }
        const QByteArray native = QFile::encodeName(path);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(m_release[1]);
            const bool write = kind == Kind::BsdExclusive || kind == Kind::RecordWrite;
            const int fd = ::open(native.constData(), write ? O_RDWR : O_RDONLY);
            int rc = fd < 0 ? -1 : 0;
            if (rc == 0 && (kind == Kind::BsdShared || kind == Kind::BsdExclusive)) {
                rc = ::flock(fd, kind == Kind::BsdShared ? LOCK_SH : LOCK_EX);
            } else if (rc == 0) {
                struct flock range = {};
                range.l_type = kind == Kind::RecordRead ? F_RDLCK : F_WRLCK;
                range.l_whence = SEEK_SET;
                rc = ::fcntl(fd, F_SETLK, &range);  // a classic process-owned record lock
            }
            const char status = rc == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &status, 1);
            char none;
            (void)!::read(m_release[0], &none, 1);  // until the parent lets go
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(m_release[0]);
        char status = 'n';
        (void)!::read(ready[0], &status, 1);
        ::close(ready[0]);
        EXPECT_EQ(status, 'y') << "the other process could not lock " << path.toStdString();
    }

    ~ForeignLock()
    {
        ::close(m_release[1]);
        if (m_pid > 0)
            ::waitpid(m_pid, nullptr, 0);
    }

    ForeignLock(const ForeignLock &) = delete;
    ForeignLock &operator=(const ForeignLock &) = delete;

private:
    pid_t m_pid = -1;
    int m_release[2] = {-1, -1};
};
