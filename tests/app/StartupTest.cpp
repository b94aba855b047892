#include "AppFixture.h"
#include "ProgramInfoOption.h"
#include "ResourceIds.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST_F(AppTest, WithoutArgumentsTheMainWindowOpensMaximizedWithRMS1)
{
    std::signal(SIGXFSZ, SIG_DFL);
    ASSERT_TRUE(Start());
    // A file-size limit must reach the Generate command's writer as a
    // failed write, not end the program.
    EXPECT_EQ(std::signal(SIGXFSZ, SIG_IGN), SIG_IGN);

    EXPECT_EQ(Titles(), QStringList{"RMS1"});
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(Frame().isMaximized());
    ASSERT_NE(Frame().MDIGetActive(), nullptr);
    EXPECT_TRUE(Frame().MDIGetActive()->isMaximized());
    EXPECT_EQ(Frame().windowTitle(), "Mapsmith - [RMS1]");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AppTest, AFileOnTheCommandLineOpensInsteadOfRMS1AndTheNextNewIsRMS1)
{
    const QString file = MakeFile("desert.rms");
    ASSERT_TRUE(Start({file}));
    EXPECT_EQ(PathNames(), QStringList{file});
    EXPECT_EQ(Titles(), QStringList{"desert.rms"});
    EXPECT_TRUE(Frame().isMaximized());
    EXPECT_EQ(RecentFiles(), QStringList{file});

    EXPECT_TRUE(Frame().OnCommand(ID_FILE_NEW));
    EXPECT_EQ(Titles(), (QStringList{"desert.rms", "RMS1"}));
}

// Which file a command line opens, and whether the program starts at all.
struct CommandLineCase {
    const char *name;
    QStringList arguments;  // "%1" stands for the temporary folder
    QStringList opened;     // paths below the folder; "RMS1" for a new script
};

void PrintTo(const CommandLineCase &c, std::ostream *out)
{
    *out << c.name;
}

class CommandLineStart : public AppTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineStart, OpensWhatTheCommandLineNames)
{
    MakeFile("a.rms");
    MakeFile("b.rms");
    MakeFile("notes.txt");
    MakeFile("real/target.rms");
    ASSERT_TRUE(QFile::link(Folder() + "/real/target.rms", Folder() + "/shortcut.rms"));
    const QString savedCurrent = QDir::currentPath();
    QDir::setCurrent(Folder());

    QStringList arguments;
    for (const QString &argument : GetParam().arguments)
        arguments << QString(argument).replace("%1", Folder());
    const bool started = Start(arguments);
    QDir::setCurrent(savedCurrent);

    ASSERT_TRUE(started);
    QStringList expected;
    for (const QString &opened : GetParam().opened)
        expected << (opened == "RMS1" ? QString() : Folder() + '/' + opened);
    EXPECT_EQ(PathNames(), expected);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    AppTest, CommandLineStart,
    ::testing::Values(CommandLineCase{"TwoNamesOpenOnlyTheFirst", {"%1/b.rms", "%1/a.rms"}, {"b.rms"}},
                      CommandLineCase{"ARelativeNameIsTakenFromTheCurrentFolder", {"a.rms"}, {"a.rms"}},
                      CommandLineCase{"ShellQuotesAreStripped", {"\"%1/a.rms\""}, {"a.rms"}},
                      CommandLineCase{"ALinkOpensItsTarget", {"shortcut.rms"}, {"real/target.rms"}},
                      CommandLineCase{"AnyExtensionIsAccepted", {"notes.txt"}, {"notes.txt"}},
                      CommandLineCase{"UpperCasePIsNoPrintSwitch", {"/P"}, {"RMS1"}},
                      CommandLineCase{"UpperCasePWithAFileOpensIt", {"-P", "a.rms"}, {"a.rms"}},
                      CommandLineCase{"UnknownSwitchesAreIgnored", {"--geometry", "-x", "a.rms"}, {"a.rms"}},
                      CommandLineCase{"EmbeddingAloneStartsWithRMS1", {"/Embedding"}, {"RMS1"}},
                      CommandLineCase{"DdeWaitsWithNoScript", {"/dde"}, {}}),
    [](const ::testing::TestParamInfo<CommandLineCase> &info) { return std::string(info.param.name); });

