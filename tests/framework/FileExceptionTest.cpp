#include "CFileException.h"
#include "ScriptedModalHost.h"

#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <cerrno>

using Cause = CFileException::Cause;

namespace {

struct MessageCase {
    Cause cause;
    const char *expected;
};

constexpr MessageCase kMessageCases[] = {
    {Cause::none, "No error occurred."},
    {Cause::generic, "An unknown error occurred while accessing /srv/maps/arena.rms."},
    {Cause::fileNotFound, "/srv/maps/arena.rms was not found."},
    {Cause::badPath, "/srv/maps/arena.rms contains an invalid path."},
    {Cause::tooManyOpenFiles, "/srv/maps/arena.rms could not be opened because there are too many open files."},
    {Cause::accessDenied, "Access to /srv/maps/arena.rms was denied."},
    {Cause::invalidFile, "An invalid file handle was associated with /srv/maps/arena.rms."},
    {Cause::removeCurrentDir, "/srv/maps/arena.rms could not be removed because it is the current directory."},
    {Cause::directoryFull, "/srv/maps/arena.rms could not be created because the directory is full."},
    {Cause::badSeek, "Seek failed on /srv/maps/arena.rms"},
    {Cause::hardIO, "A hardware I/O error was reported while accessing /srv/maps/arena.rms."},
    {Cause::sharingViolation, "A sharing violation occurred while accessing /srv/maps/arena.rms."},
    {Cause::lockViolation, "A locking violation occurred while accessing /srv/maps/arena.rms."},
    {Cause::diskFull, "Disk full while accessing /srv/maps/arena.rms."},
    {Cause::endOfFile, "An attempt was made to access /srv/maps/arena.rms past its end."},
};

} // namespace

TEST(FileException, EveryCauseHasItsMessageWithTheFullPath)
{
    for (const MessageCase &c : kMessageCases) {
        const CFileException error(c.cause, "/srv/maps/arena.rms");
        EXPECT_EQ(error.GetErrorMessage(), QString::fromLatin1(c.expected));
        EXPECT_STREQ(error.what(), c.expected);
    }
}

TEST(FileException, PathWithPercentSignsIsInsertedLiterally)
{
    const CFileException error(Cause::fileNotFound, "/tmp/100% %2 map.rms");
    EXPECT_EQ(error.GetErrorMessage(), "/tmp/100% %2 map.rms was not found.");
}

TEST(FileException, OsErrorsMapToCauses)
{
    const struct {
        int osError;
        Cause cause;
    } cases[] = {
        {0, Cause::none},
        {ENOENT, Cause::fileNotFound},
        {ENOTDIR, Cause::badPath},
        {ENAMETOOLONG, Cause::badPath},
        {EMFILE, Cause::tooManyOpenFiles},
        {EACCES, Cause::accessDenied},
        {EISDIR, Cause::accessDenied},
        {EROFS, Cause::accessDenied},
        {EBADF, Cause::invalidFile},
        {EIO, Cause::hardIO},
        {EWOULDBLOCK, Cause::sharingViolation},
        {ENOLCK, Cause::lockViolation},
        {ENOSPC, Cause::diskFull},
        {EDQUOT, Cause::diskFull},
        {EFBIG, Cause::diskFull},
        {EPROTO, Cause::generic},
        {123456, Cause::generic},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CFileException::OsErrorToCause(c.osError), c.cause) << "errno " << c.osError;

    const CFileException fromOs = CFileException::FromOsError(ENOSPC, "/m/a.rms");
    EXPECT_EQ(fromOs.m_cause, Cause::diskFull);
    EXPECT_EQ(fromOs.m_lOsError, ENOSPC);
    EXPECT_EQ(fromOs.m_strFileName, "/m/a.rms");
}

TEST(FileException, ReportErrorShowsTheMessageWithTheAskedIcon)
{
    ScriptedModalHost host;
    host.AnswerMessage(IDOK);
    CFileException(Cause::diskFull, "/m/a.rms").ReportError(MessageIcon::Stop);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Mapsmith");
    EXPECT_EQ(host.messages[0].text, "Disk full while accessing /m/a.rms.");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
}
