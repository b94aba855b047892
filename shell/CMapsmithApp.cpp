#include "CMapsmithApp.h"

#include "CChildFrame.h"
#include "CMainFrame.h"
#include "CMapsmithDoc.h"
#include "CMapsmithView.h"
#include "CMultiDocTemplate.h"
#include "ResourceIds.h"

const MessageMap *CMapsmithApp::GetMessageMap() const
{
    static const MessageMap map(CWinApp::GetMessageMap(), {
        MapCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
        MapCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
    });
    return &map;
}

bool CMapsmithApp::InitInstance()
{
    AddDocTemplate(CMultiDocTemplate::Make<CMapsmithDoc, CChildFrame, CMapsmithView>(IDR_SCRIPTTYPE));

    auto frame = std::make_unique<CMainFrame>();
    if (!frame->LoadFrame(IDR_MAINFRAME))
        return false;
    SetMainFrame(frame.release());

    OnFileNew();
    GetMainFrame()->showMaximized();
    return true;
}
