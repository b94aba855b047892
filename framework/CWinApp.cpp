#include "CWinApp.h"

#include "AfxMainWnd.h"
#include "AppIdentity.h"
#include "CCmdUI.h"
#include "CCommandLineInfo.h"
#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "CRecentFileList.h"
#include "CanonicalPath.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "SessionEndGuard.h"
#include "SettingsStore.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

CWinApp *theApp = nullptr;

// A name as the shell may quote it: a leading double quote is skipped and
// the text ends at its last double quote. Linux file names may hold double
// quotes themselves, so a name that exists as given is taken unchanged.
QString StripShellQuotes(const QString &name)
{
    if (QFileInfo::exists(name))
        return name;
    QString stripped = name.startsWith('"') ? name.mid(1) : name;
    if (const qsizetype last = stripped.lastIndexOf('"'); last >= 0)
        stripped.truncate(last);
    return stripped;
}

} // namespace

CWinApp *AfxGetApp()
{
    return theApp;
}

CWinApp::CWinApp()
    : m_pSessionEndGuard(std::make_unique<SessionEndGuard>([this](bool allowsInteraction) {
        return OnQueryEndSession(allowsInteraction);
    }))
{
    theApp = this;
    // Idle time is when the event loop is about to wait for more events.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &m_idleHook, [this] { OnIdle(0); });
}

CWinApp::~CWinApp()
{
    CloseAllDocuments();
    if (m_pMainWnd) {
        AfxSetMainCommandReceiver({});
        AfxSetMainWnd(nullptr);
        delete m_pMainWnd;
    }
    m_templates.clear();
    if (theApp == this)
        theApp = nullptr;
}

const MessageMap *CWinApp::GetMessageMap() const
{
    static const MessageMap map(CCmdTarget::GetMessageMap(), {
        MapCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
        MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile),
        MapUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnUpdateRecentFileMenu),
    });
    return &map;
}

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::ExitInstance()
{
    if (m_pSettingsStore && m_pRecentFileList && !m_bUnregistered)
        m_pSettingsStore->SaveStdProfileSettings(*m_pRecentFileList, m_nNumPreviewPages);
    return kExitSuccess;
}

int CWinApp::Run()
{
    if (!InitInstance()) {
        ExitInstance();
        return m_nStartupExitCode;
    }
    const int loopResult = QApplication::exec();
    const int exitCode = ExitInstance();
    return loopResult != 0 ? loopResult : exitCode;
}

bool CWinApp::OnIdle(int)
{
    if (m_pMainWnd)
        m_pMainWnd->OnIdleUpdateCmdUI();
    return false;
}

void CWinApp::ParseCommandLine(CCommandLineInfo &info) const
{
    ::ParseCommandLine(m_arguments, info);
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo &info)
{
    using ShellCommand = CCommandLineInfo::ShellCommand;
    switch (info.m_nShellCommand) {
    case ShellCommand::FileNew:
        // A new document that fails still lets the program start, empty.
        OnCmdMsg(ID_FILE_NEW);
        return m_pMainWnd != nullptr;
    case ShellCommand::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    case ShellCommand::FilePrint:
    case ShellCommand::FilePrintTo:
        if (!OpenDocumentFile(info.m_strFileName))
            return false;
        m_pCmdInfo = &info;
        if (m_pMainWnd)
            m_pMainWnd->OnCommand(ID_FILE_PRINT_DIRECT);
        m_pCmdInfo = nullptr;
        // Printed without ever showing the main window: the run is done.
        SetStartupExitCode(kExitSuccess);
        return false;
    case ShellCommand::FileDDE:
        return true;
    case ShellCommand::AppUnregister:
        UnregisterShellFileTypes();
        if (m_pSettingsStore)
            m_pSettingsStore->Remove();
        m_bUnregistered = true;
        if (!info.m_bRunEmbedded)
            AfxMessageBox(QStringLiteral(
                "System registry entries have been removed and the INI file (if any) was deleted."));
        SetStartupExitCode(kExitSuccess);
        return false;
    }
    return false;
}

void CWinApp::UnregisterShellFileTypes()
{
}

