#pragma once

#include "CWinApp.h"

#include <memory>

class ShellRequestHandler;

// The program's application object: its start-up registers the script
// document type, makes the main window, connects the program to the
// desktop and carries out the command line. It handles About, New and Open.
class CMapsmithApp : public CWinApp {
public:
    CMapsmithApp();
    ~CMapsmithApp() override;

    bool InitInstance() override;

protected:
    const MessageMap *GetMessageMap() const override;
    void UnregisterShellFileTypes() override;

    void OnAppAbout();

private:
    void EnableShellOpen(const CCommandLineInfo &info);
    void RegisterShellFileTypes();

    std::unique_ptr<ShellRequestHandler> m_pShellRequests;
};
