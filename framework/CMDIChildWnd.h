#pragma once

#include "CCmdTarget.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

class CDocument;
class CMDIFrameWnd;
class CView;

// The frame of one document window inside the main frame's client area.
// It owns its view; its title is the document's title, numbered when the
// document has several windows.
class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // Joins the main frame's client area with a new view of the document;
    // the resource id names the menu and icon of the window. False if the
    // view cannot be made (the frame is then left outside the area).
    bool LoadFrame(int resourceId, CMDIFrameWnd *parent, CDocument *document, const ViewFactory &makeView);
    // Gives the view its first update, then shows and activates the frame.
    void InitialUpdateFrame();

    int GetMenuId() const { return m_nResourceId; }
    CView *GetActiveView() const { return m_pView.get(); }
    CDocument *GetActiveDocument() const;

    // 0 for the only window of its document, else its number from 1.
    void SetWindowNumber(int number);
    void OnUpdateFrameTitle();
    void MDIActivate();
    // Closes the window without asking its document.
    void DestroyWindow();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void SetSystemMenuPrompts();

    int m_nResourceId = 0;
    int m_nWindow = 0;
    bool m_bDestroying = false;
    CMDIFrameWnd *m_pMDIFrame = nullptr;
    std::unique_ptr<CView> m_pView;
};
