#include "MainFrameFixture.h"

#include "CCommandLineInfo.h"
#include "CDocument.h"
#include "CMapsmithView.h"
#include "CMultiDocTemplate.h"
#include "RawFiles.h"
#include "ScriptEditor.h"
#include "ScriptSamples.h"
#include "ScriptedModalHost.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

int PdfPageCount(const QString &path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(ReadRaw(path)).count(page));
}

// The program as it starts (RMS1 open), with every modal interaction answered
// from the test's script and a private folder for files.
class ScriptDocumentTest : public MainFrameTest {
protected:
    QString PathOf(const QString &name) const { return QFileInfo(dir.filePath(name)).absoluteFilePath(); }

    CDocument *Open(const QString &name, const QByteArray &bytes)
    {
        WriteRaw(PathOf(name), bytes);
        return app.OpenDocumentFile(PathOf(name));
    }

    static ScriptEditor *EditorOf(const CDocument *document, size_t view = 0)
    {
        return static_cast<CMapsmithView *>(document->GetViews().at(view))->GetEditor();
    }
    CDocument *Active() const { return frame->MDIGetActive()->GetActiveDocument(); }
    CMultiDocTemplate &Template() const { return *app.GetDocTemplates().front(); }
    qsizetype WindowCount() const { return frame->MDIClient()->subWindowList().size(); }
    static void Type(const CDocument *document, const QString &text) { QTest::keyClicks(EditorOf(document), text); }

    ScriptedModalHost host;
    QTemporaryDir dir;
};

} // namespace

TEST_F(ScriptDocumentTest, OpenedThenSavedScriptsKeepEveryByte)
{
    const std::vector<ScriptSample> cases = RoundTripSamples(ScriptEditor::kMaxBytes);
    int number = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QStringLiteral("script%1.rms").arg(++number);
        CDocument *document = Open(name, c.bytes);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(EditorOf(document)->Bytes(), c.bytes);
        EXPECT_FALSE(document->IsModified());
        EXPECT_EQ(document->GetTitle(), name);
        EXPECT_EQ(document->GetPathName(), PathOf(name));

        // Saving writes the window's text, whatever the file holds meanwhile.
        WriteRaw(PathOf(name), "changed on disk");
        ASSERT_EQ(Active(), document);
        EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE));
        EXPECT_EQ(ReadRaw(PathOf(name)), c.bytes);
        document->OnCloseDocument();
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScriptDocumentTest, AFileOverTheLimitOrLockedForWritingLeavesNoWindow)
{
    const qsizetype windows = WindowCount();
    host.AnswerMessage(IDOK);
    EXPECT_EQ(Open("big.rms", ScriptOfSize(ScriptEditor::kMaxBytes + 1)), nullptr);

    WriteRaw(PathOf("locked.rms"), "text");
    {
        ForeignLock writer(PathOf("locked.rms"), ForeignLock::Kind::BsdExclusive);
        host.AnswerMessage(IDOK);
        EXPECT_EQ(app.OpenDocumentFile(PathOf("locked.rms")), nullptr);
    }
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "The file is too large to open.");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.messages[1].text, "A sharing violation occurred while accessing " + PathOf("locked.rms") + ".");
    EXPECT_EQ(WindowCount(), windows);
    EXPECT_EQ(Template().GetDocuments().size(), 1u);
}

TEST_F(ScriptDocumentTest, EveryChangeIncludingUndoMarksTheScriptModifiedAndOnlySavingClearsIt)
{
    CDocument *document = Active();
    EXPECT_FALSE(document->IsModified());
    EditorOf(document)->SetSelection(0, 0);
    QTest::keyClick(EditorOf(document), Qt::Key_Right);
    EditorOf(document)->Copy();
    EXPECT_FALSE(document->IsModified()) << "moving the caret and copying change nothing";

    Type(document, "x");
    EXPECT_TRUE(document->IsModified());
    host.AnswerFile(PathOf("saved.rms"));
    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ReadRaw(PathOf("saved.rms")), "x");

    EXPECT_TRUE(frame->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(EditorOf(document)->Bytes(), "");
    EXPECT_TRUE(document->IsModified()) << "undoing back to the saved text leaves it modified";

    CDocument *full = Open("full.rms", ScriptOfSize(ScriptEditor::kMaxBytes));
    Type(full, "y");
    EXPECT_FALSE(full->IsModified()) << "typing at the limit adds nothing";
}

