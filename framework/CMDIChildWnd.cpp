#include "CMDIChildWnd.h"

#include "AfxResources.h"
#include "CDocument.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "ResourceIds.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

#include <array>

namespace {

// The prompts of the window menu's items, by the item's text.
struct SystemMenuPrompt {
    const char *item;
    int stringId;
};

constexpr std::array kSystemMenuPrompts{
    SystemMenuPrompt{"&Restore", AFX_IDS_SCRESTORE},   SystemMenuPrompt{"&Move", AFX_IDS_SCMOVE},
    SystemMenuPrompt{"&Size", AFX_IDS_SCSIZE},         SystemMenuPrompt{"Mi&nimize", AFX_IDS_SCMINIMIZE},
    SystemMenuPrompt{"Ma&ximize", AFX_IDS_SCMAXIMIZE}, SystemMenuPrompt{"&Close", AFX_IDS_SCCLOSE},
};

} // namespace

CMDIChildWnd::CMDIChildWnd()
{
    setAttribute(Qt::WA_DeleteOnClose);
}

CMDIChildWnd::~CMDIChildWnd()
{
    // The view leaves its document first; the document may go with it.
    m_pView.reset();
}

bool CMDIChildWnd::LoadFrame(int resourceId, CMDIFrameWnd *parent, CDocument *document, const ViewFactory &makeView)
{
    m_nResourceId = resourceId;
    m_pMDIFrame = parent;
    setWindowIcon(AfxLoadIcon(resourceId));
    std::unique_ptr<CView> view = makeView ? makeView() : nullptr;
    if (!view || !view->Create(this, document))
        return false;
    m_pView = std::move(view);
    parent->MDIClient()->addSubWindow(this);
    SetSystemMenuPrompts();
    connect(this, &QMdiSubWindow::windowStateChanged, parent, [parent] { parent->OnUpdateFrameTitle(); });
    OnUpdateFrameTitle();
    return true;
}

void CMDIChildWnd::InitialUpdateFrame()
{
    m_pView->OnInitialUpdate();
    if (isHidden())
        show();
    MDIActivate();
}

CDocument *CMDIChildWnd::GetActiveDocument() const
{
    return m_pView ? m_pView->GetDocument() : nullptr;
}

void CMDIChildWnd::SetWindowNumber(int number)
{
    m_nWindow = number;
    OnUpdateFrameTitle();
}

void CMDIChildWnd::OnUpdateFrameTitle()
{
    const CDocument *document = GetActiveDocument();
    QString title = document ? document->GetTitle() : QString();
    if (m_nWindow > 0)
        title += QStringLiteral(":%1").arg(m_nWindow);
    setWindowTitle(title);
    if (m_pMDIFrame)
        m_pMDIFrame->OnUpdateFrameTitle();
}

void CMDIChildWnd::MDIActivate()
{
    if (QMdiArea *area = mdiArea())
        area->setActiveSubWindow(this);
}

void CMDIChildWnd::DestroyWindow()
{
    m_bDestroying = true;
    close();
}

void CMDIChildWnd::closeEvent(QCloseEvent *event)
{
    CDocument *document = GetActiveDocument();
    if (!m_bDestroying && document && !document->CanCloseFrame(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted()) {
        m_bDestroying = false;
        return;
    }
    // The window leaves the client area now; the widget itself goes once the
    // event loop deletes it. Its view leaves the document at once, so that
    // titles and menus are right from here on.
    m_pView.reset();
    if (m_pMDIFrame)
        m_pMDIFrame->OnChildFrameClosed();
}

void CMDIChildWnd::SetSystemMenuPrompts()
{
    QMenu *menu = systemMenu();
    if (!menu)
        return;
    for (QAction *action : menu->actions()) {
        for (const SystemMenuPrompt &prompt : kSystemMenuPrompts) {
            if (action->text() == QLatin1String(prompt.item))
                action->setStatusTip(AfxLoadString(prompt.stringId).value_or(QString()));
        }
    }
}
