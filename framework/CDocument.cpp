#include "CDocument.h"

#include "CanonicalPath.h"
#include "CMDIChildWnd.h"
#include "CMultiDocTemplate.h"
#include "CView.h"
#include "CWinApp.h"
#include "ModalHost.h"
#include "ResourceIds.h"

#include <QFileInfo>

#include <algorithm>

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

const MessageMap *CDocument::GetMessageMap() const
{
    static const MessageMap map(CCmdTarget::GetMessageMap(), {
        MapCommand(ID_FILE_CLOSE, &CDocument::OnFileClose),
    });
    return &map;
}

void CDocument::SetTitle(const QString &title)
{
    m_strTitle = title;
    UpdateFrameCounts();
}

void CDocument::SetPathName(const QString &path, AddToRecentFiles addToRecent)
{
    m_strPathName = CanonicalPath(path);
    SetTitle(QFileInfo(m_strPathName).fileName());
    if (addToRecent == AddToRecentFiles::Yes && AfxGetApp())
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView *view)
{
    m_viewList.push_back(view);
    UpdateFrameCounts();
}

void CDocument::RemoveView(CView *view)
{
    std::erase(m_viewList, view);
    if (m_viewList.empty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    // Windows are numbered by their first view, oldest first.
    std::vector<CMDIChildWnd *> frames;
    for (CView *view : m_viewList) {
        CMDIChildWnd *frame = view->GetParentFrame();
        if (frame && std::ranges::find(frames, frame) == frames.end())
            frames.push_back(frame);
    }
    const bool numbered = frames.size() > 1;
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i]->SetWindowNumber(numbered ? static_cast<int>(i) + 1 : 0);
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString &)
{
    AfxMessageBox(QStringLiteral("Failed to open document."));
    return false;
}

bool CDocument::OnSaveDocument(const QString &)
{
    AfxMessageBox(QStringLiteral("Failed to save document."));
    return false;
}

void CDocument::DeleteContents()
{
}

bool CDocument::SaveModified()
{
    return !IsModified();
}

bool CDocument::CanCloseFrame(CMDIChildWnd *frame)
{
    for (CView *view : m_viewList) {
        if (view->GetParentFrame() != frame)
            return true;
    }
    return SaveModified();
}

void CDocument::OnCloseDocument()
{
    // Closing the windows removes the views; the document must not delete
    // itself halfway through that.
    const bool autoDelete = m_bAutoDelete;
    m_bAutoDelete = false;
    while (!m_viewList.empty()) {
        CView *view = m_viewList.front();
        // A frame owns its view: destroying it takes the view off the list.
        if (CMDIChildWnd *frame = view->GetParentFrame())
            frame->DestroyWindow();
        else
            RemoveView(view);
    }
    DeleteContents();
    m_bAutoDelete = autoDelete;
    if (m_bAutoDelete)
        delete this;
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}
