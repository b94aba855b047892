#include "CMapsmithView.h"

#include "AfxMainWnd.h"
#include "CArchive.h"
#include "CCmdUI.h"
#include "CCommandLineInfo.h"
#include "CDocument.h"
#include "CWinApp.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "ScriptEditor.h"
#include "ScriptPrinter.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Keeps the main window disabled for its lifetime.
class DisabledMainWindow {
public:
    DisabledMainWindow()
        : m_window(AfxGetMainWnd())
        , m_wasEnabled(m_window && m_window->isEnabled())
    {
        if (m_window)
            m_window->setEnabled(false);
    }
    ~DisabledMainWindow()
    {
        if (m_window)
            m_window->setEnabled(m_wasEnabled);
    }
    DisabledMainWindow(const DisabledMainWindow &) = delete;
    DisabledMainWindow &operator=(const DisabledMainWindow &) = delete;

private:
    QPointer<QWidget> m_window;
    bool m_wasEnabled;
};

} // namespace

ScriptEditor *CMapsmithView::GetEditor() const
{
    return static_cast<ScriptEditor *>(GetWidget());
}

QWidget *CMapsmithView::CreateViewWidget(QWidget *parent)
{
    auto *editor = new ScriptEditor(parent);
    QObject::connect(editor, &ScriptEditor::userChanged, editor, [this] {
        if (CDocument *document = GetDocument())
            document->SetModifiedFlag();
    });
    return editor;
}

const MessageMap *CMapsmithView::GetMessageMap() const
{
    static const MessageMap map(CView::GetMessageMap(), {
        MapCommand(ID_EDIT_UNDO, &CMapsmithView::OnEditUndo),
        MapUpdate(ID_EDIT_UNDO, &CMapsmithView::OnUpdateEditUndo),
        MapCommand(ID_EDIT_CUT, &CMapsmithView::OnEditCut),
        MapUpdate(ID_EDIT_CUT, &CMapsmithView::OnUpdateNeedSelection),
        MapCommand(ID_EDIT_COPY, &CMapsmithView::OnEditCopy),
        MapUpdate(ID_EDIT_COPY, &CMapsmithView::OnUpdateNeedSelection),
        MapCommand(ID_EDIT_PASTE, &CMapsmithView::OnEditPaste),
        MapUpdate(ID_EDIT_PASTE, &CMapsmithView::OnUpdateEditPaste),
        MapCommand(ID_FILE_PRINT, &CMapsmithView::OnFilePrint),
        MapCommand(ID_FILE_PRINT_DIRECT, &CMapsmithView::OnFilePrintDirect),
    });
    return &map;
}

void CMapsmithView::SerializeRaw(CArchive &archive)
{
    if (archive.IsLoading())
        GetEditor()->SetText(archive.Bytes());
    else
        archive.Write(GetEditor()->Bytes());
}

void CMapsmithView::OnInitialUpdate()
{
    const CDocument *document = GetDocument();
    if (document && document->GetViews().front() != this) {
        if (auto *first = dynamic_cast<CMapsmithView *>(document->GetViews().front()))
            GetEditor()->ShareDocumentOf(*first->GetEditor());
    }
    CView::OnInitialUpdate();
}

void CMapsmithView::OnEditUndo()
{
    GetEditor()->Undo();
}

void CMapsmithView::OnEditCut()
{
    GetEditor()->Cut();
}

void CMapsmithView::OnEditCopy()
{
    GetEditor()->Copy();
}

void CMapsmithView::OnEditPaste()
{
    GetEditor()->Paste();
}

void CMapsmithView::OnUpdateEditUndo(CCmdUI *cmdUI)
{
    cmdUI->Enable(GetEditor()->CanUndo());
}

void CMapsmithView::OnUpdateNeedSelection(CCmdUI *cmdUI)
{
    cmdUI->Enable(GetEditor()->HasSelection());
}

void CMapsmithView::OnUpdateEditPaste(CCmdUI *cmdUI)
{
    cmdUI->Enable(ScriptEditor::ClipboardHasText());
}

void CMapsmithView::OnFilePrint()
{
    QPrinter printer(QPrinter::HighResolution);
    if (ModalHost::Current().RunPrintDialog(printer))
        PrintOn(printer);
}

void CMapsmithView::OnFilePrintDirect()
{
    QPrinter printer(QPrinter::HighResolution);
    const CWinApp *app = AfxGetApp();
    const CCommandLineInfo *request = app ? app->m_pCmdInfo : nullptr;
    if (request && request->m_nShellCommand == CCommandLineInfo::ShellCommand::FilePrintTo) {
        const QPrinterInfo named = QPrinterInfo::printerInfo(request->m_strPrinterName);
        if (named.isNull()) {
            AfxMessageBox(QString::fromLatin1(ScriptPrinter::kCouldNotStartMessage));
            return;
        }
        printer.setPrinterName(named.printerName());
    } else if (QPrinterInfo::defaultPrinter().isNull() && !ModalHost::Current().RunPrintDialog(printer)) {
        return;
    }
    PrintOn(printer);
}

void CMapsmithView::PrintOn(QPrinter &printer)
{
    PrintOutcome outcome;
    {
        DisabledMainWindow disabled;
        outcome = ScriptPrinter::Print(printer, GetEditor()->Bytes(), GetDocument()->GetTitle(), [] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    if (outcome == PrintOutcome::CouldNotStart)
        AfxMessageBox(QString::fromLatin1(ScriptPrinter::kCouldNotStartMessage));
}