TEST_F(ScriptDocumentTest, EditCommandsFollowTheirEnabling)
{
    CDocument *document = Active();
    const auto enabled = [this](int id) { return frame->GetCommandRoute().IsEnabled(id); };
    QApplication::clipboard()->clear();
    EXPECT_FALSE(enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(enabled(ID_FILE_PRINT));

    Type(document, "terrain");
    EXPECT_TRUE(enabled(ID_EDIT_UNDO));
    EditorOf(document)->SetSelection(0, 4);
    EXPECT_TRUE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    EXPECT_TRUE(frame->OnCommand(ID_EDIT_CUT));
    EXPECT_EQ(EditorOf(document)->Bytes(), "ain");
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(frame->OnCommand(ID_EDIT_PASTE));
    EXPECT_TRUE(frame->OnCommand(ID_EDIT_PASTE));
    EXPECT_EQ(EditorOf(document)->Bytes(), "terrterrain");
    EXPECT_TRUE(frame->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(EditorOf(document)->Bytes(), "terrain");
}

TEST_F(ScriptDocumentTest, SaveFailuresShowTheCauseAndChangeNothing)
{
    CDocument *document = Active();
    Type(document, "text");
    const QString missing = PathOf("no such folder/map.rms");
    const QString folder = PathOf("folder.rms");
    ASSERT_TRUE(QDir().mkdir(folder));
    host.AnswerFile(missing);
    host.AnswerMessage(IDOK);
    host.AnswerFile(folder);
    host.AnswerMessage(IDOK);

    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE_AS));

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, missing + " was not found.");
    EXPECT_EQ(host.messages[1].text, "Access to " + folder + " was denied.");
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(document->GetPathName().isEmpty());
    EXPECT_EQ(document->GetTitle(), "RMS1");
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"folder.rms"});
}

// The save runs in a child with a lowered file-size limit, so that the write
// stops part way as on a full disk.
TEST_F(ScriptDocumentTest, DiskFullKeepsTheFileAndTheScriptModified)
{
    const QByteArray original = "original\r\n";
    CDocument *document = Open("map.rms", original);
    EditorOf(document)->SetText(ScriptOfSize(100000));
    Type(document, "x");

    const int result = RunInChild([&] {
        host.AnswerMessage(IDOK);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 10;
        if (document->DoFileSave())
            return 11;
        if (host.messages.size() != 1 || host.messages[0].text != "Disk full while accessing " + PathOf("map.rms") + ".")
            return 12;
        return document->IsModified() ? 0 : 13;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadRaw(PathOf("map.rms")), original);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{"map.rms"});
}

TEST_F(ScriptDocumentTest, SaveOfAReadOnlyOrDeletedFileGoesToSaveAsWithItsPath)
{
    CDocument *readOnly = Open("read-only.rms", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(PathOf("read-only.rms")).constData(), 0444), 0);
    Type(readOnly, "x");
    host.AnswerFile(std::nullopt);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE));

    CDocument *deleted = Open("deleted.rms", "old");
    ASSERT_TRUE(QFile::remove(PathOf("deleted.rms")));
    host.AnswerFile(std::nullopt);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE));

    ASSERT_EQ(host.fileDialogs.size(), 2u);
    const FileDialogRequest &request = host.fileDialogs[0];
    EXPECT_EQ(request.mode, FileDialogMode::Save);
    EXPECT_EQ(request.title, "Save As");
    EXPECT_EQ(request.proposedPath, PathOf("read-only.rms"));
    EXPECT_EQ(request.filters, (QStringList{"RMS Files (*.rms)", "All Files (*.*)"}));
    EXPECT_EQ(request.defaultSuffix, "rms");
    EXPECT_EQ(host.fileDialogs[1].proposedPath, PathOf("deleted.rms"));
    EXPECT_TRUE(readOnly->IsModified());
    EXPECT_EQ(ReadRaw(PathOf("read-only.rms")), "old");
    EXPECT_FALSE(deleted->IsModified()) << "a cancelled Save As changes nothing";
}

