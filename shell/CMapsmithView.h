#pragma once

#include "CView.h"

class CArchive;
class CCmdUI;
class QPrinter;
class ScriptEditor;

// The edit window of a script: a ScriptEditor filling its frame. Its edit
// commands (Undo, Cut, Copy, Paste) and printing are on the command route;
// every user change of the text marks the document modified. A further
// window on the same script (New Window) shows and edits the same text.
class CMapsmithView : public CView {
public:
    ScriptEditor *GetEditor() const;

    // Reads the text from the archive, or writes it there, byte for byte.
    void SerializeRaw(CArchive &archive);

    // A further window takes the script's text; then the frame is shown
    // maximized, whatever state the other windows are in.
    void OnInitialUpdate() override;

protected:
    QWidget *CreateViewWidget(QWidget *parent) override;
    const MessageMap *GetMessageMap() const override;

    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnUpdateEditUndo(CCmdUI *cmdUI);
    void OnUpdateNeedSelection(CCmdUI *cmdUI);
    void OnUpdateEditPaste(CCmdUI *cmdUI);
    // Print shows the print dialog; print direct uses the printer a print-to
    // request names, else the default printer, else the print dialog.
    void OnFilePrint();
    void OnFilePrintDirect();

private:
    // Produces the pages with the main window disabled, and says so when no
    // job could be started.
    void PrintOn(QPrinter &printer);
};
