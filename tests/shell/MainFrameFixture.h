#pragma once

#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMapsmithApp.h"
#include "CStatusBar.h"
#include "CToolBar.h"
#include "CommandActions.h"
#include "QStringPrinter.h"
#include "ResourceIds.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

// The program as it starts: the real application object's start-up, so the
// main window is up, maximized, with RMS1 open in it.
class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        ASSERT_NE(frame, nullptr);
    }

    CToolBar &ToolBar() const { return *dynamic_cast<CToolBar *>(frame->GetControlBar(AFX_IDW_TOOLBAR)); }
    CStatusBar &StatusBar() const { return *dynamic_cast<CStatusBar *>(frame->GetControlBar(AFX_IDW_STATUS_BAR)); }
    QAction *Action(int id) const { return frame->GetCommandAction(id); }

    // The menu bar's popup with the title, or nullptr.
    QMenu *Popup(const QString &title) const
    {
        for (QAction *item : frame->menuBar()->actions()) {
            if (item->text() == title)
                return item->menu();
        }
        return nullptr;
    }
    QStringList PopupTitles() const
    {
        QStringList titles;
        for (QAction *item : frame->menuBar()->actions())
            titles << item->text();
        return titles;
    }
    // Opens a popup from the menu bar as the user would, so that it is
    // brought up to date and its items' prompts reach the status bar.
    QMenu *OpenPopup(const QString &title) const
    {
        QMenu *popup = Popup(title);
        frame->menuBar()->setActiveAction(popup->menuAction());
        return popup;
    }
    void CloseAllScriptWindows() const
    {
        for (QMdiSubWindow *window : frame->MDIClient()->subWindowList())
            window->close();
    }

    CMapsmithApp app;
    CMDIFrameWnd *frame = nullptr;
};
