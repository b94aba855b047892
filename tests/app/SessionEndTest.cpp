#include "AppFixture.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// Logging out or shutting down while scripts hold unsaved changes: the
// desktop's session manager asks the program (OnQueryEndSession), and the
// main window is closed afterwards when the session really ends.
class SessionEnd : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(Start());
        Frame().OnCommand(ID_FILE_NEW);
        Frame().OnCommand(ID_FILE_NEW);
        ASSERT_EQ(Titles(), (QStringList{"RMS1", "RMS2", "RMS3"}));
        Documents()[0]->SetModifiedFlag();
        Documents()[2]->SetModifiedFlag();
    }
    QStringList Asked() const
    {
        QStringList texts;
        for (const MessageRequest &message : host.messages)
            texts << message.text;
        return texts;
    }
};

TEST_F(SessionEnd, EachModifiedScriptIsAskedAboutInOpeningOrderAndTheWindowThenClosesWithoutAskingAgain)
{
    host.AnswerMessage(IDNO);
    host.AnswerMessage(IDNO);
    EXPECT_TRUE(app.OnQueryEndSession(true));
    EXPECT_EQ(Asked(), (QStringList{"Save changes to RMS1?", "Save changes to RMS3?"}));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNoCancel);

    // The session ends: the main window closes with no second round.
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(Documents().empty());
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(SessionEnd, CancelRefusesTheLogoutWithEverythingStillOpen)
{
    host.AnswerMessage(IDNO);
    host.AnswerMessage(IDCANCEL);
    EXPECT_FALSE(app.OnQueryEndSession(true));
    EXPECT_FALSE(app.IsSessionEnding());
    EXPECT_EQ(Titles(), (QStringList{"RMS1", "RMS2", "RMS3"}));

    // A later close asks again.
    host.AnswerMessage(IDCANCEL);
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(host.messages.size(), 3u);
}

TEST_F(SessionEnd, WithoutLeaveToAskUnsavedChangesRefuseTheLogout)
{
    EXPECT_FALSE(app.OnQueryEndSession(false));
    EXPECT_TRUE(host.messages.empty());
    Documents()[0]->SetModifiedFlag(false);
    Documents()[2]->SetModifiedFlag(false);
    EXPECT_TRUE(app.OnQueryEndSession(false));
}

TEST_F(SessionEnd, ALogoutCancelledElsewhereAsksAgainOnceTheUserIsBack)
{
    host.AnswerMessage(IDNO);
    host.AnswerMessage(IDNO);
    ASSERT_TRUE(app.OnQueryEndSession(true));
    ASSERT_TRUE(app.IsSessionEnding());

    // Another program refused the logout; the user types in the editor.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(Frame().GetActiveView()->GetWidget(), &key);
    EXPECT_FALSE(app.IsSessionEnding());

    host.AnswerMessage(IDCANCEL);
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(Titles(), (QStringList{"RMS1", "RMS2", "RMS3"}));
}

TEST_F(SessionEnd, ExitAsksTheSameQuestionsAndCancelStopsIt)
{
    host.AnswerMessage(IDNO);
    host.AnswerMessage(IDCANCEL);
    EXPECT_TRUE(Frame().OnCommand(ID_APP_EXIT));
    EXPECT_EQ(Asked(), (QStringList{"Save changes to RMS1?", "Save changes to RMS3?"}));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Documents().size(), 3u);
}

} // namespace
