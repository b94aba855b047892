#include "MainFrameFixture.h"
#include "ScriptedModalHost.h"

#include "CMultiDocTemplate.h"

#include <QTest>
#include <QTimer>

namespace {

struct Expected {
    int id;
    bool enabled;
};

void ExpectEnabling(CMDIFrameWnd *frame, const std::vector<Expected> &table)
{
    for (const Expected &expected : table) {
        EXPECT_EQ(frame->GetCommandAction(expected.id)->isEnabled(), expected.enabled) << expected.id;
        EXPECT_EQ(frame->GetCommandRoute().IsEnabled(expected.id), expected.enabled) << expected.id;
    }
}

using CommandEnablingTest = MainFrameTest;

TEST_F(CommandEnablingTest, WithNoScriptWindowOnlyTheAlwaysAvailableCommandsAreEnabled)
{
    CloseAllScriptWindows();
    frame->OnIdleUpdateCmdUI();
    ExpectEnabling(frame, {
                              {ID_FILE_NEW, true},
                              {ID_FILE_OPEN, true},
                              {ID_GENERATE, true},
                              {ID_APP_EXIT, true},
                              {ID_VIEW_TOOLBAR, true},
                              {ID_VIEW_STATUS_BAR, true},
                              {ID_FILE_SAVE, false},
                              {ID_FILE_PRINT, false},
                              {ID_EDIT_CUT, false},
                              {ID_EDIT_COPY, false},
                              {ID_EDIT_PASTE, false},
                              {ID_EDIT_UNDO, false},
                              {ID_FILE_CLOSE, false},
                              {ID_WINDOW_NEW, false},
                              {ID_NEXT_PANE, false},
                              {ID_PREV_PANE, false},
                          });
    for (int id : {ID_FILE_SAVE, ID_FILE_PRINT, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_FALSE(ToolBar().widgetForAction(Action(id))->isEnabled()) << id;
    EXPECT_TRUE(ToolBar().widgetForAction(Action(ID_GENERATE))->isEnabled());
}

TEST_F(CommandEnablingTest, AScriptWindowBringsItsDocumentsAndWindowCommandsOnTheRoute)
{
    frame->OnIdleUpdateCmdUI();
    ExpectEnabling(frame, {
                              {ID_FILE_NEW, true},
                              {ID_FILE_OPEN, true},
                              {ID_GENERATE, true},
                              {ID_FILE_CLOSE, true},
                              {ID_WINDOW_NEW, true},
                              {ID_WINDOW_CASCADE, true},
                              {ID_WINDOW_TILE_HORZ, true},
                              {ID_WINDOW_ARRANGE, true},
                              {ID_NEXT_PANE, false},
                              {ID_PREV_PANE, false},
                          });
}

TEST_F(CommandEnablingTest, AMenuAsksTheRouteAgainRightBeforeItOpens)
{
    frame->OnIdleUpdateCmdUI();
    ASSERT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());

    // The toolbar goes without an idle pass between.
    ToolBar().hide();
    ASSERT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());
    QMenu *view = OpenPopup("&View");
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(Action(ID_VIEW_TOOLBAR)->isChecked());
    view->hide();
}

TEST_F(CommandEnablingTest, TheEventLoopUpdatesTheToolbarWhenItGoesIdle)
{
    frame->OnIdleUpdateCmdUI();
    ASSERT_TRUE(Action(ID_WINDOW_NEW)->isEnabled());
    CloseAllScriptWindows();
    ASSERT_TRUE(Action(ID_WINDOW_NEW)->isEnabled()) << "nothing has asked yet";

    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(Action(ID_WINDOW_NEW)->isEnabled());
}

TEST_F(CommandEnablingTest, ToolbarAndStatusBarTogglesCarryACheckMarkWhileTheirBarShows)
{
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        QWidget *bar = frame->GetControlBar(id);
        OpenPopup("&View");
        EXPECT_TRUE(Action(id)->isChecked());
        Popup("&View")->hide();

        EXPECT_TRUE(frame->OnCommand(id));
        EXPECT_TRUE(bar->isHidden());
        OpenPopup("&View");
        EXPECT_FALSE(Action(id)->isChecked());
        Popup("&View")->hide();

        Action(id)->trigger();
        EXPECT_FALSE(bar->isHidden());
    }
}

TEST_F(CommandEnablingTest, NextAndPreviousPaneKeysDoNothing)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    const QStringList titles{"RMS1"};
    QTest::keyClick(frame, Qt::Key_F6);
    QTest::keyClick(frame, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_FALSE(frame->OnCommand(ID_NEXT_PANE));
    EXPECT_FALSE(frame->OnCommand(ID_PREV_PANE));
    EXPECT_EQ(frame->MDIClient()->subWindowList().size(), 1);
    EXPECT_EQ(frame->MDIGetActive()->windowTitle(), "RMS1");
}

TEST_F(CommandEnablingTest, GenerateIsBoundToTheMainFrameWithOrWithoutAScriptWindow)
{
    ScriptedModalHost host;
    host.AnswerDialog([](QDialog &) { return IDCANCEL; });
    host.AnswerDialog([](QDialog &) { return IDCANCEL; });
    EXPECT_TRUE(frame->OnCommand(ID_GENERATE));
    CloseAllScriptWindows();
    EXPECT_TRUE(frame->OnCommand(ID_GENERATE));
    EXPECT_EQ(host.dialogs, (std::vector<QString>{"Generate Random Map Script", "Generate Random Map Script"}));
}

TEST_F(CommandEnablingTest, ExitClosesTheMainWindow)
{
    frame->show();
    EXPECT_TRUE(frame->OnCommand(ID_APP_EXIT));
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(app.GetDocTemplates().front()->GetDocuments().empty());
}

TEST_F(CommandEnablingTest, WindowArrangementCommandsArrangeTheScriptWindows)
{
    app.OnFileNew();
    QMdiArea *area = frame->MDIClient();
    area->resize(800, 600);
    ASSERT_TRUE(frame->OnCommand(ID_WINDOW_TILE_HORZ));
    for (QMdiSubWindow *window : area->subWindowList()) {
        EXPECT_FALSE(window->isMaximized());
        EXPECT_LT(window->width() * window->height(), 800 * 600);
    }
    ASSERT_TRUE(frame->OnCommand(ID_WINDOW_CASCADE));
    const QList<QMdiSubWindow *> windows = area->subWindowList(QMdiArea::StackingOrder);
    EXPECT_NE(windows[0]->pos(), windows[1]->pos());

    for (QMdiSubWindow *window : windows)
        window->showMinimized();
    ASSERT_TRUE(frame->OnCommand(ID_WINDOW_ARRANGE));
    for (QMdiSubWindow *window : windows)
        EXPECT_EQ(window->geometry().bottom(), area->viewport()->height() - 1) << "icons line the bottom edge";
    EXPECT_NE(windows[0]->x(), windows[1]->x());
}

} // namespace
