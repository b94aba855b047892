#include "CDialog.h"
#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMapsmithApp.h"
#include "CRecentFileList.h"
#include "CWaitCursor.h"
#include "ControlIds.h"
#include "QStringPrinter.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr char kExists[] = "That file already exists. Delete the file or choose a different filename.";
constexpr char kCannotCreate[] = "The file could not be created.";

// The program started in a fresh current folder, with modal answers scripted.
class GenerateCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        ASSERT_TRUE(m_app.InitInstance());
        m_frame = m_app.GetMainFrame();
        for (QMdiSubWindow *window : m_frame->MDIClient()->subWindowList())
            window->close();
    }
    void TearDown() override { QDir::setCurrent(m_previousFolder); }

    // The user types `name` into the file-name box and presses Generate.
    void AnswerGenerateWithName(const QString &name)
    {
        m_host.AnswerDialog([name](QDialog &dialog) {
            auto &generate = dynamic_cast<CDialog &>(dialog);
            auto *edit = qobject_cast<QLineEdit *>(generate.GetDlgItem(IDC_FILENAME));
            edit->setText(name);
            QTest::mouseClick(qobject_cast<QPushButton *>(generate.GetDlgItem(IDOK)), Qt::LeftButton);
            return dialog.result();
        });
    }
    // Answers one message box and records whether the wait cursor showed.
    void AnswerMessage()
    {
        m_host.AnswerMessage([this](const MessageRequest &) {
            m_waitCursorDuringMessage = AfxWaitCursorDepth() > 0;
            return IDOK;
        });
    }
    void Generate() { m_frame->OnCommand(ID_GENERATE); }

    QString Path(const QString &name) const { return m_folder.filePath(name); }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int ScriptWindowCount() const { return int(m_frame->MDIClient()->subWindowList().size()); }
    void ExpectOneMessage(const QString &text, MessageIcon icon) const
    {
        ASSERT_EQ(m_host.messages.size(), 1u);
        EXPECT_EQ(m_host.messages[0].text, text);
        EXPECT_EQ(m_host.messages[0].caption, "Mapsmith");
        EXPECT_EQ(m_host.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(m_host.messages[0].icon, icon);
        EXPECT_TRUE(m_waitCursorDuringMessage);
        EXPECT_EQ(AfxWaitCursorDepth(), 0);
    }

    QTemporaryDir m_folder;
    QString m_previousFolder;
    ScriptedModalHost m_host;
    CMapsmithApp m_app;
    CMDIFrameWnd *m_frame = nullptr;
    bool m_waitCursorDuringMessage = false;
};

TEST_F(GenerateCommandTest, DefaultsWriteFilenameRmsAndOpenItMaximizedAndUnmodified)
{
    AnswerGenerateWithName("Filename");
    Generate();

    const QByteArray bytes = Read(Path("Filename.rms"));
    EXPECT_EQ(bytes.count("\r\n"), 686);
    EXPECT_EQ(bytes.count('\n'), 686);
    EXPECT_TRUE(bytes.startsWith("/* *** Filename *** */\r\n\r\n"));
    EXPECT_TRUE(m_host.messages.empty());

    ASSERT_EQ(ScriptWindowCount(), 1);
    CMDIChildWnd *child = m_frame->MDIGetActive();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->isMaximized());
    CDocument *document = child->GetActiveDocument();
    EXPECT_EQ(document->GetTitle(), "Filename.rms");
    EXPECT_EQ(QFileInfo(document->GetPathName()), QFileInfo(Path("Filename.rms")));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(AfxWaitCursorDepth(), 0);
    ASSERT_GE(m_app.GetRecentFileList()->GetCount(), 1);
    EXPECT_EQ((*m_app.GetRecentFileList())[0], QFileInfo(Path("Filename.rms")).canonicalFilePath());
}

TEST_F(GenerateCommandTest, CancelCreatesShowsAndChangesNothing)
{
    m_host.AnswerDialog([](QDialog &dialog) {
        QTest::mouseClick(qobject_cast<QPushButton *>(dynamic_cast<CDialog &>(dialog).GetDlgItem(IDCANCEL)),
                          Qt::LeftButton);
        return dialog.result();
    });
    Generate();

    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_EQ(ScriptWindowCount(), 0);
}

