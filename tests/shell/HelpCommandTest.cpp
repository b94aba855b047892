#include "MainFrameFixture.h"
#include "ScriptedModalHost.h"

#include "AfxMainWnd.h"

#include <QTest>

namespace {

class HelpCommandTest : public MainFrameTest {
protected:
    void ExpectHelpFailureShown(const ScriptedModalHost &host, size_t count = 1) const
    {
        ASSERT_EQ(host.messages.size(), count);
        for (const MessageRequest &message : host.messages) {
            EXPECT_EQ(message.text, "Failed to launch help.");
            EXPECT_EQ(message.caption, "Mapsmith");
            EXPECT_EQ(message.buttons, MessageButtons::Ok);
            EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        }
    }
};

TEST_F(HelpCommandTest, F1WithoutModifiersSaysHelpIsNotAvailable)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    ScriptedModalHost host;
    host.AnswerMessage(IDOK);
    QTest::keyClick(frame, Qt::Key_F1, Qt::ControlModifier);
    QTest::keyClick(frame, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(host.messages.empty());
    QTest::keyClick(frame, Qt::Key_F1);
    ExpectHelpFailureShown(host);
    EXPECT_EQ(frame->MDIClient()->subWindowList().size(), 1) << "the program carries on unchanged";
}

TEST_F(HelpCommandTest, EveryHelpCommandIdReachesTheMainFrame)
{
    ScriptedModalHost host;
    for (int id : {ID_HELP, ID_HELP_FINDER, ID_DEFAULT_HELP}) {
        host.AnswerMessage(IDOK);
        EXPECT_TRUE(frame->OnCommand(id)) << id;
    }
    ExpectHelpFailureShown(host, 3);

    // A dialog's F1 travels through the application's receiver.
    host.AnswerMessage(IDOK);
    AfxSendMainCommand(ID_HELP);
    ExpectHelpFailureShown(host, 4);
}

TEST_F(HelpCommandTest, ContextHelpModeAsksForTheNextClickAndEscLeavesIt)
{
    ASSERT_EQ(frame->GetMessageText(), "For Help, press F1");
    ASSERT_TRUE(frame->OnCommand(ID_CONTEXT_HELP));
    EXPECT_TRUE(frame->IsInHelpMode());
    EXPECT_EQ(frame->GetMessageText(), "Select an object on which to get Help");
    QTest::keyClick(frame, Qt::Key_Escape);
    EXPECT_FALSE(frame->IsInHelpMode());
    EXPECT_EQ(frame->GetMessageText(), "For Help, press F1");

    ScriptedModalHost host;
    host.AnswerMessage(IDOK);
    frame->OnCommand(ID_CONTEXT_HELP);
    QWidget *newButton = ToolBar().widgetForAction(Action(ID_FILE_NEW));
    QTest::mouseClick(newButton, Qt::LeftButton);
    ExpectHelpFailureShown(host);
    EXPECT_FALSE(frame->IsInHelpMode());
    EXPECT_EQ(frame->MDIClient()->subWindowList().size(), 1) << "the click asked for help instead of New";
}

} // namespace
