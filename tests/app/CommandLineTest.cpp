#include "CCommandLineInfo.h"
#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <utility>

namespace {

using Command = CCommandLineInfo::ShellCommand;

enum class Flag { None, Embedded, Automated };

struct CommandLineCase {
    CommandLineCase(const char *name, QStringList arguments, Command command, QString file = {},
                    QString printer = {}, QString driver = {}, QString port = {}, Flag flag = Flag::None)
        : name(name)
        , arguments(std::move(arguments))
    {
        expected.m_nShellCommand = command;
        expected.m_strFileName = std::move(file);
        expected.m_strPrinterName = std::move(printer);
        expected.m_strDriverName = std::move(driver);
        expected.m_strPortName = std::move(port);
        expected.m_bRunEmbedded = flag == Flag::Embedded;
        expected.m_bRunAutomated = flag == Flag::Automated;
    }

    const char *name;
    QStringList arguments;
    CCommandLineInfo expected;
};

void PrintTo(const CommandLineCase &c, std::ostream *out)
{
    *out << c.name;
}

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, ParsesAsTabled)
{
    const CommandLineCase &c = GetParam();
    CCommandLineInfo info;
    ParseCommandLine(c.arguments, info);
    EXPECT_EQ(info.m_nShellCommand, c.expected.m_nShellCommand);
    EXPECT_EQ(info.m_strFileName, c.expected.m_strFileName);
    EXPECT_EQ(info.m_strPrinterName, c.expected.m_strPrinterName);
    EXPECT_EQ(info.m_strDriverName, c.expected.m_strDriverName);
    EXPECT_EQ(info.m_strPortName, c.expected.m_strPortName);
    EXPECT_EQ(info.m_bRunEmbedded, c.expected.m_bRunEmbedded);
    EXPECT_EQ(info.m_bRunAutomated, c.expected.m_bRunAutomated);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLine,
    ::testing::Values(
        CommandLineCase{"nothing", {}, Command::FileNew, {}},
        CommandLineCase{"one name", {"map.rms"}, Command::FileOpen, "map.rms"},
        CommandLineCase{"two names open the first only", {"a.rms", "b.rms"}, Command::FileOpen, "a.rms"},
        CommandLineCase{"absolute path is a name", {"/home/ann/maps/a.rms"}, Command::FileOpen, "/home/ann/maps/a.rms"},
        CommandLineCase{"existing path at the root is a name", {"/tmp"}, Command::FileOpen, "/tmp"},
        CommandLineCase{"print with slash", {"/p", "a.rms"}, Command::FilePrint, "a.rms"},
        CommandLineCase{"print with dash after the name", {"a.rms", "-p"}, Command::FilePrint, "a.rms"},
        CommandLineCase{"upper-case P is ignored", {"/P"}, Command::FileNew, {}},
        CommandLineCase{"upper-case P with a file opens it", {"-P", "a.rms"}, Command::FileOpen, "a.rms"},
        CommandLineCase{"print to", {"/pt", "a.rms", "Laser", "cups", "usb0"}, Command::FilePrintTo,
                        "a.rms", "Laser", "cups", "usb0"},
        CommandLineCase{"print to with a short line", {"a.rms", "Laser", "-pt"}, Command::FilePrintTo,
                        "a.rms", "Laser"},
        CommandLineCase{"names after the port are ignored", {"-pt", "a", "b", "c", "d", "e"},
                        Command::FilePrintTo, "a", "b", "c", "d"},
        CommandLineCase{"printer names without pt are ignored", {"-p", "a.rms", "Laser"}, Command::FilePrint,
                        "a.rms"},
        CommandLineCase{"PT in another case is ignored", {"/PT", "a.rms", "Laser"}, Command::FileOpen, "a.rms"},
        CommandLineCase{"dde", {"/dde"}, Command::FileDDE, {}},
        CommandLineCase{"dde keeps a name but does not open it", {"-dde", "a.rms"}, Command::FileDDE, "a.rms"},
        CommandLineCase{"DDE in another case is ignored", {"/DDE"}, Command::FileNew, {}},
        CommandLineCase{"Unregister any case", {"/uNrEgIsTeR"}, Command::AppUnregister, {}},
        CommandLineCase{"Unregserver", {"-UNREGSERVER"}, Command::AppUnregister, {}},
        CommandLineCase{"Embedding with unregister", {"/Unregister", "-embedding"}, Command::AppUnregister, {},
                        {}, {}, {}, Flag::Embedded},
        CommandLineCase{"Automation", {"/AUTOMATION"}, Command::FileNew, {}, {}, {}, {}, Flag::Automated},
        CommandLineCase{"unknown switches are ignored", {"-x", "--version", "/nosuchswitch", "-", "a.rms"},
                        Command::FileOpen, "a.rms"},
        CommandLineCase{"an empty argument is no name", {"", "b.rms"}, Command::FileOpen, "b.rms"},
        CommandLineCase{"the last command switch wins", {"-p", "-pt", "a", "b"}, Command::FilePrintTo, "a",
                        "b"}),
    [](const ::testing::TestParamInfo<CommandLineCase> &info) {
        std::string name;
        for (const char *c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

} // namespace
