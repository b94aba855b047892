#include "ScriptFile.h"

#include "RawFiles.h"
#include "ScriptSamples.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using Cause = CFileException::Cause;

namespace {

class ScriptFileTest : public ::testing::Test {
protected:
    QString PathOf(const QString &name) const { return m_dir.filePath(name); }
    QString Folder() const { return m_dir.path(); }

    static Cause CauseOf(const ScriptFileOutcome &outcome)
    {
        return outcome.error ? outcome.error->m_cause : Cause::none;
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ScriptFileTest, LoadAndSaveKeepEveryByte)
{
    for (const ScriptSample &c : RoundTripSamples(ScriptFile::kMaxBytes)) {
        SCOPED_TRACE(c.name);
        const QString source = PathOf("source.rms");
        WriteRaw(source, c.bytes);

        const ScriptLoadResult loaded = ScriptFile::Load(source);
        ASSERT_TRUE(loaded.outcome.Succeeded()) << loaded.outcome.Message().toStdString();
        EXPECT_EQ(loaded.bytes, c.bytes);

        const QString fresh = PathOf("fresh.rms");
        QFile::remove(fresh);
        ASSERT_TRUE(ScriptFile::Save(fresh, loaded.bytes).Succeeded());
        EXPECT_EQ(ReadRaw(fresh), c.bytes);

        // Over an existing, longer file: nothing of the old content may remain.
        WriteRaw(source, QByteArray(2000, 'z'));
        ASSERT_TRUE(ScriptFile::Save(source, loaded.bytes).Succeeded());
        EXPECT_EQ(ReadRaw(source), c.bytes);
    }
    EXPECT_EQ(FolderEntries(Folder()), (QStringList{"fresh.rms", "source.rms"})) << "no temporary file left";
}

TEST_F(ScriptFileTest, FileOneByteOverTheLimitIsTooLarge)
{
    const QString path = PathOf("big.rms");
    WriteRaw(path, ScriptOfSize(ScriptFile::kMaxBytes + 1));
    const ScriptLoadResult loaded = ScriptFile::Load(path);
    EXPECT_EQ(loaded.outcome.status, ScriptFileStatus::TooLarge);
    EXPECT_EQ(loaded.outcome.Message(), "The file is too large to open.");
    EXPECT_TRUE(loaded.bytes.isEmpty());
}

TEST_F(ScriptFileTest, LoadFailuresGiveTheirMessages)
{
    const QString missing = PathOf("missing.rms");
    const ScriptLoadResult notFound = ScriptFile::Load(missing);
    EXPECT_EQ(CauseOf(notFound.outcome), Cause::fileNotFound);
    EXPECT_EQ(notFound.outcome.Message(), missing + " was not found.");

    const QString folder = PathOf("folder.rms");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(ScriptFile::Load(folder).outcome.Message(), "Access to " + folder + " was denied.");

    const QString pipe = PathOf("pipe.rms");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(ScriptFile::Load(pipe).outcome.Message(), "Failed to open document.");

    const QString relative = QDir(Folder()).relativeFilePath(PathOf("x/y.rms"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(Folder());
    const ScriptLoadResult relativeLoad = ScriptFile::Load(relative);
    QDir::setCurrent(previous);
    EXPECT_EQ(relativeLoad.outcome.Message(), PathOf("x/y.rms") + " was not found.") << "the full path is named";
}

TEST_F(ScriptFileTest, FewerBytesThanTheFileLengthIsAnUnexpectedFormat)
{
    // Kernel attribute files claim a length of a whole page and deliver a few bytes.
    const QString attribute = "/sys/devices/system/cpu/online";
    if (!QFileInfo(attribute).isFile() || QFileInfo(attribute).size() <= ReadRaw(attribute).size())
        GTEST_SKIP() << "no kernel attribute file that reads short";
    const ScriptLoadResult loaded = ScriptFile::Load(attribute);
    EXPECT_EQ(loaded.outcome.status, ScriptFileStatus::UnexpectedFormat);
    EXPECT_EQ(loaded.outcome.Message(), "Unexpected file format.");
}

TEST_F(ScriptFileTest, SavingIntoAMissingFolderCreatesNothing)
{
    const QString path = PathOf("no such folder/map.rms");
    const ScriptFileOutcome outcome = ScriptFile::Save(path, "text");
    EXPECT_EQ(outcome.operation, ScriptFileOperation::Save);
    EXPECT_EQ(CauseOf(outcome), Cause::fileNotFound);
    EXPECT_EQ(outcome.Message(), path + " was not found.");
    EXPECT_TRUE(FolderEntries(Folder()).isEmpty());
}

TEST_F(ScriptFileTest, SavingOverAFolderLeavesTheFolder)
{
    const QString path = PathOf("map.rms");
    ASSERT_TRUE(QDir().mkdir(path));
    WriteRaw(path + "/inside", "kept");
    const ScriptFileOutcome outcome = ScriptFile::Save(path, "text");
    EXPECT_EQ(CauseOf(outcome), Cause::accessDenied);
    EXPECT_EQ(outcome.Message(), "Access to " + path + " was denied.");
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(ReadRaw(path + "/inside"), "kept");
    EXPECT_EQ(FolderEntries(Folder()), QStringList{"map.rms"});
}

// The child lowers its file-size limit so that the write stops part way, as
// on a full disk, and reports what the save returned.
TEST_F(ScriptFileTest, DiskFullMidWriteLeavesTheExistingFileAsItWas)
{
    const QString path = PathOf("map.rms");
    const QByteArray original = "original content\r\n";
    WriteRaw(path, original);
    const QByteArray replacement = ScriptOfSize(200000);

    const int result = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{65536, 65536};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 10;
        const ScriptFileOutcome outcome = ScriptFile::Save(path, replacement);
        if (outcome.Succeeded())
            return 11;
        return outcome.Message() == "Disk full while accessing " + path + "." ? 0 : 12;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadRaw(path), original);
    EXPECT_EQ(FolderEntries(Folder()), QStringList{"map.rms"}) << "the temporary file is deleted";
}

TEST_F(ScriptFileTest, DiskFullWritingANewFileDeletesIt)
{
    const QString path = PathOf("new.rms");
    const int result = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 10;
        const ScriptFileOutcome outcome = ScriptFile::Save(path, ScriptOfSize(100000));
        return !outcome.Succeeded() && outcome.error && outcome.error->m_cause == Cause::diskFull ? 0 : 11;
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(FolderEntries(Folder()).isEmpty());
}

TEST_F(ScriptFileTest, ReadingSharesWithReadersButNotWriters)
{
    const QString path = PathOf("map.rms");
    WriteRaw(path, "shared");
    const QString sharing = "A sharing violation occurred while accessing " + path + ".";
    {
        ForeignLock reader(path, ForeignLock::Kind::BsdShared);
        EXPECT_TRUE(ScriptFile::Load(path).outcome.Succeeded());
    }
    {
        ForeignLock reader(path, ForeignLock::Kind::RecordRead);
        EXPECT_TRUE(ScriptFile::Load(path).outcome.Succeeded());
    }
    {
        ForeignLock writer(path, ForeignLock::Kind::BsdExclusive);
        EXPECT_EQ(ScriptFile::Load(path).outcome.Message(), sharing);
    }
    {
        ForeignLock writer(path, ForeignLock::Kind::RecordWrite);
        EXPECT_EQ(ScriptFile::Load(path).outcome.Message(), sharing);
    }
}

TEST_F(ScriptFileTest, WritingSharesWithNobody)
{
    const QString path = PathOf("map.rms");
    WriteRaw(path, "before");
    for (const auto kind : {ForeignLock::Kind::BsdShared, ForeignLock::Kind::RecordRead}) {
        ForeignLock reader(path, kind);
        const ScriptFileOutcome outcome = ScriptFile::Save(path, "after");
        EXPECT_EQ(outcome.Message(), "A sharing violation occurred while accessing " + path + ".");
        EXPECT_EQ(ReadRaw(path), "before");
    }
    EXPECT_EQ(FolderEntries(Folder()), QStringList{"map.rms"});
    EXPECT_TRUE(ScriptFile::Save(path, "after").Succeeded()) << "the locks are gone with their holders";
}

TEST_F(ScriptFileTest, ReplacingKeepsPermissionsAndSymbolicLinks)
{
    const QString target = PathOf("target.rms");
    WriteRaw(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0604), 0);
    const QString link = PathOf("link.rms");
    ASSERT_TRUE(QFile::link(target, link));

    ASSERT_TRUE(ScriptFile::Save(link, "new\r\n").Succeeded());

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadRaw(target), "new\r\n");
    struct stat status;
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0604u);
    EXPECT_EQ(FolderEntries(Folder()), (QStringList{"link.rms", "target.rms"}));
}
