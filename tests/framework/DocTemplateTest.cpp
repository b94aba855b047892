#include "CCmdUI.h"
#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "CView.h"
#include "CWinApp.h"
#include "QStringPrinter.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Reads any file that exists; a missing one fails as the base does.
class TestDocument : public CDocument {
public:
    bool OnOpenDocument(const QString &path) override
    {
        return QFile::exists(path) ? true : CDocument::OnOpenDocument(path);
    }
};

// A view whose Copy is enabled while it has a selection.
class TestView : public CView {
public:
    static inline bool failToCreate = false;
    bool hasSelection = true;

protected:
    QWidget *CreateViewWidget(QWidget *parent) override { return failToCreate ? nullptr : new QWidget(parent); }
    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map(CView::GetMessageMap(), {
            MapCommand(ID_EDIT_COPY, &TestView::OnEditCopy),
            MapUpdate(ID_EDIT_COPY, &TestView::OnUpdateEditCopy),
        });
        return &map;
    }
    void OnEditCopy() {}
    void OnUpdateEditCopy(CCmdUI *cmdUI) { cmdUI->Enable(hasSelection); }
};

class TestApp : public CWinApp {
public:
    TestApp()
    {
        AddDocTemplate(CMultiDocTemplate::Make<TestDocument, CMDIChildWnd, TestView>(IDR_SCRIPTTYPE));
        auto frame = std::make_unique<CMDIFrameWnd>();
        frame->LoadFrame(IDR_MAINFRAME);
        SetMainFrame(frame.release());
        GetMainFrame()->show();
    }
    CMultiDocTemplate &Template() const { return *GetDocTemplates().front(); }
};

class DocTemplateTest : public ::testing::Test {
protected:
    void TearDown() override { TestView::failToCreate = false; }

    QStringList Titles() const
    {
        QStringList titles;
        for (QMdiSubWindow *window : frame().MDIClient()->subWindowList(QMdiArea::CreationOrder))
            titles << window->windowTitle();
        return titles;
    }
    CMDIFrameWnd &frame() const { return *app.GetMainFrame(); }
    CMDIChildWnd *Active() const { return frame().MDIGetActive(); }

    TestApp app;
    CMultiDocTemplate &docTemplate = app.Template();
};

TEST_F(DocTemplateTest, NewDocumentsAreNamedFromACountThatOnlyGrows)
{
    app.OnFileNew();
    app.OnFileNew();
    EXPECT_EQ(Titles(), (QStringList{"RMS1", "RMS2"}));

    Active()->close();
    ASSERT_EQ(docTemplate.GetDocuments().size(), 1u);
    app.OnFileNew();
    EXPECT_EQ(Titles(), (QStringList{"RMS1", "RMS3"}));
    EXPECT_EQ(docTemplate.GetDocuments().back()->GetTitle(), "RMS3");
    EXPECT_TRUE(docTemplate.GetDocuments().back()->GetPathName().isEmpty());
}

TEST_F(DocTemplateTest, AFailedCreationIsReportedAndUsesUpNoNumber)
{
    ScriptedModalHost host;
    host.AnswerMessage(IDOK);
    TestView::failToCreate = true;
    app.OnFileNew();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Failed to create empty document.");
    EXPECT_TRUE(docTemplate.GetDocuments().empty());
    EXPECT_TRUE(Titles().isEmpty());

    TestView::failToCreate = false;
    app.OnFileNew();
    EXPECT_EQ(Titles(), QStringList{"RMS1"});
}

TEST_F(DocTemplateTest, OpeningAFileThatIsOpenActivatesItsWindowWhateverTheSpelling)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("maze.rms");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QFile::link(path, dir.filePath("link.rms")));

    CDocument *opened = app.OpenDocumentFile(path);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetTitle(), "maze.rms");
    EXPECT_EQ(opened->GetPathName(), QFileInfo(path).canonicalFilePath());
    app.OnFileNew();
    ASSERT_NE(Active()->GetActiveDocument(), opened);

    for (const QString &spelling : {dir.filePath("sub/../maze.rms"), dir.filePath("link.rms")}) {
        QDir(dir.path()).mkdir("sub");
        EXPECT_EQ(app.OpenDocumentFile(spelling), opened) << spelling.toStdString();
        EXPECT_EQ(Active()->GetActiveDocument(), opened);
        app.OnFileNew();
    }
    EXPECT_EQ(docTemplate.GetDocuments().size(), 4u);  // maze.rms and three new ones
    EXPECT_EQ(docTemplate.FindDocument(dir.filePath("MAZE.rms")), nullptr) << "file names are case-sensitive";
}

