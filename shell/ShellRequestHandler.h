#pragma once

#include "ShellRequest.h"
#include "ShellRequestServer.h"

class CCommandLineInfo;
class CWinApp;

// The program's answer to the open and print requests that later starts
// hand over (ShellRequestServer): the single-instance side of start-up.
//
// Open brings the main window to the front (restored if minimized) and
// opens the file. Print and print-to open the file, print it without a
// dialog and close it again unless it was open before. A run started only
// to serve requests ends after a print, unless an open came first.
// Requests are carried out only while the main window takes them: one that
// arrives during a modal dialog is dropped.
class ShellRequestHandler {
public:
    enum class Run { ForUser, ForRequestsOnly };

    // A start with "dde", "Embedding" or "Automation" serves requests only.
    static Run RunOf(const CCommandLineInfo &info);
    // Hands the command line's open or print request to a running instance;
    // true when one took it, so this start has nothing left to do.
    static bool HandOver(const CCommandLineInfo &info,
                         const QString &socketPath = ShellRequestServer::DefaultSocketPath());

    ShellRequestHandler(CWinApp &app, Run run, QString socketPath = ShellRequestServer::DefaultSocketPath());

    // Starts listening unless another instance already does.
    void Listen();

    void OnShellRequest(const ShellRequest &request);

private:
    void Open(const QString &path);
    void Print(const ShellRequest &request);

    CWinApp &m_app;
    Run m_run;
    ShellRequestServer m_server;
};
