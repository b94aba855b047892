#include "CMultiDocTemplate.h"

#include "CanonicalPath.h"
#include "AfxResources.h"
#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "ModalHost.h"

#include <algorithm>

namespace {

void ReportCreationFailure()
{
    AfxMessageBox(QStringLiteral("Failed to create empty document."));
}

} // namespace

CMultiDocTemplate::CMultiDocTemplate(int resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                                     ViewFactory makeView)
    : m_nIDResource(resourceId)
    , m_strDocStrings(AfxLoadString(resourceId).value_or(QString()))
    , m_makeDocument(std::move(makeDocument))
    , m_makeFrame(std::move(makeFrame))
    , m_makeView(std::move(makeView))
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    CloseAllDocuments();
}

QString CMultiDocTemplate::GetDocString(DocStringIndex index) const
{
    return m_strDocStrings.section(QLatin1Char('\n'), static_cast<int>(index), static_cast<int>(index));
}

CDocument *CMultiDocTemplate::OpenDocumentFile(const QString &path)
{
    if (!path.isEmpty()) {
        if (CDocument *open = FindDocument(path)) {
            if (!open->GetViews().empty()) {
                CMDIChildWnd *frame = open->GetViews().front()->GetParentFrame();
                frame->MDIActivate();
                if (QWidget *window = frame->window())
                    window->activateWindow();
            }
            return open;
        }
    }
    CDocument *document = CreateNewDocument();
    if (!document) {
        ReportCreationFailure();
        return nullptr;
    }
    CMDIChildWnd *frame = CreateNewFrame(document);
    if (!frame) {
        ReportCreationFailure();
        delete document;
        return nullptr;
    }
    if (path.isEmpty()) {
        SetDefaultTitle(document);
        if (!document->OnNewDocument()) {
            frame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        bool opened = false;
        {
            CWaitCursor wait;
            opened = document->OnOpenDocument(path);
        }
        if (!opened) {
            // The document goes with its only window.
            frame->DestroyWindow();
            return nullptr;
        }
        document->SetPathName(path);
    }
    InitialUpdateFrame(frame, document);
    return document;
}

CDocument *CMultiDocTemplate::FindDocument(const QString &path) const
{
    const QString wanted = CanonicalPath(path);
    const auto found = std::ranges::find_if(m_docList, [&](const CDocument *document) {
        return !document->GetPathName().isEmpty() && CanonicalPath(document->GetPathName()) == wanted;
    });
    return found == m_docList.end() ? nullptr : *found;
}

CDocument *CMultiDocTemplate::CreateNewDocument()
{
    std::unique_ptr<CDocument> document = m_makeDocument ? m_makeDocument() : nullptr;
    if (!document)
        return nullptr;
    AddDocument(document.get());
    return document.release();
}

CMDIChildWnd *CMultiDocTemplate::CreateNewFrame(CDocument *document)
{
    CWinApp *app = AfxGetApp();
    CMDIFrameWnd *mainFrame = app ? app->GetMainFrame() : nullptr;
    std::unique_ptr<CMDIChildWnd> frame = m_makeFrame ? m_makeFrame() : nullptr;
    if (!mainFrame || !frame || !frame->LoadFrame(m_nIDResource, mainFrame, document, m_makeView))
        return nullptr;
    // The client area owns the window from here on.
    return frame.release();
}

void CMultiDocTemplate::InitialUpdateFrame(CMDIChildWnd *frame, CDocument *document)
{
    frame->InitialUpdateFrame();
    document->UpdateFrameCounts();
}

void CMultiDocTemplate::SetDefaultTitle(CDocument *document) const
{
    document->SetTitle(GetDocString(DocStringIndex::docName) + QString::number(m_nUntitledCount + 1));
}

bool CMultiDocTemplate::SaveAllModified()
{
    // In the order the documents were made or opened.
    for (CDocument *document : std::vector(m_docList)) {
        if (!document->SaveModified())
            return false;
    }
    return true;
}

void CMultiDocTemplate::CloseAllDocuments()
{
    for (CDocument *document : std::vector(m_docList)) {
        document->OnCloseDocument();
        // A document that does not delete itself still leaves the list.
        if (std::ranges::find(m_docList, document) != m_docList.end())
            RemoveDocument(document);
    }
}

void CMultiDocTemplate::AddDocument(CDocument *document)
{
    document->m_pDocTemplate = this;
    m_docList.push_back(document);
}

void CMultiDocTemplate::RemoveDocument(CDocument *document)
{
    std::erase(m_docList, document);
    document->m_pDocTemplate = nullptr;
}