TEST_F(ScriptDocumentTest, SaveAsProposesTheTitleCutAtTheFirstSeparatorAndAddsTheExtension)
{
    CDocument *document = Active();
    const struct {
        const char *title;
        const char *proposed;
    } cases[] = {
        {"RMS1", "RMS1.rms"}, {"big map", "big.rms"}, {"a#b", "a.rms"},     {"50%", "50.rms"},
        {"x;y", "x.rms"},     {"up/down", "up.rms"},  {"back\\slash", "back.rms"},
    };
    for (const auto &c : cases) {
        document->SetTitle(c.title);
        EXPECT_EQ(document->ProposedSaveName(), c.proposed) << c.title;
    }

    document->SetTitle("RMS1");
    Type(document, "text");
    host.AnswerFile(PathOf("typed"));
    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE_AS));
    EXPECT_EQ(host.fileDialogs.at(0).proposedPath, "RMS1.rms");
    EXPECT_EQ(ReadRaw(PathOf("typed.rms")), "text");
    EXPECT_EQ(document->GetPathName(), PathOf("typed.rms"));
    EXPECT_EQ(document->GetTitle(), "typed.rms");
    EXPECT_EQ(frame->MDIGetActive()->windowTitle(), "typed.rms");
    EXPECT_FALSE(document->IsModified());
}

TEST_F(ScriptDocumentTest, ExitAsksForEachModifiedScriptInOpeningOrderAndStopsAtCancel)
{
    CloseAllScriptWindows();
    CDocument *first = Open("first.rms", "1");
    CDocument *second = Open("second.rms", "2");
    Type(second, "b");
    Type(first, "a");
    host.AnswerMessage(IDYES);
    host.AnswerMessage(IDCANCEL);

    EXPECT_FALSE(frame->close());

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].caption, "Mapsmith");
    EXPECT_EQ(host.messages[0].text, "Save changes to first.rms?");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host.messages[1].text, "Save changes to second.rms?");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(Template().GetDocuments(), (std::vector<CDocument *>{first, second}));
    EXPECT_FALSE(first->IsModified());
    EXPECT_EQ(ReadRaw(PathOf("first.rms")), "a1");
    EXPECT_TRUE(second->IsModified());
    EXPECT_EQ(ReadRaw(PathOf("second.rms")), "2");
}

TEST_F(ScriptDocumentTest, YesThenCancelInSaveAsKeepsTheScriptOpenAndModified)
{
    CDocument *document = Active();
    Type(document, "x");
    host.AnswerMessage(IDYES);
    host.AnswerFile(std::nullopt);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_CLOSE));
    EXPECT_EQ(host.messages.at(0).text, "Save changes to RMS1?");
    EXPECT_EQ(Template().GetDocuments(), std::vector<CDocument *>{document});
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(WindowCount(), 1);
}

TEST_F(ScriptDocumentTest, ClosingAsksOnlyForAChangedScript)
{
    EXPECT_TRUE(frame->OnCommand(ID_FILE_CLOSE)) << "an unchanged new script closes without a question";
    EXPECT_TRUE(Template().GetDocuments().empty());

    app.OnFileNew();
    CDocument *document = Active();
    Type(document, "x");
    EXPECT_TRUE(frame->OnCommand(ID_EDIT_UNDO));
    host.AnswerMessage(IDNO);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_CLOSE));
    EXPECT_EQ(host.messages.at(0).text, "Save changes to RMS2?");
    EXPECT_TRUE(Template().GetDocuments().empty());
    EXPECT_EQ(WindowCount(), 0);
}

