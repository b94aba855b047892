#include "DesktopEntry.h"
#include "DesktopIntegration.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// Every XDG folder below one temporary root.
class Desktop : public ::testing::Test {
protected:
    static XdgDirectories DirsUnder(const QString &root)
    {
        XdgDirectories dirs;
        dirs.dataHome = root + "/data-home";
        dirs.configHome = root + "/config-home";
        dirs.dataDirs = {root + "/data-dir"};
        dirs.configDirs = {root + "/config-dir"};
        dirs.desktops = {"testdesk"};
        return dirs;
    }
    XdgDirectories Dirs() const { return DirsUnder(Root()); }
    QString Root() const { return m_root.path(); }
    QString UserList() const { return Root() + "/config-home/mimeapps.list"; }

    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString &path, const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // Test icons in two of the theme's sizes.
    static QIcon TwoSizeIcon(Qt::GlobalColor color)
    {
        QIcon icon;
        for (const int size : {16, 32}) {
            QPixmap pixmap(size, size);
            pixmap.fill(color);
            icon.addPixmap(pixmap);
        }
        return icon;
    }

    QTemporaryDir m_root;
};

TEST_F(Desktop, InstallPutsTheEntryTheTypeTheIconsAndTheDefaultInPlace)
{
    DesktopIntegration integration(Dirs());
    integration.Install("/opt/mapsmith/bin/mapsmith", {TwoSizeIcon(Qt::red), TwoSizeIcon(Qt::blue)});

    EXPECT_EQ(integration.DesktopFilePath(), Root() + "/data-home/applications/mapsmith.desktop");
    const QStringList entry = QString::fromUtf8(Read(integration.DesktopFilePath())).split('\n');
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_EQ(entry.first(), "[Desktop Entry]");
    for (const char *line : {"Type=Application", "Name=Mapsmith", "Icon=mapsmith", "MimeType=text/x-rms;",
                             "Exec=\"/opt/mapsmith/bin/mapsmith\" %f", "TryExec=/opt/mapsmith/bin/mapsmith"})
        EXPECT_TRUE(entry.contains(line)) << line;

    EXPECT_EQ(integration.MimePackagePath(), Root() + "/data-home/mime/packages/mapsmith.xml");
    QXmlStreamReader xml(Read(integration.MimePackagePath()));
    QStringList seen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == "mime-type")
            seen << "type " + xml.attributes().value("type").toString();
        else if (name == "comment")
            seen << "comment " + xml.readElementText();
        else if (name == "glob")
            seen << "glob " + xml.attributes().value("pattern").toString();
        else if (name == "icon")
            seen << "icon " + xml.attributes().value("name").toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(seen, (QStringList{"type text/x-rms", "comment RMS Document", "icon text-x-rms", "glob *.rms"}));

    for (const int size : {16, 32}) {
        const QImage app(integration.IconPath("apps", size, "mapsmith"));
        const QImage document(integration.IconPath("mimetypes", size, "text-x-rms"));
        EXPECT_EQ(app.size(), QSize(size, size));
        EXPECT_EQ(document.size(), QSize(size, size));
        EXPECT_EQ(app.pixelColor(0, 0), QColor(Qt::red));
        EXPECT_EQ(document.pixelColor(0, 0), QColor(Qt::blue));
    }
    EXPECT_FALSE(QFileInfo::exists(integration.IconPath("apps", 48, "mapsmith")));

    EXPECT_EQ(Read(UserList()), "[Default Applications]\ntext/x-rms=mapsmith.desktop;\n");
}

TEST_F(Desktop, WithoutIconsTheEntriesStillNameThem)
{
    DesktopIntegration integration(Dirs());
    integration.Install("/opt/mapsmith/bin/mapsmith");
    EXPECT_TRUE(Read(integration.DesktopFilePath()).contains("\nIcon=mapsmith\n"));
    EXPECT_TRUE(Read(integration.MimePackagePath()).contains("<icon name=\"text-x-rms\"/>"));
    EXPECT_FALSE(QFileInfo::exists(Root() + "/data-home/icons"));
}

