#include "generator/GenerateMessages.h"
#include "generator/SkeletonFileWriter.h"

#include "ScratchFolder.h"
#include "ScriptSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

GenerationSettings Named(const std::string& name)
{
    GenerationSettings settings;
    settings.m_strFileName = name;
    return settings;
}

class WriterFiles : public testing::Test {
protected:
    ScratchFolder m_folder;
    CurrentFolder m_current{m_folder.Path()};
};

TEST_F(WriterFiles, WritesTheComposedScriptWithCrLfAndNothingElseChanged)
{
    GenerationSettings settings = AllFlags(1);
    settings.m_nBaseTerrain = 5;
    const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(settings);

    EXPECT_EQ(result.outcome, SkeletonWriteOutcome::Written);
    EXPECT_EQ(result.fullPath, (m_folder.Path() / "Filename.rms").string());
    EXPECT_EQ(result.error, 0);
    const std::string bytes = ReadBytes(m_folder.Path() / "Filename.rms");
    EXPECT_EQ(bytes, WithCrLf(ComposedScript(settings)));
    EXPECT_EQ(std::ranges::count(bytes, '\n'), 702);
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("}\r\n\r\n"));
    EXPECT_EQ(m_folder.Entries(), std::vector<std::string>{"Filename.rms"});
}

TEST_F(WriterFiles, DefaultFileHas686CrLfLines)
{
    ASSERT_EQ(SkeletonFileWriter::WriteFile(GenerationSettings{}).outcome, SkeletonWriteOutcome::Written);
    const std::string bytes = ReadBytes("Filename.rms");
    EXPECT_EQ(std::ranges::count(bytes, '\n'), 686);
    EXPECT_EQ(std::ranges::count(bytes, '\r'), 686);
    EXPECT_EQ(bytes, WithCrLf(ComposedScript(GenerationSettings{})));
}

struct NameCase {
    const char* label;
    std::string typed;
    std::string fileName;
};

void PrintTo(const NameCase& row, std::ostream* out) { *out << row.label; }

class WriterNames : public WriterFiles, public testing::WithParamInterface<NameCase> {};

TEST_P(WriterNames, FileIsTheTypedNamePlusRmsAndTheFirstLineHoldsTheTypedName)
{
    fs::create_directory("sub");
    const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(Named(GetParam().typed));
    ASSERT_EQ(result.outcome, SkeletonWriteOutcome::Written);
    EXPECT_EQ(result.fullPath, (m_folder.Path() / GetParam().fileName).string());
    const std::string bytes = ReadBytes(GetParam().fileName);
    EXPECT_TRUE(bytes.starts_with("/* *** " + GetParam().typed + " *** */\r\n\r\n")) << bytes.substr(0, 60);
    EXPECT_EQ(SkeletonFileWriter::FileNameFor(Named(GetParam().typed)), GetParam().typed + ".rms");
}

INSTANTIATE_TEST_SUITE_P(SkeletonFileWriter, WriterNames,
                         testing::Values(NameCase{"TypedExtension", "test.rms", "test.rms.rms"},
                                         NameCase{"Empty", "", ".rms"},
                                         NameCase{"SpacesAndHighBytes", " my map \xE9\xFF ", " my map \xE9\xFF .rms"},
                                         NameCase{"InAFolder", "sub/inner", "sub/inner.rms"}),
                         [](const auto& info) { return info.param.label; });

