// Start-up time of the editor, from process start to its main window shown,
// against a minimal Qt Widgets program that shows an empty main window. Both
// run alternately several times; the medians and their ratio are printed.
// Each program reports the moment its first main window has been painted
// (the MAPSMITH_BENCH_REPORT_SHOWN hook) on the same monotonic clock.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int kWarmUpRuns = 2;
constexpr int kMeasuredRuns = 15;
constexpr int kTimeoutMs = 30000;
constexpr double kGoal = 1.3;

using Clock = std::chrono::steady_clock;

struct Program {
    const char *name;
    std::string path;
    std::vector<double> millis;
};

std::vector<std::string> ChildEnvironment(const std::string &home)
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        if (variable.rfind("XDG_", 0) != 0)
            env.push_back(variable);
    }
    env.push_back("MAPSMITH_BENCH_REPORT_SHOWN=1");
    // Settings and desktop files of the runs stay out of the user's folders.
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const std::string dir = home + "/" + name;
        std::filesystem::create_directories(dir);
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
        env.push_back(std::string(name) + "=" + dir);
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        env.push_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

// Milliseconds from spawning the program to its report, or nothing.
std::optional<double> TimeOneStart(const Program &program, const std::vector<std::string> &env)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char *> envp;
    for (const std::string &variable : env)
        envp.push_back(const_cast<char *>(variable.c_str()));
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(program.path.c_str()), nullptr};

    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, program.path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }

    std::string output;
    pollfd reader{out[0], POLLIN, 0};
    char buffer[256];
    while (output.find('\n') == std::string::npos && poll(&reader, 1, kTimeoutMs) > 0) {
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, static_cast<size_t>(got));
    }
    close(out[0]);
    long long shownNs = 0;
    const bool reported = std::sscanf(output.c_str(), "shown %lld", &shownNs) == 1;
    if (!reported)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!reported)
        return std::nullopt;
    const auto shown = Clock::time_point(std::chrono::nanoseconds(shownNs));
    return std::chrono::duration<double, std::milli>(shown - start).count();
}

double Median(std::vector<double> values)
{
    std::ranges::sort(values);
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main()
{
    const std::string build = MAPSMITH_BUILD_DIR;
    Program editor{"mapsmith", build + "/mapsmith", {}};
    Program baseline{"empty QMainWindow", build + "/bench/startup-baseline", {}};
    char home[] = "/tmp/mapsmith-bench-XXXXXX";
    if (!mkdtemp(home)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::vector<std::string> env = ChildEnvironment(home);

    for (int run = 0; run < kWarmUpRuns + kMeasuredRuns; ++run) {
        for (Program *program : {&baseline, &editor}) {
            const std::optional<double> millis = TimeOneStart(*program, env);
            if (!millis) {
                std::fprintf(stderr, "%s did not report its window shown\n", program->path.c_str());
                std::filesystem::remove_all(home);
                return 1;
            }
            if (run >= kWarmUpRuns)
                program->millis.push_back(*millis);
        }
    }
    std::filesystem::remove_all(home);

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to first shown main window, median of %d alternating runs (platform: %s)\n",
                kMeasuredRuns, platform ? platform : (std::getenv("DISPLAY") ? "xcb" : "offscreen"));
    for (const Program *program : {&baseline, &editor})
        std::printf("  %-20s %8.1f ms\n", program->name, Median(program->millis));
    const double ratio = Median(editor.millis) / Median(baseline.millis);
    std::printf("  ratio mapsmith/baseline: %.2f (goal <= %.1f) %s\n", ratio, kGoal, ratio <= kGoal ? "ok" : "OVER");
    return 0;
}
