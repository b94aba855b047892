#include "MainFrameFixture.h"

namespace {

using WindowTitleTest = MainFrameTest;

TEST_F(WindowTitleTest, AMaximizedScriptWindowsTitleStandsInBracketsAfterTheProgramsTitle)
{
    ASSERT_TRUE(frame->MDIGetActive()->isMaximized());
    EXPECT_EQ(frame->MDIGetActive()->windowTitle(), "RMS1");
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - [RMS1]");
}

TEST_F(WindowTitleTest, ARestoredScriptWindowNamesItsDocumentAfterADash)
{
    frame->MDIGetActive()->showNormal();
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - RMS1");
    frame->MDIGetActive()->showMaximized();
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - [RMS1]");
}

TEST_F(WindowTitleTest, TwoWindowsOnOneDocumentAreNumberedUntilOneCloses)
{
    ASSERT_TRUE(frame->OnCommand(ID_WINDOW_NEW));
    const QList<QMdiSubWindow *> windows = frame->MDIClient()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->windowTitle(), "RMS1:1");
    EXPECT_EQ(windows[1]->windowTitle(), "RMS1:2");
    EXPECT_TRUE(windows[1]->isMaximized()) << "every new window opens maximized";
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - [RMS1:2]");

    windows[1]->showNormal();
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - RMS1") << "the document's title, not the window's";

    windows[1]->close();
    EXPECT_EQ(windows[0]->windowTitle(), "RMS1");
    ASSERT_EQ(frame->MDIGetActive(), windows[0]);
    EXPECT_EQ(frame->windowTitle(), windows[0]->isMaximized() ? "Mapsmith - [RMS1]" : "Mapsmith - RMS1");
}

TEST_F(WindowTitleTest, WithNoScriptWindowTheTitleIsTheProgramsAlone)
{
    CloseAllScriptWindows();
    EXPECT_EQ(frame->windowTitle(), "Mapsmith");
    app.OnFileNew();
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - [RMS2]");
}

TEST_F(WindowTitleTest, ANewScriptWindowOpensMaximizedAfterARestoredOne)
{
    frame->MDIGetActive()->showNormal();
    app.OnFileNew();
    EXPECT_TRUE(frame->MDIGetActive()->isMaximized());
    EXPECT_EQ(frame->windowTitle(), "Mapsmith - [RMS2]");
}

} // namespace
