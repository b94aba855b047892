#include "CRecentFileList.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Real files in a temporary folder; paths are canonical (the folder may sit
// behind a symbolic link such as /tmp).
class RecentFiles : public ::testing::Test {
protected:
    QString MakeFile(const QString &name)
    {
        const QString path = QDir(m_dir.path()).filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QFileInfo(path).canonicalFilePath();
    }
    QString Folder() const { return QFileInfo(m_dir.path()).canonicalFilePath(); }

    QTemporaryDir m_dir;
};

TEST_F(RecentFiles, SixFilesOpenedInTurnKeepTheLastFiveMostRecentFirst)
{
    CRecentFileList list;
    QStringList files;
    for (int i = 1; i <= 6; ++i) {
        files.append(MakeFile(QString("map%1.rms").arg(i)));
        list.Add(files.last());
    }
    EXPECT_EQ(list.Entries(), (QStringList{files[5], files[4], files[3], files[2], files[1]}));
}

TEST_F(RecentFiles, ReopeningMovesTheFileUpWithoutDuplicate)
{
    CRecentFileList list;
    QStringList files;
    for (int i = 1; i <= 5; ++i) {
        files.append(MakeFile(QString("map%1.rms").arg(i)));
        list.Add(files.last());
    }
    // The third-last, named another way: through "." and "..", then through a link.
    list.Add(Folder() + "/./sub/../map3.rms");
    EXPECT_EQ(list.Entries(), (QStringList{files[2], files[4], files[3], files[1], files[0]}));

    ASSERT_TRUE(QFile::link(files[0], Folder() + "/link.rms"));
    list.Add(Folder() + "/link.rms");
    EXPECT_EQ(list.Entries(), (QStringList{files[0], files[2], files[4], files[3], files[1]}));
}

TEST_F(RecentFiles, NamesDifferingOnlyInCaseAreDifferentFiles)
{
    CRecentFileList list;
    const QString lower = MakeFile("map.rms");
    const QString upper = MakeFile("MAP.rms");
    list.Add(lower);
    list.Add(upper);
    list.Add(lower);
    EXPECT_EQ(list.Entries(), (QStringList{lower, upper}));
}

TEST_F(RecentFiles, RemovingAnEntryMovesTheLaterOnesUp)
{
    CRecentFileList list;
    const QString a = MakeFile("a.rms");
    const QString b = MakeFile("b.rms");
    const QString c = MakeFile("c.rms");
    for (const QString &file : {a, b, c})
        list.Add(file);

    list.Remove(1);
    EXPECT_EQ(list.Entries(), (QStringList{c, a}));
    list.Remove(2);
    list.Remove(-1);
    EXPECT_EQ(list.Entries(), (QStringList{c, a}));
}

TEST_F(RecentFiles, AFileThatNoLongerExistsKeepsItsPlaceAndIdentity)
{
    CRecentFileList list;
    const QString gone = MakeFile("gone.rms");
    const QString kept = MakeFile("kept.rms");
    list.Add(gone);
    list.Add(kept);
    ASSERT_TRUE(QFile::remove(gone));

    list.Add(Folder() + "/gone.rms");
    EXPECT_EQ(list.Entries(), (QStringList{gone, kept}));
}

TEST_F(RecentFiles, MenuTextsShowCurrentFolderFilesByNameAndOthersShortened)
{
    CRecentFileList list;
    const QString deep = MakeFile("a very long folder name/second level/desert & sea.rms");
    const QString here = MakeFile("R&D.rms");
    list.Add(deep);
    list.Add(here);

    EXPECT_EQ(list.GetMenuText(0, Folder()), "&1 R&&D.rms");
    EXPECT_EQ(list.GetDisplayName(0, Folder()), "R&D.rms");

    const QString shown = list.GetDisplayName(1, Folder());
    EXPECT_LE(shown.size(), CRecentFileList::kMaxDisplayLength);
    EXPECT_EQ(shown, "/.../desert & sea.rms");
    EXPECT_EQ(list.GetMenuText(1, Folder()), "&2 /.../desert && sea.rms");

    // Seen from the deep file's own folder, it is shown by its name.
    EXPECT_EQ(list.GetDisplayName(1, QFileInfo(deep).absolutePath()), "desert & sea.rms");
}

