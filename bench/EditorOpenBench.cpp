// Opening the largest script into a shown, wrapped script window, against a
// bare baseline measured in the same run: a program that reads the file and
// sets it into a plain QScintilla widget with word wrap on, maximized in a
// QMdiArea. Each trial runs in a fresh child process, so that memory figures
// and caches of one trial do not flatter the next.

#include "ScriptEditor.h"
#include "ScriptFile.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTrials = 5;
constexpr int kKeystrokes = 40;
constexpr qint64 kQuietMs = 400;  // no idle work for this long: the screen has settled
constexpr qint64 kGiveUpMs = 20000;

enum class Contender { Baseline, Ours };

struct Figures {
    double firstPageMs = 0;
    double settledMs = 0;
    double keystrokeMs = 0;  // median of the keystrokes
    double residentMiB = 0;  // above the same window with an empty text
    double saveMs = 0;
};

// CR LF lines of 20 to 120 characters in words, a few of 5,000, exactly the
// largest script allowed.
QByteArray MakeScript()
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> lineLength(20, 120);
    std::uniform_int_distribution<int> wordLength(2, 12);
    std::uniform_int_distribution<int> letter('a', 'z');
    QByteArray script;
    int lineNumber = 0;
    while (script.size() < ScriptFile::kMaxBytes) {
        const int length = ++lineNumber % 2000 == 0 ? 5000 : lineLength(random);
        QByteArray line;
        while (line.size() < length) {
            for (int i = wordLength(random); i > 0; --i)
                line += static_cast<char>(letter(random));
            line += ' ';
        }
        line.truncate(length);
        script += line + "\r\n";
    }
    script.truncate(ScriptFile::kMaxBytes - 2);
    return script + "\r\n";
}

double ResidentMiB()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// Counts paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Notes when the editing component last did idle work (wrapping in slices).
class IdleWatcher : public QObject {
public:
    explicit IdleWatcher(const QElapsedTimer &clock)
        : m_clock(clock)
    {
        qApp->installEventFilter(this);
    }
    qint64 lastIdleMs = -1;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && object->parent()
            && qstrcmp(object->parent()->metaObject()->className(), "QsciScintillaQt") == 0)
            lastIdleMs = m_clock.elapsed();
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

void ProcessUntil(const std::function<bool()> &done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < kGiveUpMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

QsciScintillaBase *OpenWindow(Contender contender, QMdiArea &area, const QString &path)
{
    if (contender == Contender::Ours) {
        ScriptLoadResult loaded = ScriptFile::Load(path);
        auto *editor = new ScriptEditor;
        editor->SetText(loaded.bytes);
        area.addSubWindow(editor)->showMaximized();
        return editor;
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    auto *editor = new QsciScintilla;
    editor->setUtf8(false);
    editor->setWrapMode(QsciScintilla::WrapWord);
    editor->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    area.addSubWindow(editor)->showMaximized();
    return editor;
}

void Save(Contender contender, QsciScintillaBase *editor, const QString &path)
{
    if (contender == Contender::Ours) {
        ScriptFile::Save(path, static_cast<ScriptEditor *>(editor)->Bytes());
        return;
    }
    const long length = editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(static_cast<const char *>(editor->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER)),
               length);
}

Figures RunTrial(Contender contender, const QString &script, const QString &folder)
{
    int argc = 1;
    char name[] = "bench_editor_open";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QMdiArea area;
    area.resize(1920, 1080);
    area.show();

    // The window with an empty text: the memory baseline.
    QsciScintillaBase *empty = contender == Contender::Ours ? static_cast<QsciScintillaBase *>(new ScriptEditor) : new QsciScintilla;
    area.addSubWindow(empty)->showMaximized();
    PaintCounter emptyPaints(empty->viewport());
    ProcessUntil([&] { return emptyPaints.paints > 0; });
    QCoreApplication::processEvents();
    const double residentBefore = ResidentMiB();

    Figures figures;
    QElapsedTimer clock;
    IdleWatcher idle(clock);
    clock.start();
    QsciScintillaBase *editor = OpenWindow(contender, area, script);
    PaintCounter paints(editor->viewport());
    ProcessUntil([&] { return paints.paints > 0; });
    figures.firstPageMs = clock.nsecsElapsed() / 1e6;
    ProcessUntil([&] { return clock.elapsed() - std::max<qint64>(idle.lastIdleMs, 0) > kQuietMs; });
    figures.settledMs = std::max(figures.firstPageMs, double(idle.lastIdleMs));
    figures.residentMiB = ResidentMiB() - residentBefore;

    // Keystrokes in the middle: Backspace, then a letter, so that the text
    // stays within the limit for both.
    editor->setFocus();
    editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, editor->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 2);
    ProcessUntil([&] { return clock.elapsed() - std::max<qint64>(idle.lastIdleMs, 0) > kQuietMs; });
    std::vector<double> keystrokes;
    for (int i = 0; i < kKeystrokes; ++i) {
        const bool backspace = i % 2 == 0;
        QKeyEvent press(QEvent::KeyPress, backspace ? Qt::Key_Backspace : Qt::Key_X, Qt::NoModifier,
                        backspace ? QString("\b") : QString("x"));
        const int before = paints.paints;
        QElapsedTimer key;
        key.start();
        QApplication::sendEvent(editor, &press);
        ProcessUntil([&] { return paints.paints > before; });
        keystrokes.push_back(key.nsecsElapsed() / 1e6);
    }
    figures.keystrokeMs = Median(keystrokes);

    std::vector<double> saves;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer save;
        save.start();
        Save(contender, editor, folder + "/saved.rms");
        saves.push_back(save.nsecsElapsed() / 1e6);
    }
    figures.saveMs = Median(saves);
    return figures;
}

