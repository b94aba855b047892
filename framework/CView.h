#pragma once

#include "CCmdTarget.h"

#include <QPointer>
#include <QWidget>

class CDocument;
class CMDIChildWnd;

// Shows a document inside a child frame. The view is not itself a widget:
// it makes its widget through CreateViewWidget, so any widget can serve
// (an edit component, a plain placeholder). The frame owns the view.
class CView : public CCmdTarget {
public:
    CView();
    ~CView() override;

    // Makes the widget inside the frame and joins the document's views;
    // false if no widget could be made.
    bool Create(CMDIChildWnd *frame, CDocument *document);

    CDocument *GetDocument() const { return m_pDocument; }
    CMDIChildWnd *GetParentFrame() const { return m_pFrame; }
    QWidget *GetWidget() const { return m_pWidget; }

    // Called once, after the document has its content and before the frame
    // is first activated: shows the frame maximized.
    virtual void OnInitialUpdate();

protected:
    virtual QWidget *CreateViewWidget(QWidget *parent) = 0;

private:
    CDocument *m_pDocument = nullptr;
    CMDIChildWnd *m_pFrame = nullptr;
    QPointer<QWidget> m_pWidget;
};