TEST_F(GenerateCommandTest, TypedNameGetsRmsAppendedAndStandsAsTypedOnTheFirstLine)
{
    const struct {
        QString typed;
        QString file;
        QByteArray firstLine;
    } cases[] = {
        {"test.rms", "test.rms.rms", "/* *** test.rms *** */\r\n"},
        {"", ".rms", "/* ***  *** */\r\n"},
        {" two words ", " two words .rms", "/* ***  two words  *** */\r\n"},
        {QString::fromUtf8("caf\u00e9"), QString::fromUtf8("caf\u00e9.rms"), "/* *** caf\xe9 *** */\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        AnswerGenerateWithName(c.typed);
        Generate();
        EXPECT_TRUE(Read(Path(c.file)).startsWith(c.firstLine));
        ASSERT_NE(m_frame->MDIGetActive(), nullptr);
        EXPECT_EQ(m_frame->MDIGetActive()->GetActiveDocument()->GetTitle(), c.file);
    }
    EXPECT_TRUE(m_host.messages.empty());
}

TEST_F(GenerateCommandTest, NameThatIsTakenIsRefusedAndTheEntryLeftAlone)
{
    QFile existing(Path("Taken.rms"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("mine");
    existing.close();
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("Folder.rms"));

    for (const QString name : {"Taken", "Folder"}) {
        SCOPED_TRACE(name.toStdString());
        m_host.messages.clear();
        AnswerGenerateWithName(name);
        AnswerMessage();
        Generate();
        ExpectOneMessage(kExists, MessageIcon::Exclamation);
    }
    EXPECT_EQ(Read(Path("Taken.rms")), "mine");
    EXPECT_TRUE(QFileInfo(Path("Folder.rms")).isDir());
    EXPECT_EQ(ScriptWindowCount(), 0);
}

TEST_F(GenerateCommandTest, GeneratingTheSameNameTwiceKeepsTheFirstFile)
{
    AnswerGenerateWithName("Twice");
    Generate();
    const QByteArray first = Read(Path("Twice.rms"));
    ASSERT_NE(m_frame->MDIGetActive(), nullptr);
    m_frame->MDIGetActive()->close();

    AnswerGenerateWithName("Twice");
    AnswerMessage();
    Generate();

    ExpectOneMessage(kExists, MessageIcon::Exclamation);
    EXPECT_EQ(Read(Path("Twice.rms")), first);
    EXPECT_EQ(ScriptWindowCount(), 0);
}

TEST_F(GenerateCommandTest, NameInAMissingFolderCannotBeCreated)
{
    AnswerGenerateWithName("missing/Script");
    AnswerMessage();
    Generate();

    ExpectOneMessage(kCannotCreate, MessageIcon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(Path("missing")));
}

TEST_F(GenerateCommandTest, FailedWriteShowsDiskFullWithTheFullPathAndLeavesNoFile)
{
    // A file-size limit makes the write fail part-way, as a full disk would.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 4000;

    AnswerGenerateWithName("Full");
    AnswerMessage();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    Generate();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    const QString fullPath = QDir(m_folder.path()).absoluteFilePath("Full.rms");
    ExpectOneMessage(QString("Disk full while accessing %1.").arg(fullPath), MessageIcon::Stop);
    EXPECT_FALSE(QFileInfo::exists(fullPath));
    EXPECT_EQ(ScriptWindowCount(), 0);
}

TEST_F(GenerateCommandTest, OpenScriptOfThatPathIsOnlyActivated)
{
    AnswerGenerateWithName("Open");
    Generate();
    CMDIChildWnd *window = m_frame->MDIGetActive();
    ASSERT_NE(window, nullptr);
    CDocument *document = window->GetActiveDocument();
    ASSERT_TRUE(QFile::remove(Path("Open.rms")));
    AnswerGenerateWithName("Other");
    Generate();
    ASSERT_EQ(ScriptWindowCount(), 2);

    AnswerGenerateWithName("Open");
    Generate();

    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_EQ(ScriptWindowCount(), 2);
    EXPECT_EQ(m_frame->MDIGetActive(), window);
    EXPECT_EQ(window->GetActiveDocument(), document);
    EXPECT_TRUE(QFileInfo::exists(Path("Open.rms")));
}

} // namespace
