#pragma once

#include <QToolBar>

class CMDIFrameWnd;

// A dockable toolbar of command buttons built from a toolbar resource: flat
// buttons with a tooltip and a status prompt each, a handle to drag it to
// any side of the frame or out into a floating window.
class CToolBar : public QToolBar {
public:
    CToolBar();

    // Places the bar in the frame under the id (which the View menu's
    // command of the same id finds it by).
    bool CreateEx(CMDIFrameWnd *parent, int id);
    // Adds the buttons of the resource, in order, with their images; false
    // if the resource or its images cannot be read.
    bool LoadToolBar(int id);
    void EnableDocking(Qt::ToolBarAreas areas);

private:
    CMDIFrameWnd *m_pFrame = nullptr;
};
