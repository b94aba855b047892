// The start-up benchmark's baseline: a minimal Qt Widgets program that shows
// an empty main window, with the same first-shown probe as the editor.
#include "FirstShownProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallFirstShownProbeIfRequested();
    QMainWindow window;
    window.showMaximized();
    return app.exec();
}