TEST_F(ScriptDocumentTest, WindowsOfOneScriptShowAndSaveOneText)
{
    CDocument *document = Open("shared.rms", "base");
    EXPECT_TRUE(frame->OnCommand(ID_WINDOW_NEW));
    ASSERT_EQ(document->GetViews().size(), 2u);
    EXPECT_EQ(EditorOf(document, 1)->Bytes(), "base");
    EXPECT_TRUE(frame->MDIGetActive()->isMaximized());

    EditorOf(document, 1)->SetSelection(4, 4);
    QTest::keyClicks(EditorOf(document, 1), " text");
    EXPECT_EQ(EditorOf(document, 0)->Bytes(), "base text");
    EXPECT_TRUE(document->IsModified());

    // The first window closes without a question; the second still holds
    // the text, and that is what is saved.
    QMdiSubWindow *firstWindow = document->GetViews().front()->GetParentFrame();
    EXPECT_TRUE(firstWindow->close());
    ASSERT_EQ(document->GetViews().size(), 1u);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_SAVE));
    EXPECT_EQ(ReadRaw(PathOf("shared.rms")), "base text");

    Type(document, "!");
    host.AnswerMessage(IDNO);
    EXPECT_TRUE(frame->MDIGetActive()->close()) << "the last window asks first";
    EXPECT_EQ(host.messages.at(0).text, "Save changes to shared.rms?");
    EXPECT_EQ(ReadRaw(PathOf("shared.rms")), "base text");
}

TEST_F(ScriptDocumentTest, EveryNewScriptWindowOpensMaximized)
{
    frame->MDIGetActive()->showNormal();
    ASSERT_FALSE(frame->MDIGetActive()->isMaximized());
    app.OnFileNew();
    EXPECT_TRUE(frame->MDIGetActive()->isMaximized());
    EXPECT_TRUE(Open("opened.rms", "x")->GetViews().front()->GetParentFrame()->isMaximized());
}

TEST_F(ScriptDocumentTest, PrintProducesPagesWithTheMainWindowDisabled)
{
    const QString pdf = PathOf("out.pdf");
    host.AnswerPrint([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Type(Active(), "x");
    QTest::keyClick(EditorOf(Active()), Qt::Key_Return);
    Type(Active(), "y");
    bool enabledWhilePrinting = true;
    QTimer::singleShot(0, frame, [&] { enabledWhilePrinting = frame->isEnabled(); });

    EXPECT_TRUE(frame->OnCommand(ID_FILE_PRINT));

    EXPECT_EQ(host.printDialogs, 1);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_FALSE(enabledWhilePrinting);
    EXPECT_TRUE(frame->isEnabled());

    host.AnswerPrint([](QPrinter &) { return false; });
    QFile::remove(pdf);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_PRINT));
    EXPECT_FALSE(QFile::exists(pdf)) << "a cancelled dialog prints nothing";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScriptDocumentTest, APrintJobThatCannotStartIsReported)
{
    host.AnswerPrint([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PathOf("no such folder/out.pdf"));
        return true;
    });
    host.AnswerMessage(IDOK);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_PRINT));

    // A print-to request naming a printer that does not exist.
    CCommandLineInfo request;
    request.m_nShellCommand = CCommandLineInfo::ShellCommand::FilePrintTo;
    request.m_strPrinterName = "No Such Printer 42";
    app.m_pCmdInfo = &request;
    host.AnswerMessage(IDOK);
    EXPECT_TRUE(frame->OnCommand(ID_FILE_PRINT_DIRECT));
    app.m_pCmdInfo = nullptr;

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Could not start print job.");
    EXPECT_EQ(host.messages[1].text, "Could not start print job.");
    EXPECT_TRUE(frame->isEnabled());
}

TEST_F(ScriptDocumentTest, PrintWithoutADefaultPrinterShowsTheDialogAfterAll)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    host.AnswerPrint([](QPrinter &) { return false; });
    EXPECT_TRUE(frame->OnCommand(ID_FILE_PRINT_DIRECT));
    EXPECT_EQ(host.printDialogs, 1);
}
