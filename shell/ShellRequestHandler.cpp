#include "ShellRequestHandler.h"

#include "CCommandLineInfo.h"
#include "CDocument.h"
#include "CMultiDocTemplate.h"
#include "CWinApp.h"
#include "ResourceIds.h"
#include "ShellRequestClient.h"
#include "ShellRequestGate.h"

#include <utility>

ShellRequestHandler::Run ShellRequestHandler::RunOf(const CCommandLineInfo &info)
{
    const bool serveOnly = info.m_nShellCommand == CCommandLineInfo::ShellCommand::FileDDE || info.m_bRunEmbedded
                        || info.m_bRunAutomated;
    return serveOnly ? Run::ForRequestsOnly : Run::ForUser;
}

bool ShellRequestHandler::HandOver(const CCommandLineInfo &info, const QString &socketPath)
{
    const std::optional<ShellRequest> request = ShellRequest::FromCommandLine(info);
    return request && ShellRequestClient::HandOver(*request, socketPath);
}

ShellRequestHandler::ShellRequestHandler(CWinApp &app, Run run, QString socketPath)
    : m_app(app)
    , m_run(run)
    , m_server(std::move(socketPath))
{
    m_server.SetGate(MainWindowAcceptsShellRequests);
    m_server.SetHandler([this](const ShellRequest &request) { OnShellRequest(request); });
}

void ShellRequestHandler::Listen()
{
    // Failing to listen (another instance, no runtime folder) leaves this
    // instance working on its own.
    m_server.Listen();
}

void ShellRequestHandler::OnShellRequest(const ShellRequest &request)
{
    switch (request.kind) {
    case ShellRequest::Kind::Open:
        Open(request.path);
        break;
    case ShellRequest::Kind::Print:
    case ShellRequest::Kind::PrintTo:
        Print(request);
        break;
    }
}

void ShellRequestHandler::Open(const QString &path)
{
    m_run = Run::ForUser;
    if (CMDIFrameWnd *frame = m_app.GetMainFrame()) {
        frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
        frame->show();
        frame->raise();
        frame->activateWindow();
    }
    m_app.OpenDocumentFile(path);
}

void ShellRequestHandler::Print(const ShellRequest &request)
{
    CMDIFrameWnd *frame = m_app.GetMainFrame();
    if (!frame || m_app.GetDocTemplates().empty())
        return;
    const bool wasOpen = m_app.GetDocTemplates().front()->FindDocument(request.path) != nullptr;
    CDocument *document = m_app.OpenDocumentFile(request.path);
    if (!document)
        return;

    CCommandLineInfo info;
    info.m_nShellCommand = request.kind == ShellRequest::Kind::PrintTo ? CCommandLineInfo::ShellCommand::FilePrintTo
                                                                       : CCommandLineInfo::ShellCommand::FilePrint;
    info.m_strFileName = request.path;
    info.m_strPrinterName = request.printer;
    info.m_strDriverName = request.driver;
    info.m_strPortName = request.port;
    m_app.m_pCmdInfo = &info;
    frame->OnCommand(ID_FILE_PRINT_DIRECT);
    m_app.m_pCmdInfo = nullptr;

    if (!wasOpen)
        document->OnCloseDocument();
    if (m_run == Run::ForRequestsOnly)
        m_app.OnAppExit();
}
