#include "CRecentFileList.h"
#include "SettingsStore.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The program's real store, in the temporary config folder the test main
// sets up; each case starts without one.
class Store : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore().Remove(); }
    void TearDown() override { SettingsStore().Remove(); }

    static QString FileName() { return SettingsStore().FileName(); }
    static QByteArray FileText()
    {
        QFile file(FileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteFileText(const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(FileName()).absolutePath());
        QFile file(FileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // Reads the file's text through a copy, past Qt's cache of parsed files.
    QSettings Reread()
    {
        const QString copy = m_scratch.filePath(QString("copy%1.ini").arg(++m_copies));
        EXPECT_TRUE(QFile::copy(FileName(), copy));
        return QSettings(copy, QSettings::IniFormat);
    }

    QTemporaryDir m_scratch;
    int m_copies = 0;
};

TEST_F(Store, LivesUnderTheUsersConfigFolderByOrganisationAndApplication)
{
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME")
                           + "/Local AppWizard-Generated Applications/Mapsmith.conf";
    EXPECT_EQ(FileName(), expected);
}

TEST_F(Store, StartUpCreatesTheStoreAndReadsDefaults)
{
    CRecentFileList list;
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(list), 0);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(QFileInfo::exists(FileName()));
}

TEST_F(Store, ExitThenStartGivesBackTheListAndPreviewPages)
{
    CRecentFileList written;
    for (const char *path : {"/maps/one.rms", "/maps/two, three.rms", "/maps/four & five.rms"})
        written.Add(path);
    SettingsStore().SaveStdProfileSettings(written, 2);

    QSettings onDisk = Reread();
    EXPECT_EQ(onDisk.value("Recent File List/File1").toString(), "/maps/four & five.rms");
    EXPECT_EQ(onDisk.value("Recent File List/File3").toString(), "/maps/one.rms");
    EXPECT_EQ(onDisk.value("Settings/PreviewPages").toInt(), 2);

    CRecentFileList read;
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(read), 2);
    EXPECT_EQ(read.Entries(), written.Entries());
}

TEST_F(Store, AnEmptyListDeletesItsGroupAndZeroPreviewPagesIsNotWritten)
{
    CRecentFileList list;
    list.Add("/maps/one.rms");
    SettingsStore().SaveStdProfileSettings(list, 0);
    EXPECT_TRUE(Reread().childGroups().contains("Recent File List"));
    EXPECT_FALSE(Reread().contains("Settings/PreviewPages"));

    SettingsStore().SaveStdProfileSettings(CRecentFileList(), 0);
    EXPECT_TRUE(Reread().childGroups().isEmpty());

    // The next start finds the list empty again.
    CRecentFileList read;
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(read), 0);
    EXPECT_TRUE(read.IsEmpty());
}

TEST_F(Store, PreviewPagesLeftByAnEarlierRunSurviveAnExitWithZero)
{
    WriteFileText("[Settings]\nPreviewPages=3\n");
    CRecentFileList list;
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(list), 3);
    SettingsStore().SaveStdProfileSettings(list, 0);
    EXPECT_EQ(Reread().value("Settings/PreviewPages").toInt(), 3);
}

TEST_F(Store, AStoreThatDoesNotParseCountsAsEmptyAndIsRewrittenWhole)
{
    WriteFileText("[Recent File List\nFile1=/maps/one.rms\n[Settings]\nPreviewPages=2\n");

    SettingsStore store;
    CRecentFileList list;
    list.Add("/maps/kept.rms");
    EXPECT_EQ(store.LoadStdProfileSettings(list), 0);
    EXPECT_TRUE(list.IsEmpty());

    list.Add("/maps/new.rms");
    store.SaveStdProfileSettings(list, 0);
    QSettings onDisk = Reread();
    EXPECT_EQ(onDisk.status(), QSettings::NoError);
    EXPECT_EQ(onDisk.allKeys(), QStringList{"Recent File List/File1"});
}

TEST_F(Store, BinaryJunkIsReadWithoutHarmAndTheNextExitLeavesAGoodList)
{
    static constexpr char kJunk[] = "\xff\xfe\x00\x01\n[Recent%20File%20List]\nFile1=\x00\x02\nFile2=/maps/\xc3\n=\n\x00";
    WriteFileText(QByteArray(kJunk, sizeof kJunk - 1));

    CRecentFileList list;
    SettingsStore().LoadStdProfileSettings(list);
    for (const QString &entry : list.Entries())
        EXPECT_TRUE(entry.startsWith('/')) << entry.toStdString();

    list.Add("/maps/new.rms");
    SettingsStore().SaveStdProfileSettings(list, 0);
    CRecentFileList read;
    SettingsStore().LoadStdProfileSettings(read);
    EXPECT_EQ(read.Entries(), list.Entries());
    EXPECT_EQ(read[0], "/maps/new.rms");
}

TEST_F(Store, ValuesOfTheWrongKindCountAsMissing)
{
    WriteFileText("[Settings]\nPreviewPages=many\n[Recent%20File%20List]\nFile1=relative.rms\nFile2=/a, /b\n");
    CRecentFileList list;
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(list), 0);
    EXPECT_TRUE(list.IsEmpty());
}

TEST_F(Store, AStoreThatCannotBeReadOrWrittenIsIgnored)
{
    // A folder where the file should be: a real read and write failure even for root.
    ASSERT_TRUE(QDir().mkpath(FileName()));

    CRecentFileList list;
    list.Add("/maps/one.rms");
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(list), 0);
    EXPECT_TRUE(list.IsEmpty());
    list.Add("/maps/two.rms");
    SettingsStore().SaveStdProfileSettings(list, 1);
    EXPECT_TRUE(QFileInfo(FileName()).isDir());
    ASSERT_TRUE(QDir(FileName()).removeRecursively());
}

TEST_F(Store, RemovingDeletesTheFileAndItsEmptyOrganisationFolder)
{
    CRecentFileList list;
    list.Add("/maps/one.rms");
    SettingsStore().SaveStdProfileSettings(list, 1);
    ASSERT_TRUE(QFileInfo::exists(FileName()));

    SettingsStore().Remove();
    EXPECT_FALSE(QFileInfo::exists(FileName()));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(FileName()).absolutePath()));

    CRecentFileList read;
    EXPECT_EQ(SettingsStore().LoadStdProfileSettings(read), 0);
    EXPECT_TRUE(read.IsEmpty());
}

} // namespace
