#pragma once

#include "CMDIFrameWnd.h"
#include "CStatusBar.h"
#include "CToolBar.h"

// The program's main window: menu bar, toolbar, the area of the script
// windows and the status bar, the accelerator keys, the Generate command
// and the help commands.
class CMainFrame : public CMDIFrameWnd {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

protected:
    int OnCreate() override;
    const MessageMap *GetMessageMap() const override;

    // File > Generate and the last toolbar button, always enabled.
    void OnGenerate();

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};