TEST_F(DocTemplateTest, AFailedLoadLeavesNothingOpen)
{
    ScriptedModalHost host;
    host.AnswerMessage(IDOK);
    EXPECT_EQ(app.OpenDocumentFile(QDir::temp().filePath("no-such-dir/none.rms")), nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, QDir::temp().filePath("no-such-dir/none.rms") + " was not found.");
    EXPECT_TRUE(docTemplate.GetDocuments().empty());
    EXPECT_TRUE(Titles().isEmpty());
    EXPECT_EQ(frame().windowTitle(), "Mapsmith");
}

TEST_F(DocTemplateTest, WindowsOfOneDocumentAreNumberedAndTheDocumentGoesWithItsLastView)
{
    app.OnFileNew();
    CDocument *document = docTemplate.GetDocuments().front();
    EXPECT_TRUE(frame().OnCommand(ID_WINDOW_NEW));
    EXPECT_EQ(Titles(), (QStringList{"RMS1:1", "RMS1:2"}));
    EXPECT_EQ(document->GetViews().size(), 2u);

    Active()->close();
    EXPECT_EQ(Titles(), QStringList{"RMS1"});
    ASSERT_EQ(docTemplate.GetDocuments().size(), 1u);

    Active()->close();
    EXPECT_TRUE(docTemplate.GetDocuments().empty());
}

TEST_F(DocTemplateTest, AModifiedDocumentKeepsItsLastWindowAndStopsTheExit)
{
    app.OnFileNew();
    frame().OnCommand(ID_WINDOW_NEW);
    CDocument *document = docTemplate.GetDocuments().front();
    document->SetModifiedFlag();
    ScriptedModalHost host;
    for (int i = 0; i < 3; ++i)
        host.AnswerMessage(IDCANCEL);

    EXPECT_TRUE(Active()->close()) << "another window still shows the document";
    EXPECT_FALSE(Active()->close());
    EXPECT_TRUE(frame().OnCommand(ID_FILE_CLOSE));
    EXPECT_FALSE(frame().close());
    ASSERT_EQ(host.messages.size(), 3u) << "the last window, Close and Exit each ask";
    for (const MessageRequest &prompt : host.messages) {
        EXPECT_EQ(prompt.text, "Save changes to RMS1?");
        EXPECT_EQ(prompt.buttons, MessageButtons::YesNoCancel);
    }
    EXPECT_EQ(Titles(), QStringList{"RMS1"});
    EXPECT_TRUE(frame().isVisible());

    document->SetModifiedFlag(false);
    EXPECT_TRUE(frame().close());
    EXPECT_TRUE(docTemplate.GetDocuments().empty());
}

TEST_F(DocTemplateTest, TheActiveWindowsViewAndDocumentAreOnTheCommandRoute)
{
    EXPECT_FALSE(frame().GetCommandRoute().IsEnabled(ID_EDIT_COPY));
    EXPECT_FALSE(frame().GetCommandRoute().IsEnabled(ID_FILE_CLOSE));

    app.OnFileNew();
    EXPECT_TRUE(frame().GetCommandRoute().IsEnabled(ID_EDIT_COPY));
    EXPECT_TRUE(frame().GetCommandRoute().IsEnabled(ID_FILE_CLOSE));
    static_cast<TestView *>(frame().GetActiveView())->hasSelection = false;
    EXPECT_FALSE(frame().GetCommandRoute().IsEnabled(ID_EDIT_COPY));

    EXPECT_TRUE(frame().OnCommand(ID_FILE_CLOSE));
    EXPECT_TRUE(docTemplate.GetDocuments().empty());
    EXPECT_FALSE(frame().GetCommandRoute().IsEnabled(ID_FILE_CLOSE));
}

} // namespace