// Runs one trial in a child process and reads its figures back.
Figures RunInChild(Contender contender, const QString &script, const QString &folder)
{
    int channel[2];
    if (::pipe(channel) != 0)
        std::exit(2);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        const Figures figures = RunTrial(contender, script, folder);
        const bool written = ::write(channel[1], &figures, sizeof figures) == sizeof figures;
        ::_exit(written ? 0 : 3);
    }
    ::close(channel[1]);
    Figures figures;
    const bool complete = ::read(channel[0], &figures, sizeof figures) == sizeof figures;
    ::close(channel[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!complete) {
        std::fprintf(stderr, "a trial failed\n");
        std::exit(1);
    }
    return figures;
}

Figures MedianOf(const std::vector<Figures> &trials)
{
    const auto median = [&](double Figures::*field) {
        std::vector<double> values;
        for (const Figures &f : trials)
            values.push_back(f.*field);
        return Median(values);
    };
    return {median(&Figures::firstPageMs), median(&Figures::settledMs), median(&Figures::keystrokeMs),
            median(&Figures::residentMiB), median(&Figures::saveMs)};
}

} // namespace

int main()
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir folder;  // private (0700): also the runtime folder Qt asks for
    ::setenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()).constData(), 1);
    const QString script = folder.filePath("largest.rms");
    {
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly) || file.write(MakeScript()) != ScriptFile::kMaxBytes)
            return 2;
    }

    std::vector<Figures> baseline;
    std::vector<Figures> ours;
    for (int trial = 0; trial < kTrials; ++trial) {
        baseline.push_back(RunInChild(Contender::Baseline, script, folder.path()));
        ours.push_back(RunInChild(Contender::Ours, script, folder.path()));
    }
    const Figures b = MedianOf(baseline);
    const Figures o = MedianOf(ours);

    std::printf("Opening a %lld-byte script in a maximized 1920x1080 window, median of %d trials each\n",
                static_cast<long long>(ScriptFile::kMaxBytes), kTrials);
    std::printf("%-34s %12s %12s %8s   %s\n", "", "baseline", "Mapsmith", "ratio", "goal");
    const auto row = [](const char *what, double base, double mine, const char *goal) {
        std::printf("%-34s %12.2f %12.2f %8.2f   %s\n", what, base, mine, base > 0 ? mine / base : 0.0, goal);
    };
    row("first page painted (ms)", b.firstPageMs, o.firstPageMs, "ratio <= 0.35");
    row("wrapping settled (ms)", b.settledMs, o.settledMs, "ratio <= 1.0");
    row("keystroke to repaint, median (ms)", b.keystrokeMs, o.keystrokeMs, "<= 5 ms");
    row("resident memory above empty (MiB)", b.residentMiB, o.residentMiB, "<= 15 MiB");
    row("save (ms)", b.saveMs, o.saveMs, "ours syncs to disk; the baseline does not");
    return 0;
}
