#include "AppFixture.h"
#include "ResourceIds.h"
#include "RunUntil.h"
#include "ShellRequestServer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLocalSocket>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// A later start of the real program, with this test program's runtime,
// config and data folders: it finds the app under test running.
class SecondStart {
public:
    explicit SecondStart(const QStringList &arguments, const QString &folder = {})
    {
        m_process.setProgram(MAPSMITH_BUILD_DIR "/mapsmith");
        m_process.setArguments(arguments);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        m_process.setProcessEnvironment(env);
        if (!folder.isEmpty())
            m_process.setWorkingDirectory(folder);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start();
    }
    // Its exit code, the event loop running meanwhile so that the app under
    // test can answer; -1 if it did not end normally.
    int Finish()
    {
        EXPECT_TRUE(RunUntil([&] { return m_process.state() == QProcess::NotRunning; }));
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

private:
    QProcess m_process;
};

int RunSecondStart(const QStringList &arguments, const QString &folder = {})
{
    return SecondStart(arguments, folder).Finish();
}

TEST_F(AppTest, ASecondStartHandsItsFileToTheRunningInstanceOverTheSocket)
{
    ASSERT_TRUE(Start());
    const QString first = MakeFile("first.rms");
    const QString second = MakeFile("maps/second.rms");

    EXPECT_EQ(RunSecondStart({first}), 0);
    ASSERT_TRUE(RunUntil([&] { return Documents().size() == 2; }));
    EXPECT_EQ(PathNames(), (QStringList{QString(), first}));
    EXPECT_EQ(ActiveDocument()->GetPathName(), first);
    EXPECT_EQ(RecentFiles(), QStringList{first});

    // A relative name is taken from the second start's folder.
    EXPECT_EQ(RunSecondStart({"second.rms"}, Folder() + "/maps"), 0);
    ASSERT_TRUE(RunUntil([&] { return Documents().size() == 3; }));
    EXPECT_EQ(ActiveDocument()->GetPathName(), second);

    // An open file is only activated.
    EXPECT_EQ(RunSecondStart({first}), 0);
    ASSERT_TRUE(RunUntil([&] { return ActiveDocument()->GetPathName() == first; }));
    EXPECT_EQ(Documents().size(), 3u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AppTest, AnOpenRequestRestoresAMinimizedMainWindow)
{
    ASSERT_TRUE(Start());
    Frame().showMinimized();
    ASSERT_TRUE(Frame().isMinimized());
    EXPECT_EQ(RunSecondStart({MakeFile("a.rms")}), 0);
    ASSERT_TRUE(RunUntil([&] { return Documents().size() == 2; }));
    EXPECT_FALSE(Frame().isMinimized());
    EXPECT_TRUE(Frame().isMaximized());
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(AppTest, ARequestArrivingWhileTheAboutBoxIsOpenIsDroppedForGood)
{
    ASSERT_TRUE(Start());
    const QString during = MakeFile("during.rms");
    int secondStart = -1;
    host.AnswerDialog([&](QDialog &) {
        secondStart = RunSecondStart({during});
        QCoreApplication::processEvents();
        return IDOK;
    });
    EXPECT_TRUE(Frame().OnCommand(ID_APP_ABOUT));
    EXPECT_EQ(secondStart, 0) << "the request was taken, then dropped";
    QCoreApplication::processEvents();
    EXPECT_EQ(Titles(), QStringList{"RMS1"});

    const QString after = MakeFile("after.rms");
    EXPECT_EQ(RunSecondStart({after}), 0);
    ASSERT_TRUE(RunUntil([&] { return Documents().size() == 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(PathNames(), (QStringList{QString(), after}));
}

TEST_F(AppTest, AMalformedRequestChangesNothing)
{
    ASSERT_TRUE(Start());
    const QString file = MakeFile("a.rms");
    for (const QByteArray &bytes : {QByteArray("[open(") + file.toUtf8() + ")]", QByteArray("[open(\"\")]"),
                                    "[close(\"" + file.toUtf8() + "\")]", QByteArray("\xff\xfe")}) {
        QLocalSocket socket;
        socket.connectToServer(ShellRequestServer::DefaultSocketPath());
        ASSERT_TRUE(socket.waitForConnected(10000));
        socket.write(bytes + '\0');
        ASSERT_TRUE(RunUntil([&] { return socket.state() == QLocalSocket::UnconnectedState; }));
        EXPECT_EQ(socket.readAll(), "0");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(Titles(), QStringList{"RMS1"});
    EXPECT_TRUE(host.messages.empty());

    EXPECT_EQ(RunSecondStart({file}), 0) << "the instance still serves";
    EXPECT_TRUE(RunUntil([&] { return Documents().size() == 2; }));
}

// Print requests print through the print dialog here (the machine has no
// default printer), which the script answers with a PDF file.
class PrintRequest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        if (!QPrinterInfo::defaultPrinter().isNull())
            GTEST_SKIP() << "this machine has a default printer: a test must not print on it";
    }
    void AnswerPrintToPdf(const QString &pdf)
    {
        host.AnswerPrint([pdf](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
    }
};

TEST_F(PrintRequest, APrintRequestPrintsAndClosesOnlyWhatItOpened)
{
    const QString open = MakeFile("open.rms");
    const QString other = MakeFile("other.rms");
    ASSERT_TRUE(Start({"/dde"}));
    EXPECT_TRUE(Documents().empty());
    ASSERT_TRUE(Frame().isVisible());

    // An open request first: the run now serves the user, so a print
    // leaves the window up and closes only the script it opened itself.
    EXPECT_EQ(RunSecondStart({open}), 0);
    ASSERT_TRUE(RunUntil([&] { return Documents().size() == 1; }));
    AnswerPrintToPdf(Folder() + "/other.pdf");
    AnswerPrintToPdf(Folder() + "/open.pdf");
    EXPECT_EQ(RunSecondStart({"-p", other}), 0);
    ASSERT_TRUE(RunUntil([&] { return QFileInfo(Folder() + "/other.pdf").size() > 0; }));
    EXPECT_EQ(RunSecondStart({"-p", open}), 0);
    ASSERT_TRUE(RunUntil([&] { return QFileInfo(Folder() + "/open.pdf").size() > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(host.printDialogs, 2);
    EXPECT_EQ(PathNames(), QStringList{open}) << "the script open before stays open";
    EXPECT_EQ(RecentFiles(), (QStringList{other, open}));
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(PrintRequest, AfterAPrintARunStartedOnlyForRequestsCloses)
{
    const QString file = MakeFile("printed.rms");
    ASSERT_TRUE(Start({"/Automation"}));
    ASSERT_EQ(Titles(), QStringList{"RMS1"});
    AnswerPrintToPdf(Folder() + "/printed.pdf");
    EXPECT_EQ(RunSecondStart({"/p", file}), 0);
    ASSERT_TRUE(RunUntil([&] { return !Frame().isVisible(); }));
    EXPECT_GT(QFileInfo(Folder() + "/printed.pdf").size(), 0);
    EXPECT_TRUE(Documents().empty());
    EXPECT_EQ(RecentFiles(), QStringList{file});
}

TEST_F(PrintRequest, APrintToRequestNamesItsPrinter)
{
    const QString file = MakeFile("printed.rms");
    ASSERT_TRUE(Start({"/dde"}));
    // No such printer here: the print says so, and the run still ends.
    host.AnswerMessage(IDOK);
    EXPECT_EQ(RunSecondStart({"/pt", file, "No Such Printer 42", "cups", "usb0"}), 0);
    ASSERT_TRUE(RunUntil([&] { return !Frame().isVisible(); }));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Could not start print job.");
    EXPECT_EQ(host.printDialogs, 0);
}

TEST_F(PrintRequest, PrintingFromTheCommandLineEndsWithoutShowingTheMainWindow)
{
    const QString file = MakeFile("printed.rms", "player_setup\r\n  random_placement\r\n");
    const QString pdf = Folder() + "/printed.pdf";
    // A start meanwhile finds no instance to take its file: this run ends
    // after printing and would lose it.
    int laterStart = -1;
    host.AnswerPrint([&](QPrinter &printer) {
        QProcess sender;
        sender.start(SHELL_REQUEST_SENDER, {ShellRequestServer::DefaultSocketPath(), file});
        RunUntil([&] { return sender.state() == QProcess::NotRunning; });
        laterStart = sender.exitCode();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    app.SetCommandLine({"-p", file});
    EXPECT_EQ(app.Run(), CWinApp::kExitSuccess);
    EXPECT_EQ(laterStart, 1);
    EXPECT_GT(QFileInfo(Folder() + "/printed.pdf").size(), 0);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(RecentFiles(), QStringList{file});
}

TEST_F(PrintRequest, PrintingAMissingFileFromTheCommandLineFails)
{
    host.AnswerMessage(IDOK);
    app.SetCommandLine({"-p", Folder() + "/missing.rms"});
    EXPECT_EQ(app.Run(), CWinApp::kExitStartupFailed);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.printDialogs, 0);
    EXPECT_FALSE(Frame().isVisible());
}

} // namespace
