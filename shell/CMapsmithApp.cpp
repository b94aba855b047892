#include "CMapsmithApp.h"

#include "AfxResources.h"
#include "AppIdentity.h"
#include "CAboutBox.h"
#include "CChildFrame.h"
#include "CCommandLineInfo.h"
#include "CMainFrame.h"
#include "CMapsmithDoc.h"
#include "CMapsmithView.h"
#include "CMultiDocTemplate.h"
#include "DesktopIntegration.h"
#include "ResourceIds.h"
#include "ShellRequestHandler.h"

#include <QApplication>

#include <csignal>

CMapsmithApp::CMapsmithApp() = default;
CMapsmithApp::~CMapsmithApp() = default;

const MessageMap *CMapsmithApp::GetMessageMap() const
{
    static const MessageMap map(CWinApp::GetMessageMap(), {
        MapCommand(ID_APP_ABOUT, &CMapsmithApp::OnAppAbout),
        MapCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
        MapCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
    });
    return &map;
}

bool CMapsmithApp::InitInstance()
{
    // The Generate command's file writer reports a file-size limit as a
    // failed write; the signal would end the program instead.
    std::signal(SIGXFSZ, SIG_IGN);

    // A start with a file or a print request for an instance that already
    // runs hands it over and ends before anything else, settings included.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (ShellRequestHandler::HandOver(cmdInfo)) {
        SetStartupExitCode(kExitSuccess);
        return false;
    }

    SetRegistryKey(QString::fromLatin1(kSettingsOrganization));
    LoadStdProfileSettings(5);

    AddDocTemplate(CMultiDocTemplate::Make<CMapsmithDoc, CChildFrame, CMapsmithView>(IDR_SCRIPTTYPE));

    auto frame = std::make_unique<CMainFrame>();
    if (!frame->LoadFrame(IDR_MAINFRAME))
        return false;
    SetMainFrame(frame.release());
    // Dialogs such as the About box show the application's icon.
    QApplication::setWindowIcon(AfxLoadIcon(IDR_MAINFRAME));

    GetMainFrame()->DragAcceptFiles();
    EnableShellOpen(cmdInfo);
    RegisterShellFileTypes();

    if (!ProcessShellCommand(cmdInfo))
        return false;

    // Maximized, whatever state the program was started in.
    GetMainFrame()->showMaximized();
    return true;
}

void CMapsmithApp::EnableShellOpen(const CCommandLineInfo &info)
{
    // A run that ends once its command is done takes no requests: they
    // would be lost with it. A later start then runs on its own.
    using ShellCommand = CCommandLineInfo::ShellCommand;
    switch (info.m_nShellCommand) {
    case ShellCommand::FilePrint:
    case ShellCommand::FilePrintTo:
    case ShellCommand::AppUnregister:
        return;
    case ShellCommand::FileNew:
    case ShellCommand::FileOpen:
    case ShellCommand::FileDDE:
        break;
    }
    m_pShellRequests = std::make_unique<ShellRequestHandler>(*this, ShellRequestHandler::RunOf(info));
    m_pShellRequests->Listen();
}

void CMapsmithApp::RegisterShellFileTypes()
{
    DesktopIntegration().Install(QCoreApplication::applicationFilePath(),
                                 {AfxLoadIcon(IDR_MAINFRAME), AfxLoadIcon(IDR_SCRIPTTYPE)});
}

void CMapsmithApp::UnregisterShellFileTypes()
{
    DesktopIntegration().Uninstall();
}

void CMapsmithApp::OnAppAbout()
{
    CAboutBox aboutBox;
    aboutBox.DoModal();
}
