#pragma once

#include "CCmdTarget.h"
#include "CMDIFrameWnd.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class CCommandLineInfo;
class CDocument;
class CMultiDocTemplate;

// The application object: the last stop of the command route, owner of the
// document templates and the main frame, and the one who runs the event
// loop with its idle passes. Exactly one exists at a time (AfxGetApp); make
// it after the QApplication:
//
//   int main(int argc, char **argv)
//   {
//       QApplication qtApp(argc, argv);
//       CMapsmithApp app;
//       return app.Run();
//   }
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // Start-up: make the templates and the main frame. False ends the
    // program before the event loop runs.
    virtual bool InitInstance();
    // After the event loop; returns the program's exit code.
    virtual int ExitInstance();
    // InitInstance, the event loop, ExitInstance.
    int Run();
    // Called whenever the event loop is about to wait: brings the command
    // items up to date. Returns whether more idle work is wanted.
    virtual bool OnIdle(int count);

    void AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CMultiDocTemplate>> &GetDocTemplates() const { return m_templates; }

    // Takes ownership of the main frame and makes it the owner of every
    // modal interaction and the receiver of commands sent by dialogs.
    void SetMainFrame(CMDIFrameWnd *frame);
    CMDIFrameWnd *GetMainFrame() const { return m_pMainWnd; }

    // The single road by which a file becomes an open document.
    virtual CDocument *OpenDocumentFile(const QString &path);
    // Where a document that takes a path reports it for the recent-file
    // list; the list itself lives elsewhere.
    virtual void AddToRecentFileList(const QString &path);
    // The save question for every modified document, in the order they
    // were made; false as soon as one says stop.
    bool SaveAllModified();
    bool HasModifiedDocuments() const;
    void CloseAllDocuments();

    // The command line or shell request being carried out, if any: the
    // print commands print to the printer a print-to request names.
    const CCommandLineInfo *m_pCmdInfo = nullptr;

    // Handlers that application classes bind in their message maps.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

protected:
    const MessageMap *GetMessageMap() const override;

private:
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    QPointer<CMDIFrameWnd> m_pMainWnd;
    QObject m_idleHook;
};

CWinApp *AfxGetApp();
