#include "CWinApp.h"

#include "AfxMainWnd.h"
#include "CDocument.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "ModalHost.h"
#include "ResourceIds.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QSessionManager>

namespace {

CWinApp *theApp = nullptr;

} // namespace

CWinApp *AfxGetApp()
{
    return theApp;
}

CWinApp::CWinApp()
{
    theApp = this;
    // Idle time is when the event loop is about to wait for more events.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &m_idleHook, [this] { OnIdle(0); });
    // Logging out or shutting down asks about each modified document, as
    // Exit does; a stop cancels it. When the session may not ask, modified
    // documents cancel it rather than lose their changes.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &m_idleHook, [this](QSessionManager &manager) {
        const bool mayEnd = manager.allowsInteraction() ? SaveAllModified() : !HasModifiedDocuments();
        manager.release();
        if (!mayEnd)
            manager.cancel();
    });
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
    });
    return &map;
}

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    if (!InitInstance()) {
        ExitInstance();
        return 1;
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
    return m_templates.front()->OpenDocumentFile(path);
}

void CWinApp::AddToRecentFileList(const QString &)
{
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