TEST_F(WriterFiles, RefusesANameThatExistsAsFileFolderOrLink)
{
    const std::string kept = "keep these bytes\n";
    { std::ofstream("Filename.rms", std::ios::binary) << kept; }
    fs::create_directory("Folder.rms");
    fs::create_symlink("missing-target", "Dangling.rms");

    for (const std::string name : {"Filename", "Folder", "Dangling"}) {
        const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(Named(name));
        EXPECT_EQ(result.outcome, SkeletonWriteOutcome::Exists) << name;
        EXPECT_EQ(result.fullPath, (m_folder.Path() / (name + ".rms")).string());
        EXPECT_EQ(GenerateMessageFor(result), "That file already exists. Delete the file or choose a different filename.");
    }
    EXPECT_EQ(ReadBytes("Filename.rms"), kept);
    EXPECT_TRUE(fs::is_directory("Folder.rms"));
    EXPECT_TRUE(fs::is_empty("Folder.rms"));
    EXPECT_FALSE(fs::exists("missing-target"));
    EXPECT_EQ(m_folder.Entries(), (std::vector<std::string>{"Dangling.rms", "Filename.rms", "Folder.rms"}));
}

TEST_F(WriterFiles, ReportsAMissingFolderAsCannotCreate)
{
    const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(Named("no-such-folder/map"));
    EXPECT_EQ(result.outcome, SkeletonWriteOutcome::CannotCreate);
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_EQ(result.fullPath, (m_folder.Path() / "no-such-folder/map.rms").string());
    EXPECT_EQ(GenerateMessageFor(result), "The file could not be created.");
    EXPECT_TRUE(m_folder.Entries().empty());
}

// Runs the writer in a child process whose files may not grow beyond
// limitBytes, and returns its outcome and message through a pipe.
std::pair<int, std::string> WriteUnderFileSizeLimit(const GenerationSettings& settings, rlim_t limitBytes)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {-1, "pipe failed"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(settings);
        const std::string message = GenerateMessageFor(result) + "|" + std::to_string(result.error);
        [[maybe_unused]] const ssize_t sent = ::write(channel[1], message.data(), message.size());
        ::_exit(static_cast<int>(result.outcome));
    }
    ::close(channel[1]);
    std::string message;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, message};
}

TEST_F(WriterFiles, FailedWriteMidwayLeavesNoFileAndReportsDiskFull)
{
    const GenerationSettings settings;
    const std::size_t total = WithCrLf(ComposedScript(settings)).size();
    for (const rlim_t limit : {rlim_t{0}, rlim_t{100}, rlim_t{5000}, static_cast<rlim_t>(total - 1)}) {
        SCOPED_TRACE(limit);
        const auto [outcome, message] = WriteUnderFileSizeLimit(settings, limit);
        EXPECT_EQ(outcome, static_cast<int>(SkeletonWriteOutcome::WriteFailed));
        EXPECT_EQ(message, "Disk full while accessing " + (m_folder.Path() / "Filename.rms").string() + ".|" + std::to_string(EFBIG));
        EXPECT_TRUE(m_folder.Entries().empty());
    }
    // The same limit with room for the whole script lets it through.
    const auto [outcome, message] = WriteUnderFileSizeLimit(settings, total);
    EXPECT_EQ(outcome, static_cast<int>(SkeletonWriteOutcome::Written)) << message;
    EXPECT_EQ(ReadBytes("Filename.rms"), WithCrLf(ComposedScript(settings)));
}

TEST(SkeletonFileWriter, WriteToDeliversEachComposedChunkWithCrLf)
{
    GenerationSettings settings;
    settings.m_strFileName = "line\nbreak";
    std::vector<std::string> written;
    SkeletonFileWriter::WriteTo(settings, [&](std::string_view chunk) { written.emplace_back(chunk); });

    const std::vector<std::string> composed = ComposedChunks(settings);
    ASSERT_EQ(written.size(), composed.size());
    for (std::size_t i = 0; i < composed.size(); ++i)
        EXPECT_EQ(written[i], WithCrLf(composed[i])) << i;
}

TEST(SkeletonFileWriter, SinkThatThrowsStopsTheWriting)
{
    struct Full {};
    std::size_t calls = 0;
    EXPECT_THROW(SkeletonFileWriter::WriteTo(GenerationSettings{},
                                             [&](std::string_view) {
                                                 if (++calls == 3)
                                                     throw Full{};
                                             }),
                 Full);
    EXPECT_EQ(calls, 3u);
}

}  // namespace
