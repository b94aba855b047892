#include "AfxMainWnd.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"
#include "ShellRequestClient.h"
#include "ShellRequestGate.h"
#include "ShellRequestServer.h"
#include "QtPrinting.h"
#include "RunUntil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

// A later start of the program in its own process: 0 when a running
// instance took its request, 1 when none did.
int RunSecondStart(const QString &socketPath, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setProgram(SHELL_REQUEST_SENDER);
    process.setArguments(QStringList{socketPath} + arguments);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    EXPECT_TRUE(RunUntil([&] { return process.state() == QProcess::NotRunning; }));
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// What a crashed instance leaves behind: a socket file nobody listens on.
void LeaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    ASSERT_LT(static_cast<size_t>(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), name.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_server.SetHandler([this](const ShellRequest &request) { m_handled.push_back(request); });
    }

    QString Folder() const { return QFileInfo(m_dir.path()).canonicalFilePath(); }
    bool HandledCountReaches(size_t count)
    {
        return RunUntil([&] { return m_handled.size() >= count; });
    }

    QTemporaryDir m_dir;
    ShellRequestServer m_server{m_dir.filePath("instance.socket")};
    std::vector<ShellRequest> m_handled;
};

TEST_F(SingleInstance, TheSocketIsPerUserInTheRuntimeFolder)
{
    const QString path = ShellRequestServer::DefaultSocketPath();
    EXPECT_EQ(QFileInfo(path).absolutePath(), qEnvironmentVariable("XDG_RUNTIME_DIR"));
    EXPECT_TRUE(QFileInfo(path).fileName().contains(QString::number(getuid())));
}

TEST_F(SingleInstance, TheSocketFileIsOwnerOnly)
{
    ASSERT_EQ(m_server.Listen(), ShellRequestServer::ListenResult::Listening);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                          | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFileInfo(m_server.SocketPath()).permissions() & others, QFileDevice::Permissions());
}

TEST_F(SingleInstance, ASecondProcessHandsItsRequestsToTheFirst)
{
    ASSERT_EQ(m_server.Listen(), ShellRequestServer::ListenResult::Listening);
    struct Case {
        QStringList arguments;
        ShellRequest expected;
    };
    const Case cases[] = {
        {{"maps/desert \"sea\".rms"}, ShellRequest::Open(Folder() + "/maps/desert \"sea\".rms")},
        {{"-p", "b.rms"}, ShellRequest::Print(Folder() + "/b.rms")},
        {{"/pt", "c.rms", "Laser", "cups", "usb0"}, ShellRequest::PrintTo(Folder() + "/c.rms", "Laser", "cups", "usb0")},
    };
    for (const Case &c : cases) {
        const size_t before = m_handled.size();
        EXPECT_EQ(RunSecondStart(m_server.SocketPath(), c.arguments, Folder()), 0);
        ASSERT_TRUE(HandledCountReaches(before + 1));
        EXPECT_EQ(m_handled.back(), c.expected);
    }
    EXPECT_EQ(m_handled.size(), std::size(cases));
}

TEST_F(SingleInstance, WithNoInstanceRunningTheSecondStartKeepsItsRequest)
{
    EXPECT_EQ(RunSecondStart(m_server.SocketPath(), {"a.rms"}), 1);
    LeaveStaleSocket(m_server.SocketPath());
    EXPECT_EQ(RunSecondStart(m_server.SocketPath(), {"a.rms"}), 1);
}

TEST_F(SingleInstance, ASocketLeftByADeadInstanceDoesNotBlockANewFirstInstance)
{
    LeaveStaleSocket(m_server.SocketPath());
    ASSERT_EQ(m_server.Listen(), ShellRequestServer::ListenResult::Listening);
    EXPECT_EQ(RunSecondStart(m_server.SocketPath(), {"/maps/a.rms"}), 0);
    ASSERT_TRUE(HandledCountReaches(1));
    EXPECT_EQ(m_handled.back(), ShellRequest::Open("/maps/a.rms"));
}

TEST_F(SingleInstance, ALaterServerFindsTheFirstRunningAndLeavesItServing)
{
    ASSERT_EQ(m_server.Listen(), ShellRequestServer::ListenResult::Listening);
    {
        ShellRequestServer later(m_server.SocketPath());
        EXPECT_EQ(later.Listen(), ShellRequestServer::ListenResult::AlreadyRunning);
        EXPECT_FALSE(later.IsListening());
    }
    EXPECT_EQ(RunSecondStart(m_server.SocketPath(), {"/maps/b.rms"}), 0);
    ASSERT_TRUE(HandledCountReaches(1));
    EXPECT_EQ(m_handled.back(), ShellRequest::Open("/maps/b.rms"));
}

