#include "AppFixture.h"
#include "CommandActions.h"
#include "ResourceIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class RecentFilesApp : public AppTest {
protected:
    QStringList MakeFiles(int count)
    {
        QStringList files;
        for (int i = 1; i <= count; ++i)
            files << MakeFile(QString("map%1.rms").arg(i));
        return files;
    }
    void CloseAll() { app.CloseAllDocuments(); }

    // The File popup of the menu bar, opened as the user would.
    QMenu *OpenFileMenu() const
    {
        for (QAction *item : Frame().menuBar()->actions()) {
            if (item->text() == "&File") {
                Frame().menuBar()->setActiveAction(item);
                return item->menu();
            }
        }
        return nullptr;
    }
    // The File menu's items between its last two separators.
    static QList<QAction *> RecentItems(QMenu *menu)
    {
        QList<QAction *> items;
        const QList<QAction *> all = menu->actions();
        qsizetype last = all.size() - 1;
        while (last >= 0 && !all[last]->isSeparator())
            --last;
        qsizetype first = last - 1;
        while (first >= 0 && !all[first]->isSeparator())
            --first;
        for (qsizetype i = first + 1; i < last; ++i)
            items << all[i];
        return items;
    }
    static QStringList Texts(const QList<QAction *> &items)
    {
        QStringList texts;
        for (const QAction *item : items)
            texts << item->text();
        return texts;
    }
};

TEST_F(RecentFilesApp, TheLastFiveOpenedAreKeptMostRecentFirstAndReopeningMovesUp)
{
    ASSERT_TRUE(Start());
    const QStringList files = MakeFiles(6);
    for (const QString &file : files)
        ASSERT_NE(app.OpenDocumentFile(file), nullptr);
    EXPECT_EQ(RecentFiles(), (QStringList{files[5], files[4], files[3], files[2], files[1]}));

    // Still open: only activated, the list stays as it was.
    EXPECT_EQ(app.OpenDocumentFile(files[2]), Documents()[3]);
    EXPECT_EQ(ActiveDocument(), Documents()[3]);
    EXPECT_EQ(RecentFiles(), (QStringList{files[5], files[4], files[3], files[2], files[1]}));

    // Closed and opened again, the third-last moves to the top without a
    // duplicate, also when named through "..".
    CloseAll();
    ASSERT_NE(app.OpenDocumentFile(Folder() + "/sub/../map4.rms"), nullptr);
    EXPECT_EQ(RecentFiles(), (QStringList{files[3], files[5], files[4], files[2], files[1]}));
    EXPECT_EQ(PathNames(), QStringList{files[3]});
}

TEST_F(RecentFilesApp, ChoosingAnEntryOpensItAndADeletedOneIsRemoved)
{
    ASSERT_TRUE(Start());
    const QStringList files = MakeFiles(3);
    for (const QString &file : files)
        app.OpenDocumentFile(file);
    CloseAll();

    EXPECT_TRUE(Frame().OnCommand(ID_FILE_MRU_FILE1 + 2));  // map1.rms
    EXPECT_EQ(PathNames(), QStringList{files[0]});
    EXPECT_EQ(RecentFiles(), (QStringList{files[0], files[2], files[1]}));

    ASSERT_TRUE(QFile::remove(files[2]));
    host.AnswerMessage(IDOK);
    EXPECT_TRUE(Frame().OnCommand(ID_FILE_MRU_FILE1 + 1));  // map3.rms, deleted
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, files[2] + " was not found.");
    EXPECT_EQ(RecentFiles(), (QStringList{files[0], files[1]}));
    EXPECT_EQ(PathNames(), QStringList{files[0]}) << "nothing of the failed open stays";

    // A command past the list's end does nothing.
    EXPECT_FALSE(Frame().OnCommand(ID_FILE_MRU_FILE1 + 4));
    EXPECT_EQ(RecentFiles(), (QStringList{files[0], files[1]}));
}

