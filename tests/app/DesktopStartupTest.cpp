#include "AfxResources.h"
#include "AppFixture.h"
#include "DesktopIntegration.h"
#include "MimeAppsList.h"
#include "ResourceIds.h"

#include <QCoreApplication>
#include <QImage>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The program's desktop files in this test program's private XDG folders.
class DesktopStartup : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        integration.Uninstall();
        QFile::remove(integration.UserMimeAppsListPath());
    }

    QStringList InstalledIcons() const
    {
        QStringList icons;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            for (const char *context : {"apps", "mimetypes"}) {
                const QString name = QString(context) == "apps" ? "mapsmith" : "text-x-rms";
                if (QFileInfo::exists(integration.IconPath(context, size, name)))
                    icons << QString("%1 %2").arg(context).arg(size);
            }
        }
        return icons;
    }
    // The mime package's type comment and glob.
    static QStringList TypeCommentAndGlob(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QXmlStreamReader xml(&file);
        QStringList found;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("comment"))
                found << xml.readElementText();
            else if (xml.name() == QLatin1String("glob"))
                found << xml.attributes().value("pattern").toString();
        }
        return found;
    }

    DesktopIntegration integration;
};

TEST_F(DesktopStartup, EveryStartAnnouncesTheProgramAndItsFileTypeWithItsIcons)
{
    ASSERT_TRUE(Start());
    QFile entry(integration.DesktopFilePath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\" %f"))
        << text.toStdString();

    // The type is the template's: its display name and extension.
    using Index = CMultiDocTemplate::DocStringIndex;
    EXPECT_EQ(TypeCommentAndGlob(integration.MimePackagePath()),
              (QStringList{Template().GetDocString(Index::regFileTypeName), '*' + Template().GetDocString(Index::filterExt)}));

    // The application's and the document's own drawings, in their sizes.
    EXPECT_EQ(InstalledIcons(), (QStringList{"apps 16", "mimetypes 16", "apps 32", "mimetypes 32"}));
    const QImage installed(integration.IconPath("mimetypes", 32, "text-x-rms"));
    EXPECT_EQ(installed, AfxLoadIcon(IDR_SCRIPTTYPE).pixmap(32, 32).toImage().convertToFormat(installed.format()));

    EXPECT_EQ(MimeAppsList(integration.UserMimeAppsListPath()).Defaults("text/x-rms"), QStringList{"mapsmith.desktop"});
}

TEST_F(DesktopStartup, AnotherProgramsDefaultForScriptsIsLeftAlone)
{
    MimeAppsList(integration.UserMimeAppsListPath()).AddDefault("text/x-rms", "other-editor.desktop");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(QFileInfo::exists(integration.DesktopFilePath()));
    EXPECT_EQ(MimeAppsList(integration.UserMimeAppsListPath()).Defaults("text/x-rms"), QStringList{"other-editor.desktop"});
}

// An Unregister run, after a run that installed everything and wrote its
// settings.
class UnregisterRun : public DesktopStartup, public ::testing::WithParamInterface<QStringList> {
protected:
    void InstallAndWriteSettings()
    {
        integration.Install(QCoreApplication::applicationFilePath(),
                            {AfxLoadIcon(IDR_MAINFRAME), AfxLoadIcon(IDR_SCRIPTTYPE)});
        CRecentFileList recentFiles;
        recentFiles.Add(MakeFile("kept.rms"));
        SettingsStore().SaveStdProfileSettings(recentFiles, 2);
        ASSERT_TRUE(QFileInfo::exists(SettingsStore().FileName()));
        ASSERT_FALSE(InstalledIcons().isEmpty());
    }
};

TEST_P(UnregisterRun, RemovesTheDesktopFilesAndTheSettingsAndShowsNoWindow)
{
    InstallAndWriteSettings();
    const bool embedded = GetParam().contains("-Embedding");
    if (!embedded)
        host.AnswerMessage(IDOK);
    app.SetCommandLine(GetParam());
    EXPECT_EQ(app.Run(), CWinApp::kExitSuccess);

    if (embedded) {
        EXPECT_TRUE(host.messages.empty());
    } else {
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text,
                  "System registry entries have been removed and the INI file (if any) was deleted.");
        EXPECT_EQ(host.messages[0].caption, "Mapsmith");
    }
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(Documents().empty());
    EXPECT_FALSE(QFileInfo::exists(integration.DesktopFilePath()));
    EXPECT_FALSE(QFileInfo::exists(integration.MimePackagePath()));
    EXPECT_TRUE(InstalledIcons().isEmpty());
    EXPECT_TRUE(MimeAppsList(integration.UserMimeAppsListPath()).Defaults("text/x-rms").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(SettingsStore().FileName())) << "nor written again at exit";
}

INSTANTIATE_TEST_SUITE_P(AppTest, UnregisterRun,
                         ::testing::Values(QStringList{"/Unregister"}, QStringList{"-UNREGSERVER"},
                                           QStringList{"/unregister", "-Embedding"}));

} // namespace
