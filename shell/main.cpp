#include "CMapsmithApp.h"
#include "FirstShownProbe.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication qtApp(argc, argv);
    InstallFirstShownProbeIfRequested();
    CMapsmithApp app;
    return app.Run();
}
