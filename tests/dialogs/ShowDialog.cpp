// Shows the Generate dialog or the About box over a maximized main window,
// to look at them by hand: show_dialog generate|about [--app-icon FILE].
// With MAPSMITH_SHOT=file.png set, saves what the dialog draws to that file
// once it is on screen, and ends.

#include "AfxMainWnd.h"
#include "CAboutBox.h"
#include "CGenerateScriptDlg.h"
#include "ModalHost.h"
#include "QtModalHost.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Shows the dialog, saves its picture once the window system has drawn it,
// and ends it as cancelled.
class ScreenshotHost : public QtModalHost {
public:
    explicit ScreenshotHost(QString path)
        : m_path(std::move(path))
    {
    }

    bool saved = false;

protected:
    int DoRunDialog(QDialog &dialog) override
    {
        QTimer::singleShot(500, &dialog, [this, &dialog] {
            saved = dialog.grab().save(m_path);
            dialog.reject();
        });
        return QtModalHost::DoRunDialog(dialog);
    }

private:
    QString m_path;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString which = args.value(1);
    if (which != "generate" && which != "about") {
        std::fprintf(stderr, "usage: show_dialog generate|about [--app-icon FILE]\n");
        return 2;
    }
    if (const qsizetype icon = args.indexOf("--app-icon"); icon > 0)
        QApplication::setWindowIcon(QIcon(args.value(icon + 1)));

    QMainWindow mainWindow;
    mainWindow.setWindowTitle("Mapsmith");
    mainWindow.showMaximized();
    AfxSetMainWnd(&mainWindow);

    const QString shot = qEnvironmentVariable("MAPSMITH_SHOT");
    std::unique_ptr<ScreenshotHost> host;
    if (!shot.isEmpty()) {
        host = std::make_unique<ScreenshotHost>(shot);
        ModalHost::Install(host.get());
    }

    int result = 0;
    QTimer::singleShot(0, [&] {
        if (which == "generate") {
            CGenerateScriptDlg dialog;
            result = dialog.DoModal();
        } else {
            result = CAboutBox().DoModal();
        }
        app.quit();
    });
    app.exec();
    ModalHost::Install(nullptr);
    std::printf("dialog ended with %d\n", result);
    if (host && !host->saved) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(shot));
        return 1;
    }
    return 0;
}