TEST_F(Desktop, StartingAgainFromElsewhereUpdatesTheEntryButNotTheDefault)
{
    DesktopIntegration integration(Dirs());
    integration.Install("/opt/old/mapsmith");
    integration.Install("/opt/new/mapsmith");
    EXPECT_TRUE(Read(integration.DesktopFilePath()).contains("\nExec=\"/opt/new/mapsmith\" %f\n"));
    EXPECT_EQ(Read(UserList()), "[Default Applications]\ntext/x-rms=mapsmith.desktop;\n");
}

TEST_F(Desktop, AnExistingDefaultForTheTypeIsLeftAlone)
{
    const QString places[] = {
        "/config-home/mimeapps.list",
        "/config-home/testdesk-mimeapps.list",
        "/config-dir/mimeapps.list",
        "/data-home/applications/mimeapps.list",
        "/data-dir/applications/testdesk-mimeapps.list",
    };
    const QByteArray other = "# chosen by the user\n[Default Applications]\ntext/x-rms=other-editor.desktop;\n";
    for (const QString &place : places) {
        SCOPED_TRACE(place.toStdString());
        QTemporaryDir root;
        Write(root.path() + place, other);

        DesktopIntegration(DirsUnder(root.path())).Install("/opt/mapsmith/bin/mapsmith");

        EXPECT_EQ(Read(root.path() + place), other);
        if (place != "/config-home/mimeapps.list") {
            EXPECT_FALSE(QFileInfo::exists(root.path() + "/config-home/mimeapps.list"));
        }
        EXPECT_TRUE(QFileInfo::exists(root.path() + "/data-home/applications/mapsmith.desktop"));
    }
}

TEST_F(Desktop, UnregisterRemovesExactlyWhatWasInstalled)
{
    const QByteArray userList = "[Default Applications]\ntext/html=browser.desktop;\n";
    Write(UserList(), userList);
    const QString foreign[] = {
        Root() + "/data-home/applications/other-editor.desktop",
        Root() + "/data-home/mime/packages/other.xml",
        Root() + "/data-home/icons/hicolor/32x32/apps/other.png",
    };
    for (const QString &path : foreign)
        Write(path, "someone else's");

    DesktopIntegration integration(Dirs());
    integration.Install("/opt/mapsmith/bin/mapsmith", {TwoSizeIcon(Qt::red), TwoSizeIcon(Qt::blue)});
    ASSERT_NE(Read(UserList()), userList);

    integration.Uninstall();
    EXPECT_FALSE(QFileInfo::exists(integration.DesktopFilePath()));
    EXPECT_FALSE(QFileInfo::exists(integration.MimePackagePath()));
    for (const int size : {16, 32}) {
        EXPECT_FALSE(QFileInfo::exists(integration.IconPath("apps", size, "mapsmith")));
        EXPECT_FALSE(QFileInfo::exists(integration.IconPath("mimetypes", size, "text-x-rms")));
    }
    EXPECT_EQ(Read(UserList()), userList);
    for (const QString &path : foreign)
        EXPECT_EQ(Read(path), "someone else's") << path.toStdString();
}

TEST_F(Desktop, UnregisterLeavesAnotherProgramsDefault)
{
    const QByteArray other = "[Default Applications]\ntext/x-rms=other-editor.desktop;\n";
    Write(UserList(), other);
    DesktopIntegration integration(Dirs());
    integration.Install("/opt/mapsmith/bin/mapsmith");
    integration.Uninstall();
    EXPECT_EQ(Read(UserList()), other);
}

TEST_F(Desktop, AFailingWriteEndsTheInstallationQuietly)
{
    // A file where the data folder should be: nothing can be created below it.
    Write(Root() + "/data-home", "not a folder");
    DesktopIntegration integration(Dirs());
    integration.Install("/opt/mapsmith/bin/mapsmith");
    EXPECT_FALSE(QFileInfo::exists(UserList()));
    EXPECT_EQ(Read(Root() + "/data-home"), "not a folder");
    integration.Uninstall();
}

