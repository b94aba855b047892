// Start-up time of the editor, from process start to its main window shown,
// against a minimal Qt Widgets program that shows an empty main window: the
// editor with its new script RMS1, and with a 1 MB script named on the
// command line. Then the time a later start takes to hand its file to the
// running editor and end. All runs alternate; the medians and their ratios
// to the baseline are printed. Each program reports the moment its first
// main window has been painted (the MAPSMITH_BENCH_REPORT_SHOWN hook) on the
// same monotonic clock.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

constexpr int kWarmUpRuns = 2;
constexpr int kMeasuredRuns = 15;
constexpr int kTimeoutMs = 30000;
constexpr double kGoal = 1.3;
constexpr size_t kLargestScript = 1048575;

using Clock = std::chrono::steady_clock;

struct Program {
    const char *name;
    std::string path;
    std::vector<std::string> arguments;
    std::vector<double> millis;
};

// The environment of every run: settings, desktop files and the instance's
// socket stay in the benchmark's own folders.
std::vector<std::string> ChildEnvironment(const std::string &home)
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        if (variable.rfind("XDG_", 0) != 0)
            env.push_back(variable);
    }
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

std::vector<std::string> WithShownReport(std::vector<std::string> env)
{
    env.push_back("MAPSMITH_BENCH_REPORT_SHOWN=1");
    return env;
}

// Starts the program; its standard output goes to outFd when given.
std::optional<pid_t> Spawn(const Program &program, const std::vector<std::string> &env, int outFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char *> envp;
    for (const std::string &variable : env)
        envp.push_back(const_cast<char *>(variable.c_str()));
    envp.push_back(nullptr);
    std::vector<char *> argv{const_cast<char *>(program.path.c_str())};
    for (const std::string &argument : program.arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return std::nullopt;
    return pid;
}

// Milliseconds from spawning the program to its report, or nothing.
std::optional<double> TimeOneStart(const Program &program, const std::vector<std::string> &env)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    fcntl(out[0], F_SETFD, FD_CLOEXEC);
    const auto start = Clock::now();
    const std::optional<pid_t> pid = Spawn(program, env, out[1]);
    close(out[1]);
    if (!pid) {
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
        kill(*pid, SIGKILL);
    int status = 0;
    waitpid(*pid, &status, 0);
    if (!reported)
        return std::nullopt;
    const auto shown = Clock::time_point(std::chrono::nanoseconds(shownNs));
    return std::chrono::duration<double, std::milli>(shown - start).count();
}

// Milliseconds from spawning the program to its successful end, or nothing.
std::optional<double> TimeOneRun(const Program &program, const std::vector<std::string> &env)
{
    const auto start = Clock::now();
    const std::optional<pid_t> pid = Spawn(program, env, -1);
    if (!pid)
        return std::nullopt;
    int status = 0;
    waitpid(*pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Whether something accepts connections on the local socket.
bool Answers(const std::string &socketPath)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const bool connected = connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// A script of script-like lines, exactly the largest size a script may have.
std::string WriteLargestScript(const std::string &folder)
{
    const std::string path = folder + "/largest.rms";
    const std::string line = "create_object GOLD { number_of_objects 7 group_placement_radius 3 }\r\n";
    std::string text;
    while (text.size() < kLargestScript)
        text += line;
    text.resize(kLargestScript);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

double Median(std::vector<double> values)
{
    std::ranges::sort(values);
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool Measure(Program &program, bool measured, const std::optional<double> &millis)
{
    if (!millis) {
        std::fprintf(stderr, "%s did not finish its run\n", program.name);
        return false;
    }
    if (measured)
        program.millis.push_back(*millis);
    return true;
}

int Run(const std::string &home)
{
    const std::string build = MAPSMITH_BUILD_DIR;
    const std::string editorPath = build + "/mapsmith";
    const std::vector<std::string> env = ChildEnvironment(home);
    const std::vector<std::string> reporting = WithShownReport(env);
    const std::string largest = WriteLargestScript(home);
    const std::string small = home + "/handed.rms";
    std::ofstream(small, std::ios::binary) << "/* handed over */\r\n";

    Program baseline{"empty QMainWindow", build + "/bench/startup-baseline", {}, {}};
    Program editor{"mapsmith (RMS1)", editorPath, {}, {}};
    Program editorLargest{"mapsmith 1 MB script", editorPath, {largest}, {}};
    for (int run = 0; run < kWarmUpRuns + kMeasuredRuns; ++run) {
        for (Program *program : {&baseline, &editor, &editorLargest}) {
            if (!Measure(*program, run >= kWarmUpRuns, TimeOneStart(*program, reporting)))
                return 1;
        }
    }

    // A running editor, then later starts that hand it their file.
    Program first{"running mapsmith", editorPath, {}, {}};
    Program handOver{"later start, hand-over", editorPath, {small}, {}};
    const std::optional<pid_t> running = Spawn(first, env, -1);
    const std::string socketPath = home + "/XDG_RUNTIME_DIR/mapsmith-" + std::to_string(getuid()) + ".socket";
    const auto deadline = Clock::now() + std::chrono::milliseconds(kTimeoutMs);
    while (running && !Answers(socketPath) && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    bool handedOver = running && Answers(socketPath);
    for (int run = 0; handedOver && run < kWarmUpRuns + kMeasuredRuns; ++run)
        handedOver = Measure(handOver, run >= kWarmUpRuns, TimeOneRun(handOver, env));
    if (running) {
        kill(*running, SIGTERM);
        waitpid(*running, nullptr, 0);
    }
    if (!handedOver) {
        std::fprintf(stderr, "the running editor did not take the later starts' files\n");
        return 1;
    }

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up, median of %d alternating runs (platform: %s)\n", kMeasuredRuns,
                platform ? platform : (std::getenv("DISPLAY") ? "xcb" : "offscreen"));
    const double base = Median(baseline.millis);
    std::printf("  %-26s %8.1f ms  (baseline)\n", baseline.name, base);
    for (const Program *program : {&editor, &editorLargest})
        std::printf("  %-26s %8.1f ms  ratio %.2f (goal <= %.1f) %s\n", program->name, Median(program->millis),
                    Median(program->millis) / base, kGoal, Median(program->millis) / base <= kGoal ? "ok" : "OVER");
    std::printf("  %-26s %8.1f ms  ratio %.2f to the baseline's start (process start to its end)\n", handOver.name,
                Median(handOver.millis), Median(handOver.millis) / base);
    return 0;
}

} // namespace

int main()
{
    char home[] = "/tmp/mapsmith-bench-XXXXXX";
    if (!mkdtemp(home)) {
        std::perror("mkdtemp");
        return 1;
    }
    const int status = Run(home);
    std::filesystem::remove_all(home);
    return status;
}