TEST_F(RecentFilesApp, TheFileMenuShowsTheEntriesInPlaceOfTheGrayedPlaceholder)
{
    ASSERT_TRUE(Start());
    CloseAll();
    QMenu *menu = OpenFileMenu();
    ASSERT_NE(menu, nullptr);
    QList<QAction *> items = RecentItems(menu);
    ASSERT_EQ(Texts(items), QStringList{"Recent File"});
    EXPECT_FALSE(items[0]->isEnabled());
    menu->hide();

    const QString deep = MakeFile("campaigns/the long road/maps/river.rms");
    const QString here = MakeFile("rock & roll.rms");
    const QString savedCurrent = QDir::currentPath();
    QDir::setCurrent(Folder());
    app.OpenDocumentFile(deep);
    app.OpenDocumentFile(here);
    CloseAll();

    menu = OpenFileMenu();
    items = RecentItems(menu);
    EXPECT_EQ(Texts(items), (QStringList{"&1 rock && roll.rms", "&2 " + CRecentFileList::AbbreviatePath(deep, 30)}));
    EXPECT_TRUE(CRecentFileList::AbbreviatePath(deep, 30).endsWith("/maps/river.rms"));
    for (const QAction *item : items) {
        EXPECT_TRUE(item->isEnabled());
        EXPECT_EQ(item->statusTip(), "Open this document");
    }
    QDir::setCurrent(savedCurrent);

    // The second item opens its file; the menu of a script window lists the
    // same entries, the opened file now first.
    items[1]->trigger();
    EXPECT_EQ(PathNames(), QStringList{deep});
    menu->hide();
    menu = OpenFileMenu();
    items = RecentItems(menu);
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->text().startsWith("&1 ")) << items[0]->text().toStdString();
    EXPECT_TRUE(items[0]->text().endsWith("/maps/river.rms"));
    EXPECT_EQ(items[1]->text(), "&2 " + CRecentFileList::AbbreviatePath(here, 30).replace("&", "&&"));
    const QList<QAction *> all = menu->actions();
    EXPECT_EQ(std::ranges::count_if(all, [](QAction *a) { return CommandActions::CommandId(a) == ID_FILE_MRU_FILE1 + 1; }), 1)
        << "reopening the menu does not repeat items";
    menu->hide();
}

// Apps made and ended in turn, as separate runs of the program would.
class RecentFilesAcrossRuns : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore().Remove(); }

    QString MakeFile(const QString &name)
    {
        const QString path = QDir(m_dir.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QFileInfo(path).canonicalFilePath();
    }
    static QStringList StoreGroups()
    {
        return QSettings(SettingsStore().FileName(), QSettings::IniFormat).childGroups();
    }

    QTemporaryDir m_dir;
    ScriptedModalHost host;
};

TEST_F(RecentFilesAcrossRuns, TheListSurvivesExitAndStartAndAnEmptyListLeavesNoGroup)
{
    QStringList files;
    {
        CMapsmithApp run;
        ASSERT_TRUE(run.InitInstance());
        EXPECT_TRUE(QFileInfo::exists(SettingsStore().FileName())) << "start-up creates the store";
        for (const char *name : {"one.rms", "two.rms", "three.rms"}) {
            files.prepend(MakeFile(name));
            run.OpenDocumentFile(files.front());
        }
        EXPECT_EQ(run.ExitInstance(), CWinApp::kExitSuccess);
    }
    EXPECT_EQ(StoreGroups(), QStringList{"Recent File List"});
    {
        QSettings store(SettingsStore().FileName(), QSettings::IniFormat);
        EXPECT_EQ(store.value("Recent File List/File1").toString(), files[0]);
        EXPECT_EQ(store.value("Recent File List/File3").toString(), files[2]);
        EXPECT_FALSE(store.contains("Settings/PreviewPages")) << "0 is not written";
    }

    {
        CMapsmithApp run;
        ASSERT_TRUE(run.InitInstance());
        EXPECT_EQ(run.GetRecentFileList()->Entries(), files);
        // All three deleted and chosen: each is removed in turn.
        for (const QString &file : files)
            QFile::remove(file);
        for (int i = 0; i < files.size(); ++i) {
            host.AnswerMessage(IDOK);
            run.GetMainFrame()->OnCommand(ID_FILE_MRU_FILE1);
        }
        EXPECT_TRUE(run.GetRecentFileList()->IsEmpty());
        run.ExitInstance();
    }
    EXPECT_TRUE(QFileInfo::exists(SettingsStore().FileName()));
    EXPECT_TRUE(StoreGroups().isEmpty());

    CMapsmithApp run;
    ASSERT_TRUE(run.InitInstance());
    EXPECT_TRUE(run.GetRecentFileList()->IsEmpty());
}

} // namespace
