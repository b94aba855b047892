#include "CDocument.h"

#include "CArchive.h"
#include "CanonicalPath.h"
#include "CMDIChildWnd.h"
#include "CMultiDocTemplate.h"
#include "CView.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "ScriptFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <new>

namespace {

// A file we may not write, or one marked read-only: no write permission for
// anyone, which counts even for a user whose writes the system would allow.
bool IsReadOnly(const QFileInfo &file)
{
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !file.isWritable() || !(file.permissions() & anyWrite);
}

} // namespace

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
        MapCommand(ID_FILE_SAVE, &CDocument::OnFileSave),
        MapCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
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

bool CDocument::OnOpenDocument(const QString &path)
{
    ScriptLoadResult loaded = ScriptFile::Load(path);
    if (!loaded.outcome.Succeeded()) {
        AfxMessageBox(loaded.outcome.Message());
        return false;
    }
    DeleteContents();
    try {
        CArchive archive(std::move(loaded.bytes));
        Serialize(archive);
    } catch (const std::bad_alloc &) {
        AfxMessageBox(QStringLiteral("Failed to open document."));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const QString &path)
{
    ScriptFileOutcome outcome;
    {
        CWaitCursor wait;
        CArchive archive;
        Serialize(archive);
        if (archive.HasWritten())
            outcome = ScriptFile::Save(path, archive.Written());
        else
            outcome = {ScriptFileOperation::Save, ScriptFileStatus::Failed, std::nullopt};
    }
    if (!outcome.Succeeded()) {
        AfxMessageBox(outcome.Message());
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::Serialize(CArchive &)
{
}

void CDocument::DeleteContents()
{
}

bool CDocument::DoFileSave()
{
    const QFileInfo file(m_strPathName);
    if (m_strPathName.isEmpty() || !file.exists() || IsReadOnly(file))
        return DoSave(QString());
    return DoSave(m_strPathName);
}

bool CDocument::DoSave(const QString &path)
{
    QString target = path;
    if (target.isEmpty()) {
        using Index = CMultiDocTemplate::DocStringIndex;
        const QString extension = m_pDocTemplate ? m_pDocTemplate->GetDocString(Index::filterExt) : QString();
        FileDialogRequest request;
        request.mode = FileDialogMode::Save;
        request.title = QStringLiteral("Save As");
        request.proposedPath = ProposedSaveName();
        if (m_pDocTemplate)
            request.filters << m_pDocTemplate->GetDocString(Index::filterName);
        request.filters << QStringLiteral("All Files (*.*)");
        request.defaultSuffix = extension.mid(1);
        const std::optional<QString> chosen = ModalHost::Current().ChooseFile(request);
        if (!chosen)
            return false;
        target = *chosen;
        // A name typed without an extension gets the document's.
        if (QFileInfo(target).suffix().isEmpty() && !QFileInfo::exists(target))
            target += extension;
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    return true;
}

QString CDocument::ProposedSaveName() const
{
    if (!m_strPathName.isEmpty())
        return m_strPathName;
    static const QRegularExpression cutAt(QStringLiteral("[ #%;/\\\\]"));
    QString name = m_strTitle;
    if (const qsizetype cut = name.indexOf(cutAt); cut >= 0)
        name.truncate(cut);
    return m_pDocTemplate ? name + m_pDocTemplate->GetDocString(CMultiDocTemplate::DocStringIndex::filterExt) : name;
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    QString name = m_strPathName.isEmpty() ? m_strTitle : QFileInfo(m_strPathName).fileName();
    if (name.isEmpty())
        name = QStringLiteral("Untitled");
    switch (AfxMessageBox(QStringLiteral("Save changes to %1?").arg(name), MessageButtons::YesNoCancel,
                          MessageIcon::Exclamation)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
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

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(QString());
}