TEST(AbbreviatePath, KeepsRootAndAsManyTrailingFoldersAsFit)
{
    struct Case {
        const char *path;
        const char *shown;
    };
    const Case cases[] = {
        {"/home/ann/maps/x.rms", "/home/ann/maps/x.rms"},
        {"/home/ann/maps/deserts/x23.rms", "/home/ann/maps/deserts/x23.rms"},    // 30: fits
        {"/home/ann/maps/deserts/x234.rms", "/.../ann/maps/deserts/x234.rms"},   // 31
        {"/home/annabelle/maps/deserts/x.rms", "/.../maps/deserts/x.rms"},
        {"/home/ann/random-map-scripts/x.rms", "/.../random-map-scripts/x.rms"},
        {"/home/ann/a-folder-with-a-long-name/x.rms", "/.../x.rms"},
        {"/home/ann/an-extremely-long-script-name.rms", "an-extremely-long-script-name.rms"},
        {"/an-extremely-long-script-file-name.rms", "an-extremely-long-script-file-name.rms"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CRecentFileList::AbbreviatePath(c.path, 30), c.shown) << c.path;
}

TEST(RecentFileListStore, ReadingSkipsMissingEmptyRelativeAndRepeatedValues)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("store.ini"), QSettings::IniFormat);
    settings.beginGroup(CRecentFileList::kSection);
    settings.setValue("File1", "/maps/one.rms");
    settings.setValue("File2", "");
    settings.setValue("File3", "relative/two.rms");
    settings.setValue("File4", "/maps/one.rms");
    settings.setValue("File5", QStringList{"/a", "/b"});
    settings.setValue("File6", "/maps/six.rms");
    settings.endGroup();
    // File2 missing entirely would be the same as empty; File5 is not text.

    CRecentFileList list;
    list.ReadList(settings);
    EXPECT_EQ(list.Entries(), QStringList{"/maps/one.rms"});
}

// Qt keeps a parsed copy of every settings file it has seen, so a copy of
// the file is what shows whether the text on disk reads back the same.
QSettings FreshReader(const QString &fileName, const QString &copyName)
{
    QFile::remove(copyName);
    EXPECT_TRUE(QFile::copy(fileName, copyName));
    return QSettings(copyName, QSettings::IniFormat);
}

TEST(RecentFileListStore, WritingReplacesTheGroupAndAnEmptyListLeavesNone)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath("store.ini");
    {
        QSettings settings(fileName, QSettings::IniFormat);
        settings.setValue(QString(CRecentFileList::kSection) + "/File4", "/stale.rms");
    }

    CRecentFileList list;
    list.Add("/maps/a, b.rms");
    list.Add("/maps/@c=d;e.rms");
    list.Add("/maps/\"quoted\" \\ name.rms");
    {
        QSettings settings(fileName, QSettings::IniFormat);
        list.WriteList(settings);
    }
    {
        QSettings reader = FreshReader(fileName, dir.filePath("copy1.ini"));
        reader.beginGroup(CRecentFileList::kSection);
        EXPECT_EQ(reader.childKeys(), (QStringList{"File1", "File2", "File3"}));
        reader.endGroup();
        CRecentFileList reread;
        reread.ReadList(reader);
        EXPECT_EQ(reread.Entries(), list.Entries());
    }
    {
        QSettings settings(fileName, QSettings::IniFormat);
        CRecentFileList().WriteList(settings);
    }
    QSettings reader = FreshReader(fileName, dir.filePath("copy2.ini"));
    EXPECT_FALSE(reader.childGroups().contains(CRecentFileList::kSection));
}

} // namespace
