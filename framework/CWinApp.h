#pragma once

#include "CCmdTarget.h"
#include "CMDIFrameWnd.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CCmdUI;
class CCommandLineInfo;
class CDocument;
class CMultiDocTemplate;
class CRecentFileList;
class SessionEndGuard;
class SettingsStore;

// The application object: the last stop of the command route, owner of the
// document templates, the main frame, the recent-file list and the settings
// store, and the one who runs the event loop with its idle passes. Exactly
// one exists at a time (AfxGetApp); make it after the QApplication:
//
//   int main(int argc, char **argv)
//   {
//       QApplication qtApp(argc, argv);
//       CMapsmithApp app;
//       app.SetCommandLine(QCoreApplication::arguments().mid(1));
//       return app.Run();
//   }
class CWinApp : public CCmdTarget {
public:
    // The program's exit codes.
    static constexpr int kExitSuccess = 0;
    // Start-up failed: no main window, or the file named on the command
    // line could not be opened or printed.
    static constexpr int kExitStartupFailed = 1;

    CWinApp();
    ~CWinApp() override;

    // Start-up: make the templates and the main frame. False ends the
    // program before the event loop runs.
    virtual bool InitInstance();
    // After the event loop, and after a start-up that ended the program:
    // writes the settings (unless the run unregistered) and returns the
    // program's exit code.
    virtual int ExitInstance();
    // InitInstance, the event loop, ExitInstance.
    int Run();
    // Called whenever the event loop is about to wait: brings the command
    // items up to date. Returns whether more idle work is wanted.
    virtual bool OnIdle(int count);

    // The program's arguments, without its own name.
    void SetCommandLine(const QStringList &arguments) { m_arguments = arguments; }
    void ParseCommandLine(CCommandLineInfo &info) const;
    // Carries out what the command line asks for; false ends start-up (a
    // file that could not be opened, a print run, unregistering).
    bool ProcessShellCommand(CCommandLineInfo &info);
    // While a print or print-to command runs: what it asks for (the printer,
    // driver and port of print-to), for the print without a dialog.
    const CCommandLineInfo *m_pCmdInfo = nullptr;

    // The settings live in the store named by the key and the application
    // title from here on.
    void SetRegistryKey(const QString &key);
    // Makes the recent-file list with the given number of entries and reads
    // it, and the print preview page count, from the settings store.
    void LoadStdProfileSettings(int maxRecentFiles);
    CRecentFileList *GetRecentFileList() const { return m_pRecentFileList.get(); }
    int m_nNumPreviewPages = 0;

    void AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CMultiDocTemplate>> &GetDocTemplates() const { return m_templates; }

    // Takes ownership of the main frame and makes it the owner of every
    // modal interaction and the receiver of commands sent by dialogs.
    void SetMainFrame(CMDIFrameWnd *frame);
    CMDIFrameWnd *GetMainFrame() const { return m_pMainWnd; }

    // The single road by which a file becomes an open document: the name
    // loses the double quotes around it, becomes a full path with symbolic
    // links resolved, and goes to the template. Returns the open document
    // or nothing; a message has been shown then.
    virtual CDocument *OpenDocumentFile(const QString &path);
    // Where a document that takes a path reports it: the top of the
    // recent-file list.
    virtual void AddToRecentFileList(const QString &path);
    // The save question for every modified document, in the order they
    // were made; false as soon as one says stop.
    bool SaveAllModified();
    bool HasModifiedDocuments() const;
    void CloseAllDocuments();
    // The desktop session asks to end (logout, shutdown): ask about every
    // modified document if the session allows it, else refuse while any is
    // modified. True lets the session end; the main window then closes
    // without asking again, until the user touches the program once more.
    bool OnQueryEndSession(bool allowsInteraction);
    bool IsSessionEnding() const;

    // Handlers that application classes bind in their message maps.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    void OnOpenRecentFile(int id);
    void OnUpdateRecentFileMenu(CCmdUI *cmdUI);

protected:
    const MessageMap *GetMessageMap() const override;

    // Removes what the program announced to the desktop; the base announces
    // nothing.
    virtual void UnregisterShellFileTypes();
    // The exit code of a start-up that ends the program on purpose (it did
    // what was asked without a window). Otherwise a false InitInstance
    // means kExitStartupFailed.
    void SetStartupExitCode(int code) { m_nStartupExitCode = code; }

private:
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    QPointer<CMDIFrameWnd> m_pMainWnd;
    QObject m_idleHook;
    QStringList m_arguments;
    std::unique_ptr<SettingsStore> m_pSettingsStore;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<SessionEndGuard> m_pSessionEndGuard;
    bool m_bUnregistered = false;
    int m_nStartupExitCode = kExitStartupFailed;
};

CWinApp *AfxGetApp();