TEST(ShellRequestGate, OpenOnlyWhileTheMainWindowIsEnabledAndNoModalRuns)
{
    EXPECT_FALSE(MainWindowAcceptsShellRequests());
    QWidget mainWindow;
    AfxSetMainWnd(&mainWindow);
    EXPECT_TRUE(MainWindowAcceptsShellRequests());
    mainWindow.setEnabled(false);
    EXPECT_FALSE(MainWindowAcceptsShellRequests());
    mainWindow.setEnabled(true);

    ScriptedModalHost host;
    bool openDuringModal = true;
    host.AnswerMessage([&](const MessageRequest &) {
        openDuringModal = MainWindowAcceptsShellRequests();
        return IDOK;
    });
    AfxMessageBox("busy");
    EXPECT_FALSE(openDuringModal);
    EXPECT_TRUE(MainWindowAcceptsShellRequests());
    AfxSetMainWnd(nullptr);
}

TEST_F(SingleInstance, ARequestArrivingDuringAModalDialogIsDroppedForGood)
{
    QWidget mainWindow;
    AfxSetMainWnd(&mainWindow);
    m_server.SetGate(MainWindowAcceptsShellRequests);
    ASSERT_EQ(m_server.Listen(), ShellRequestServer::ListenResult::Listening);

    ScriptedModalHost host;
    int secondStart = -1;
    host.AnswerMessage([&](const MessageRequest &) {
        secondStart = RunSecondStart(m_server.SocketPath(), {"/maps/during.rms"});
        QCoreApplication::processEvents();
        return IDOK;
    });
    AfxMessageBox("About the Mapsmith");
    EXPECT_EQ(secondStart, 0);  // taken, then dropped
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_handled.empty());

    // The next request is carried out, and the dropped one never comes back.
    EXPECT_EQ(RunSecondStart(m_server.SocketPath(), {"/maps/after.rms"}), 0);
    ASSERT_TRUE(HandledCountReaches(1));
    QCoreApplication::processEvents();
    ASSERT_EQ(m_handled.size(), 1u);
    EXPECT_EQ(m_handled[0], ShellRequest::Open("/maps/after.rms"));
    AfxSetMainWnd(nullptr);
}

// Sends raw bytes as a client would and waits until the server ends the
// connection; returns what it answered.
QByteArray SendRaw(const QString &socketPath, const QByteArray &bytes)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    EXPECT_TRUE(socket.waitForConnected(10000));
    socket.write(bytes);
    QByteArray answer;
    EXPECT_TRUE(RunUntil([&] {
        answer += socket.readAll();
        return socket.state() == QLocalSocket::UnconnectedState;
    }));
    return answer + socket.readAll();
}

TEST_F(SingleInstance, MalformedOrOversizedRequestsChangeNothing)
{
    ASSERT_EQ(m_server.Listen(), ShellRequestServer::ListenResult::Listening);

    // A client that connects and says nothing holds up no one.
    QLocalSocket silent;
    silent.connectToServer(m_server.SocketPath());
    ASSERT_TRUE(silent.waitForConnected(10000));

    struct Case {
        const char *name;
        QByteArray bytes;
        QByteArray answer;
    };
    const qsizetype limit = ShellRequestServer::kMaxRequestBytes;
    const Case cases[] = {
        {"garbage", QByteArray("garbage\0", 8), "0"},
        {"empty path", QByteArray("[open(\"\")]\0", 11), "0"},
        {"unknown request", QByteArray("[close(\"/a.rms\")]\0", 18), "0"},
        {"invalid UTF-8", QByteArray("[open(\"/\xff.rms\")]\0", 17), "0"},
        {"nothing but the end", QByteArray(1, '\0'), "0"},
        {"endless without an end", QByteArray(limit + 1000, 'x'), ""},
        {"a request past the limit", "[open(\"/" + QByteArray(limit, 'a') + "\")]" + QByteArray(1, '\0'), ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SendRaw(m_server.SocketPath(), c.bytes), c.answer) << c.name;

    // A client that leaves halfway.
    {
        QLocalSocket leaving;
        leaving.connectToServer(m_server.SocketPath());
        ASSERT_TRUE(leaving.waitForConnected(10000));
        leaving.write("[open(\"/maps/half.rms\")]");
        leaving.waitForBytesWritten(10000);
    }

    // Our own client refuses a request it knows is too long.
    EXPECT_FALSE(ShellRequestClient::HandOver(ShellRequest::Open('/' + QString(limit, 'c')), m_server.SocketPath()));

    QCoreApplication::processEvents();
    EXPECT_TRUE(m_handled.empty());
    EXPECT_TRUE(m_server.IsListening());

    // The longest request that fits still goes through, while the silent client waits.
    const QString longPath = '/' + QString(limit - 11, 'b');  // the request is exactly the limit
    EXPECT_EQ(SendRaw(m_server.SocketPath(), ShellRequest::Open(longPath).ToText().toUtf8() + '\0'), "1");
    ASSERT_TRUE(HandledCountReaches(1));
    EXPECT_EQ(m_handled.back(), ShellRequest::Open(longPath));
    EXPECT_EQ(silent.state(), QLocalSocket::ConnectedState);
}

} // namespace
