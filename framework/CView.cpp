#include "CView.h"

#include "CDocument.h"
#include "CMDIChildWnd.h"

CView::CView() = default;

CView::~CView()
{
    delete m_pWidget;
    // May destroy the document, when this was its last view.
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

bool CView::Create(CMDIChildWnd *frame, CDocument *document)
{
    m_pFrame = frame;
    m_pWidget = CreateViewWidget(frame);
    if (!m_pWidget)
        return false;
    frame->setWidget(m_pWidget);
    m_pDocument = document;
    if (document)
        document->AddView(this);
    return true;
}

void CView::OnInitialUpdate()
{
    if (m_pFrame)
        m_pFrame->showMaximized();
}
