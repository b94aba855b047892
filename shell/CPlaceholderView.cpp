#include "CPlaceholderView.h"

#include <QFrame>

QWidget *CPlaceholderView::CreateViewWidget(QWidget *parent)
{
    auto *page = new QFrame(parent);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    page->setBackgroundRole(QPalette::Base);
    page->setAutoFillBackground(true);
    return page;
}
