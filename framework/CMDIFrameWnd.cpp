#include "CMDIFrameWnd.h"

#include "AfxResources.h"
#include "CCmdUI.h"
#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMenu.h"
#include "CMultiDocTemplate.h"
#include "CStatusBar.h"
#include "CView.h"
#include "CWinApp.h"
#include "CommandActions.h"
#include "FileDropTarget.h"
#include "HelpMode.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "WindowMenuList.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>

CMDIFrameWnd::CMDIFrameWnd()
{
    m_pMDIClient = new QMdiArea(this);
    setCentralWidget(m_pMDIClient);
    m_pActions = new CommandActions(this, [this](int id) { OnCommand(id); });
    m_pWindowList = new WindowMenuList(m_pMDIClient, this);
    m_pHelpMode = new HelpMode(this);
    connect(m_pHelpMode, &HelpMode::ActiveChanged, this, [this] { ShowIdlePrompt(); });
    connect(m_pHelpMode, &HelpMode::HelpRequested, this, [this] { ShowHelpFailure(); });
    connect(m_pMDIClient, &QMdiArea::subWindowActivated, this, [this] {
        OnUpdateFrameMenu();
        OnUpdateFrameTitle();
    });
}

CMDIFrameWnd::~CMDIFrameWnd()
{
    // Document windows go while this frame is whole: their documents rename
    // the remaining windows and the frame's title as they close.
    for (QMdiSubWindow *window : m_pMDIClient->subWindowList())
        delete window;
    delete m_pHelpMode;
    delete m_pMDIClient;
}

const MessageMap *CMDIFrameWnd::GetMessageMap() const
{
    static const MessageMap map(CCmdTarget::GetMessageMap(), {
        MapCommand(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew),
        MapUpdate(ID_WINDOW_NEW, &CMDIFrameWnd::OnUpdateMDIWindowCmd),
        MapCommandRange(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd),
        MapUpdateRange(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd),
        MapCommandRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CMDIFrameWnd::OnBarCheck),
        MapUpdateRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CMDIFrameWnd::OnUpdateControlBarMenu),
    });
    return &map;
}

bool CMDIFrameWnd::LoadFrame(int resourceId)
{
    const std::optional<QString> title = AfxLoadString(resourceId);
    if (!title || !m_pActions->LoadAccelTable(resourceId) || !LoadMenu(resourceId))
        return false;
    m_strTitle = *title;
    setWindowTitle(m_strTitle);
    setWindowIcon(AfxLoadIcon(resourceId));
    m_nDefaultMenuId = resourceId;
    ShowMenu(resourceId);
    // F1 with no modifier asks for help wherever the focus is in the window.
    m_pActions->Action(ID_HELP)->setShortcut(QKeySequence(Qt::Key_F1));
    if (OnCreate() == -1)
        return false;
    ShowIdlePrompt();
    OnIdleUpdateCmdUI();
    return true;
}

int CMDIFrameWnd::OnCreate()
{
    return 0;
}

CommandRoute CMDIFrameWnd::GetCommandRoute()
{
    CMDIChildWnd *child = MDIGetActive();
    CView *view = child ? child->GetActiveView() : nullptr;
    return CommandRoute({view, view ? view->GetDocument() : nullptr, child, this, AfxGetApp()});
}

bool CMDIFrameWnd::OnCommand(int id)
{
    return GetCommandRoute().Execute(id);
}

QAction *CMDIFrameWnd::GetCommandAction(int id)
{
    return m_pActions->Action(id);
}

void CMDIFrameWnd::OnIdleUpdateCmdUI()
{
    const CommandRoute route = GetCommandRoute();
    for (const auto &[id, action] : m_pActions->All()) {
        CCmdUI cmdUI(id, action);
        route.Update(cmdUI);
    }
}

void CMDIFrameWnd::UpdateMenuCmdUI(QMenu *popup)
{
    const CommandRoute route = GetCommandRoute();
    const QList<QAction *> items = popup->actions();
    for (QAction *action : items) {
        if (const std::optional<int> id = CommandActions::CommandId(action)) {
            CCmdUI cmdUI(*id, action, popup);
            route.Update(cmdUI);
        }
    }
}

CMDIChildWnd *CMDIFrameWnd::MDIGetActive() const
{
    return dynamic_cast<CMDIChildWnd *>(m_pMDIClient->currentSubWindow());
}

CView *CMDIFrameWnd::GetActiveView() const
{
    const CMDIChildWnd *child = MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}

void CMDIFrameWnd::RegisterControlBar(int id, QWidget *bar)
{
    m_controlBars[id] = bar;
}

QWidget *CMDIFrameWnd::GetControlBar(int id) const
{
    const auto found = m_controlBars.find(id);
    return found == m_controlBars.end() ? nullptr : found->second.data();
}

void CMDIFrameWnd::SetMessageText(const QString &text)
{
    auto *statusBar = dynamic_cast<CStatusBar *>(GetControlBar(AFX_IDW_STATUS_BAR));
    if (statusBar && statusBar->GetCount() > 0 && statusBar->GetItemID(0) == ID_SEPARATOR)
        statusBar->SetPaneText(0, text);
}

QString CMDIFrameWnd::GetMessageText() const
{
    auto *statusBar = dynamic_cast<CStatusBar *>(GetControlBar(AFX_IDW_STATUS_BAR));
    return statusBar && statusBar->GetCount() > 0 ? statusBar->GetPaneText(0) : QString();
}

void CMDIFrameWnd::ShowIdlePrompt()
{
    const int id = IsInHelpMode() ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
    SetMessageText(AfxLoadString(id).value_or(QString()));
}

bool CMDIFrameWnd::IsInHelpMode() const
{
    return m_pHelpMode->IsActive();
}

