#include "CMainFrame.h"

#include "GenerateCommand.h"
#include "ResourceIds.h"

#include <array>

namespace {

// The status bar's panes: the message pane, then the lock indicators.
constexpr std::array kIndicators{ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

} // namespace

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

const MessageMap *CMainFrame::GetMessageMap() const
{
    static const MessageMap map(CMDIFrameWnd::GetMessageMap(), {
        MapCommand(ID_GENERATE, &CMainFrame::OnGenerate),
        MapCommand(ID_HELP_FINDER, &CMainFrame::OnHelpFinder),
        MapCommand(ID_HELP, &CMainFrame::OnHelp),
        MapCommand(ID_CONTEXT_HELP, &CMainFrame::OnContextHelp),
        MapCommand(ID_DEFAULT_HELP, &CMainFrame::OnHelpFinder),
    });
    return &map;
}

int CMainFrame::OnCreate()
{
    if (CMDIFrameWnd::OnCreate() == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, AFX_IDW_TOOLBAR) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndStatusBar.Create(this, AFX_IDW_STATUS_BAR) || !m_wndStatusBar.SetIndicators(kIndicators))
        return -1;
    m_wndToolBar.EnableDocking(Qt::AllToolBarAreas);
    return 0;
}

void CMainFrame::OnGenerate()
{
    RunGenerateCommand();
}