void CWinApp::SetRegistryKey(const QString &key)
{
    m_pSettingsStore = std::make_unique<SettingsStore>(key, QString::fromLatin1(kAppTitle));
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles)
{
    m_pRecentFileList = std::make_unique<CRecentFileList>(maxRecentFiles);
    if (!m_pSettingsStore)
        m_pSettingsStore = std::make_unique<SettingsStore>();
    m_nNumPreviewPages = m_pSettingsStore->LoadStdProfileSettings(*m_pRecentFileList);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
}

void CWinApp::SetMainFrame(CMDIFrameWnd *frame)
{
    m_pMainWnd = frame;
    AfxSetMainWnd(frame);
    AfxSetMainCommandReceiver([this](int id) {
        if (m_pMainWnd)
            m_pMainWnd->OnCommand(id);
    });
}

CDocument *CWinApp::OpenDocumentFile(const QString &path)
{
    // One document type: its template takes every file.
    if (m_templates.empty()) {
        AfxMessageBox(QStringLiteral("Failed to open document."));
        return nullptr;
    }
    const QString name = StripShellQuotes(path);
    // A failed open leaves the script window that was active as it was.
    const QPointer<CMDIChildWnd> active = m_pMainWnd ? m_pMainWnd->MDIGetActive() : nullptr;
    CDocument *document = m_templates.front()->OpenDocumentFile(name.isEmpty() ? name : CanonicalPath(name));
    if (!document && active)
        active->MDIActivate();
    return document;
}

void CWinApp::AddToRecentFileList(const QString &path)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(path);
}

bool CWinApp::SaveAllModified()
{
    for (const auto &docTemplate : m_templates) {
        if (!docTemplate->SaveAllModified())
            return false;
    }
    return true;
}

bool CWinApp::HasModifiedDocuments() const
{
    for (const auto &docTemplate : m_templates) {
        for (const CDocument *document : docTemplate->GetDocuments()) {
            if (document->IsModified())
                return true;
        }
    }
    return false;
}

void CWinApp::CloseAllDocuments()
{
    for (const auto &docTemplate : m_templates)
        docTemplate->CloseAllDocuments();
}

bool CWinApp::OnQueryEndSession(bool allowsInteraction)
{
    m_pSessionEndGuard->SetEnding(false);
    // Without leave to ask, changes are kept by refusing.
    const bool mayEnd = allowsInteraction ? SaveAllModified() : !HasModifiedDocuments();
    m_pSessionEndGuard->SetEnding(mayEnd);
    return mayEnd;
}

bool CWinApp::IsSessionEnding() const
{
    return m_pSessionEndGuard->IsEnding();
}

void CWinApp::OnFileNew()
{
    if (m_templates.empty()) {
        AfxMessageBox(QStringLiteral("Failed to create empty document."));
        return;
    }
    m_templates.front()->OpenDocumentFile(QString());
}

void CWinApp::OnFileOpen()
{
    if (m_templates.empty())
        return;
    const CMultiDocTemplate &docTemplate = *m_templates.front();
    using Index = CMultiDocTemplate::DocStringIndex;
    const QString extension = docTemplate.GetDocString(Index::filterExt);
    FileDialogRequest request;
    request.mode = FileDialogMode::Open;
    request.title = QStringLiteral("Open");
    request.filters = {docTemplate.GetDocString(Index::filterName), QStringLiteral("All Files (*.*)")};
    request.defaultSuffix = extension.mid(1);
    if (const std::optional<QString> path = ModalHost::Current().ChooseFile(request))
        OpenDocumentFile(*path);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->close();
}

void CWinApp::OnOpenRecentFile(int id)
{
    const int index = id - ID_FILE_MRU_FILE1;
    if (!m_pRecentFileList || index < 0 || index >= m_pRecentFileList->GetCount())
        return;
    // The entry is copied: a successful open reorders the list.
    const QString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI *cmdUI)
{
    if (!m_pRecentFileList || !m_pMainWnd) {
        cmdUI->Enable(false);
        return;
    }
    CMDIFrameWnd *frame = m_pMainWnd;
    m_pRecentFileList->UpdateMenu(*cmdUI, QDir::currentPath(), [frame](int id) { return frame->GetCommandAction(id); });
}
