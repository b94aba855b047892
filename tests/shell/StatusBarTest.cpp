#include "MainFrameFixture.h"

#include "LockKeyState.h"

#include <QTest>

#include <map>

namespace {

using StatusBarTest = MainFrameTest;

struct Prompt {
    int id;
    const char *status;
    const char *tooltip;
};

TEST_F(StatusBarTest, PointingAtAToolbarButtonShowsItsPromptAndTooltip)
{
    const std::vector<Prompt> prompts{
        {ID_FILE_NEW, "Create a new document", "New"},
        {ID_FILE_OPEN, "Open an existing document", "Open"},
        {ID_FILE_PRINT, "Print the current file", "Print"},
        {ID_EDIT_PASTE, "Insert Clipboard contents", "Paste"},
        {ID_GENERATE, "Auto generate RMS file", "Generate"},
    };
    for (const Prompt &prompt : prompts) {
        QWidget *button = ToolBar().widgetForAction(Action(prompt.id));
        EXPECT_EQ(button->toolTip(), prompt.tooltip);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(frame->GetMessageText(), prompt.status) << prompt.tooltip;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        EXPECT_EQ(frame->GetMessageText(), "For Help, press F1");
    }
}

TEST_F(StatusBarTest, AHighlightedMenuItemShowsItsPromptAndTheIdleTextReturnsWhenTheMenuCloses)
{
    EXPECT_EQ(frame->GetMessageText(), "For Help, press F1");
    QMenu *file = OpenPopup("&File");
    EXPECT_EQ(frame->GetMessageText(), "") << "nothing highlighted yet";
    file->hide();
    EXPECT_EQ(frame->GetMessageText(), "For Help, press F1");

    OpenPopup("&File");

    file->setActiveAction(Action(ID_GENERATE));
    EXPECT_EQ(frame->GetMessageText(), "Auto generate RMS file");
    file->setActiveAction(Action(ID_APP_EXIT));
    EXPECT_EQ(frame->GetMessageText(), "Quit the application; prompts to save documents");

    file->hide();
    EXPECT_EQ(frame->GetMessageText(), "For Help, press F1");
}

TEST_F(StatusBarTest, TheWindowMenuListsTheScriptWindowsWithTheirPrompt)
{
    frame->OnCommand(ID_WINDOW_NEW);
    QMenu *window = OpenPopup("&Window");
    QStringList entries;
    QAction *active = nullptr;
    for (QAction *action : window->actions()) {
        if (!CommandActions::CommandId(action) && !action->isSeparator()) {
            entries << action->text();
            EXPECT_EQ(action->statusTip(), "Activate this window");
            if (action->isChecked())
                active = action;
        }
    }
    EXPECT_EQ(entries, (QStringList{"&1 RMS1:1", "&2 RMS1:2"}));
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->text(), "&2 RMS1:2");

    window->setActiveAction(window->actions().at(window->actions().size() - 2));
    EXPECT_EQ(frame->GetMessageText(), "Activate this window");
    window->actions().at(window->actions().size() - 2)->trigger();
    window->hide();
    EXPECT_EQ(frame->MDIGetActive()->windowTitle(), "RMS1:1");
}

TEST_F(StatusBarTest, AScriptWindowsSystemMenuItemsHaveTheirPrompts)
{
    std::map<QString, QString> prompts;
    for (const QAction *action : frame->MDIGetActive()->systemMenu()->actions()) {
        if (!action->isSeparator())
            prompts[action->text()] = action->statusTip();
    }
    EXPECT_EQ(prompts["&Restore"], "Restore the window to normal size");
    EXPECT_EQ(prompts["&Move"], "Change the window position");
    EXPECT_EQ(prompts["&Size"], "Change the window size");
    EXPECT_EQ(prompts["Mi&nimize"], "Reduce the window to an icon");
    EXPECT_EQ(prompts["Ma&ximize"], "Enlarge the window to full size");
    EXPECT_EQ(prompts["&Close"], "Close the active window and prompts to save the documents");
}

TEST_F(StatusBarTest, IndicatorsShowTheirTextWhileTheirLockIsOn)
{
    const LockKeyState *locks = StatusBar().GetLockKeyState();
    ASSERT_EQ(locks->GetSource(), LockKeyState::Source::KeyPresses) << "the offscreen platform has no indicators";
    ASSERT_EQ(StatusBar().GetCount(), 4);
    EXPECT_EQ(StatusBar().GetItemID(0), ID_SEPARATOR);

    struct Indicator {
        int pane;
        int id;
        Qt::Key key;
        const char *text;
    };
    for (const Indicator &indicator : {Indicator{1, ID_INDICATOR_CAPS, Qt::Key_CapsLock, "CAP"},
                                       Indicator{2, ID_INDICATOR_NUM, Qt::Key_NumLock, "NUM"},
                                       Indicator{3, ID_INDICATOR_SCRL, Qt::Key_ScrollLock, "SCRL"}}) {
        EXPECT_EQ(StatusBar().GetItemID(indicator.pane), indicator.id);
        EXPECT_EQ(StatusBar().GetPaneText(indicator.pane), "");
        QTest::keyClick(frame->windowHandle(), indicator.key);
        EXPECT_EQ(StatusBar().GetPaneText(indicator.pane), indicator.text);
        QTest::keyClick(frame->windowHandle(), indicator.key);
        EXPECT_EQ(StatusBar().GetPaneText(indicator.pane), "");
    }
}

TEST(StatusBarIndicators, AnIndicatorWithoutTextFailsTheirCreation)
{
    CMDIFrameWnd frame;
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(&frame, AFX_IDW_STATUS_BAR));
    const std::array unknown{ID_SEPARATOR, ID_INDICATOR_CAPS, 4242};
    EXPECT_FALSE(bar.SetIndicators(unknown));
    EXPECT_EQ(bar.GetCount(), 0);
}

} // namespace
