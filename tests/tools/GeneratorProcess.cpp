#include "GeneratorProcess.h"

#include "ScratchFolder.h"
#include "ScriptSamples.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kProgram = std::string(MAPSMITH_BUILD_DIR) + "/mapsmith-generate";

}  // namespace

ProcessResult RunGenerator(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                           std::optional<rlim_t> fileSizeLimit)
{
    // Captured output goes to a folder of its own, so that the working
    // folder shows only what the program wrote.
    const ScratchFolder capture;
    const std::string outPath = (capture.Path() / "out").string();
    const std::string errPath = (capture.Path() / "err").string();

    std::vector<char*> argv{const_cast<char*>(kProgram.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0 || ::chdir(folder.c_str()) != 0)
            ::_exit(126);
        if (fileSizeLimit) {
            const rlimit limit{*fileSizeLimit, *fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execv(kProgram.c_str(), argv.data());
        ::_exit(127);
    }

    ProcessResult result;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}