void CMDIFrameWnd::DragAcceptFiles(bool accept)
{
    delete m_pDropTarget;
    m_pDropTarget = accept ? new FileDropTarget(this, [this](const QStringList &paths) { OnDropFiles(paths); }) : nullptr;
}

void CMDIFrameWnd::OnDropFiles(const QStringList &paths)
{
    activateWindow();
    raise();
    CWinApp *app = AfxGetApp();
    for (const QString &path : paths) {
        if (app)
            app->OpenDocumentFile(path);
    }
}

void CMDIFrameWnd::OnUpdateFrameTitle()
{
    QString title = m_strTitle;
    if (const CMDIChildWnd *child = MDIGetActive()) {
        if (child->isMaximized())
            title += QStringLiteral(" - [%1]").arg(child->windowTitle());
        else if (const CDocument *document = child->GetActiveDocument())
            title += QStringLiteral(" - %1").arg(document->GetTitle());
    }
    setWindowTitle(title);
}

void CMDIFrameWnd::OnUpdateFrameMenu()
{
    const CMDIChildWnd *child = MDIGetActive();
    if (child && LoadMenu(child->GetMenuId()))
        ShowMenu(child->GetMenuId());
    else
        ShowMenu(m_nDefaultMenuId);
}

void CMDIFrameWnd::OnChildFrameClosed()
{
    OnUpdateFrameMenu();
    OnUpdateFrameTitle();
}

CMenu *CMDIFrameWnd::LoadMenu(int id)
{
    if (const auto found = m_menus.find(id); found != m_menus.end())
        return found->second.get();
    auto menu = std::make_unique<CMenu>();
    if (!menu->LoadMenu(id, *m_pActions, this))
        return nullptr;
    QMenu *windowPopup = menu->WindowPopup();
    for (QMenu *popup : menu->Popups()) {
        connect(popup, &QMenu::aboutToShow, this, [this, popup, windowPopup] {
            if (popup == windowPopup)
                m_pWindowList->Rebuild(popup);
            UpdateMenuCmdUI(popup);
            // Nothing is highlighted yet.
            SetMessageText(QString());
        });
        connect(popup, &QMenu::aboutToHide, this, [this] { ShowIdlePrompt(); });
    }
    return m_menus.emplace(id, std::move(menu)).first->second.get();
}

void CMDIFrameWnd::ShowMenu(int id)
{
    const CMenu *menu = id == m_nShownMenuId ? nullptr : LoadMenu(id);
    if (!menu)
        return;
    QMenuBar *bar = menuBar();
    bar->clear();
    for (QMenu *popup : menu->Popups())
        bar->addMenu(popup);
    m_nShownMenuId = id;
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd *active = MDIGetActive();
    CDocument *document = active ? active->GetActiveDocument() : nullptr;
    CMultiDocTemplate *docTemplate = document ? document->GetDocTemplate() : nullptr;
    if (!docTemplate)
        return;
    if (CMDIChildWnd *frame = docTemplate->CreateNewFrame(document))
        docTemplate->InitialUpdateFrame(frame, document);
}

void CMDIFrameWnd::OnMDIWindowCmd(int id)
{
    switch (id) {
    case ID_WINDOW_CASCADE:
        m_pMDIClient->cascadeSubWindows();
        break;
    case ID_WINDOW_TILE_HORZ:
        m_pMDIClient->tileSubWindows();
        break;
    case ID_WINDOW_ARRANGE:
        ArrangeIcons();
        break;
    default:
        break;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI *cmdUI)
{
    cmdUI->Enable(MDIGetActive() != nullptr);
}

void CMDIFrameWnd::ArrangeIcons()
{
    // Minimized windows line up along the bottom edge, left to right, in
    // rows that grow upwards.
    const QSize area = m_pMDIClient->viewport()->size();
    int x = 0;
    int bottom = area.height();
    int rowHeight = 0;
    for (QMdiSubWindow *window : m_pMDIClient->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        window->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

void CMDIFrameWnd::OnBarCheck(int id)
{
    if (QWidget *bar = GetControlBar(id))
        bar->setVisible(bar->isHidden());
}

void CMDIFrameWnd::OnUpdateControlBarMenu(CCmdUI *cmdUI)
{
    const QWidget *bar = GetControlBar(cmdUI->m_nID);
    if (!bar) {
        cmdUI->ContinueRouting();
        return;
    }
    cmdUI->SetCheck(!bar->isHidden());
    cmdUI->Enable(true);
}

void CMDIFrameWnd::OnHelp()
{
    ShowHelpFailure();
}

void CMDIFrameWnd::OnHelpFinder()
{
    ShowHelpFailure();
}

void CMDIFrameWnd::OnContextHelp()
{
    m_pHelpMode->Enter();
}

void CMDIFrameWnd::ShowHelpFailure()
{
    // No help viewer comes with the program.
    AfxMessageBox(QStringLiteral("Failed to launch help."));
}

bool CMDIFrameWnd::event(QEvent *event)
{
    if (event->type() != QEvent::StatusTip)
        return QMainWindow::event(event);
    const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
    if (!tip.isEmpty())
        SetMessageText(tip);
    else if (QApplication::activePopupWidget())
        SetMessageText(QString());
    else
        ShowIdlePrompt();
    return true;
}

void CMDIFrameWnd::closeEvent(QCloseEvent *event)
{
    CWinApp *app = AfxGetApp();
    if (app && app->GetMainFrame() == this) {
        // When the desktop session ends, the questions were asked already.
        if (!app->IsSessionEnding() && !app->SaveAllModified()) {
            event->ignore();
            return;
        }
        app->CloseAllDocuments();
    }
    QMainWindow::closeEvent(event);
}