TEST_F(AppTest, AFileNameHoldingADoubleQuoteOpensAsItIs)
{
    // Linux names may hold quotes; such a name is not cut at its quote.
    const QString file = MakeFile("say \"hi\".rms");
    ASSERT_TRUE(Start({file}));
    EXPECT_EQ(PathNames(), QStringList{file});
}

TEST_F(AppTest, AMissingFileShowsItsMessageAndEndsWithoutAWindow)
{
    host.AnswerMessage(IDOK);
    app.SetCommandLine({Folder() + "/missing.rms"});
    EXPECT_EQ(app.Run(), CWinApp::kExitStartupFailed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Mapsmith");
    EXPECT_EQ(host.messages[0].text, Folder() + "/missing.rms was not found.");
    ASSERT_NE(app.GetMainFrame(), nullptr);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(Documents().empty());
    EXPECT_TRUE(RecentFiles().isEmpty());
}

TEST_F(AppTest, AFailedOpenLeavesTheActiveScriptActive)
{
    ASSERT_TRUE(Start());
    CDocument *opened = app.OpenDocumentFile(MakeFile("a.rms"));
    ASSERT_EQ(ActiveDocument(), opened);
    host.AnswerMessage(IDOK);
    EXPECT_EQ(app.OpenDocumentFile(Folder() + "/missing.rms"), nullptr);
    EXPECT_EQ(Titles(), (QStringList{"RMS1", "a.rms"}));
    EXPECT_EQ(ActiveDocument(), opened);
}

TEST_F(AppTest, TheDocumentTemplateStringGivesNamesFiltersAndTheFileType)
{
    ASSERT_TRUE(Start());
    using Index = CMultiDocTemplate::DocStringIndex;
    const std::pair<Index, QString> fields[] = {
        {Index::windowTitle, ""},         {Index::docName, "RMS"},
        {Index::fileNewName, "RMS"},      {Index::filterName, "RMS Files (*.rms)"},
        {Index::filterExt, ".rms"},       {Index::regFileTypeId, "MapsmithDocument"},
        {Index::regFileTypeName, "RMS Document"},
    };
    for (const auto &[index, text] : fields)
        EXPECT_EQ(Template().GetDocString(index), text) << static_cast<int>(index);

    // The filter name and extension reach the Open dialog.
    host.AnswerFile(std::nullopt);
    EXPECT_TRUE(Frame().OnCommand(ID_FILE_OPEN));
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    const FileDialogRequest &open = host.fileDialogs[0];
    EXPECT_EQ(open.mode, FileDialogMode::Open);
    EXPECT_EQ(open.title, "Open");
    EXPECT_EQ(open.filters, (QStringList{"RMS Files (*.rms)", "All Files (*.*)"}));
    EXPECT_EQ(open.defaultSuffix, "rms");
    EXPECT_EQ(Titles(), QStringList{"RMS1"}) << "Cancel opens nothing";
}

TEST_F(AppTest, TheOpenDialogsChoiceGoesToOpenDocumentFile)
{
    const QString file = MakeFile("chosen.rms");
    ASSERT_TRUE(Start());
    host.AnswerFile(file);
    EXPECT_TRUE(Frame().OnCommand(ID_FILE_OPEN));
    EXPECT_EQ(PathNames(), (QStringList{QString(), file}));
    EXPECT_EQ(ActiveDocument()->GetPathName(), file);
}

// The program as the user runs it, for what ends before any window.
int RunProgram(const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(MAPSMITH_BUILD_DIR "/mapsmith", arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(ProgramInfo, VersionAndHelpPrintAndEndWithoutAWindow)
{
    QByteArray output;
    EXPECT_EQ(RunProgram({"--version"}, &output), 0);
    EXPECT_EQ(output, QByteArray(ProgramInfoOption::kVersionText) + '\n');
    EXPECT_EQ(output, "Mapsmith Version 1.0\n");

    EXPECT_EQ(RunProgram({"some.rms", "--help"}, &output), 0);
    EXPECT_TRUE(output.startsWith("Usage: mapsmith [FILE]\n")) << output.toStdString();
    for (const char *mentioned : {"-p FILE", "-pt FILE PRINTER DRIVER PORT", "-dde", "-Unregister", "--version"})
        EXPECT_TRUE(output.contains(mentioned)) << mentioned;
}

} // namespace
