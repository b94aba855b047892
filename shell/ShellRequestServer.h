#pragma once

#include "ShellRequest.h"

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// The running instance's end of the single-instance channel: a per-user
// local socket, owner-only, in the user's runtime folder. A later start
// connects, writes one request in UTF-8 ended by a NUL byte and waits for a
// one-byte answer: '1' for a well-formed request, '0' for anything else.
//
// Every connection is bounded: at most kMaxRequestBytes before the NUL and
// kConnectionTimeoutMs in all, else it is dropped unanswered. Requests are
// carried out one at a time on the GUI thread, and only while the gate
// agrees (the main window accepts them); others are dropped for good.
class ShellRequestServer {
public:
    static constexpr qsizetype kMaxRequestBytes = 64 * 1024;
    static constexpr int kConnectionTimeoutMs = 5000;

    enum class ListenResult { Listening, AlreadyRunning, Failed };

    using Handler = std::function<void(const ShellRequest &)>;
    using Gate = std::function<bool()>;

    // The socket of the user's running instance:
    // <runtime dir>/mapsmith-<uid>.socket.
    static QString DefaultSocketPath();

    explicit ShellRequestServer(QString socketPath = DefaultSocketPath());
    ~ShellRequestServer();
    ShellRequestServer(const ShellRequestServer &) = delete;
    ShellRequestServer &operator=(const ShellRequestServer &) = delete;

    // Starts listening unless an instance already answers on the socket. A
    // socket file that nobody answers on (left by an instance that died) is
    // replaced. A lock file beside the socket keeps two simultaneous first
    // starts from both taking it.
    ListenResult Listen();
    bool IsListening() const;
    const QString &SocketPath() const { return m_strSocketPath; }

    void SetHandler(Handler handler);
    // Without a gate every well-formed request is carried out.
    void SetGate(Gate gate);

private:
    void Accept();
    void Serve(QLocalSocket *socket);
    void Finish(QLocalSocket *socket, const QByteArray &text);

    QString m_strSocketPath;
    std::unique_ptr<QLocalServer> m_server;
    Handler m_handler;
    Gate m_gate;
};
