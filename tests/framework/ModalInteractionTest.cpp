#include "AfxMainWnd.h"
#include "CWaitCursor.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMainWindow>
#include <gtest/gtest.h>

TEST(ModalHost, MessageBoxIsCaptionedWithTheAppTitleAndDefaultsToExclamation)
{
    ScriptedModalHost host;
    host.AnswerMessage(IDOK);

    EXPECT_EQ(AfxMessageBox("The file could not be created."), IDOK);

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Mapsmith");
    EXPECT_EQ(host.messages[0].text, "The file could not be created.");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
}

TEST(ModalHost, MainWindowIsDisabledOnlyWhileModalRunsEvenWhenNested)
{
    QMainWindow mainWindow;
    AfxSetMainWnd(&mainWindow);
    ScriptedModalHost host;
    bool enabledInOuter = true;
    bool enabledInInner = true;
    bool enabledAfterInner = true;
    host.AnswerDialog([&](QDialog &) {
        enabledInOuter = mainWindow.isEnabled();
        AfxMessageBox("inner");
        enabledAfterInner = mainWindow.isEnabled();
        return IDOK;
    });
    host.AnswerMessage([&](const MessageRequest &) {
        enabledInInner = mainWindow.isEnabled();
        return IDOK;
    });

    QDialog dialog;
    dialog.setWindowTitle("Generate Random Map Script");
    EXPECT_FALSE(ModalHost::IsModalActive());
    EXPECT_EQ(ModalHost::Current().RunDialog(dialog), IDOK);

    EXPECT_FALSE(enabledInOuter);
    EXPECT_FALSE(enabledInInner);
    EXPECT_FALSE(enabledAfterInner);
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_FALSE(ModalHost::IsModalActive());
    EXPECT_EQ(host.dialogs, std::vector<QString>{"Generate Random Map Script"});
    AfxSetMainWnd(nullptr);
}

TEST(WaitCursor, NestsByCountingAndShowsUntilTheOutermostEnds)
{
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CWaitCursor outer;
        {
            CWaitCursor inner;
            EXPECT_EQ(AfxWaitCursorDepth(), 2);
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    AfxEndWaitCursor();  // an unmatched end must not underflow
    EXPECT_EQ(AfxWaitCursorDepth(), 0);
}
