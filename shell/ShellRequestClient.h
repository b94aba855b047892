#pragma once

#include "ShellRequest.h"
#include "ShellRequestServer.h"

#include <QString>

// A later start's end of the single-instance channel.
class ShellRequestClient {
public:
    static constexpr int kConnectTimeoutMs = 1000;
    static constexpr int kAnswerTimeoutMs = 5000;

    // Hands the request to the running instance. True when an instance took
    // it (it may still drop it if a modal dialog is open there); false when
    // none answers, so the caller carries the request out itself.
    static bool HandOver(const ShellRequest &request,
                         const QString &socketPath = ShellRequestServer::DefaultSocketPath());
};
