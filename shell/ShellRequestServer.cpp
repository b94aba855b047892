#include "ShellRequestServer.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <unistd.h>

#include <utility>

namespace {

constexpr int kLockTimeoutMs = 3000;
constexpr int kProbeTimeoutMs = 1000;

bool InstanceAnswers(const QString &socketPath)
{
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    return probe.waitForConnected(kProbeTimeoutMs);
}

} // namespace

QString ShellRequestServer::DefaultSocketPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QString("%1/mapsmith-%2.socket").arg(folder).arg(getuid());
}

ShellRequestServer::ShellRequestServer(QString socketPath)
    : m_strSocketPath(std::move(socketPath))
{
}

ShellRequestServer::~ShellRequestServer() = default;

ShellRequestServer::ListenResult ShellRequestServer::Listen()
{
    if (IsListening())
        return ListenResult::Listening;

    // Best effort: without the lock the worst case is two first instances.
    QLockFile lock(m_strSocketPath + ".lock");
    lock.tryLock(kLockTimeoutMs);

    if (InstanceAnswers(m_strSocketPath))
        return ListenResult::AlreadyRunning;
    QLocalServer::removeServer(m_strSocketPath);

    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_strSocketPath))
        return ListenResult::Failed;
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { Accept(); });
    m_server = std::move(server);
    return ListenResult::Listening;
}

bool ShellRequestServer::IsListening() const
{
    return m_server && m_server->isListening();
}

void ShellRequestServer::SetHandler(Handler handler)
{
    m_handler = std::move(handler);
}

void ShellRequestServer::SetGate(Gate gate)
{
    m_gate = std::move(gate);
}

void ShellRequestServer::Accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection())
        Serve(socket);
}

void ShellRequestServer::Serve(QLocalSocket *socket)
{
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);

    auto *deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(kConnectionTimeoutMs);

    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer, deadline] {
        buffer->append(socket->read(kMaxRequestBytes + 1 - buffer->size()));
        const qsizetype end = buffer->indexOf('\0');
        if (end >= 0) {
            deadline->stop();
            QObject::disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
            Finish(socket, buffer->left(end));
        } else if (buffer->size() > kMaxRequestBytes) {
            socket->abort();
            socket->deleteLater();
        }
    });
}

void ShellRequestServer::Finish(QLocalSocket *socket, const QByteArray &text)
{
    const std::optional<ShellRequest> request = ShellRequest::ParseUtf8(text);
    socket->write(request ? "1" : "0", 1);
    socket->disconnectFromServer();
    if (!request)
        return;
    // Carried out from the event loop rather than inside the socket's
    // signal, so a handler that runs a modal dialog cannot pull the socket
    // from under itself; the gate is asked at that moment.
    QMetaObject::invokeMethod(
        m_server.get(),
        [this, request = *request] {
            if (m_gate && !m_gate())
                return;
            if (m_handler)
                m_handler(request);
        },
        Qt::QueuedConnection);
}
