// Generate with the defaults until the new script window is shown, against
// opening the same file with Open, in one run of the real program's window
// (offscreen unless a display is given). Each measurement starts when the
// user's answer ends the dialog (Generate pressed, or the file chosen) and
// ends when the script window has been shown and painted; closing the window
// and removing the file lie outside it. The ratio of the medians follows the
// table.
#include "CDialog.h"
#include "CMDIFrameWnd.h"
#include "CMapsmithApp.h"
#include "ModalHost.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Plays the user: presses Generate at once, or chooses the given file, and
// notes the moment the answer was given.
class UserAnswers : public ModalHost {
public:
    QString chosenFile;
    Clock::time_point answered;

protected:
    int DoShowMessage(const MessageRequest &request) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(request.text));
        std::abort();
    }
    std::optional<QString> DoChooseFile(const FileDialogRequest &) override
    {
        answered = Clock::now();
        return chosenFile;
    }
    bool DoRunPrintDialog(QPrinter &) override { return false; }
    int DoRunDialog(QDialog &dialog) override
    {
        dialog.accept();
        answered = Clock::now();
        return dialog.result();
    }
};

struct Program {
    QTemporaryDir folder;
    UserAnswers user;
    CMapsmithApp app;
    CMDIFrameWnd *frame = nullptr;

    Program()
    {
        QDir::setCurrent(folder.path());
        ModalHost::Install(&user);
        if (!app.InitInstance())
            std::abort();
        frame = app.GetMainFrame();
        CloseScriptWindows();
        QApplication::processEvents();
    }
    ~Program() { ModalHost::Install(nullptr); }

    // Runs a command and returns the seconds from the user's answer until
    // the new script window has been painted.
    double TimeCommand(int command)
    {
        frame->OnCommand(command);
        QMdiSubWindow *window = frame->MDIClient()->activeSubWindow();
        if (!window)
            std::abort();
        window->repaint();
        QApplication::processEvents();
        return std::chrono::duration<double>(Clock::now() - user.answered).count();
    }
    void CloseScriptWindows()
    {
        for (QMdiSubWindow *window : frame->MDIClient()->subWindowList())
            window->close();
        QApplication::processEvents();
    }
};

Program *program = nullptr;
std::map<std::string, double> medians;

// Keeps the median of the latest run of each measurement.
void Record(const std::string &name, std::vector<double> &samples)
{
    std::sort(samples.begin(), samples.end());
    if (!samples.empty())
        medians[name] = samples[samples.size() / 2];
}

enum class AfterEach { CloseWindow, CloseWindowAndRemoveFile };

// Times `command` once an iteration; what follows each run lies outside the
// measurement.
void Measure(benchmark::State &state, int command, const std::string &name, AfterEach after)
{
    std::vector<double> samples;
    for (auto _ : state) {
        const double seconds = program->TimeCommand(command);
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
        program->CloseScriptWindows();
        if (after == AfterEach::CloseWindowAndRemoveFile)
            QFile::remove("Filename.rms");
    }
    Record(name, samples);
}

void GenerateDefaults(benchmark::State &state)
{
    Measure(state, ID_GENERATE, "generate", AfterEach::CloseWindowAndRemoveFile);
}

void OpenSameFile(benchmark::State &state)
{
    program->TimeCommand(ID_GENERATE);
    program->CloseScriptWindows();
    program->user.chosenFile = QDir::current().absoluteFilePath("Filename.rms");
    Measure(state, ID_FILE_OPEN, "open", AfterEach::CloseWindow);
    QFile::remove("Filename.rms");
}

BENCHMARK(OpenSameFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(GenerateDefaults)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(OpenSameFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(GenerateDefaults)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    Program running;
    program = &running;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double open = medians["open"];
    const double generate = medians["generate"];
    if (open > 0)
        std::printf("Generate / Open (medians of the last runs): %.2f (goal <= 1.20)\n", generate / open);
    return 0;
}
