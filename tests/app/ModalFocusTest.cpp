#include "AppFixture.h"
#include "CView.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "RunUntil.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The real message box over the real main window with two scripts open.
class ModalFocus : public ::testing::Test {
protected:
    void SetUp() override
    {
        SettingsStore().Remove();
        ASSERT_TRUE(app.InitInstance());
        frame = app.GetMainFrame();
        frame->OnCommand(ID_FILE_NEW);
        frame->activateWindow();
        ASSERT_TRUE(RunUntil([&] { return QApplication::activeWindow() == frame; }));
        // The first script again, its text being typed in.
        first = app.GetDocTemplates().front()->GetDocuments().front();
        first->GetViews().front()->GetParentFrame()->MDIActivate();
        first->GetViews().front()->GetWidget()->setFocus();
        ASSERT_TRUE(RunUntil([&] { return frame->GetActiveView() == first->GetViews().front(); }));
    }

    CMapsmithApp app;
    CMDIFrameWnd *frame = nullptr;
    CDocument *first = nullptr;
};

TEST_F(ModalFocus, AfterAMessageBoxTheSameScriptIsActiveWithTheFocus)
{
    QWidget *typing = QApplication::focusWidget();
    ASSERT_NE(typing, nullptr);
    // The window manager may hand the activation back to the main window
    // while the box is closing, before the main window is enabled again.
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->hide();
        frame->activateWindow();
        RunUntil([&] { return QApplication::activeWindow() == frame; });
        box->accept();
    });
    AfxMessageBox("Failed to launch help.");
    ASSERT_TRUE(RunUntil([&] { return QApplication::activeWindow() == frame; }));
    EXPECT_EQ(frame->GetActiveView()->GetDocument(), first);
    EXPECT_EQ(QApplication::focusWidget(), typing);
}

TEST_F(ModalFocus, ABoxStandsOverTheMainWindowOnlyOnceItIsShown)
{
    QWidget *parents[2] = {};
    for (QWidget *&parent : parents) {
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            parent = box->parentWidget();
            box->accept();
        });
        AfxMessageBox("not found");
        // The second box comes as at a start that failed: no window yet.
        frame->hide();
    }
    EXPECT_EQ(parents[0], frame);
    EXPECT_EQ(parents[1], nullptr) << "centred on the screen, not over a window never shown";
}

} // namespace