TEST_F(Desktop, TheDesktopsMimeDatabaseLearnsAndForgetsTheType)
{
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database (shared-mime-info) is not installed";
    DesktopIntegration integration(Dirs());
    const QString globs = Root() + "/data-home/mime/globs2";

    integration.Install("/opt/mapsmith/bin/mapsmith");
    EXPECT_TRUE(Read(globs).contains("60:text/x-rms:*.rms")) << Read(globs).toStdString();
    EXPECT_TRUE(QFileInfo::exists(Root() + "/data-home/mime/text/x-rms.xml"));

    integration.Uninstall();
    EXPECT_FALSE(Read(globs).contains("text/x-rms"));
}

TEST(DesktopEntryExec, QuotesAndEscapesEveryReservedCharacter)
{
    struct Case {
        QString path;
        const char *execValue;
    };
    const Case cases[] = {
        {"/usr/bin/mapsmith", R"("/usr/bin/mapsmith" %f)"},
        {"/opt/my apps/mapsmith", R"("/opt/my apps/mapsmith" %f)"},
        {"/opt/\"q\"/mapsmith", R"("/opt/\\"q\\"/mapsmith" %f)"},
        {"/opt/$HOME/`id`/mapsmith", R"("/opt/\\$HOME/\\`id\\`/mapsmith" %f)"},
        {"/opt/back\\slash/mapsmith", R"("/opt/back\\\\slash/mapsmith" %f)"},
        {"/opt/100%/mapsmith", R"("/opt/100%%/mapsmith" %f)"},
        {"/opt/it's;#<>|&*?()~/mapsmith", R"("/opt/it's;#<>|&*?()~/mapsmith" %f)"},
        {"/opt/new\nline\ttab/mapsmith", R"("/opt/new\nline\ttab/mapsmith" %f)"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(DesktopEntry::EscapeValue(DesktopEntry::QuoteExecArgument(c.path) + " %f"), c.execValue)
            << c.path.toStdString();
    }
    EXPECT_EQ(DesktopEntry::EscapeValue(" lead"), "\\slead");
}

// The desktop's own launcher reads the entry back: the program at an
// awkward path starts with the file it was given.
TEST_F(Desktop, TheDesktopsLauncherStartsTheProgramAtAnyPath)
{
    const QString gio = QStandardPaths::findExecutable("gio");
    if (gio.isEmpty())
        GTEST_SKIP() << "gio (libglib2.0-bin) is not installed";

    // No "%" here: GLib 2.74 refuses any entry whose program path holds the
    // escaped "%%", so that case rests on the table test above.
    const QString folder = Root() + "/odd \"dir\" $HOME `x` \\ it's\nnew\ttab";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString program = folder + "/mapsmith";
    Write(program, "#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > \"$LAUNCH_LOG.part\" && mv \"$LAUNCH_LOG.part\" \"$LAUNCH_LOG\"\n");
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString script = Root() + "/my map.rms";
    Write(script, "");

    DesktopIntegration integration(Dirs());
    integration.Install(program);

    const QString log = Root() + "/launch.log";
    QProcess launcher;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LAUNCH_LOG", log);
    environment.insert("XDG_DATA_HOME", Root() + "/data-home");
    launcher.setProcessEnvironment(environment);
    launcher.setProcessChannelMode(QProcess::ForwardedChannels);
    launcher.start(gio, {"launch", integration.DesktopFilePath(), script});
    ASSERT_TRUE(launcher.waitForFinished(60000));
    ASSERT_EQ(launcher.exitCode(), 0);

    QProcess waiter;  // the launched program may outlive the launcher
    waiter.start("sh", {"-c", "i=0; while [ ! -e \"$0\" ] && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done", log});
    ASSERT_TRUE(waiter.waitForFinished(90000));

    const QList<QByteArray> argv = Read(log).split('\0');
    ASSERT_EQ(argv.size(), 3) << Read(log).toStdString();
    EXPECT_EQ(QString::fromUtf8(argv[0]), program);
    EXPECT_EQ(QString::fromUtf8(argv[1]), script);
}

} // namespace
