#include "ShellRequestClient.h"

#include <QLocalSocket>

bool ShellRequestClient::HandOver(const ShellRequest &request, const QString &socketPath)
{
    QByteArray bytes = request.ToText().toUtf8();
    if (bytes.size() > ShellRequestServer::kMaxRequestBytes || bytes.contains('\0'))
        return false;
    bytes.append('\0');

    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(bytes);
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(kAnswerTimeoutMs))
            return false;
    }
    return socket.read(1) == "1";
}
