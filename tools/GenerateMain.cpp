// mapsmith-generate: writes a skeleton random map script from the command
// line, through the same writer as the editor's Generate command.

#include "generator/GenerateMessages.h"
#include "generator/SkeletonFileWriter.h"
#include "tools/GenerateCommandLine.h"
#include "tools/GenerateExitCode.h"
#include "tools/GenerateUsage.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kProgram = "mapsmith-generate: ";

struct OutputError {
    int error;
};

int Exit(GenerateExitCode code) { return static_cast<int>(code); }

void WriteToStandardOutput(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw OutputError{errno};
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

int WriteScriptToStandardOutput(const GenerationSettings& settings)
{
    try {
        SkeletonFileWriter::WriteTo(settings, WriteToStandardOutput);
    } catch (const OutputError& failure) {
        std::cerr << kProgram << "writing to standard output failed (" << std::strerror(failure.error) << ")\n";
        return Exit(GenerateExitCode::WriteFailed);
    }
    return Exit(GenerateExitCode::Done);
}

// The program's own message, then what the system adds to it.
std::string Detail(const SkeletonWriteResult& result)
{
    switch (result.outcome) {
    case SkeletonWriteOutcome::Exists: return result.fullPath;
    case SkeletonWriteOutcome::CannotCreate: return result.fullPath + ": " + std::strerror(result.error);
    case SkeletonWriteOutcome::WriteFailed: return std::strerror(result.error);
    case SkeletonWriteOutcome::Written: break;
    }
    return {};
}

GenerateExitCode ExitCodeFor(SkeletonWriteOutcome outcome)
{
    switch (outcome) {
    case SkeletonWriteOutcome::Written: return GenerateExitCode::Done;
    case SkeletonWriteOutcome::Exists: return GenerateExitCode::Exists;
    case SkeletonWriteOutcome::CannotCreate: return GenerateExitCode::CannotCreate;
    case SkeletonWriteOutcome::WriteFailed: return GenerateExitCode::WriteFailed;
    }
    return GenerateExitCode::WriteFailed;
}

int WriteScriptFile(const GenerationSettings& settings)
{
    const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(settings);
    if (result.outcome != SkeletonWriteOutcome::Written)
        std::cerr << kProgram << GenerateMessageFor(result) << " (" << Detail(result) << ")\n";
    return Exit(ExitCodeFor(result.outcome));
}

}  // namespace

int main(int argc, char* argv[])
{
    // A file-size limit must fail the write, so the partial file is removed,
    // instead of ending the program with the file left behind.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = GenerateCommandLine::Parse(arguments);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::cerr << kProgram << error->message << '\n';
        return Exit(GenerateExitCode::BadCommandLine);
    }

    const GenerateRequest& request = std::get<GenerateRequest>(parsed);
    switch (request.action) {
    case GenerateAction::ShowHelp:
        std::cout << HelpText();
        break;
    case GenerateAction::ShowLists:
        std::cout << ListsText();
        break;
    case GenerateAction::Write:
        if (request.output == GenerateOutput::StandardOutput)
            return WriteScriptToStandardOutput(request.settings);
        return WriteScriptFile(request.settings);
    }
    return Exit(GenerateExitCode::Done);
}
