#include "CMapsmithApp.h"
#include "FirstShownProbe.h"
#include "ProgramInfoOption.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (const std::optional<int> exitCode = ProgramInfoOption::Run(argc, argv))
        return *exitCode;
    QApplication qtApp(argc, argv);
    InstallFirstShownProbeIfRequested();
    CMapsmithApp app;
    app.SetCommandLine(QCoreApplication::arguments().mid(1));
    return app.Run();
}
